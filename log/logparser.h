#pragma once
// The error and stop log parser: text chunks in, record table rows out.
// It knows no widgets; the main window feeds the rows into its record table.

#include "log/family.h"
#include "log/recordcolumns.h"

#include <QString>
#include <QStringList>
#include <QStringRef>
#include <QStringView>
#include <QVector>
#include <array>
#include <bitset>
#include <memory>

namespace vlog {

// Placeholder of an optional value that a log does not carry.
inline QString placeholder() { return QStringLiteral("   -"); }
// System input/output cells of a Kav record.
inline QString kavSystemBytes() { return QStringLiteral("[00 00 00 00 00 00]"); }

// The message lookups the parser needs for column 2. The main window answers
// them with the help database and the stop-reason tables of the family and
// language chosen at the moment of each call.
class MessageLookups
{
public:
    virtual ~MessageLookups() = default;
    virtual QString errorMessage(int code, const QString &p1, const QString &p2) = 0;
    virtual QString warningMessage(int code, const QString &p1, const QString &p2) = 0;
    virtual QString kavStopReason(const QString &code) = 0;
    virtual QString lumStopReason(int code) = 0;
};

// Lookups that know no message at all.
class NoLookups : public MessageLookups
{
public:
    QString errorMessage(int, const QString &, const QString &) override { return QString(); }
    QString warningMessage(int, const QString &, const QString &) override { return QString(); }
    QString kavStopReason(const QString &) override { return QString(); }
    QString lumStopReason(int) override { return QString(); }
};

// Arc information of one log: one entry per record that carries an arc block.
struct ArcLists
{
    QStringList arcInputs;
    QStringList arcOutputs;
    QStringList analogInputs1;   // channels 1 to 4
    QStringList analogInputs2;   // channels 5 to 8
    QStringList analogOutputs1;
    QStringList analogOutputs2;

    void clear();
    int size() const { return arcInputs.size(); }
};

// One row of the record table. A cell that is not present gets no item.
struct LogRow
{
    std::array<QString, kRecordColumns> cells;
    std::bitset<kRecordColumns> present;
    bool eightAxes = false;
    int arcEntry = -1;   // index into the arc lists, -1 when the record has no arc block

    void set(int column, const QString &text)
    {
        cells[size_t(column)] = text;
        present.set(size_t(column));
    }
    bool has(int column) const { return present.test(size_t(column)); }
    QString text(int column) const { return has(column) ? cells[size_t(column)] : QString(); }
    int height() const { return eightAxes ? kEightAxesRowHeight : kRowHeight; }
};

enum class Notice { Arc, UndefinedInformation, EightAxes };

// Receives the parse as it happens: the row count first, then, per record,
// any notice before that record's row.
class LogSink
{
public:
    virtual ~LogSink() = default;
    virtual void begin(int rowCount) = 0;
    virtual void notice(Notice notice) = 0;
    virtual void row(int row, const LogRow &cells) = 0;
    // The same with a row the parser no longer needs, for a sink that keeps it.
    virtual void takeRow(int row, LogRow &&cells) { this->row(row, cells); }
};

struct LogHeader
{
    bool twoParameters = false;
    bool hasDate = false;
    bool hasProgram = false;
    bool hasStep = false;
    bool hasFunction = false;
    int positionStart = -1;   // -1: the header names no position data
};

// Reads the header chunk of an error log (items at "\n") or a stop log
// (items at "- ").
LogHeader parseHeader(const QString &header, bool stopLog);

// Appends the arc block of one record, from line `start` on, to the arc lists.
void appendArcBlock(const QStringList &lines, int start, ArcLists &arc);

// Views of whole texts, which must outlive the views.
QVector<QStringRef> refsOf(const QStringList &chunks);

// Parses a log piece by piece, as its text arrives: `begin` with the number
// of records (resets the arc information), `header` with chunk 0, then
// `record` with each record chunk in file order. The chunks need to live only
// during the call.
class LogParser
{
public:
    LogParser(Family family, bool stopLog, MessageLookups &lookups, bool &arcFlag, ArcLists &arc, LogSink &sink);
    ~LogParser();
    LogParser(const LogParser &) = delete;
    LogParser &operator=(const LogParser &) = delete;

    void begin(int rows);
    void header(QStringView chunk);
    void record(int row, QStringView chunk);

private:
    struct State;
    std::unique_ptr<State> m_state;
    bool &m_arcFlag;
    ArcLists &m_arc;
    LogSink &m_sink;
};

// Parses a whole log: chunk 0 the header, chunks 1..n-1 the records.
// `arcFlag` and `arc` are reset first and left as the last record sets them.
void parseLog(const QStringList &chunks, Family family, bool stopLog, MessageLookups &lookups,
              bool &arcFlag, ArcLists &arc, LogSink &sink);
// The same on pieces of one text that stays alive while the parse runs.
void parseLog(const QVector<QStringRef> &chunks, Family family, bool stopLog, MessageLookups &lookups,
              bool &arcFlag, ArcLists &arc, LogSink &sink);

} // namespace vlog
