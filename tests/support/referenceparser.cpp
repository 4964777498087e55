// The log parser written plainly, line by line as its rules read, without
// any care for speed. Tests compare the fast parser against it.

#include "support/referenceparser.h"

#include <QStringRef>
#include <QVector>

namespace vref {

using namespace vlog;

namespace {

const QLatin1String kSI("SI(01-06)");
const QLatin1String kSO("SO(01-06)");
const QLatin1String kDIB("DIB(01-08)");
const QLatin1String kDOB("DOB(01-08)");
const QLatin1String kGI("GI(01-08)");
const QLatin1String kGO("GO(01-08)");
const QLatin1String kArcI("ArcI(01-08)");
const QLatin1String kArcO("ArcO(01-08)");
const QLatin1String kAI("AI(01-04)");
const QLatin1String kAO("AO(01-04)");

// White space removed at both ends and inner runs made one blank.
QString simplified(QStringRef text)
{
    const QChar *p = text.unicode();
    int begin = 0;
    int end = text.size();
    while (begin < end && p[begin].isSpace())
        ++begin;
    while (end > begin && p[end - 1].isSpace())
        --end;
    bool clean = true;
    for (int i = begin; i < end; ++i) {
        if (p[i].isSpace() && (p[i] != QLatin1Char(' ') || p[i + 1].isSpace())) {
            clean = false;
            break;
        }
    }
    if (clean)
        return text.mid(begin, end - begin).toString();
    QString out;
    out.reserve(end - begin);
    bool inSpace = false;
    for (int i = begin; i < end; ++i) {
        if (p[i].isSpace()) {
            inSpace = true;
            continue;
        }
        if (inSpace)
            out += QLatin1Char(' ');
        inSpace = false;
        out += p[i];
    }
    return out;
}

// The label of a line is the text before its first ":", simplified. Every
// label the parser knows is free of blanks, so comparing the trimmed text is
// the same as comparing the simplified one.
bool hasLabel(QStringRef line, QLatin1String label)
{
    const int colon = line.indexOf(QLatin1Char(':'));
    const QStringRef head = colon < 0 ? line : line.left(colon);
    return head.trimmed() == label;
}

// The text between the first and the second ":" (to the end when there is no
// second one); empty when the line has no ":".
QStringRef rawValue(QStringRef line)
{
    const int first = line.indexOf(QLatin1Char(':'));
    if (first < 0)
        return QStringRef();
    const int second = line.indexOf(QLatin1Char(':'), first + 1);
    return second < 0 ? line.mid(first + 1) : line.mid(first + 1, second - first - 1);
}

QString value(QStringRef line) { return simplified(rawValue(line)); }

int toNumber(QStringRef text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok, 10);
    return ok ? n : 0;
}

// The lines of one record; a line the record does not have reads as empty.
class Lines
{
public:
    explicit Lines(QVector<QStringRef> lines) : m_lines(std::move(lines)) {}
    int size() const { return m_lines.size(); }
    QStringRef at(int i) const { return i >= 0 && i < m_lines.size() ? m_lines.at(i) : QStringRef(); }
    int find(QLatin1String label, int from = 0) const
    {
        for (int i = std::max(from, 0); i < m_lines.size(); ++i)
            if (hasLabel(m_lines.at(i), label))
                return i;
        return -1;
    }

private:
    QVector<QStringRef> m_lines;
};

// Comma fields of a line, simplified; a field the line does not have is empty.
class Fields
{
public:
    explicit Fields(QStringRef line) : m_parts(line.split(QLatin1Char(','))) {}
    int size() const { return m_parts.size(); }
    QString at(int i) const { return i < m_parts.size() ? simplified(m_parts.at(i)) : QString(); }

private:
    QVector<QStringRef> m_parts;
};

void appendArc(const Lines &lines, int start, ArcLists &arc)
{
    // The arc text goes on in the next line; the character at index 37 of the
    // simplified continuation line is dropped.
    auto arcText = [&](int m) {
        QString text = rawValue(lines.at(m)).mid(1).toString();
        QString more = simplified(lines.at(m + 1));
        if (more.size() > 37)
            more.remove(37, 1);
        return text + more;
    };
    for (int m = std::max(start, 0); m < lines.size(); ++m) {
        const QStringRef line = lines.at(m);
        if (hasLabel(line, kArcI)) {
            arc.arcInputs << arcText(m);
        } else if (hasLabel(line, kAI)) {
            arc.analogInputs1 << rawValue(line).toString();
            arc.analogInputs2 << rawValue(lines.at(m + 1)).toString();
        } else if (hasLabel(line, kArcO)) {
            arc.arcOutputs << arcText(m);
        } else if (hasLabel(line, kAO)) {
            arc.analogOutputs1 << rawValue(line).toString();
            arc.analogOutputs2 << rawValue(lines.at(m + 1)).toString();
        }
    }
}

// Puts `value` on a second row below the cell's top value.
void below(LogRow &row, int column, const QString &value)
{
    const QString top = row.text(column).section(QLatin1Char('\n'), 0, 0);
    row.set(column, top + QLatin1Char('\n') + value);
}

class RecordParser
{
public:
    RecordParser(const LogHeader &header, Family family, MessageLookups &lookups)
        : m_header(header), m_family(family), m_lookups(lookups)
    {
    }

    void codeColumns(const Lines &lines, LogRow &row)
    {
        const Fields fields(lines.at(1));
        const QStringRef codeField = lines.at(1).split(QLatin1Char(',')).value(0);
        const QVector<QStringRef> dashParts = codeField.split(QLatin1Char('-'));
        const QStringRef kindPart = dashParts.value(0);
        const QStringRef numberPart = dashParts.value(1);
        if (fields.size() == 1) {
            row.set(1, fields.at(0));
            row.set(2, m_family == Family::Kav ? m_lookups.kavStopReason(simplified(kindPart))
                                               : m_lookups.lumStopReason(toNumber(numberPart)));
            row.set(3, QStringLiteral("0"));
            return;
        }
        row.set(1, fields.at(0));
        const QString kind = simplified(kindPart);
        const int number = toNumber(numberPart);
        const QString p1 = fields.at(1);
        const QString p2 = m_family == Family::Lum && fields.size() >= 3 ? fields.at(2) : QStringLiteral("0");
        if (kind == QLatin1String("E"))
            row.set(2, m_lookups.errorMessage(number, p1, p2));
        else if (kind == QLatin1String("W"))
            row.set(2, m_lookups.warningMessage(number, p1, p2));
        if (m_family == Family::Lum && m_header.twoParameters)
            row.set(3, p1 + QLatin1Char(',') + p2);
        else
            row.set(3, p1);
    }

    void optionalColumns(const Lines &lines, LogRow &row)
    {
        if (m_header.hasDate) {
            const QVector<QStringRef> parts = lines.at(2).split(QLatin1Char(' '));
            row.set(4, simplified(parts.value(0)));
            row.set(5, simplified(parts.value(1)));
        } else {
            row.set(4, placeholder());
            row.set(5, placeholder());
        }
        row.set(6, m_header.hasProgram ? simplified(lines.at(3)) : placeholder());
        row.set(7, m_header.hasStep ? simplified(lines.at(4)) : placeholder());
        row.set(8, m_family == Family::Lum && m_header.hasFunction ? simplified(lines.at(5)) : placeholder());
    }

    void positionColumns(const Lines &lines, int count, LogRow &row)
    {
        const int start = m_header.positionStart;
        if (start < 0)
            return;
        const Fields p1(lines.at(start));
        for (int i = 0; i < 3; ++i)
            row.set(9 + i, p1.at(i));

        const Fields p2(lines.at(start + 1));
        for (int i = 0; i < 3; ++i)
            row.set(12 + i, i < p2.size() ? p2.at(i) : QStringLiteral("0"));

        const QStringRef line3 = lines.at(start + 2);
        if (hasLabel(line3, kGI) || hasLabel(line3, kSI)) {
            row.set(15, QStringLiteral("0"));
            row.set(16, QStringLiteral("0"));
        } else {
            const Fields p3(line3);
            if (p3.size() <= 3) {
                row.set(15, p3.at(0));
                row.set(16, p3.size() >= 2 ? p3.at(1) : QStringLiteral("0"));
                if (p3.size() == 3)
                    below(row, 9, p3.at(2));
            }
        }

        auto lowerRow = [&](int line, int firstColumn) {
            const Fields p(lines.at(start + line));
            if (p.size() > 3)
                return;
            for (int i = 0; i < p.size(); ++i)
                below(row, firstColumn + i, p.at(i));
        };
        if (count >= 4)
            lowerRow(3, 10);
        if (count >= 5)
            lowerRow(4, 13);
        if (count == 6)
            below(row, 16, simplified(lines.at(start + 5)));
    }

    void signalColumns(const Lines &lines, LogRow &row)
    {
        const bool kav = m_family == Family::Kav;
        auto block = [&](QLatin1String label, int firstColumn) {
            const int at = lines.find(label);
            if (at < 0)
                return;
            for (int i = 0; i < 4; ++i)
                row.set(firstColumn + i, value(lines.at(at + i)));
        };
        auto single = [&](QLatin1String label, int column) {
            if (kav) {
                row.set(column, kavSystemBytes());
                return;
            }
            const int at = lines.find(label);
            if (at >= 0)
                row.set(column, value(lines.at(at)));
        };
        single(kSI, 17);
        block(kav ? kGI : kDIB, 18);
        single(kSO, 22);
        block(kav ? kGO : kDOB, 23);
    }

private:
    const LogHeader &m_header;
    Family m_family;
    MessageLookups &m_lookups;
};

} // namespace

void appendArcBlockReference(const QStringList &lines, int start, ArcLists &arc)
{
    QVector<QStringRef> refs;
    refs.reserve(lines.size());
    for (const QString &line : lines)
        refs << QStringRef(&line);
    appendArc(Lines(refs), start, arc);
}

void parseLogReference(const QStringList &chunks, Family family, bool stopLog, MessageLookups &lookups,
                       bool &arcFlag, ArcLists &arc, LogSink &sink)
{
    arcFlag = false;
    arc.clear();
    const int rows = std::max(chunks.size() - 1, 0);
    sink.begin(rows);
    if (chunks.isEmpty())
        return;

    // The header is read by the one header reader.
    const LogHeader header = parseHeader(chunks.at(0), stopLog);
    RecordParser parser(header, family, lookups);
    bool arcNoticeShown = false;
    bool eightAxesNoticeShown = false;

    for (int k = 1; k < chunks.size(); ++k) {
        const Lines lines(chunks.at(k).splitRef(QLatin1Char('\n')));
        LogRow row;

        int positionCount = 0;
        if (header.positionStart >= 0) {
            const int si = lines.find(kSI, header.positionStart);
            if (si >= 0) {
                positionCount = si - header.positionStart;
                const QStringRef next = lines.at(si + 5);
                if (hasLabel(next, kSO)) {
                    arcFlag = false;
                } else if (hasLabel(next, kArcI)) {
                    if (!arcNoticeShown) {
                        arcNoticeShown = true;
                        sink.notice(Notice::Arc);
                    }
                    arcFlag = true;
                    row.arcEntry = arc.arcInputs.size();
                    appendArc(lines, si + 5, arc);
                } else if (!arcNoticeShown) {
                    arcNoticeShown = true;
                    sink.notice(Notice::UndefinedInformation);
                }
            }
        }

        if (positionCount >= 3 && positionCount <= 6
            && lines.at(header.positionStart + 2).count(QLatin1Char(',')) == 2) {
            row.eightAxes = true;
            if (!eightAxesNoticeShown) {
                eightAxesNoticeShown = true;
                sink.notice(Notice::EightAxes);
            }
        }

        row.set(0, simplified(lines.at(0)));
        parser.codeColumns(lines, row);
        parser.optionalColumns(lines, row);
        parser.positionColumns(lines, positionCount, row);
        parser.signalColumns(lines, row);
        sink.row(k - 1, row);
    }
}

} // namespace vref
