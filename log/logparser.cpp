#include "log/logparser.h"

#include <QStringRef>
#include <QVarLengthArray>
#include <QVector>

#include <climits>
#include <cstring>
#include <memory>
#include <utility>

// The parser reads each record once: it cuts the record into lines, finds
// each line's label, and makes a text only for the cells it fills. All
// pieces are views into the log text; a line or field a record does not have
// reads as an empty view.

namespace vlog {

namespace {

// A piece of the log text.
struct Span
{
    const QChar *p = nullptr;
    int n = 0;

    Span mid(int from) const { return from >= n ? Span{p + n, 0} : Span{p + from, n - from}; }
    Span mid(int from, int length) const
    {
        if (from >= n)
            return Span{p + n, 0};
        return Span{p + from, std::min(length, n - from)};
    }
    int indexOf(ushort c, int from = 0) const
    {
        from = std::max(from, 0);
        if (from >= n)
            return -1;
        const QChar *found = reinterpret_cast<const QChar *>(QtPrivate::qustrchr(QStringView(p + from, n - from), c));
        return found == p + n ? -1 : int(found - p);
    }
    int count(ushort c) const
    {
        int k = 0;
        for (int i = 0; i < n; ++i)
            k += p[i].unicode() == c;
        return k;
    }
    Span trimmed() const
    {
        int b = 0, e = n;
        while (b < e && p[b].isSpace())
            ++b;
        while (e > b && p[e - 1].isSpace())
            --e;
        return Span{p + b, e - b};
    }
    bool equals(QLatin1String s) const
    {
        if (n != s.size())
            return false;
        for (int i = 0; i < n; ++i)
            if (p[i].unicode() != uchar(s.data()[i]))
                return false;
        return true;
    }
    QString toString() const { return n ? QString(p, n) : QString(QLatin1String("")); }
};

// Writes `s` with white space removed at both ends and inner runs made one
// blank to `out`, which has room for `s.n` characters; returns the length.
int writeSimplified(Span s, QChar *out)
{
    const Span t = s.trimmed();
    const QChar *p = t.p;
    const QChar *const end = t.p + t.n;
    QChar *o = out;
    while (p < end) {
        const ushort u = p->unicode();
        // Printable ASCII, the most of any log, is told apart at once.
        if (u - 0x21u < 0x5eu || !p->isSpace()) {
            *o++ = *p++;
            continue;
        }
        // A run of white space inside the text (the ends are trimmed) is one blank.
        *o++ = QLatin1Char(' ');
        while (++p < end && p->isSpace()) {
        }
    }
    return int(o - out);
}

// An empty text that is not null, as a cell of an empty field holds.
const QString &emptyText()
{
    static const QString e = QLatin1String("");
    return e;
}

// White space removed at both ends and inner runs made one blank.
QString simplified(Span s)
{
    const Span t = s.trimmed();
    if (t.n == 0)
        return emptyText();
    QString out(t.n, Qt::Uninitialized);
    const int n = writeSimplified(t, out.data());
    if (n != t.n)
        out.resize(n);
    return out;
}

// A decimal integer with an optional sign and surrounding blanks; a text
// that is no number, or out of range, reads as 0.
int toNumber(Span s)
{
    const Span t = s.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.n && (t.p[i] == QLatin1Char('+') || t.p[i] == QLatin1Char('-')))
        negative = t.p[i++] == QLatin1Char('-');
    if (i == t.n)
        return 0;
    qint64 value = 0;
    for (; i < t.n; ++i) {
        const ushort c = t.p[i].unicode();
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
        if (value > qint64(INT_MAX) + 1)
            return 0;
    }
    if (negative)
        value = -value;
    return value > INT_MAX || value < INT_MIN ? 0 : int(value);
}

// The fixed lines of a record, before its position lines.
enum RecordLine : int { LineNumber, LineCode, LineDateTime, LineProgram, LineStep, LineFunction };

// The labels the parser knows. The label of a line is the text before its
// first ":" (the whole line without one), simplified; every known label is
// free of blanks, so comparing the trimmed text is the same.
enum Label : quint8 { Other, SI, SO, DIB, DOB, GI, GO, ArcI, ArcO, AI, AO };

struct KnownLabel
{
    QLatin1String text;
    Label label;
};
const KnownLabel kLabels[] = {
    {QLatin1String("SI(01-06)"), SI},     {QLatin1String("SO(01-06)"), SO},     {QLatin1String("DIB(01-08)"), DIB},
    {QLatin1String("DOB(01-08)"), DOB},   {QLatin1String("GI(01-08)"), GI},     {QLatin1String("GO(01-08)"), GO},
    {QLatin1String("ArcI(01-08)"), ArcI}, {QLatin1String("ArcO(01-08)"), ArcO}, {QLatin1String("AI(01-04)"), AI},
    {QLatin1String("AO(01-04)"), AO},
};

Label labelOf(Span line)
{
    // Every known label starts with one of these letters: most lines
    // (positions, dates, numbers) are told apart by their first character.
    int first = 0;
    while (first < line.n && line.p[first].isSpace())
        ++first;
    if (first == line.n)
        return Other;
    const ushort c = line.p[first].unicode();
    if (c != 'S' && c != 'D' && c != 'G' && c != 'A')
        return Other;
    const int colon = line.indexOf(':');
    const Span head = (colon < 0 ? line : line.mid(0, colon)).trimmed();
    if (head.n < 9 || head.n > 11)
        return Other;
    for (const KnownLabel &k : kLabels)
        if (head.equals(k.text))
            return k.label;
    return Other;
}

// The text between the first and the second ":" (to the end when there is
// no second one); empty when the line has no ":".
Span rawValue(Span line)
{
    const int first = line.indexOf(':');
    if (first < 0)
        return Span{line.p, 0};
    const int second = line.indexOf(':', first + 1);
    return second < 0 ? line.mid(first + 1) : line.mid(first + 1, second - first - 1);
}

// Pieces of a text between separators, empty pieces kept.
class Pieces
{
public:
    Pieces(Span s, ushort separator)
    {
        int start = 0;
        for (int i = 0; i < s.n; ++i) {
            if (s.p[i].unicode() == separator) {
                m_parts.append(Span{s.p + start, i - start});
                start = i + 1;
            }
        }
        m_parts.append(Span{s.p + start, s.n - start});
    }
    int size() const { return m_parts.size(); }
    Span at(int i) const { return i < m_parts.size() ? m_parts[i] : Span(); }
    QString simplifiedAt(int i) const { return i < m_parts.size() ? simplified(m_parts[i]) : QString(); }

private:
    QVarLengthArray<Span, 8> m_parts;
};

// The lines of one record with their labels.
class Record
{
public:
    explicit Record(Span chunk)
    {
        const QChar *start = chunk.p;
        const QChar *const end = chunk.p + chunk.n;
        for (;;) {
            // qustrchr scans many characters at a time and returns the end when
            // there is no line break left.
            const QChar *next = reinterpret_cast<const QChar *>(
                QtPrivate::qustrchr(QStringView(start, end - start), u'\n'));
            add(Span{start, int(next - start)});
            if (next == end)
                break;
            start = next + 1;
        }
    }
    int size() const { return m_lines.size(); }
    Span at(int i) const { return i >= 0 && i < m_lines.size() ? m_lines[i] : Span(); }
    Label label(int i) const { return i >= 0 && i < m_labels.size() ? Label(m_labels[i]) : labelOf(Span()); }
    int find(Label label, int from = 0) const
    {
        for (int i = std::max(from, 0); i < m_labels.size(); ++i)
            if (m_labels[i] == label)
                return i;
        return -1;
    }

private:
    void add(Span line)
    {
        m_lines.append(line);
        m_labels.append(labelOf(line));
    }
    QVarLengthArray<Span, 48> m_lines;
    QVarLengthArray<quint8, 48> m_labels;
};

void appendArc(const Record &lines, int start, ArcLists &arc)
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
    // Analog values: channels 1 to 4 on the labelled line, 5 to 8 on the next.
    auto analog = [&](int m, QStringList &channels1, QStringList &channels5) {
        channels1 << rawValue(lines.at(m)).toString();
        channels5 << rawValue(lines.at(m + 1)).toString();
    };
    for (int m = std::max(start, 0); m < lines.size(); ++m) {
        switch (lines.label(m)) {
        case ArcI:
            arc.arcInputs << arcText(m);
            break;
        case AI:
            analog(m, arc.analogInputs1, arc.analogInputs2);
            break;
        case ArcO:
            arc.arcOutputs << arcText(m);
            break;
        case AO:
            analog(m, arc.analogOutputs1, arc.analogOutputs2);
            break;
        default:
            break;
        }
    }
}

const QString &zero()
{
    static const QString z = QStringLiteral("0");
    return z;
}

class RecordParser
{
public:
    // The text of a cell from its raw piece. Logs repeat themselves from one
    // record to the next (dates, programs, signal bytes): a piece whose
    // trimmed text equals the text this column had in the previous record
    // gives that same shared text. (A text equal to a simplified text is its
    // own simplified text.)
    const QString &cell(int column, Span raw)
    {
        QString &last = m_last[column];
        const Span t = raw.trimmed();
        if (last.isNull() || last.size() != t.n
            || (t.n != 0 && memcmp(last.constData(), t.p, size_t(t.n) * sizeof(QChar)) != 0))
            last = simplified(t);
        return last;
    }

    RecordParser(const LogHeader &header, Family family, MessageLookups &lookups)
        : m_header(header), m_family(family), m_lookups(lookups), m_placeholder(placeholder()),
          m_kavBytes(kavSystemBytes())
    {
    }

    void codeColumns(const Record &lines, LogRow &row)
    {
        const Pieces fields(lines.at(LineCode), ',');
        const Pieces dash(fields.at(0), '-');
        if (fields.size() == 1) {
            row.set(ColCode, cell(ColCode, fields.at(0)));
            row.set(ColMessage, m_family == Family::Kav ? m_lookups.kavStopReason(simplified(dash.at(0)))
                                               : m_lookups.lumStopReason(toNumber(dash.at(1))));
            row.set(ColAxisNo, zero());
            return;
        }
        row.set(ColCode, cell(ColCode, fields.at(0)));
        const Span kind = dash.at(0).trimmed();
        const int number = toNumber(dash.at(1));
        const QString p1 = fields.simplifiedAt(1);
        const QString p2 = m_family == Family::Lum && fields.size() >= 3 ? fields.simplifiedAt(2) : zero();
        if (kind.equals(QLatin1String("E")))
            row.set(ColMessage, m_lookups.errorMessage(number, p1, p2));
        else if (kind.equals(QLatin1String("W")))
            row.set(ColMessage, m_lookups.warningMessage(number, p1, p2));
        if (m_family == Family::Lum && m_header.twoParameters)
            row.set(ColAxisNo, p1 + QLatin1Char(',') + p2);
        else
            row.set(ColAxisNo, p1);
    }

    void optionalColumns(const Record &lines, LogRow &row)
    {
        if (m_header.hasDate) {
            const Pieces parts(lines.at(LineDateTime), ' ');
            row.set(ColDate, cell(ColDate, parts.at(0)));
            row.set(ColTime, cell(ColTime, parts.at(1)));
        } else {
            row.set(ColDate, m_placeholder);
            row.set(ColTime, m_placeholder);
        }
        row.set(ColProgram, m_header.hasProgram ? cell(ColProgram, lines.at(LineProgram)) : m_placeholder);
        row.set(ColStep, m_header.hasStep ? cell(ColStep, lines.at(LineStep)) : m_placeholder);
        row.set(ColFunction, m_family == Family::Lum && m_header.hasFunction ? cell(ColFunction, lines.at(LineFunction)) : m_placeholder);
    }

    // The eight axis cells. Each has a top value and, in a record of more
    // axes, a value below it; a cell is made once, when all its values are
    // known.
    void positionColumns(const Record &lines, int count, LogRow &row)
    {
        const int start = m_header.positionStart;
        if (start < 0)
            return;
        struct Axis
        {
            Span top;
            const QString *fixedTop = nullptr;   // a text of its own instead of `top`
            Span bottom;
            bool hasTop = false;
            bool hasBottom = false;
        };
        Axis axes[kAxisColumns];
        auto top = [&](int column, Span value) {
            Axis &a = axes[column - ColAxis1];
            a.top = value;
            a.fixedTop = nullptr;
            a.hasTop = true;
        };
        auto fixedTop = [&](int column, const QString &text) {
            Axis &a = axes[column - ColAxis1];
            a.fixedTop = &text;
            a.hasTop = true;
        };
        auto below = [&](int column, Span value) {
            Axis &a = axes[column - ColAxis1];
            a.bottom = value;
            a.hasBottom = true;
        };

        const Pieces p1(lines.at(start), ',');
        for (int i = 0; i < 3; ++i)
            i < p1.size() ? top(ColAxis1 + i, p1.at(i)) : fixedTop(ColAxis1 + i, emptyText());

        const Pieces p2(lines.at(start + 1), ',');
        for (int i = 0; i < 3; ++i)
            i < p2.size() ? top(ColAxis4 + i, p2.at(i)) : fixedTop(ColAxis4 + i, zero());

        const Label label3 = lines.label(start + 2);
        if (label3 == GI || label3 == SI) {
            fixedTop(ColAxis7, zero());
            fixedTop(ColAxis8, zero());
        } else {
            const Pieces p3(lines.at(start + 2), ',');
            if (p3.size() <= 3) {
                top(ColAxis7, p3.at(0));
                p3.size() >= 2 ? top(ColAxis8, p3.at(1)) : fixedTop(ColAxis8, zero());
                if (p3.size() == 3)
                    below(ColAxis1, p3.at(2));
            }
        }

        auto lowerRow = [&](int line, int firstColumn) {
            const Pieces p(lines.at(start + line), ',');
            if (p.size() > 3)
                return;
            for (int i = 0; i < p.size(); ++i)
                below(firstColumn + i, p.at(i));
        };
        if (count >= 4)
            lowerRow(3, ColAxis2);
        if (count >= 5)
            lowerRow(4, ColAxis5);
        if (count == 6)
            below(ColAxis8, lines.at(start + 5));

        for (int i = 0; i < kAxisColumns; ++i) {
            const Axis &a = axes[i];
            if (!a.hasBottom) {
                if (a.hasTop)
                    row.set(ColAxis1 + i, a.fixedTop ? *a.fixedTop : simplified(a.top));
                continue;
            }
            // The top value (none reads as empty), a line break and the value below.
            const Span topText = a.fixedTop ? Span{a.fixedTop->constData(), int(a.fixedTop->size())}
                                            : a.hasTop ? a.top.trimmed() : Span();
            const Span bottomText = a.bottom.trimmed();
            QString text(topText.n + 1 + bottomText.n, Qt::Uninitialized);
            QChar *out = text.data();
            int n = writeSimplified(topText, out);
            out[n++] = QLatin1Char('\n');
            n += writeSimplified(bottomText, out + n);
            text.resize(n);
            row.set(ColAxis1 + i, text);
        }
    }

    void signalColumns(const Record &lines, LogRow &row)
    {
        const bool kav = m_family == Family::Kav;
        auto block = [&](Label label, int firstColumn) {
            const int at = lines.find(label);
            if (at < 0)
                return;
            for (int i = 0; i < kGeneralColumnsPerFamily; ++i)
                row.set(firstColumn + i, cell(firstColumn + i, rawValue(lines.at(at + i))));
        };
        auto single = [&](Label label, int column) {
            if (kav) {
                row.set(column, m_kavBytes);
                return;
            }
            const int at = lines.find(label);
            if (at >= 0)
                row.set(column, cell(column, rawValue(lines.at(at))));
        };
        single(SI, ColSI);
        block(kav ? GI : DIB, ColDI1);
        single(SO, ColSO);
        block(kav ? GO : DOB, ColDO1);
    }

private:
    QString m_last[kRecordColumns];   // null until a record gives the column a text
    const LogHeader &m_header;
    Family m_family;
    MessageLookups &m_lookups;
    const QString m_placeholder;
    const QString m_kavBytes;
};

template <typename Chunk>
Span spanOf(const Chunk &chunk)
{
    return Span{chunk.unicode(), int(chunk.size())};
}

} // namespace

struct LogParser::State
{
    State(Family f, bool stop, MessageLookups &l) : family(f), stopLog(stop), lookups(l) {}
    Family family;
    bool stopLog;
    MessageLookups &lookups;
    LogHeader header;
    std::unique_ptr<RecordParser> parser;
    bool arcNoticeShown = false;
    bool eightAxesNoticeShown = false;
};

LogParser::LogParser(Family family, bool stopLog, MessageLookups &lookups, bool &arcFlag, ArcLists &arc, LogSink &sink)
    : m_state(new State(family, stopLog, lookups)), m_arcFlag(arcFlag), m_arc(arc), m_sink(sink)
{
}

LogParser::~LogParser() = default;

void LogParser::begin(int rows)
{
    m_arcFlag = false;
    m_arc.clear();
    m_sink.begin(rows);
}

void LogParser::header(QStringView chunk)
{
    m_state->header = parseHeader(chunk.toString(), m_state->stopLog);
    m_state->parser.reset(new RecordParser(m_state->header, m_state->family, m_state->lookups));
}

void LogParser::record(int rowNumber, QStringView chunk)
{
    State &st = *m_state;
    const LogHeader &header = st.header;
    const Record lines(Span{chunk.data(), int(chunk.size())});
    LogRow row;

    int positionCount = 0;
    if (header.positionStart >= 0) {
        const int si = lines.find(SI, header.positionStart);
        if (si >= 0) {
            positionCount = si - header.positionStart;
            const Label next = lines.label(si + 5);
            if (next == SO) {
                m_arcFlag = false;
            } else if (next == ArcI) {
                if (!st.arcNoticeShown) {
                    st.arcNoticeShown = true;
                    m_sink.notice(Notice::Arc);
                }
                m_arcFlag = true;
                row.arcEntry = m_arc.arcInputs.size();
                appendArc(lines, si + 5, m_arc);
            } else if (!st.arcNoticeShown) {
                st.arcNoticeShown = true;
                m_sink.notice(Notice::UndefinedInformation);
            }
        }
    }

    if (positionCount >= 3 && positionCount <= 6 && lines.at(header.positionStart + 2).count(',') == 2) {
        row.eightAxes = true;
        if (!st.eightAxesNoticeShown) {
            st.eightAxesNoticeShown = true;
            m_sink.notice(Notice::EightAxes);
        }
    }

    row.set(ColNo, simplified(lines.at(LineNumber)));
    st.parser->codeColumns(lines, row);
    st.parser->optionalColumns(lines, row);
    st.parser->positionColumns(lines, positionCount, row);
    st.parser->signalColumns(lines, row);
    m_sink.takeRow(rowNumber, std::move(row));
}

void parseLog(const QVector<QStringRef> &chunks, Family family, bool stopLog, MessageLookups &lookups,
              bool &arcFlag, ArcLists &arc, LogSink &sink)
{
    LogParser parser(family, stopLog, lookups, arcFlag, arc, sink);
    parser.begin(std::max(int(chunks.size()) - 1, 0));
    if (chunks.isEmpty())
        return;
    parser.header(chunks.at(0));
    for (int k = 1; k < chunks.size(); ++k)
        parser.record(k - 1, chunks.at(k));
}

void ArcLists::clear()
{
    arcInputs.clear();
    arcOutputs.clear();
    analogInputs1.clear();
    analogInputs2.clear();
    analogOutputs1.clear();
    analogOutputs2.clear();
}

LogHeader parseHeader(const QString &header, bool stopLog)
{
    LogHeader h;
    const QVector<QStringRef> items =
        stopLog ? header.splitRef(QLatin1String("- ")) : header.splitRef(QLatin1Char('\n'));
    for (int i = 2; i < items.size(); ++i) {
        const QStringRef item = items.at(i);
        const QVector<QStringRef> fields = item.split(QLatin1Char(','));
        if (fields.value(0).contains(QLatin1String("Error number"), Qt::CaseInsensitive)) {
            if (fields.size() == 3)
                h.twoParameters = true;
            else if (fields.size() == 2)
                h.twoParameters = false;
        } else if (item.contains(QLatin1String("Date"), Qt::CaseInsensitive)) {
            h.hasDate = true;
        } else if (item.contains(QLatin1String("Program number"), Qt::CaseInsensitive)) {
            h.hasProgram = true;
        } else if (item.contains(QLatin1String("Step number"), Qt::CaseInsensitive)) {
            h.hasStep = true;
        } else if (item.contains(QLatin1String("Function number"), Qt::CaseInsensitive)) {
            h.hasFunction = true;
        } else if (item.contains(QLatin1String("Position data"), Qt::CaseInsensitive)) {
            h.positionStart = stopLog ? i : i - 1;
        }
    }
    return h;
}

void appendArcBlock(const QStringList &lines, int start, ArcLists &arc)
{
    // The lines joined again make one record whose lines are these.
    const QString record = lines.join(QLatin1Char('\n'));
    appendArc(Record(spanOf(record)), start, arc);
}

void parseLog(const QStringList &chunks, Family family, bool stopLog, MessageLookups &lookups, bool &arcFlag,
              ArcLists &arc, LogSink &sink)
{
    parseLog(refsOf(chunks), family, stopLog, lookups, arcFlag, arc, sink);
}

QVector<QStringRef> refsOf(const QStringList &chunks)
{
    QVector<QStringRef> refs;
    refs.reserve(chunks.size());
    for (const QString &chunk : chunks)
        refs.append(QStringRef(&chunk));
    return refs;
}

} // namespace vlog
