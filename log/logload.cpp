#include "log/logload.h"

#include "log/logfile.h"

#include <QIODevice>
#include <QTextCodec>
#include <QTextDecoder>

#include <climits>
#include <cstring>
#include <memory>

namespace vlog {

namespace {

constexpr qint64 kBlock = 1 << 20;

// Whether every "#" of the text is a byte "#" of the file and the reverse:
// true for UTF-8 and the 8-bit encodings, false for UTF-16 and UTF-32.
bool hashIsAByte(QTextCodec *codec)
{
    return codec->toUnicode(QByteArrayLiteral("a#b")) == QLatin1String("a#b")
           && codec->fromUnicode(QStringLiteral("a#b")) == QByteArrayLiteral("a#b");
}

// The "#" bytes of a block, found with memchr, which reads many bytes at a
// time: the whole file is counted before the first row can be filled.
qint64 countHashes(const QByteArray &block)
{
    qint64 count = 0;
    const char *p = block.constData();
    const char *const end = p + block.size();
    while ((p = static_cast<const char *>(memchr(p, '#', size_t(end - p)))) != nullptr) {
        ++count;
        ++p;
    }
    return count;
}

int parseWholeText(QIODevice &device, LogParser &parser)
{
    const QString text = readLogText(device);
    const QVector<QStringRef> chunks = text.splitRef(QLatin1Char('#'));
    const int records = int(chunks.size()) - 1;
    parser.begin(records);
    parser.header(chunks.at(0));
    for (int k = 1; k < chunks.size(); ++k)
        parser.record(k - 1, chunks.at(k));
    return records;
}

} // namespace

int readAndParse(QIODevice &device, LogParser &parser)
{
    QTextCodec *marked = QTextCodec::codecForUtfText(device.peek(4), nullptr);
    QTextCodec *codec = marked ? marked : QTextCodec::codecForLocale();
    const qint64 start = device.pos();
    if (device.isSequential() || !hashIsAByte(codec))
        return parseWholeText(device, parser);

    // The records are counted first, so that the table has its rows before
    // the first one is filled.
    qint64 hashes = 0;
    for (QByteArray block; !(block = device.read(kBlock)).isEmpty();)
        hashes += countHashes(block);
    if (hashes >= INT_MAX || !device.seek(start)) {
        device.seek(start);
        return parseWholeText(device, parser);
    }
    const int records = int(hashes);
    parser.begin(records);

    const std::unique_ptr<QTextDecoder> decoder(codec->makeDecoder());
    QString pending;
    int piece = 0;
    auto take = [&](QStringView text) {
        if (piece == 0)
            parser.header(text);
        else if (piece <= records)   // a file that grew meanwhile gives no more rows
            parser.record(piece - 1, text);
        ++piece;
    };
    for (QByteArray block; !(block = device.read(kBlock)).isEmpty();) {
        pending += decoder->toUnicode(block);
        int from = 0;
        for (int at; (at = pending.indexOf(QLatin1Char('#'), from)) >= 0; from = at + 1)
            take(QStringView(pending).mid(from, at - from));
        pending.remove(0, from);
    }
    take(pending);
    return records;
}

} // namespace vlog
