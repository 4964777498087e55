#pragma once
// The three forms of a report. Each backup's part is made from that backup
// alone, so a backup's part of a fleet report is its report alone, byte for
// byte; the parts are made in parallel and joined in the order of the backups.

#include "report/backup.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>

namespace vreport {

enum class Format { Html, Csv, Json };

// A report, or a backup's part of it, as pieces of UTF-8 written one after
// the other; a large log is never joined into one block.
using Pieces = QList<QByteArray>;

// What every part of one report shares.
struct ReportContext
{
    int language = 1;            // vlog::Language
    QString languageCode;        // "ko", "en", "zh"
    QString helpDir;             // where the help texts were read
    bool helpFound = true;
    QString version;
};

// What the fleet table, the summary line and standard error need of a
// backup once its part is made.
struct BackupSummary
{
    QString name, id, folder;
    vlog::Family family = vlog::Family::Lum;
    int logs = 0, records = 0, errors = 0, warnings = 0, stops = 0;
    QStringList topCodes;
    QDate first, last;
    QStringList problems;   // each naming its file
    QStringList missing;    // files the backup lacks
};
BackupSummary summarize(const Backup &backup);

QString familyName(vlog::Family family);

// HTML: a self-contained page (XHTML-compatible, no scripts, no outside
// links) with, for several backups, a fleet table first.
QByteArray htmlBegin(const ReportContext &context, const QVector<BackupSummary> &backups);
Pieces htmlBackup(const ReportContext &context, const Backup &backup);
QByteArray htmlEnd();

// CSV (RFC 4180, UTF-8): a header row, then one row per record.
QByteArray csvBegin();
Pieces csvBackup(const Backup &backup);

// JSON: {"generator", "language", "helpFound", "backups": [...]}; the schema
// is described in the README.
QByteArray jsonBegin(const ReportContext &context);
Pieces jsonBackup(const Backup &backup);
QByteArray jsonSeparator();
QByteArray jsonEnd();

// Rows made in pieces on all cores and joined in their order: the same bytes
// however many cores there are.
Pieces renderRows(int count, const std::function<void(QString &out, int row)> &row);

// The record table's columns as the CSV header names them (the window's
// header texts) and as the JSON records key them.
struct ColumnName
{
    const char *csv;
    const char *json;
};
extern const ColumnName kColumnNames[vlog::kRecordColumns];

} // namespace vreport
