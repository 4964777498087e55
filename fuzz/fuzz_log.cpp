// The log path: file bytes -> text -> records, both families and both kinds,
// whole and read piece by piece,
// with the shipped help database answering the message lookups.

#include "details/helpdatabase.h"
#include "details/helpfilereader.h"
#include "log/logfile.h"
#include "log/logload.h"
#include "log/logparser.h"

#include <QBuffer>
#include <QCoreApplication>

namespace {

class HelpLookups : public vlog::MessageLookups
{
public:
    explicit HelpLookups(const vlog::HelpDatabase &help, bool kav) : m_help(help), m_kav(kav) {}
    QString errorMessage(int code, const QString &p1, const QString &p2) override
    {
        return m_help.errorMessage(m_kav, vlog::English, code, p1, p2);
    }
    QString warningMessage(int code, const QString &p1, const QString &p2) override
    {
        return m_help.warningMessage(m_kav, vlog::Korean, code, p1, p2);
    }
    QString kavStopReason(const QString &code) override
    {
        QString text;
        m_help.kavStops.lookupText(code, text);
        return text;
    }
    QString lumStopReason(int code) override
    {
        QString text;
        m_help.lumStops.lookupNumber(code, text);
        return text;
    }

private:
    const vlog::HelpDatabase &m_help;
    bool m_kav;
};

class CountingSink : public vlog::LogSink
{
public:
    void begin(int rowCount) override { rows = rowCount; }
    void notice(vlog::Notice) override { ++notices; }
    void row(int row, const vlog::LogRow &cells) override
    {
        if (row < 0 || row >= rows)
            __builtin_trap();
        for (int c = 0; c < vlog::kRecordColumns; ++c)
            length += cells.text(c).size();
    }
    int rows = 0;
    int notices = 0;
    qint64 length = 0;
};

const vlog::HelpDatabase &helpDatabase()
{
    static const vlog::HelpDatabase help = [] {
        vlog::HelpDatabase h;
        vlog::loadHelpDatabase(QStringLiteral(VELLORAN_HELP_PARENT), h);
        return h;
    }();
    return help;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QString text = vlog::readLogText(buffer);
    const QVector<QStringRef> chunks = text.splitRef(QLatin1Char('#'));
    for (const vlog::Family family : {vlog::Family::Kav, vlog::Family::Lum}) {
        for (const bool stopLog : {false, true}) {
            HelpLookups lookups(helpDatabase(), family == vlog::Family::Kav);
            CountingSink sink;
            bool arcFlag = false;
            vlog::ArcLists arc;
            vlog::parseLog(chunks, family, stopLog, lookups, arcFlag, arc, sink);
            if (sink.rows != std::max(chunks.size() - 1, 0))
                __builtin_trap();
            // Read piece by piece, the file gives the same rows.
            QBuffer again(&bytes);
            again.open(QIODevice::ReadOnly);
            CountingSink pieces;
            vlog::LogParser parser(family, stopLog, lookups, arcFlag, arc, pieces);
            if (vlog::readAndParse(again, parser) != sink.rows || pieces.rows != sink.rows
                || pieces.length != sink.length || pieces.notices != sink.notices)
                __builtin_trap();
        }
    }
    return 0;
}
