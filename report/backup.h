#pragma once
// One controller backup as velloran-report reads it: the files found and
// missing, both logs parsed as the window parses them, their error statistics
// as the window counts them, the records per day and the days of the
// operation history. Everything comes from the formats library; nothing here
// knows a widget.

#include "details/helpdatabase.h"
#include "log/codestatistics.h"
#include "log/family.h"
#include "log/logparser.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QVector>

#include <atomic>
#include <optional>
#include <vector>

namespace vreport {

// A file of the backup that the report looks for.
struct FileState
{
    QString name;       // "ROBOT.ERR", or "*.JOB" for the job programs
    QString role;       // "error log", "operation history", ...
    bool found = false;
    qint64 bytes = 0;   // job programs: the number of files
    QString problem;    // empty when the file could be read
};

// One row of the statistics with the help texts of its code.
struct StatisticsEntry
{
    vlog::StatisticsRow row;
    QString cause;
    QString remedy;
};

// The error log or the stop log of a backup, read and parsed.
struct LogReport
{
    QString file;   // "ROBOT.ERR", "ROBOT.S01", ...
    bool stop = false;
    std::vector<vlog::LogRow> rows;   // the cells of the record table, row by row
    vlog::ArcLists arc;
    QVector<StatisticsEntry> statistics;
};

struct DayCount
{
    QDate date;
    int errors = 0;
    int warnings = 0;
    int stops = 0;
};

// A day of the operation history: its date line and its time stamps.
struct HistoryDay
{
    QString title;
    QStringList times;
};

struct Backup
{
    QString folder;   // absolute path
    QString name;     // the folder's name
    QString id;       // anchor of its part of an HTML report, the same in every report
    vlog::Family family = vlog::Family::Lum;
    QString familySource;   // how the family was chosen: "file names" or "--family"
    QVector<FileState> files;
    QStringList problems;   // damaged or unreadable files, each naming its file
    QVector<LogReport> logs;   // the logs found: error log first, then stop log
    QVector<DayCount> days;    // every day from the first to the last dated record
    int undated = 0;           // records without a readable date
    QString historyFile;       // empty when the backup has no operation history
    QVector<HistoryDay> history;

    int records() const;
    int countOf(vlog::CodeKind kind) const;   // KavStop and LumStop count as stops
    // The most frequent codes of both logs, "E-1309 (8)", at most `n`.
    QStringList topCodes(int n) const;
    QDate firstDay() const { return days.isEmpty() ? QDate() : days.first().date; }
    QDate lastDay() const { return days.isEmpty() ? QDate() : days.last().date; }
    // The files the backup should hold but does not.
    QStringList missingFiles() const;
};

// The threads that parse and write pieces of one log. A backup is read on a
// thread of the global pool, which must not wait for threads of its own pool.
QThreadPool &piecePool();

// Whether a folder holds any file of a controller backup of either family.
bool isBackupFolder(const QString &folder);
// The family told by the file names present: the logs first, then the
// operation history and the data files; Lum/Luma when nothing tells.
vlog::Family detectFamily(const QString &folder);

// Reads a backup. `records` counts the records parsed so far, for progress.
Backup readBackup(const QString &folder, std::optional<vlog::Family> family, const vlog::HelpDatabase &help,
                  int language, std::atomic<qint64> *records);

// The record table's cells of one row as the statistics read them back.
class RowCells : public vlog::RecordCells
{
public:
    explicit RowCells(const std::vector<vlog::LogRow> &rows) : m_rows(rows) {}
    int rowCount() const override { return int(m_rows.size()); }
    bool cell(int row, int column, QString &text) const override;

private:
    const std::vector<vlog::LogRow> &m_rows;
};

} // namespace vreport
