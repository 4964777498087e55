#include "report/backup.h"

#include "datafiles/datafileformat.h"
#include "details/messagecodes.h"
#include "log/logfile.h"
#include "ophistory/oprformat.h"
#include "programview/joblookup.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <QtConcurrent>

#include <algorithm>

namespace vreport {

using vlog::Family;

bool RowCells::cell(int row, int column, QString &text) const
{
    if (row < 0 || row >= int(m_rows.size()) || !m_rows[size_t(row)].has(column))
        return false;
    text = m_rows[size_t(row)].cells[size_t(column)];
    return true;
}

namespace {

bool exists(const QString &folder, const QString &name)
{
    return QFileInfo::exists(folder + QLatin1Char('/') + name);
}

bool existsAny(const QString &folder, std::initializer_list<QString> names)
{
    return std::any_of(names.begin(), names.end(), [&](const QString &n) { return exists(folder, n); });
}

QString latin(const char *text)
{
    return QString::fromLatin1(text);
}

// The log names, operation history and data files that tell a family.
bool hasLogs(const QString &folder, Family family)
{
    const vlog::FamilyLogNames &names = vlog::logNames(family);
    return existsAny(folder, {latin(names.errorLog), latin(names.stopLog)});
}

bool hasCompanions(const QString &folder, Family family)
{
    const bool kav = family == Family::Kav;
    return existsAny(folder, {vopr::historyFileName(kav), vlog::dataFileName(vlog::DataFile::Mch, family),
                              vlog::dataFileName(vlog::DataFile::Con, family)});
}

// Why a file that exists could not be opened.
QString unreadable(const QString &path, const QFile &file)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("is a folder, not a file");
    if (!info.isFile())
        return QStringLiteral("is not a regular file");
    return QStringLiteral("cannot be read (%1)").arg(file.errorString());
}

// Collects the rows as the window's table would hold them.
class RowSink : public vlog::LogSink
{
public:
    RowSink(std::vector<vlog::LogRow> &rows, std::atomic<qint64> *records) : m_rows(rows), m_records(records) {}
    void begin(int rowCount) override { m_rows.reserve(size_t(rowCount)); }
    void notice(vlog::Notice) override {}
    void row(int, const vlog::LogRow &row) override
    {
        m_rows.push_back(row);
        if (m_records)
            m_records->fetch_add(1, std::memory_order_relaxed);
    }

private:
    std::vector<vlog::LogRow> &m_rows;
    std::atomic<qint64> *m_records;
};

// Parses the records in pieces on all cores, each piece with the header as
// the whole log has it, and joins the rows and arc entries in file order. A
// record's row depends on the header and the record alone, so the rows are
// those of one parse of the whole log.
void parseInPieces(const QVector<QStringRef> &chunks, Family family, bool stop, const vlog::HelpDatabase &help,
                   int language, LogReport &log, std::atomic<qint64> *records)
{
    constexpr int kPiece = 5000;
    struct Piece
    {
        int first = 1, count = 0;   // chunks
        std::vector<vlog::LogRow> rows;
        vlog::ArcLists arc;
    };
    const auto parse = [&](Piece &piece) {
        QVector<QStringRef> part{chunks.value(0)};
        part += chunks.mid(piece.first, piece.count);
        vlog::DatabaseLookups lookups(help, family, language);
        RowSink sink(piece.rows, records);
        bool arcFlag = false;
        vlog::parseLog(chunks.size() <= 1 ? chunks : part, family, stop, lookups, arcFlag, piece.arc, sink);
    };
    QVector<Piece> pieces;
    for (int first = 1; first < chunks.size() || pieces.isEmpty(); first += kPiece)
        pieces.append(Piece{first, std::min(kPiece, int(chunks.size()) - first), {}, {}});
    if (pieces.size() == 1) {
        parse(pieces[0]);
    } else {
        QVector<QFuture<void>> running;
        for (Piece &piece : pieces)
            running << QtConcurrent::run(&piecePool(), [&parse, &piece] { parse(piece); });
        for (QFuture<void> &f : running)
            f.waitForFinished();
    }
    log.rows.reserve(size_t(std::max(int(chunks.size()) - 1, 0)));
    for (Piece &piece : pieces) {
        const int offset = log.arc.size();
        for (vlog::LogRow &row : piece.rows) {
            if (row.arcEntry >= 0)
                row.arcEntry += offset;
            log.rows.push_back(std::move(row));
        }
        log.arc.arcInputs += piece.arc.arcInputs;
        log.arc.arcOutputs += piece.arc.arcOutputs;
        log.arc.analogInputs1 += piece.arc.analogInputs1;
        log.arc.analogInputs2 += piece.arc.analogInputs2;
        log.arc.analogOutputs1 += piece.arc.analogOutputs1;
        log.arc.analogOutputs2 += piece.arc.analogOutputs2;
    }
}

// Records that miss cells the fullest record has, or whose code is of no
// known kind: what a cut or damaged log leaves.
QString damagedRecords(const LogReport &log)
{
    size_t fullest = 0;
    for (const vlog::LogRow &row : log.rows)
        fullest = std::max(fullest, row.present.count());
    QStringList rows;
    int count = 0;
    for (size_t r = 0; r < log.rows.size(); ++r) {
        const vlog::LogRow &row = log.rows[r];
        const bool known = row.has(vlog::ColCode)
            && vlog::codeMeaning(row.cells[vlog::ColCode]).kind != vlog::CodeKind::Unknown;
        if (known && row.present.count() == fullest)
            continue;
        if (++count <= 5)
            rows << QString::number(r + 1);
    }
    if (count == 0)
        return QString();
    return QStringLiteral("%1 of %2 records are incomplete or have no known code (record %3%4)")
        .arg(count)
        .arg(log.rows.size())
        .arg(rows.join(QStringLiteral(", ")), count > 5 ? QStringLiteral(", ...") : QString());
}

void readLog(Backup &backup, const QString &name, const vlog::HelpDatabase &help, int language,
             std::atomic<qint64> *records)
{
    const QString path = backup.folder + QLatin1Char('/') + name;
    LogReport log;
    log.file = name;
    log.stop = vlog::isStopLogName(name);
    QFile file(path);
    if (!vlog::openRegularFile(file)) {
        backup.problems << name + QLatin1Char(' ') + unreadable(path, file);
        return;
    }
    const QString text = vlog::readLogText(file);
    const QVector<QStringRef> chunks = text.splitRef(QLatin1Char('#'));
    if (text.isEmpty())
        backup.problems << name + QStringLiteral(" is empty");
    else if (chunks.size() < 2)
        backup.problems << name + QStringLiteral(" holds no records (no \"#\" mark)");
    else if (vlog::parseHeader(chunks.at(0).toString(), log.stop).positionStart < 0)
        backup.problems << name + QStringLiteral(": its header names no position data");
    if (text.contains(QChar(0)))
        backup.problems << name + QStringLiteral(" contains NUL bytes (damaged, or not a text log)");

    parseInPieces(chunks, backup.family, log.stop, help, language, log, records);
    const QString damaged = damagedRecords(log);
    if (!damaged.isEmpty())
        backup.problems << name + QStringLiteral(": ") + damaged;

    // The statistics exactly as the window counts them after the load.
    const RowCells cells(log.rows);
    const vlog::CodeCounts counted = vlog::countCodes(cells, chunks.size() - 1);
    const Family family = backup.family;
    const QVector<vlog::StatisticsRow> rows = vlog::statisticsRows(
        cells, counted.counts, counted.codes,
        [&](const QString &code, const QString &axis) { return help.codeMessage(family, language, code, axis); });
    for (const vlog::StatisticsRow &row : rows) {
        StatisticsEntry entry{row, QString(), QString()};
        help.codeCauseRemedy(family, language, vlog::codeMeaning(row.code), entry.cause, entry.remedy);
        log.statistics << entry;
    }
    backup.logs.append(std::move(log));
}

// A date cell "yyyy/MM/dd"; invalid for anything else. (QDate::fromString
// would look at the time zone file for every record.)
QDate dateOf(const QString &text)
{
    if (text.size() != 10 || text.at(4) != QLatin1Char('/') || text.at(7) != QLatin1Char('/'))
        return QDate();
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p)
        for (int i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            if (!text.at(i).isDigit() || text.at(i).unicode() > '9')
                return QDate();
            parts[p] = parts[p] * 10 + (text.at(i).unicode() - '0');
        }
    return QDate(parts[0], parts[1], parts[2]);
}

void countDays(Backup &backup)
{
    QMap<QDate, DayCount> byDay;
    for (const LogReport &log : backup.logs) {
        for (const vlog::LogRow &row : log.rows) {
            if (!row.has(vlog::ColCode) || row.cells[vlog::ColCode].isEmpty())
                continue;
            const vlog::CodeKind kind = vlog::codeMeaning(row.cells[vlog::ColCode]).kind;
            if (kind == vlog::CodeKind::Unknown)
                continue;
            const QDate date = dateOf(row.text(vlog::ColDate));
            if (!date.isValid()) {
                ++backup.undated;
                continue;
            }
            DayCount &day = byDay[date];
            day.date = date;
            if (kind == vlog::CodeKind::Error)
                ++day.errors;
            else if (kind == vlog::CodeKind::Warning)
                ++day.warnings;
            else
                ++day.stops;
        }
    }
    if (byDay.isEmpty())
        return;
    // Every day of the period, the quiet ones too.
    for (QDate d = byDay.firstKey(); d <= byDay.lastKey(); d = d.addDays(1))
        backup.days << (byDay.contains(d) ? byDay.value(d) : DayCount{d, 0, 0, 0});
}

void readHistory(Backup &backup)
{
    const bool kav = backup.family == Family::Kav;
    const QString name = vopr::historyFileName(kav);
    const QString path = backup.folder + QLatin1Char('/') + name;
    if (!QFileInfo::exists(path))
        return;
    QFile file(path);
    if (!vlog::openRegularFile(file, QIODevice::ReadOnly | QIODevice::Text)) {
        backup.problems << name + QLatin1Char(' ') + unreadable(path, file);
        return;
    }
    backup.historyFile = name;
    const QStringList entries = vlog::readLogText(file).split(vopr::entryMarker(kav));
    for (int i = 1; i < entries.size(); ++i) {
        const vlog::DataSection day = vlog::oprDaySection(vlog::sectionLines(entries.at(i)));
        HistoryDay out{day.title, {}};
        for (const QString &time : day.entries)
            out.times << time.section(QLatin1Char(':'), 1).trimmed();
        backup.history << out;
    }
    if (backup.history.isEmpty())
        backup.problems << name + QStringLiteral(" holds no days");
}

void checkFile(Backup &backup, const QString &name, const QString &role)
{
    FileState state{name, role, false, 0, QString()};
    const QString path = backup.folder + QLatin1Char('/') + name;
    const QFileInfo info(path);
    state.found = info.exists();
    if (state.found) {
        QFile file(path);
        if (!vlog::openRegularFile(file))
            state.problem = unreadable(path, file);
        else if ((state.bytes = info.size()) == 0)
            state.problem = QStringLiteral("is empty");
    }
    backup.files << state;
}

void checkJobs(Backup &backup)
{
    QStringList jobs = vjob::jobFiles(backup.folder);
    if (backup.family == Family::Kav)
        jobs = QDir(backup.folder).entryList({QStringLiteral("ZT210-04.*")}, QDir::Files);
    const QString pattern = backup.family == Family::Kav ? QStringLiteral("ZT210-04.*") : QStringLiteral("*.JOB");
    backup.files << FileState{pattern, QStringLiteral("job programs"), !jobs.isEmpty(), jobs.size(), QString()};
}

} // namespace

QThreadPool &piecePool()
{
    static QThreadPool pool;
    return pool;
}

int Backup::records() const
{
    int n = 0;
    for (const LogReport &log : logs)
        n += int(log.rows.size());
    return n;
}

int Backup::countOf(vlog::CodeKind kind) const
{
    int n = 0;
    for (const DayCount &day : days)
        n += kind == vlog::CodeKind::Error ? day.errors : kind == vlog::CodeKind::Warning ? day.warnings : day.stops;
    return n;
}

QStringList Backup::topCodes(int n) const
{
    QVector<const vlog::StatisticsRow *> rows;
    for (const LogReport &log : logs)
        for (const StatisticsEntry &entry : log.statistics)
            if (!entry.row.empty)
                rows << &entry.row;
    std::stable_sort(rows.begin(), rows.end(), [](auto a, auto b) { return a->count > b->count; });
    QStringList out;
    for (int i = 0; i < rows.size() && i < n; ++i)
        out << QStringLiteral("%1 (%2)").arg(rows.at(i)->code).arg(rows.at(i)->count);
    return out;
}

QStringList Backup::missingFiles() const
{
    QStringList out;
    for (const FileState &file : files)
        if (!file.found)
            out << file.name;
    return out;
}

bool isBackupFolder(const QString &folder)
{
    for (Family family : {Family::Lum, Family::Kav})
        if (hasLogs(folder, family) || hasCompanions(folder, family))
            return true;
    return exists(folder, vlog::dataFileName(vlog::DataFile::Inf, Family::Lum));
}

Family detectFamily(const QString &folder)
{
    const bool lumLogs = hasLogs(folder, Family::Lum), kavLogs = hasLogs(folder, Family::Kav);
    if (lumLogs != kavLogs)
        return lumLogs ? Family::Lum : Family::Kav;
    const bool lum = hasCompanions(folder, Family::Lum), kav = hasCompanions(folder, Family::Kav);
    return kav && !lum ? Family::Kav : Family::Lum;
}

Backup readBackup(const QString &folder, std::optional<Family> family, const vlog::HelpDatabase &help, int language,
                  std::atomic<qint64> *records)
{
    Backup backup;
    backup.folder = QFileInfo(folder).absoluteFilePath();
    backup.name = QFileInfo(backup.folder).fileName();
    backup.id = QStringLiteral("b-")
        + QString::fromLatin1(
              QCryptographicHash::hash(backup.folder.toUtf8(), QCryptographicHash::Md5).toHex().left(8));
    backup.family = family ? *family : detectFamily(backup.folder);
    backup.familySource = family ? QStringLiteral("--family") : QStringLiteral("file names");
    if (!family && hasLogs(backup.folder, Family::Lum) && hasLogs(backup.folder, Family::Kav))
        backup.problems << QStringLiteral("ROBOT.E01, ROBOT.S01: logs of the other family too; read as Lum/Luma "
                                          "(--family chooses)");

    const bool kav = backup.family == Family::Kav;
    const vlog::FamilyLogNames &names = vlog::logNames(backup.family);
    checkFile(backup, latin(names.errorLog), QStringLiteral("error log"));
    checkFile(backup, latin(names.stopLog), QStringLiteral("stop log"));
    checkFile(backup, vopr::historyFileName(kav), QStringLiteral("operation history"));
    checkFile(backup, vlog::dataFileName(vlog::DataFile::Mch, backup.family), QStringLiteral("machine data"));
    checkFile(backup, vlog::dataFileName(vlog::DataFile::Inf, backup.family), QStringLiteral("controller information"));
    checkFile(backup, vlog::dataFileName(vlog::DataFile::Con, backup.family), QStringLiteral("controller settings"));
    checkFile(backup, QStringLiteral("HISTORY.TXT"), QStringLiteral("history text"));
    checkJobs(backup);

    for (const char *name : {names.errorLog, names.stopLog})
        if (exists(backup.folder, latin(name)))
            readLog(backup, latin(name), help, language, records);
    // Data files that exist but cannot be read are problems too.
    for (const FileState &file : backup.files) {
        const bool log = file.name == latin(names.errorLog) || file.name == latin(names.stopLog)
            || file.name == vopr::historyFileName(kav);
        if (!log && file.found && !file.problem.isEmpty())
            backup.problems << file.name + QLatin1Char(' ') + file.problem;
    }
    countDays(backup);
    readHistory(backup);
    return backup;
}

} // namespace vreport
