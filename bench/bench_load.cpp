// Loading large logs as the user gets it, against the floor of filling the
// record table itself. Each measurement runs in a child process of its own so
// that its peak memory is its own.
//
//   bench_load find         only the finds
//   bench_load              runs every measurement for 1,000, 10,000 and
//                           100,000 records and prints a table
//   bench_load MODE N       one measurement (floor, load, select, sort,
//                           startup, bare, and the finds: findall,
//                           findallwarm, findnext, findnextagain, finditems);
//                           prints "ms peak_kib"
//
// The finds look for the code "E-0999", which the measurement writes into
// the code cell of every 100th record first (1,000 cells of 100,000).

#include "app/allocator.h"
#include "app/velloran.h"
#include "details/helpfilereader.h"
#include "details/helploading.h"
#include "log/logparser.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QListWidget>
#include <QMessageBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// A Lum/Luma error log: six position lines, signal lines, two parameters,
// about 500 distinct codes.
QString makeLog(int records)
{
    QString text;
    text.reserve(records * 700);
    text += QStringLiteral(
        "ERROR HISTORY FILE (ROBOT.ERR)\r\nRecord number\r\nError number, Parameter 1, Parameter 2\r\nDate Time\r\n"
        "Program number\r\nStep number\r\nFunction number\r\nPosition data\r\nSI(01-06) DIB(01-32) SO(01-06) DOB(01-32)\r\n");
    const QString pad = QStringLiteral("0");
    for (int i = 1; i <= records; ++i) {
        const int code = (i * 7919) % 500;
        text += QLatin1Char('#') + QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')) + QStringLiteral("\r\n");
        text += QStringLiteral("%1-%2,%3,%4\r\n").arg(code % 5 ? QStringLiteral("E") : QStringLiteral("W"))
                    .arg(100 + code, 4, 10, QLatin1Char('0')).arg(i % 6 + 1).arg(i % 4);
        const int day = 1 + (i / 4000) % 28, second = i % 86400;
        text += QStringLiteral("2026/11/%1 %2:%3:%4\r\n").arg(day, 2, 10, QLatin1Char('0'))
                    .arg(second / 3600, 2, 10, QLatin1Char('0')).arg(second / 60 % 60, 2, 10, QLatin1Char('0'))
                    .arg(second % 60, 2, 10, QLatin1Char('0'));
        text += QStringLiteral("%1\r\n%2\r\n%3\r\n").arg(i % 100, 3, 10, QLatin1Char('0')).arg(i % 900, 4, 10, QLatin1Char('0'))
                    .arg(i % 30, 4, 10, QLatin1Char('0'));
        for (int line = 0; line < 6; ++line)
            text += QStringLiteral("  %1,  %2,  %3\r\n").arg(line * 10.5 + (i % 100) * 0.25, 0, 'f', 3)
                        .arg(-12.5 * line, 0, 'f', 3).arg(90.0 - line, 0, 'f', 3);
        text += QStringLiteral("SI(01-06): [01 4F 00 %1 00 00]\r\n").arg(i % 256, 2, 16, QLatin1Char('0')).toUpper();
        for (int b = 0; b < 4; ++b)
            text += QStringLiteral("DIB(%1-%2): [03 00 F0 01 00 00 00 %3]\r\n").arg(b * 8 + 1, 2, 10, QLatin1Char('0'))
                        .arg(b * 8 + 8, 2, 10, QLatin1Char('0')).arg((i + b) % 256, 2, 16, QLatin1Char('0')).toUpper();
        text += QStringLiteral("SO(01-06): [11 02 07 00 00 00]\r\n");
        for (int b = 0; b < 4; ++b)
            text += QStringLiteral("DOB(%1-%2): [01 02 00 01 00 00 00 00]\r\n").arg(b * 8 + 1, 2, 10, QLatin1Char('0'))
                        .arg(b * 8 + 8, 2, 10, QLatin1Char('0'));
    }
    Q_UNUSED(pad);
    return text;
}

QString logPath(const QString &dir, int records, const QString &tag)
{
    const QString path = dir + QStringLiteral("/%1-%2/ROBOT.ERR").arg(records).arg(tag);
    if (!QFile::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(makeLog(records).toLatin1());
    }
    return path;
}

class CollectSink : public vlog::LogSink
{
public:
    void begin(int count) override { rows.reserve(size_t(count)); }
    void notice(vlog::Notice) override {}
    void row(int, const vlog::LogRow &row) override { rows.push_back(row); }
    std::vector<vlog::LogRow> rows;
};

// Closes the notices that a load shows (robots with more than eight axes).
class NoticeCloser : public QObject
{
public:
    NoticeCloser() { startTimer(1); }

protected:
    void timerEvent(QTimerEvent *) override
    {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    }
};

void loadInto(Velloran &window, const QString &path)
{
    window.clearAllViews();
    window.findChild<QLineEdit *>(QStringLiteral("file_add"))->setText(path);
    window.loadLog(path);
}

double measureFind(Velloran &window, const QString &mode, int records);

// The find dialog's match list.
QListWidget *findList()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("FindDialogClass"))
            return w->findChild<QListWidget *>(QStringLiteral("listWidget"));
    return nullptr;
}

int findListCount()
{
    const QListWidget *list = findList();
    return list ? list->count() : -1;
}

void clearFindList()
{
    if (QListWidget *list = findList())
        list->clear();
}

// One measurement; returns milliseconds.
double measure(const QString &mode, int records, const QString &dir)
{
    QElapsedTimer timer;
    if (mode == QLatin1String("floor")) {
        QFile f(logPath(dir, records, QStringLiteral("a")));
        f.open(QIODevice::ReadOnly);
        QTextStream in(&f);
        const QStringList chunks = in.readAll().split(QLatin1Char('#'));
        CollectSink sink;
        bool arcFlag = false;
        vlog::ArcLists arc;
        vlog::NoLookups lookups;
        vlog::parseLog(chunks, vlog::Family::Lum, false, lookups, arcFlag, arc, sink);
        QTableWidget table(0, vlog::kRecordColumns);
        timer.start();
        table.setRowCount(int(sink.rows.size()));
        for (int r = 0; r < int(sink.rows.size()); ++r)
            for (int c = 0; c < vlog::kRecordColumns; ++c)
                if (sink.rows[size_t(r)].has(c))
                    table.setItem(r, c, new QTableWidgetItem(sink.rows[size_t(r)].cells[size_t(c)]));
        return double(timer.nsecsElapsed()) / 1e6;
    }
    if (mode == QLatin1String("startup") || mode == QLatin1String("bare"))
        return 0;   // timed by the parent, from process start to exit

    NoticeCloser closer;
    Velloran window;
    loadHelpAndStopTables(&window);
    window.findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(vlog::English);
    // Help texts for every code of the generated logs.
    QStringList codes, messages, causes, remedies;
    for (int code = 100; code < 600; ++code) {
        codes << QStringLiteral("%1").arg(code, 4, 10, QLatin1Char('0'));
        messages << QStringLiteral("Axis %d servo fault %1 (detail %d)").arg(code);
        causes << QStringLiteral("cause");
        remedies << QStringLiteral("remedy");
    }
    window.helpDatabase().lumErrors[vlog::English].assign(codes, messages, causes, remedies);
    window.helpDatabase().lumWarnings[vlog::English].assign(codes, messages, causes, remedies);
    loadInto(window, logPath(dir, records, QStringLiteral("b")));
    const QString path = logPath(dir, records, QStringLiteral("a"));
    if (mode == QLatin1String("load")) {
        timer.start();
        loadInto(window, path);
        return double(timer.nsecsElapsed()) / 1e6;
    }
    loadInto(window, path);
    if (mode == QLatin1String("select")) {
        const int rounds = 200;
        timer.start();
        for (int i = 0; i < rounds; ++i)
            window.OnRowSelect(int((qint64(i) * 7919) % records), 0);
        return double(timer.nsecsElapsed()) / 1e6 / rounds;
    }
    if (mode == QLatin1String("stats")) {
        timer.start();
        window.countCodes(records);
        return double(timer.nsecsElapsed()) / 1e6;
    }
    if (mode == QLatin1String("sort")) {
        timer.start();
        window.sectionClicked(1);
        return double(timer.nsecsElapsed()) / 1e6;
    }
    return measureFind(window, mode, records);
}

// The finds, on a loaded table. "warm" and "again" run an earlier search
// first (another text, resp. the same text), as a user who searched before.
double measureFind(Velloran &window, const QString &mode, int records)
{
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    for (int row = 0; row < records; row += 100)
        table->setItem(row, 1, new QTableWidgetItem(QStringLiteral("E-0999")));
    const QString code = QStringLiteral("E-0999");
    QElapsedTimer timer;
    if (mode == QLatin1String("findall") || mode == QLatin1String("findallwarm")) {
        if (mode == QLatin1String("findallwarm")) {
            // "All" empties the list before it searches.
            window.findAll(QStringLiteral("W-0100"));
            clearFindList();
        }
        timer.start();
        window.findAll(code);
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        return findListCount() == records / 100 ? ms : -1;
    }
    if (mode == QLatin1String("findnext")) {
        timer.start();
        window.findNext(code);
        return static_cast<double>(timer.nsecsElapsed()) / 1e6;
    }
    if (mode == QLatin1String("findnextagain")) {
        window.findNext(code);
        const int rounds = 200;
        timer.start();
        for (int i = 0; i < rounds; ++i)
            window.findNext(code);
        return static_cast<double>(timer.nsecsElapsed()) / 1e6 / rounds;
    }
    if (mode == QLatin1String("finditems")) {
        timer.start();
        const int found = table->findItems(code, Qt::MatchContains).size();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        return found == records / 100 ? ms : -1;
    }
    return -1;
}

struct Result
{
    double ms = 0;
    long peak = 0;
};

Result runChild(const QString &mode, int records, const QString &dir)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    QElapsedTimer wall;
    wall.start();
    child.start(QCoreApplication::applicationFilePath(), {mode, QString::number(records), dir});
    child.waitForFinished(-1);
    const double wallMs = double(wall.nsecsElapsed()) / 1e6;
    const QList<QByteArray> out = child.readAllStandardOutput().trimmed().split(' ');
    Result r;
    r.ms = (mode == QLatin1String("startup") || mode == QLatin1String("bare")) ? wallMs : out.value(0).toDouble();
    r.peak = out.value(1).toLong();
    return r;
}

Result median(const QString &mode, int records, const QString &dir, int runs)
{
    QVector<Result> results;
    for (int i = 0; i < runs; ++i)
        results << runChild(mode, records, dir);
    std::sort(results.begin(), results.end(), [](const Result &a, const Result &b) { return a.ms < b.ms; });
    Result m = results.at(results.size() / 2);
    for (const Result &r : results)
        m.peak = std::max(m.peak, r.peak);
    return m;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 4) {
        // Every measurement runs with the allocator set up as the program has it.
        tuneAllocator();
        const QString mode = QString::fromLatin1(argv[1]);
        if (mode == QLatin1String("bare")) {
            QApplication app(argc, argv);
            QWidget w;
            w.resize(1181, 790);
            w.show();
            QApplication::processEvents();
            return 0;
        }
        if (mode == QLatin1String("startup")) {
            QApplication app(argc, argv);
            auto *window = new Velloran();
            loadHelpAndStopTables(window);
            window->show();
            QApplication::processEvents();
            delete window;
            return 0;
        }
        QApplication app(argc, argv);
        const double ms = measure(mode, QString::fromLatin1(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]));
        std::printf("%.3f %ld\n", ms, peakKiB());
        return 0;
    }

    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const int runs = 5;
    // "bench_load find": only the finds.
    const bool onlyFind = argc == 2 && QByteArray(argv[1]) == "find";
    if (!onlyFind)
        std::printf("%-8s %10s %10s %7s %11s %11s %7s %10s %10s %10s\n", "records", "floor ms", "load ms", "ratio",
                    "floor KiB", "load KiB", "ratio", "stats ms", "select ms", "sort ms");
    for (int records : {1000, 10000, 100000}) {
        if (onlyFind)
            break;
        const Result floor = median(QStringLiteral("floor"), records, dir.path(), runs);
        const Result load = median(QStringLiteral("load"), records, dir.path(), runs);
        const Result stats = median(QStringLiteral("stats"), records, dir.path(), 3);
        const Result select = median(QStringLiteral("select"), records, dir.path(), 3);
        const Result sort = median(QStringLiteral("sort"), records, dir.path(), 3);
        std::printf("%-8d %10.1f %10.1f %7.2f %11ld %11ld %7.2f %10.2f %10.3f %10.1f\n", records, floor.ms, load.ms,
                    load.ms / floor.ms, floor.peak, load.peak, double(load.peak) / double(floor.peak), stats.ms,
                    select.ms, sort.ms);
        std::fflush(stdout);
    }
    std::printf("\nfind of a code in 1 record of 100:\n%-8s %14s %14s %14s %14s %16s\n", "records", "all, first ms",
                "all, later ms", "next, first ms", "next, again ms", "findItems ms");
    for (int records : {1000, 10000, 100000}) {
        std::printf("%-8d", records);
        for (const char *mode : {"findall", "findallwarm", "findnext", "findnextagain", "finditems"})
            std::printf(" %14.3f", median(QString::fromLatin1(mode), records, dir.path(), 3).ms);
        std::printf("\n");
        std::fflush(stdout);
    }
    if (onlyFind)
        return 0;
    const Result bare = median(QStringLiteral("bare"), 0, dir.path(), 9);
    const Result startup = median(QStringLiteral("startup"), 0, dir.path(), 9);
    std::printf("start-up: bare widget %.1f ms, Velloran with help files %.1f ms, ratio %.2f\n", bare.ms, startup.ms,
                startup.ms / bare.ms);
    return 0;
}
