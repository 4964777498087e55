// The HTML report: one page that needs nothing else, readable as XML, that
// prints on A4 landscape. The chart is SVG drawn here.

#include "details/signalbytes.h"
#include "report/writers.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace vreport {

namespace {

const char kStyle[] = R"(
body { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 10pt; color: #222; margin: 1.5em; }
h1 { font-size: 17pt; margin: 0 0 .3em; }
h2 { font-size: 14pt; border-bottom: 2px solid #36506e; margin-top: 2em; padding-bottom: .1em; }
h3 { font-size: 11pt; margin: 1.4em 0 .4em; color: #36506e; }
p.meta { color: #555; margin: .2em 0; }
table { border-collapse: collapse; margin: .3em 0 .8em; }
th, td { border: 1px solid #c4c9d0; padding: 2px 6px; text-align: left; vertical-align: top; }
th { background: #e6ebf1; }
td.n { text-align: right; }
.missing { color: #8a8f96; }
.bad, ul.problems li { color: #a11d1d; }
table.records td { white-space: nowrap; font-size: 8.5pt; }
table.records td.m, table.stats td.t { white-space: normal; }
table.records td.m { min-width: 16em; }
table.stats td.t { max-width: 34em; font-size: 9pt; }
table.stats td.c { white-space: nowrap; }
details summary { cursor: pointer; color: #36506e; }
div.sig { white-space: normal; min-width: 30em; max-width: 48em; padding: .2em 0; }
div.sig b { display: inline-block; min-width: 5.5em; }
svg.chart { display: block; margin: .3em 0; }
svg.chart text { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 10px; fill: #333; }
@media print {
  @page { size: A4 landscape; margin: 10mm; }
  body { margin: 0; font-size: 8pt; }
  section.backup + section.backup { break-before: page; }
  h2, h3 { break-after: avoid; }
  tr, svg.chart { break-inside: avoid; }
  table.records td { font-size: 7pt; }
}
)";

// Text as XML character data: markup characters escaped, and characters
// that XML 1.0 does not allow (what a damaged log may hold) replaced.
void escape(QString &out, const QString &text, bool lines = false)
{
    // Most texts need nothing.
    if (std::all_of(text.begin(), text.end(), [](QChar c) {
            const ushort u = c.unicode();
            return u >= 0x20 && u != '&' && u != '<' && u != '>' && u != '"' && u < 0xFFFE;
        })) {
        out += text;
        return;
    }
    for (const QChar c : text) {
        const ushort u = c.unicode();
        switch (u) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        case '\n': out += lines ? QLatin1String("<br/>") : QLatin1String(" "); break;
        case '\t':
        case '\r': out += QLatin1Char(' '); break;
        default:
            if (u < 0x20 || u == 0xFFFE || u == 0xFFFF)
                out += QChar(0xFFFD);
            else
                out += c;
        }
    }
}

QString esc(const QString &text, bool lines = false)
{
    QString out;
    out.reserve(text.size() + 8);
    escape(out, text, lines);
    return out;
}

// A count with thousands separated by commas.
QString number(qint64 n)
{
    QString digits = QString::number(n);
    for (int at = digits.size() - 3; at > (n < 0 ? 1 : 0); at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy/MM/dd")) : QStringLiteral("-");
}

QString period(const QDate &first, const QDate &last)
{
    if (!first.isValid())
        return QStringLiteral("-");
    return first == last ? dateText(first) : dateText(first) + QStringLiteral(" to ") + dateText(last);
}

QString px(double v)
{
    return QString::number(v, 'f', 1);
}

const char *kErrorColour = "#c0392b";
const char *kWarningColour = "#e0a019";
const char *kStopColour = "#2e6fb7";

// Errors, warnings and stops per day as stacked bars.
void chart(QString &out, const Backup &b)
{
    if (b.days.isEmpty()) {
        out += QLatin1String("<p class=\"missing\">No dated records.</p>\n");
        return;
    }
    const double width = 920, height = 240, left = 44, right = 12, top = 26, bottom = 34;
    const double plotW = width - left - right, plotH = height - top - bottom;
    int most = 1;
    for (const DayCount &d : b.days)
        most = std::max(most, d.errors + d.warnings + d.stops);
    // A scale of whole records, at most five steps.
    const int step = std::max(1, int(std::ceil(most / 5.0)));
    const int scale = step * int(std::ceil(double(most) / step));
    const int n = b.days.size();
    const double slot = plotW / n, bar = std::max(0.6, slot * 0.78);
    const auto y = [&](double v) { return top + plotH - v / scale * plotH; };

    out += QStringLiteral("<svg class=\"chart\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\" role=\"img\" aria-label=\"Errors, warnings and stops per day\">\n")
               .arg(width)
               .arg(height);
    for (int v = 0; v <= scale; v += step) {
        out += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#dde1e6\"/>"
                              "<text x=\"%4\" y=\"%5\" text-anchor=\"end\">%6</text>\n")
                   .arg(px(left), px(y(v)), px(width - right), px(left - 5), px(y(v) + 3.5))
                   .arg(v);
    }
    const int labelEvery = std::max(1, int(std::ceil(n * 46.0 / plotW)));
    for (int i = 0; i < n; ++i) {
        const DayCount &d = b.days.at(i);
        const double x = left + i * slot + (slot - bar) / 2;
        if (d.errors + d.warnings + d.stops > 0) {
            out += QStringLiteral("<g><title>%1: %2 errors, %3 warnings, %4 stops</title>")
                       .arg(dateText(d.date))
                       .arg(d.errors)
                       .arg(d.warnings)
                       .arg(d.stops);
            double base = 0;
            const std::pair<int, const char *> parts[] = {
                {d.errors, kErrorColour}, {d.warnings, kWarningColour}, {d.stops, kStopColour}};
            for (const auto &part : parts) {
                if (part.first == 0)
                    continue;
                out += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>")
                           .arg(px(x), px(y(base + part.first)), px(bar), px(y(base) - y(base + part.first)),
                                QLatin1String(part.second));
                base += part.first;
            }
            out += QLatin1String("</g>\n");
        }
        if (i % labelEvery == 0)
            out += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3</text>\n")
                       .arg(px(left + i * slot + slot / 2), px(height - bottom + 14),
                            d.date.toString(QStringLiteral("MM/dd")));
    }
    out += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#555\"/>\n")
               .arg(px(left), px(y(0)), px(width - right));
    out += QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>\n")
               .arg(px(left), px(height - 4), esc(period(b.firstDay(), b.lastDay())));
    const std::pair<const char *, const char *> legend[] = {
        {"errors", kErrorColour}, {"warnings", kWarningColour}, {"stops", kStopColour}};
    double lx = width - right - 230;
    for (const auto &entry : legend) {
        out += QStringLiteral("<rect x=\"%1\" y=\"8\" width=\"10\" height=\"10\" fill=\"%2\"/>"
                              "<text x=\"%3\" y=\"17\">%4</text>\n")
                   .arg(px(lx), QLatin1String(entry.second), px(lx + 14), QLatin1String(entry.first));
        lx += 76;
    }
    out += QLatin1String("</svg>\n");
    if (b.undated > 0)
        out += QStringLiteral("<p class=\"meta\">%1 records without a readable date are not shown.</p>\n")
                   .arg(b.undated);
}

void filesTable(QString &out, const Backup &b)
{
    out += QLatin1String("<h3>Files</h3>\n<table class=\"files\"><thead><tr><th>File</th><th>Contents</th>"
                         "<th>State</th></tr></thead><tbody>\n");
    for (const FileState &f : b.files) {
        out += QLatin1String("<tr><td>") + esc(f.name) + QLatin1String("</td><td>") + esc(f.role)
            + QLatin1String("</td>");
        if (!f.found)
            out += QLatin1String("<td class=\"missing\">missing</td>");
        else if (!f.problem.isEmpty())
            out += QLatin1String("<td class=\"bad\">") + esc(f.problem) + QLatin1String("</td>");
        else if (f.role == QLatin1String("job programs"))
            out += QStringLiteral("<td>%1 files</td>").arg(f.bytes);
        else
            out += QStringLiteral("<td>found, %1 bytes</td>").arg(number(f.bytes));
        out += QLatin1String("</tr>\n");
    }
    out += QLatin1String("</tbody></table>\n");
}

void statisticsTable(QString &out, const LogReport &log)
{
    out += QStringLiteral("<h3>Error statistics of %1</h3>\n").arg(esc(log.file));
    if (log.statistics.isEmpty()) {
        out += QLatin1String("<p class=\"missing\">No records.</p>\n");
        return;
    }
    out += QLatin1String("<table class=\"stats\"><thead><tr><th>Count</th><th>Code</th><th>Message</th>"
                         "<th>Cause</th><th>Remedy</th></tr></thead><tbody>\n");
    for (const StatisticsEntry &e : log.statistics) {
        out += QLatin1String("<tr><td class=\"n\">")
            + (e.row.empty ? QString::number(e.row.count) : esc(e.row.countText))
            + QLatin1String("</td><td class=\"c\">") + esc(e.row.code) + QLatin1String("</td><td class=\"t\">") + esc(e.row.message)
            + QLatin1String("</td><td class=\"t\">") + esc(e.cause, true) + QLatin1String("</td><td class=\"t\">")
            + esc(e.remedy, true) + QLatin1String("</td></tr>\n");
    }
    out += QLatin1String("</tbody></table>\n");
}

void appendNumber(QString &out, int n)
{
    char digits[12];
    int at = sizeof digits;
    unsigned v = n < 0 ? 0u - unsigned(n) : unsigned(n);
    do {
        digits[--at] = char('0' + v % 10);
        v /= 10;
    } while (v > 0);
    if (n < 0)
        digits[--at] = '-';
    out += QLatin1String(digits + at, int(sizeof digits) - at);
}

// The system bits of a signal cell that light an indicator in the window.
template <size_t N>
int systemBits(const QVector<int> &bytes, const vlog::SignalBit (&table)[N], int lastByte, QString *names)
{
    int set = 0;
    for (const vlog::SignalBit &s : table) {
        if (s.byte > lastByte || s.byte >= bytes.size() || !vlog::bitSet(bytes.at(s.byte), s.bit))
            continue;
        if (names) {
            if (set > 0)
                *names += QLatin1String("; ");
            *names += QLatin1String(s.signal);
        }
        ++set;
    }
    return set;
}

// The decoded signals of a record: the system bits that light an indicator
// (Lum/Luma only, as in the window), the general inputs and outputs set, and
// the arc block; collapsed under a line that counts them.
void signalDetails(QString &out, const Backup &b, const LogReport &log, const vlog::LogRow &row)
{
    constexpr int kColumns = vlog::kLastSignalColumn - vlog::kFirstSignalColumn + 1;
    QVector<int> bytes[kColumns];
    for (int c = vlog::kFirstSignalColumn; c <= vlog::kLastSignalColumn; ++c)
        if (row.has(c))
            bytes[c - vlog::kFirstSignalColumn] = vlog::signalBytes(row.cells[size_t(c)]);
    const auto columnBytes = [&](int column) -> const QVector<int> & { return bytes[column - vlog::kFirstSignalColumn]; };
    const bool lum = b.family == vlog::Family::Lum;
    // The window lights system inputs of bytes 0 to 5 and outputs of bytes 0 to 3.
    constexpr int kLastInputByte = 5, kLastOutputByte = 3;
    int general[2] = {0, 0};
    for (int io = 0; io < 2; ++io)
        for (int c = 0; c < vlog::kGeneralColumnsPerFamily; ++c) {
            const QVector<int> &v = columnBytes((io == 0 ? vlog::ColDI1 : vlog::ColDO1) + c);
            for (int k = 0; k < v.size() && k < vlog::kGeneralBytesPerColumn; ++k)
                for (int bit = 0; bit < 8; ++bit)
                    general[io] += vlog::bitSet(v.at(k), bit);
        }
    const bool arc = row.arcEntry >= 0 && row.arcEntry < log.arc.size();

    out += QLatin1String("<details><summary>");
    if (lum) {
        out += QLatin1String("system ");
        appendNumber(out, systemBits(columnBytes(vlog::ColSI), vlog::systemInputBits, kLastInputByte, nullptr)
                              + systemBits(columnBytes(vlog::ColSO), vlog::systemOutputBits, kLastOutputByte, nullptr));
        out += QLatin1String(" &#183; ");
    }
    out += QLatin1String("DI ");
    appendNumber(out, general[0]);
    out += QLatin1String(" &#183; DO ");
    appendNumber(out, general[1]);
    out += QLatin1String(arc ? " &#183; arc</summary><div class=\"sig\">" : "</summary><div class=\"sig\">");

    if (lum) {
        for (const int column : {int(vlog::ColSI), int(vlog::ColSO)}) {
            if (!row.has(column))
                continue;
            QString names;
            const int set = column == vlog::ColSI
                ? systemBits(columnBytes(column), vlog::systemInputBits, kLastInputByte, &names)
                : systemBits(columnBytes(column), vlog::systemOutputBits, kLastOutputByte, &names);
            out += QLatin1String(column == vlog::ColSI ? "<b>SI</b> " : "<b>SO</b> ");
            escape(out, row.cells[size_t(column)]);
            out += QLatin1String(": ");
            out += set > 0 ? names : QStringLiteral("none set");
            out += QLatin1String("<br/>");
        }
    }
    for (int io = 0; io < 2; ++io) {
        out += QLatin1String(io == 0 ? "<b>DI set</b>" : "<b>DO set</b>");
        for (int c = 0; c < vlog::kGeneralColumnsPerFamily; ++c) {
            const int column = (io == 0 ? vlog::ColDI1 : vlog::ColDO1) + c;
            const QVector<int> &v = columnBytes(column);
            for (int k = 0; k < v.size() && k < vlog::kGeneralBytesPerColumn; ++k)
                for (int bit = 0; bit < 8; ++bit)
                    if (vlog::bitSet(v.at(k), bit)) {
                        out += QLatin1Char(' ');
                        appendNumber(out, vlog::generalIoNumber(column, k, bit));
                    }
        }
        out += QLatin1String(general[io] == 0 ? " none<br/>" : "<br/>");
    }
    if (arc) {
        const vlog::ArcLists &a = log.arc;
        const int e = row.arcEntry;
        out += QLatin1String("<b>Arc in</b> ") + esc(a.arcInputs.at(e)) + QLatin1String("<br/><b>Arc out</b> ")
            + esc(a.arcOutputs.at(e)) + QLatin1String("<br/><b>Analog in</b> ") + esc(a.analogInputs1.at(e))
            + QLatin1String(" | ") + esc(a.analogInputs2.at(e)) + QLatin1String("<br/><b>Analog out</b> ")
            + esc(a.analogOutputs1.at(e)) + QLatin1String(" | ") + esc(a.analogOutputs2.at(e));
    }
    out += QLatin1String("</div></details>");
}

// The signals of a record as signalDetails writes them, kept per thread for
// the signal cells last seen: a log repeats the same states many times.
void cachedSignalDetails(QString &out, const Backup &b, const LogReport &log, const vlog::LogRow &row)
{
    if (row.arcEntry >= 0) {
        signalDetails(out, b, log, row);
        return;
    }
    thread_local QHash<QString, QString> cache;
    QString key(b.family == vlog::Family::Lum ? QLatin1Char('L') : QLatin1Char('K'));
    for (int c = vlog::kFirstSignalColumn; c <= vlog::kLastSignalColumn; ++c) {
        key += QChar(row.has(c) ? 0x1F : 0x1E);
        key += row.cells[size_t(c)];
    }
    const auto found = cache.constFind(key);
    if (found != cache.constEnd()) {
        out += found.value();
        return;
    }
    QString details;
    signalDetails(details, b, log, row);
    if (cache.size() >= 4096)
        cache.clear();
    cache.insert(key, details);
    out += details;
}

// The records table of a log; its rows are made in pieces on all cores.
Pieces recordsTable(const Backup &b, const LogReport &log)
{
    QString out = QStringLiteral("<h3>Records of %1 (%2)</h3>\n").arg(esc(log.file)).arg(number(qint64(log.rows.size())));
    if (log.rows.empty())
        return {out.toUtf8()};
    out += QLatin1String("<table class=\"records\"><thead><tr>");
    for (int c = 0; c < vlog::kFirstSignalColumn; ++c)
        out += QLatin1String("<th>") + QLatin1String(kColumnNames[c].csv) + QLatin1String("</th>");
    out += QLatin1String("<th>Signals</th></tr></thead><tbody>\n");
    Pieces bytes{out.toUtf8()};
    bytes += renderRows(int(log.rows.size()), [&](QString &o, int r) {
        const vlog::LogRow &row = log.rows[size_t(r)];
        o += QLatin1String("<tr>");
        for (int c = 0; c < vlog::kFirstSignalColumn; ++c) {
            o += QLatin1String(c == vlog::ColMessage ? "<td class=\"m\">" : "<td>");
            if (row.has(c))
                escape(o, row.cells[size_t(c)], true);
            o += QLatin1String("</td>");
        }
        o += QLatin1String("<td>");
        cachedSignalDetails(o, b, log, row);
        o += QLatin1String("</td></tr>\n");
    });
    bytes << QByteArrayLiteral("</tbody></table>\n");
    return bytes;
}

void historyTable(QString &out, const Backup &b)
{
    if (b.historyFile.isEmpty())
        return;
    out += QStringLiteral("<h3>Operation history: %1</h3>\n").arg(esc(b.historyFile));
    if (b.history.isEmpty()) {
        out += QLatin1String("<p class=\"missing\">No days.</p>\n");
        return;
    }
    out += QLatin1String("<table class=\"history\"><thead><tr><th>Day</th><th>Blocks</th><th>Time stamps</th></tr>"
                         "</thead><tbody>\n");
    for (const HistoryDay &day : b.history)
        out += QLatin1String("<tr><td>") + esc(day.title) + QLatin1String("</td><td class=\"n\">")
            + QString::number(day.times.size()) + QLatin1String("</td><td>")
            + esc(day.times.join(QStringLiteral(", "))) + QLatin1String("</td></tr>\n");
    out += QLatin1String("</tbody></table>\n");
}

} // namespace

QByteArray htmlBegin(const ReportContext &context, const QVector<BackupSummary> &backups)
{
    QString out;
    out += QLatin1String("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>");
    out += backups.size() == 1 ? QStringLiteral("Velloran report: ") + esc(backups.first().name)
                               : QStringLiteral("Velloran report: %1 backups").arg(backups.size());
    out += QLatin1String("</title>\n<style>") + QLatin1String(kStyle) + QLatin1String("</style>\n</head>\n<body>\n");
    out += QLatin1String("<h1>Velloran report</h1>\n");
    const char *languages[] = {"Korean", "English", "Chinese"};
    out += QStringLiteral("<p class=\"meta\">%1 · messages, causes and remedies in %2 · velloran-report %3</p>\n")
               .arg(backups.size() == 1 ? QStringLiteral("1 backup") : QStringLiteral("%1 backups").arg(backups.size()))
               .arg(QLatin1String(languages[context.language]), esc(context.version));
    if (!context.helpFound)
        out += QStringLiteral("<p class=\"bad\">No help texts were found in %1: messages, causes and remedies are "
                              "empty.</p>\n")
                   .arg(esc(context.helpDir));
    if (backups.size() > 1) {
        out += QLatin1String("<h2>Fleet</h2>\n<table class=\"fleet\"><thead><tr><th>Backup</th><th>Family</th>"
                             "<th>Errors</th><th>Warnings</th><th>Stops</th><th>Most frequent codes</th>"
                             "<th>Period</th><th>Problems</th></tr></thead><tbody>\n");
        for (const BackupSummary &s : backups) {
            out += QStringLiteral("<tr><td><a href=\"#%1\">%2</a></td><td>%3</td><td class=\"n\">%4</td>"
                                  "<td class=\"n\">%5</td><td class=\"n\">%6</td><td>%7</td><td>%8</td>"
                                  "<td class=\"n\">%9</td></tr>\n")
                       .arg(s.id, esc(s.name), familyName(s.family), number(s.errors), number(s.warnings),
                            number(s.stops), esc(s.topCodes.join(QStringLiteral(", "))),
                            esc(period(s.first, s.last)), QString::number(s.problems.size()));
        }
        out += QLatin1String("</tbody></table>\n");
    }
    return out.toUtf8();
}

Pieces htmlBackup(const ReportContext &context, const Backup &b)
{
    Q_UNUSED(context);
    QString out;
    out += QStringLiteral("<section class=\"backup\" id=\"%1\">\n<h2>%2</h2>\n").arg(b.id, esc(b.name));
    out += QStringLiteral("<p class=\"meta\">%1 (chosen by %2) · %3</p>\n")
               .arg(familyName(b.family), esc(b.familySource), esc(b.folder));
    filesTable(out, b);
    if (!b.problems.isEmpty()) {
        out += QLatin1String("<h3>Problems</h3>\n<ul class=\"problems\">\n");
        for (const QString &p : b.problems)
            out += QLatin1String("<li>") + esc(p) + QLatin1String("</li>\n");
        out += QLatin1String("</ul>\n");
    }
    out += QLatin1String("<h3>Errors, warnings and stops per day</h3>\n");
    chart(out, b);
    for (const LogReport &log : b.logs)
        statisticsTable(out, log);
    historyTable(out, b);
    Pieces bytes{out.toUtf8()};
    for (const LogReport &log : b.logs)
        bytes += recordsTable(b, log);
    bytes << QByteArrayLiteral("</section>\n");
    return bytes;
}

QByteArray htmlEnd()
{
    return QByteArrayLiteral("</body>\n</html>\n");
}

} // namespace vreport
