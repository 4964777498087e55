// velloran-report: reports of controller backups without a window, for
// service reports and fleets. See the README for its options and forms.

#include "details/helpfilereader.h"
#include "report/writers.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>
#include <QtConcurrent>

#include <cstdio>
#include <unistd.h>

namespace {

using namespace vreport;

const char kUsage[] = R"(Usage: velloran-report [OPTION]... FOLDER...
Reports the error and stop logs, statistics and operation history of Kav and
Lum/Luma controller backups. Each FOLDER is a backup (the folder holding the
logs, the data files and the operation history) or a folder of backups.

  -o, --output FILE   write the report to FILE (complete or not at all);
                      standard output without it
      --format FORMAT html (default), csv or json
      --lang LANG     language of messages, causes and remedies: ko, en
                      (default) or zh
      --family FAMILY kav or lum: read every backup as that family (by
                      default each backup's file names tell)
      --help-dir DIR  the help texts (a folder holding Kav/, kor/, eng/, chn/,
                      or one with such a help/ folder); by default help/
                      beside this program
  -h, --help          show this help and exit
  -v, --version       show the version and exit

Exit status: 0 report made, 1 no log found, 2 usage error or output that
cannot be written.
)";

void say(const QString &text)
{
    std::fputs(qUtf8Printable(text), stderr);
    std::fflush(stderr);
}

int usageError(const QString &message)
{
    say(QStringLiteral("velloran-report: %1\nTry 'velloran-report --help'.\n").arg(message));
    return 2;
}

struct Part
{
    Pieces text;
    BackupSummary summary;
};

// The backups an argument names: the folder itself when it is one, else the
// backups among its subfolders, by name.
QStringList backupsOf(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    if (isBackupFolder(folder))
        return {folder};
    QStringList out;
    const QDir dir(folder);
    for (const QString &sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (isBackupFolder(dir.filePath(sub)))
            out << QFileInfo(dir.filePath(sub)).absoluteFilePath();
    return out;
}

qint64 logBytes(const QString &folder)
{
    qint64 bytes = 0;
    for (const char *name : {"ROBOT.ERR", "ROBOT.STP", "ROBOT.E01", "ROBOT.S01"})
        bytes += QFileInfo(folder + QLatin1Char('/') + QLatin1String(name)).size();
    return bytes;
}

QString thousands(qint64 n)
{
    QString digits = QString::number(n);
    for (int at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velloran-report"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLORAN_VERSION));

    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("FILE"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"));
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("LANG"));
    const QCommandLineOption family(QStringLiteral("family"), QString(), QStringLiteral("FAMILY"));
    const QCommandLineOption helpDir(QStringLiteral("help-dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({output, format, lang, family, helpDir, help, version});
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("velloran-report %s\n", VELLORAN_VERSION);
        return 0;
    }

    // Options.
    Format form = Format::Html;
    if (parser.isSet(format)) {
        const QString f = parser.value(format);
        if (f == QLatin1String("html"))
            form = Format::Html;
        else if (f == QLatin1String("csv"))
            form = Format::Csv;
        else if (f == QLatin1String("json"))
            form = Format::Json;
        else
            return usageError(QStringLiteral("--format: unknown format '%1' (html, csv or json)").arg(f));
    }
    ReportContext context;
    context.version = QStringLiteral(VELLORAN_VERSION);
    context.languageCode = parser.isSet(lang) ? parser.value(lang) : QStringLiteral("en");
    const QStringList codes{QStringLiteral("ko"), QStringLiteral("en"), QStringLiteral("zh")};
    context.language = int(codes.indexOf(context.languageCode));
    if (context.language < 0)
        return usageError(QStringLiteral("--lang: unknown language '%1' (ko, en or zh)").arg(context.languageCode));
    std::optional<vlog::Family> chosen;
    if (parser.isSet(family)) {
        const QString f = parser.value(family).toLower();
        if (f == QLatin1String("kav"))
            chosen = vlog::Family::Kav;
        else if (f == QLatin1String("lum") || f == QLatin1String("luma") || f == QLatin1String("lum/luma"))
            chosen = vlog::Family::Lum;
        else
            return usageError(QStringLiteral("--family: unknown family '%1' (kav or lum)").arg(parser.value(family)));
    }
    context.helpDir = QCoreApplication::applicationDirPath() + QStringLiteral("/help");
    if (parser.isSet(helpDir)) {
        const QString dir = parser.value(helpDir);
        if (!QFileInfo(dir).isDir())
            return usageError(QStringLiteral("--help-dir: no such folder: %1").arg(dir));
        context.helpDir = QFileInfo(dir + QStringLiteral("/help")).isDir() ? dir + QStringLiteral("/help") : dir;
        context.helpDir = QDir::cleanPath(QFileInfo(context.helpDir).absoluteFilePath());
    }

    // Inputs.
    const QStringList inputs = parser.positionalArguments();
    if (inputs.isEmpty())
        return usageError(QStringLiteral("no backup folder given"));
    QStringList folders;
    for (const QString &input : inputs) {
        if (!QFileInfo::exists(input))
            return usageError(QStringLiteral("no such file or folder: %1").arg(input));
        const QStringList found = backupsOf(input);
        if (found.isEmpty())
            say(QStringLiteral("velloran-report: %1: no controller backup in it\n").arg(input));
        for (const QString &f : found)
            if (!folders.contains(f))
                folders << f;
    }

    // The output is opened first, so that a file that cannot be written is
    // told before any work; it is only replaced once the report is complete.
    QSaveFile saveFile(parser.value(output));
    QFile standardOutput;
    QIODevice *out = &standardOutput;
    if (parser.isSet(output)) {
        if (!saveFile.open(QIODevice::WriteOnly))
            return usageError(QStringLiteral("-o: cannot write %1: %2").arg(parser.value(output), saveFile.errorString()));
        out = &saveFile;
    } else if (!standardOutput.open(stdout, QIODevice::WriteOnly)) {
        return usageError(QStringLiteral("cannot write to standard output"));
    }

    vlog::HelpDatabase database;
    vlog::loadHelpFolder(context.helpDir, database);
    context.helpFound =
        !database.kavErrors.codes().isEmpty() || !database.lumErrors[context.language].codes().isEmpty();
    if (!context.helpFound && !folders.isEmpty())
        say(QStringLiteral("velloran-report: no help texts in %1: messages, causes and remedies stay empty "
                           "(--help-dir names another folder)\n")
                .arg(context.helpDir));

    // Each backup is read and its part made on a core of its own.
    std::atomic<qint64> records{0};
    std::atomic<int> done{0};
    const auto makePart = [&](const QString &folder) {
        const Backup backup = readBackup(folder, chosen, database, context.language, &records);
        Part part;
        part.summary = summarize(backup);
        if (form == Format::Html)
            part.text = htmlBackup(context, backup);
        else if (form == Format::Csv)
            part.text = csvBackup(backup);
        else
            part.text = jsonBackup(backup);
        done.fetch_add(1);
        return part;
    };
    qint64 inputBytes = 0;
    for (const QString &f : folders)
        inputBytes += logBytes(f);
    const bool progress = isatty(STDERR_FILENO) && (inputBytes >= 4 * 1024 * 1024 || folders.size() >= 8);
    QFuture<Part> future = QtConcurrent::mapped(folders, std::function<Part(const QString &)>(makePart));
    while (progress && !future.isFinished()) {
        say(QStringLiteral("\rvelloran-report: %1 of %2 backups done, %3 records read\033[K")
                .arg(done.load())
                .arg(folders.size())
                .arg(thousands(records.load())));
        QThread::msleep(150);
    }
    future.waitForFinished();
    if (progress)
        say(QStringLiteral("\r\033[K"));
    const QList<Part> parts = future.results();

    // Problems and missing files, backup by backup.
    int logs = 0, problems = 0;
    qint64 total = 0, errors = 0, warnings = 0, stops = 0;
    QVector<BackupSummary> summaries;
    for (const Part &part : parts) {
        const BackupSummary &s = part.summary;
        summaries << s;
        logs += s.logs;
        total += s.records;
        errors += s.errors;
        warnings += s.warnings;
        stops += s.stops;
        problems += s.problems.size();
        for (const QString &p : s.problems)
            say(QStringLiteral("velloran-report: %1/%2\n").arg(s.folder, p));
        if (!s.missing.isEmpty())
            say(QStringLiteral("velloran-report: %1: missing %2\n").arg(s.folder, s.missing.join(QStringLiteral(", "))));
    }
    if (logs == 0) {
        say(QStringLiteral("velloran-report: no error or stop log found in %1\n").arg(inputs.join(QStringLiteral(", "))));
        return 1;
    }

    bool written = true;
    const auto write = [&](const QByteArray &bytes) { written = written && out->write(bytes) == bytes.size(); };
    const auto writeAll = [&](const Pieces &pieces) {
        for (const QByteArray &piece : pieces)
            write(piece);
    };
    if (form == Format::Html) {
        write(htmlBegin(context, summaries));
        for (const Part &part : parts)
            writeAll(part.text);
        write(htmlEnd());
    } else if (form == Format::Csv) {
        write(csvBegin());
        for (const Part &part : parts)
            writeAll(part.text);
    } else {
        write(jsonBegin(context));
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0)
                write(jsonSeparator());
            writeAll(parts.at(i).text);
        }
        write(jsonEnd());
    }
    const QString where = parser.isSet(output) ? parser.value(output) : QStringLiteral("standard output");
    if (parser.isSet(output) ? !(written && saveFile.commit()) : !(written && standardOutput.flush())) {
        say(QStringLiteral("velloran-report: cannot write %1: %2\n")
                .arg(where, parser.isSet(output) ? saveFile.errorString() : standardOutput.errorString()));
        return 2;
    }
    const char *formNames[] = {"html", "csv", "json"};
    say(QStringLiteral("velloran-report: %1 %2, %3 logs, %4 records (%5 errors, %6 warnings, %7 stops), %8 %9; %10 "
                       "written to %11\n")
            .arg(parts.size())
            .arg(parts.size() == 1 ? QStringLiteral("backup") : QStringLiteral("backups"))
            .arg(logs)
            .arg(thousands(total), thousands(errors), thousands(warnings), thousands(stops))
            .arg(problems)
            .arg(problems == 1 ? QStringLiteral("problem") : QStringLiteral("problems"),
                 QLatin1String(formNames[int(form)]), where));
    return 0;
}
