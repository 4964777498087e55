// The CSV and JSON forms of a report, and what every form shares.

#include "report/writers.h"

#include <QtConcurrent>

#include <algorithm>

namespace vreport {

const ColumnName kColumnNames[vlog::kRecordColumns] = {
    {"No", "no"},         {"Code", "code"},     {"Error", "message"}, {"AxisNo", "axisNo"}, {"Date", "date"},
    {"Time", "time"},     {"Prog", "program"},  {"Step", "step"},     {"Func", "function"}, {"Axis1", "axis1"},
    {"Axis2", "axis2"},   {"Axis3", "axis3"},   {"Axis4", "axis4"},   {"Axis5", "axis5"},   {"Axis6", "axis6"},
    {"Axis7", "axis7"},   {"Axis8", "axis8"},   {"SI", "si"},         {"DI1", "di1"},       {"DI2", "di2"},
    {"DI3", "di3"},       {"DI4", "di4"},       {"SO", "so"},         {"DO1", "do1"},       {"DO2", "do2"},
    {"DO3", "do3"},       {"DO4", "do4"},
};

Pieces renderRows(int count, const std::function<void(QString &out, int row)> &row)
{
    constexpr int kPiece = 2000;
    const std::function<QByteArray(int)> piece = [&](int start) {
        QString out;
        out.reserve(kPiece * 1024);
        for (int r = start; r < std::min(count, start + kPiece); ++r)
            row(out, r);
        return out.toUtf8();
    };
    if (count <= kPiece)
        return {piece(0)};
    QVector<QFuture<QByteArray>> pieces;
    for (int start = 0; start < count; start += kPiece)
        pieces << QtConcurrent::run(&piecePool(), piece, start);
    Pieces bytes;
    for (const QFuture<QByteArray> &done : pieces)
        bytes << done.result();
    return bytes;
}

QString familyName(vlog::Family family)
{
    return family == vlog::Family::Kav ? QStringLiteral("Kav") : QStringLiteral("Lum/Luma");
}

BackupSummary summarize(const Backup &b)
{
    BackupSummary s;
    s.name = b.name;
    s.id = b.id;
    s.folder = b.folder;
    s.family = b.family;
    s.logs = b.logs.size();
    s.records = b.records();
    s.errors = b.countOf(vlog::CodeKind::Error);
    s.warnings = b.countOf(vlog::CodeKind::Warning);
    s.stops = b.countOf(vlog::CodeKind::LumStop);
    s.topCodes = b.topCodes(3);
    s.first = b.firstDay();
    s.last = b.lastDay();
    s.problems = b.problems;
    s.missing = b.missingFiles();
    return s;
}

namespace {

// ---------------------------------------------------------------------------
// CSV

void csvField(QString &out, const QString &text)
{
    const bool quote = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    });
    if (!quote) {
        out += text;
        return;
    }
    out += QLatin1Char('"');
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            out += QLatin1Char('"');
        out += c;
    }
    out += QLatin1Char('"');
}

// ---------------------------------------------------------------------------
// JSON

void jsonString(QString &out, const QString &text)
{
    out += QLatin1Char('"');
    // Most texts need no escape.
    if (std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() >= 0x20 && c != QLatin1Char('"') && c != QLatin1Char('\\');
        })) {
        out += text;
        out += QLatin1Char('"');
        return;
    }
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '"' || u == '\\') {
            out += QLatin1Char('\\');
            out += c;
        } else if (u == '\n') {
            out += QLatin1String("\\n");
        } else if (u == '\r') {
            out += QLatin1String("\\r");
        } else if (u == '\t') {
            out += QLatin1String("\\t");
        } else if (u < 0x20) {
            out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    out += QLatin1Char('"');
}

QString json(const QString &text)
{
    QString out;
    jsonString(out, text);
    return out;
}

QString jsonOrNull(const QString &text, bool present)
{
    return present ? json(text) : QStringLiteral("null");
}

QString jsonList(const QStringList &texts)
{
    QStringList items;
    for (const QString &t : texts)
        items << json(t);
    return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString jsonDate(const QDate &date)
{
    return date.isValid() ? json(date.toString(QStringLiteral("yyyy/MM/dd"))) : QStringLiteral("null");
}

void jsonRecord(QString &out, const LogReport &log, const vlog::LogRow &row)
{
    out += QLatin1Char('{');
    for (int c = 0; c < vlog::kRecordColumns; ++c) {
        if (c > 0)
            out += QLatin1Char(',');
        out += QLatin1Char('"');
        out += QLatin1String(kColumnNames[c].json);
        out += QLatin1String("\":");
        if (row.has(c))
            jsonString(out, row.cells[size_t(c)]);
        else
            out += QLatin1String("null");
    }
    if (row.arcEntry >= 0 && row.arcEntry < log.arc.size()) {
        const vlog::ArcLists &a = log.arc;
        const int e = row.arcEntry;
        out += QLatin1String(",\"arc\":{\"inputs\":") + json(a.arcInputs.at(e)) + QLatin1String(",\"outputs\":")
            + json(a.arcOutputs.at(e)) + QLatin1String(",\"analogInputs\":")
            + jsonList({a.analogInputs1.at(e), a.analogInputs2.at(e)}) + QLatin1String(",\"analogOutputs\":")
            + jsonList({a.analogOutputs1.at(e), a.analogOutputs2.at(e)}) + QLatin1Char('}');
    }
    out += QLatin1Char('}');
}

} // namespace

QByteArray csvBegin()
{
    QString out = QStringLiteral("Backup,Log");
    for (const ColumnName &column : kColumnNames)
        out += QLatin1Char(',') + QLatin1String(column.csv);
    out += QLatin1String("\r\n");
    return out.toUtf8();
}

Pieces csvBackup(const Backup &b)
{
    Pieces bytes;
    for (const LogReport &log : b.logs) {
        bytes += renderRows(int(log.rows.size()), [&](QString &out, int r) {
            const vlog::LogRow &row = log.rows[size_t(r)];
            csvField(out, b.name);
            out += QLatin1Char(',');
            csvField(out, log.file);
            for (int c = 0; c < vlog::kRecordColumns; ++c) {
                out += QLatin1Char(',');
                if (row.has(c))
                    csvField(out, row.cells[size_t(c)]);
            }
            out += QLatin1String("\r\n");
        });
    }
    return bytes;
}

QByteArray jsonBegin(const ReportContext &context)
{
    return (QStringLiteral("{\"generator\":") + json(QStringLiteral("velloran-report ") + context.version)
            + QStringLiteral(",\"language\":") + json(context.languageCode) + QStringLiteral(",\"helpFound\":")
            + QLatin1String(context.helpFound ? "true" : "false") + QStringLiteral(",\"backups\":[\n"))
        .toUtf8();
}

namespace {

// The members of a JSON object, each value already written as JSON. Texts
// from the files are joined, never put through QString::arg, so that a "%1"
// in them stays as it is.
class JsonObject
{
public:
    explicit JsonObject(QString &out) : m_out(out) { m_out += QLatin1Char('{'); }
    JsonObject &operator()(const char *key, const QString &value)
    {
        m_out += QLatin1String(m_first ? "\"" : ",\"") + QLatin1String(key) + QLatin1String("\":") + value;
        m_first = false;
        return *this;
    }
    JsonObject &operator()(const char *key, qint64 value) { return (*this)(key, QString::number(value)); }
    JsonObject &flag(const char *key, bool value) { return (*this)(key, QLatin1String(value ? "true" : "false")); }
    void end() { m_out += QLatin1Char('}'); }

private:
    QString &m_out;
    bool m_first = true;
};

} // namespace

Pieces jsonBackup(const Backup &b)
{
    Pieces bytes;
    QString out;
    JsonObject backup(out);
    backup("name", json(b.name))("folder", json(b.folder))("family", json(familyName(b.family)))(
        "familyFrom", json(b.familySource))("records", b.records())("errors", b.countOf(vlog::CodeKind::Error))(
        "warnings", b.countOf(vlog::CodeKind::Warning))("stops", b.countOf(vlog::CodeKind::LumStop))(
        "first", jsonDate(b.firstDay()))("last", jsonDate(b.lastDay()))("undated", b.undated)(
        "problems", jsonList(b.problems));

    QString files = QStringLiteral("[");
    for (const FileState &f : b.files) {
        files += QLatin1String(files.size() > 1 ? ",\n" : "\n");
        JsonObject file(files);
        file("name", json(f.name))("role", json(f.role)).flag("found", f.found);
        file(f.role == QLatin1String("job programs") ? "count" : "bytes", f.bytes);
        file("problem", jsonOrNull(f.problem, !f.problem.isEmpty())).end();
    }
    backup("files", files + QLatin1Char(']'));

    QString days = QStringLiteral("[");
    for (const DayCount &d : b.days) {
        days += QLatin1String(days.size() > 1 ? ",\n" : "\n");
        JsonObject{days}("date", jsonDate(d.date))("errors", d.errors)("warnings", d.warnings)("stops", d.stops)
            .end();
    }
    backup("days", days + QLatin1Char(']'));

    QString history = QStringLiteral("null");
    if (!b.historyFile.isEmpty()) {
        QString list = QStringLiteral("[");
        for (const HistoryDay &day : b.history) {
            list += QLatin1String(list.size() > 1 ? ",\n" : "\n");
            JsonObject{list}("date", json(day.title))("times", jsonList(day.times)).end();
        }
        history.clear();
        JsonObject{history}("file", json(b.historyFile))("days", list + QLatin1Char(']')).end();
    }
    backup("history", history);

    out += QLatin1String(",\"logs\":[");
    for (int l = 0; l < b.logs.size(); ++l) {
        const LogReport &log = b.logs.at(l);
        out += QLatin1String(l ? ",\n" : "\n");
        QString statistics = QStringLiteral("[");
        for (const StatisticsEntry &e : log.statistics) {
            statistics += QLatin1String(statistics.size() > 1 ? ",\n" : "\n");
            JsonObject{statistics}("code", json(e.row.code))("count", e.row.count)(
                "countText", jsonOrNull(e.row.countText, !e.row.empty))
                .flag("known", !e.row.empty)("message", jsonOrNull(e.row.message, !e.row.empty))(
                    "cause", json(e.cause))("remedy", json(e.remedy))
                .end();
        }
        JsonObject logObject(out);
        logObject("file", json(log.file))("kind", json(log.stop ? QStringLiteral("stop") : QStringLiteral("error")))(
            "statistics", statistics + QLatin1Char(']'));
        out += QLatin1String(",\"records\":[");
        bytes << out.toUtf8();
        out.clear();
        bytes += renderRows(int(log.rows.size()), [&](QString &o, int r) {
            o += QLatin1String(r ? ",\n" : "\n");
            jsonRecord(o, log, log.rows[size_t(r)]);
        });
        out += QLatin1Char(']');
        logObject.end();
    }
    out += QLatin1Char(']');
    backup.end();
    return bytes << out.toUtf8();
}

QByteArray jsonSeparator()
{
    return QByteArrayLiteral(",\n");
}

QByteArray jsonEnd()
{
    return QByteArrayLiteral("\n]}\n");
}

} // namespace vreport
