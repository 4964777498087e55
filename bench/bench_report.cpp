// velloran-report as the user waits for it: the whole process, from start to
// the report written, for Lum/Luma error logs of 1,000, 10,000 and 100,000
// records in each form, and a folder of eight backups against eight single
// reports (the backups are read in parallel on all cores).
//
//   bench_report            the table
//   bench_report N...       only logs of N records
//
// The logs are those of bench_load: six position lines, signal lines, two
// parameters, 500 codes, with help texts for every code (written into the
// folder given with --help-dir). The median of five runs is printed.

#include "bench/benchsupport.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

namespace {


void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Help texts in the Lum/Luma format for every code of the logs, in English.
void writeHelp(const QString &helpDir)
{
    QString xml = QStringLiteral("<help>");
    for (int code = 100; code < 600; ++code)
        xml += QStringLiteral("<e><code>%1</code><msg>Axis %d servo fault %2 (detail %d)</msg><cause>cause of %2</cause>"
                              "<remedy>remedy of %2</remedy></e>")
                   .arg(code, 4, 10, QLatin1Char('0'))
                   .arg(code);
    xml += QStringLiteral("</help>");
    write(helpDir + QStringLiteral("/eng/HELP_ERR.xml"), xml.toUtf8());
    write(helpDir + QStringLiteral("/eng/HELP_WARN.xml"), xml.toUtf8());
}

struct Timing
{
    double seconds = 0;   // wall clock
    double cpu = 0;       // user and system time of the process, all threads
    qint64 bytes = 0;
};

double childCpu()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The median of `runs` whole runs of velloran-report.
Timing run(const QStringList &args, const QString &output, int runs)
{
    QVector<double> times, cpus;
    for (int i = 0; i < runs; ++i) {
        const double cpuBefore = childCpu();
        QProcess p;
        QElapsedTimer timer;
        timer.start();
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/velloran-report"), args);
        if (!p.waitForFinished(-1) || p.exitCode() != 0)
            qFatal("velloran-report failed: %s", p.readAllStandardError().constData());
        times << double(timer.nsecsElapsed()) / 1e9;
        cpus << childCpu() - cpuBefore;
    }
    std::sort(times.begin(), times.end());
    std::sort(cpus.begin(), cpus.end());
    return {times.at(times.size() / 2), cpus.at(cpus.size() / 2), QFileInfo(output).size()};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<int> sizes;
    for (const QString &a : app.arguments().mid(1))
        sizes << a.toInt();
    if (sizes.isEmpty())
        sizes = {1000, 10000, 100000};
    QTemporaryDir dir;
    const QString help = dir.filePath(QStringLiteral("help"));
    writeHelp(help);
    const QString out = dir.filePath(QStringLiteral("report"));

    std::printf("| records | log size | html | csv | json |\n|---|---|---|---|---|\n");
    // Wall clock and CPU time (user and system, all threads) of whole runs.
    for (int records : sizes) {
        const QString backup = dir.filePath(QStringLiteral("robot-%1").arg(records));
        const QByteArray log = makeLog(records).toLatin1();
        write(backup + QStringLiteral("/ROBOT.ERR"), log);
        std::printf("| %d | %.1f MB |", records, double(log.size()) / 1e6);
        for (const char *form : {"html", "csv", "json"}) {
            const Timing t = run({QStringLiteral("--help-dir"), help, QStringLiteral("--format"), QLatin1String(form),
                                  QStringLiteral("-o"), out, backup},
                                 out, 5);
            std::printf(" %.2f s, CPU %.2f s (%.0f MB) |", t.seconds, t.cpu, double(t.bytes) / 1e6);
            std::fflush(stdout);
        }
        std::printf("\n");
    }

    // Eight backups of 10,000 records: one after the other, and as one folder.
    const QString fleet = dir.filePath(QStringLiteral("fleet"));
    const QByteArray log = makeLog(10000).toLatin1();
    double single = 0, singleCpu = 0;
    for (int i = 1; i <= 8; ++i) {
        const QString backup = fleet + QStringLiteral("/robot%1").arg(i);
        write(backup + QStringLiteral("/ROBOT.ERR"), log);
        const Timing t = run({QStringLiteral("--help-dir"), help, QStringLiteral("-o"), out, backup}, out, 3);
        single += t.seconds;
        singleCpu += t.cpu;
    }
    const Timing together = run({QStringLiteral("--help-dir"), help, QStringLiteral("-o"), out, fleet}, out, 3);
    std::printf("\n8 backups of 10,000 records, html: one at a time %.2f s (CPU %.2f s), as one folder %.2f s "
                "(CPU %.2f s), %.2fx, on %d cores\n",
                single, singleCpu, together.seconds, together.cpu, single / together.seconds, QThread::idealThreadCount());
    QFile loadavg(QStringLiteral("/proc/loadavg"));
    if (loadavg.open(QIODevice::ReadOnly))
        std::printf("load average: %s", loadavg.readAll().constData());
    return 0;
}
