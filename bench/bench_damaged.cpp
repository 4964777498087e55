// What a damaged file costs: 100 MB of random bytes (or another size given in
// MB) under the name of each file the window reads, beside a sound log. Each
// load runs in a child process of its own so that its peak memory is its own.
//
//   bench_damaged [MB]        prints one row per file: load time, peak
//                             memory, and the memory beyond an idle window
//                             against the file's size
//   bench_damaged NAME DIR    one load of DIR/ROBOT.ERR; prints
//                             "ms peak_kib rows"

#include "app/allocator.h"
#include "bench/benchsupport.h"
#include "app/velloran.h"
#include "details/helploading.h"
#include "log/logparser.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <random>

namespace {



const char kSoundLog[] = "ERROR HISTORY FILE (ROBOT.ERR)\r\n#0001\r\nE-0015,0,0\r\n2026/10/08 07:42:23\r\n0003\r\n0019\r\n";

class RowCounter : public vlog::LogSink
{
public:
    void begin(int) override {}
    void notice(vlog::Notice) override {}
    void row(int, const vlog::LogRow &row) override { rows.push_back(row); }
    std::vector<vlog::LogRow> rows;
};

// In a child: the window loading the log of the folder ("idle": only the
// window; "floor": a bare table filled with the cells of the folder's log).
int child(const QString &name, const QString &dir)
{
    tuneAllocator();
    const QString log = dir + QStringLiteral("/ROBOT.ERR");
    QElapsedTimer timer;
    if (name == QLatin1String("floor")) {
        QFile file(log);
        file.open(QIODevice::ReadOnly);
        QTextStream in(&file);
        RowCounter sink;
        {
            const QStringList chunks = in.readAll().split(QLatin1Char('#'));
            bool arc = false;
            vlog::ArcLists arcLists;
            vlog::NoLookups lookups;
            vlog::parseLog(chunks, vlog::Family::Lum, false, lookups, arc, arcLists, sink);
        }
        QTableWidget table(0, vlog::kRecordColumns);
        timer.start();
        table.setRowCount(int(sink.rows.size()));
        for (int r = 0; r < int(sink.rows.size()); ++r)
            for (int c = 0; c < vlog::kRecordColumns; ++c)
                if (sink.rows[size_t(r)].has(c))
                    table.setItem(r, c, new QTableWidgetItem(sink.rows[size_t(r)].cells[size_t(c)]));
        std::printf("%.1f %ld %d\n", double(timer.nsecsElapsed()) / 1e6, peakKiB(), table.rowCount());
        return 0;
    }
    NoticeCloser closer;
    Velloran window;
    loadHelpAndStopTables(&window);
    window.show();
    QApplication::processEvents();
    timer.start();
    if (name != QLatin1String("idle")) {
        window.clearAllViews();
        window.findChild<QLineEdit *>(QStringLiteral("file_add"))->setText(log);
        window.loadLog(log);
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("%.1f %ld %d\n", ms, peakKiB(), window.findChild<QTableWidget *>(QStringLiteral("tableWidget"))->rowCount());
    return 0;
}

struct Result
{
    double ms = 0;
    long peak = 0;
    int rows = 0;
};

Result run(const QString &name, const QString &dir)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationFilePath(), {name, dir});
    process.waitForFinished(-1);
    const QList<QByteArray> out = process.readAllStandardOutput().trimmed().split(' ');
    return Result{out.value(0).toDouble(), out.value(1).toLong(), out.value(2).toInt()};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3) {
        QApplication app(argc, argv);
        return child(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    const qint64 mb = argc == 2 ? QByteArray(argv[1]).toLongLong() : 100;
    QTemporaryDir tmp;
    const QString random = tmp.filePath(QStringLiteral("random.bin"));
    {
        QFile file(random);
        file.open(QIODevice::WriteOnly);
        std::mt19937_64 bits(20261206);
        QByteArray block(1 << 20, '\0');
        for (qint64 i = 0; i < mb; ++i) {
            for (int j = 0; j < block.size(); j += 8) {
                const quint64 v = bits();
                std::memcpy(block.data() + j, &v, 8);
            }
            file.write(block);
        }
    }
    const double size = double(mb) * 1024;
    const Result idle = run(QStringLiteral("idle"), tmp.path());
    std::printf("random bytes: %lld MB; idle window %ld KiB\n%-12s %10s %12s %14s %8s %9s\n", mb, idle.peak, "file",
                "load ms", "peak KiB", "beyond idle", "x file", "rows");
    for (const char *name : {"ROBOT.ERR", "ROBOT.INF", "ROBOT.MCH", "ROBOT.CON", "ROBOT.OPR"}) {
        const QString dir = tmp.filePath(QString::fromLatin1(name).toLower());
        QDir().mkpath(dir);
        if (QLatin1String(name) != QLatin1String("ROBOT.ERR")) {
            QFile log(dir + QStringLiteral("/ROBOT.ERR"));
            log.open(QIODevice::WriteOnly);
            log.write(kSoundLog);
        }
        QFile::link(random, dir + QLatin1Char('/') + QLatin1String(name));
        const Result r = run(QStringLiteral("load"), dir);
        std::printf("%-12s %10.0f %12ld %14ld %8.2f %9d\n", name, r.ms, r.peak, r.peak - idle.peak,
                    double(r.peak - idle.peak) / size, r.rows);
        std::fflush(stdout);
        if (QLatin1String(name) == QLatin1String("ROBOT.ERR")) {
            const Result floor = run(QStringLiteral("floor"), dir);
            std::printf("%-12s %10.0f %12ld %14s %8s %9d  (a bare table of the same cells)\n", "  floor", floor.ms,
                        floor.peak, "", "", floor.rows);
        }
    }
    return 0;
}
