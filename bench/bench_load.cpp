// Loading large logs as the user gets it, against the floor of filling the
// record table itself, on two kinds of generated Lum/Luma error log: one whose
// cells repeat from record to record, and one whose positions, signal bytes,
// arc and analog values are drawn afresh for each record. Each measurement
// runs in a child process of its own so that its peak memory is its own.
//
//   bench_load                  every figure for both kinds and 1,000, 10,000
//                               and 100,000 records, the finds, and the
//                               start-up check; exits with 1 when start-up
//                               became more than 20% slower than its baseline
//   bench_load KIND [N]         one kind ("repeating" or "fresh"), every size
//                               or only N records
//   bench_load find             only the finds
//   bench_load startup          only the start-up check
//   bench_load record-startup   measures start-up and records it as the
//                               baseline (bench/startup_baseline.txt)
//
// The floor is measured in the process of the load, after it: a fresh bare
// QTableWidget filled with the loaded table's cells (texts copied beforehand,
// row count set first, tall rows set), three times, the fastest kept. The load
// is measured after a previous log of the same size, so that clearing it is
// part of the load. Peak memory of the load counts from its start; the
// floor's is that of a process holding only the cells and the bare table.
//
// The finds look for the code "E-0999", which the measurement writes into
// the code cell of every 100th record first (1,000 cells of 100,000).

#include "app/allocator.h"
#include "bench/benchsupport.h"
#include "app/velloran.h"
#include "details/helpfilereader.h"
#include "details/helploading.h"
#include "log/logfile.h"
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
#include <QHeaderView>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include <sys/resource.h>

namespace {



// Logs whose cells rarely repeat: positions, signal bytes, arc and analog
// values drawn afresh for each record, an arc block on every third record,
// 500 codes. About 720 bytes a record, as a busy controller writes them.
QByteArray makeFreshLog(int records, unsigned seed)
{
    std::mt19937 random(seed);
    auto below = [&](int n) { return int(random() % unsigned(n)); };
    auto value = [&](double lo, double hi) { return lo + (hi - lo) * double(random()) / double(random.max()); };
    std::string text;
    text.reserve(size_t(records) * 740);
    text += "ERROR HISTORY FILE (ROBOT.ERR)\r\nRecord number\r\nError number, Parameter 1, Parameter 2\r\n"
            "Date Time\r\nProgram number\r\nStep number\r\nFunction number\r\nPosition data\r\n"
            "SI(01-06) DIB(01-32) SO(01-06) DOB(01-32)\r\n";
    char line[160];
    auto add = [&](int n) { text.append(line, size_t(std::clamp(n, 0, int(sizeof line) - 1))); };
    auto bytes = [&](const char *label, int count) {
        add(std::snprintf(line, sizeof line, "%s: [", label));
        for (int b = 0; b < count; ++b)
            add(std::snprintf(line, sizeof line, b ? " %02X" : "%02X", below(256)));
        text += "]\r\n";
    };
    static const char *const inputs[] = {"DIB(01-08)", "DIB(09-16)", "DIB(17-24)", "DIB(25-32)"};
    static const char *const outputs[] = {"DOB(01-08)", "DOB(09-16)", "DOB(17-24)", "DOB(25-32)"};
    for (int i = 1; i <= records; ++i) {
        const int code = below(500);
        add(std::snprintf(line, sizeof line, "#%06d\r\n%c-%04d,%d,%d\r\n", i, code % 5 ? 'E' : 'W', 100 + code,
                          below(16), below(8)));
        add(std::snprintf(line, sizeof line, "2026/%02d/%02d %02d:%02d:%02d\r\n%03d\r\n%04d\r\n%04d\r\n",
                          1 + below(12), 1 + below(28), below(24), below(60), below(60), below(1000), below(10000),
                          below(100)));
        for (int p = 0; p < 6; ++p)
            add(std::snprintf(line, sizeof line, "  %.3f,  %.3f,  %.3f\r\n", value(-180, 180), value(-180, 180),
                              value(-180, 180)));
        bytes("SI(01-06)", 6);
        for (const char *label : inputs)
            bytes(label, 8);
        if (i % 3 == 0) {
            add(std::snprintf(line, sizeof line,
                              "ArcI(01-08): WCR=%d,ShockSensor=%d,WireStick=%d,\r\nWelderError=%d,WireState=%d,"
                              "GasState=%d, Res=0,Res=0\r\n",
                              below(2), below(2), below(2), below(2), below(2), below(2)));
            add(std::snprintf(line, sizeof line, "AI(01-04): %.1fV %.1fV %.1fV %.1fV\r\nAI(05-08): %.1fV %.1fV %.1fV %.1fV\r\n",
                              value(0, 40), value(0, 10), value(0, 10), value(0, 10), value(0, 10), value(0, 10),
                              value(0, 10), value(0, 10)));
            add(std::snprintf(line, sizeof line,
                              "ArcO(01-08): TorchSW=%d,Inching=%d,Retract=%d,\r\nStickChk=%d,GasCheck=%d,Res=0,"
                              "Res=0,Res =0\r\n",
                              below(2), below(2), below(2), below(2), below(2)));
            add(std::snprintf(line, sizeof line, "AO(01-04): %.1fV %.1fA %.1fV %.1fV\r\nAO(05-08): %.1fV %.1fV %.1fV %.1fV\r\n",
                              value(0, 40), value(0, 400), value(0, 10), value(0, 10), value(0, 10), value(0, 10),
                              value(0, 10), value(0, 10)));
        }
        bytes("SO(01-06)", 6);
        for (const char *label : outputs)
            bytes(label, 8);
    }
    return QByteArray(text.data(), int(text.size()));
}

// The two kinds of generated log.
enum class Kind { Repeating, Fresh };
const char *kindName(Kind kind) { return kind == Kind::Fresh ? "fresh" : "repeating"; }
Kind kindOf(const QString &name) { return name == QLatin1String("fresh") ? Kind::Fresh : Kind::Repeating; }

// Tag "a" is the log measured, tag "b" the one loaded before it.
QString logPath(const QString &dir, Kind kind, int records, const QString &tag)
{
    const QString path = dir + QStringLiteral("/%1-%2-%3/ROBOT.ERR").arg(records).arg(QLatin1String(kindName(kind)), tag);
    if (!QFile::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(kind == Kind::Fresh ? makeFreshLog(records, tag == QLatin1String("a") ? 1u : 2u)
                                    : makeLog(records).toLatin1());
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

// "All" empties the match list before each search.
void clearFindList()
{
    if (QListWidget *list = findList())
        list->clear();
}

// Processor time of this process so far (user and system), in milliseconds.
double processorMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Peak memory is measured from here on: the high-water mark becomes the
// resident size of now.
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// A window as the user has it, shown, with help texts for every code of the
// generated logs.
void setUpWindow(Velloran &window)
{
    loadHelpAndStopTables(&window);
    window.findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(vlog::English);
    QStringList codes, messages, causes, remedies;
    for (int code = 100; code < 600; ++code) {
        codes << QStringLiteral("%1").arg(code, 4, 10, QLatin1Char('0'));
        messages << QStringLiteral("Axis %d servo fault %1 (detail %d)").arg(code);
        causes << QStringLiteral("cause");
        remedies << QStringLiteral("remedy");
    }
    window.helpDatabase().lumErrors[vlog::English].assign(codes, messages, causes, remedies);
    window.helpDatabase().lumWarnings[vlog::English].assign(codes, messages, causes, remedies);
    window.resize(1181, 790);
    window.show();
    QApplication::processEvents();
}

// The cells of a table, copied out of it, and its tall rows.
struct TableCells
{
    int rows = 0;
    QVector<QString> texts;
    std::vector<bool> present;
    QVector<int> tallRows;
};

TableCells cellsOf(const QTableWidget &table)
{
    TableCells cells;
    cells.rows = table.rowCount();
    cells.texts.resize(cells.rows * vlog::kRecordColumns);
    cells.present.resize(size_t(cells.texts.size()));
    for (int r = 0; r < cells.rows; ++r) {
        for (int c = 0; c < vlog::kRecordColumns; ++c) {
            if (const QTableWidgetItem *item = table.item(r, c)) {
                cells.texts[r * vlog::kRecordColumns + c] = item->text();
                cells.present[size_t(r * vlog::kRecordColumns + c)] = true;
            }
        }
        if (table.rowHeight(r) == vlog::kEightAxesRowHeight)
            cells.tallRows << r;
    }
    return cells;
}

// Fills a bare table with the cells: row count set first, then the items,
// then the tall rows, set the cheap way: while the header is not updated, a
// row's new height costs the same in a table of any length (otherwise each
// one measures every row again).
void fillBare(QTableWidget &table, const TableCells &cells)
{
    table.setRowCount(cells.rows);
    for (int r = 0; r < cells.rows; ++r)
        for (int c = 0; c < vlog::kRecordColumns; ++c)
            if (cells.present[size_t(r * vlog::kRecordColumns + c)])
                table.setItem(r, c, new QTableWidgetItem(cells.texts.at(r * vlog::kRecordColumns + c)));
    table.verticalHeader()->setUpdatesEnabled(false);
    for (int r : cells.tallRows)
        table.setRowHeight(r, vlog::kEightAxesRowHeight);
    table.verticalHeader()->setUpdatesEnabled(true);
}

// The floor: a fresh bare table filled with the cells. Returns milliseconds;
// the table is deleted afterwards.
double fillFloor(const TableCells &cells)
{
    auto table = std::make_unique<QTableWidget>(0, vlog::kRecordColumns);
    QElapsedTimer timer;
    timer.start();
    fillBare(*table, cells);
    return double(timer.nsecsElapsed()) / 1e6;
}

// Mouse clicks on the rows in view of the record table, each from the press
// to the release handled; the mean in milliseconds, -1 when a click did not
// select its row.
double clickRows(QTableWidget *table)
{
    QWidget *viewport = table->viewport();
    const int inView = std::max(1, table->rowAt(viewport->height() - 1));
    const int clicks = 60;
    double total = 0;
    QElapsedTimer timer;
    for (int i = 0; i < clicks; ++i) {
        const int row = (i * 7) % inView;
        const QPoint at = table->visualRect(table->model()->index(row, vlog::ColCode)).center();
        timer.start();
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
        total += double(timer.nsecsElapsed()) / 1e6;
        if (table->currentRow() != row)
            return -1;
        QApplication::processEvents();   // painting, outside the measure
    }
    return total / clicks;
}

// A mouse click on a header section of the record table, in milliseconds.
double clickHeader(QTableWidget *table, int column)
{
    QHeaderView *header = table->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    return header->sortIndicatorSection() == column ? ms : -1;
}

// The figures of one run of a kind of log and a size.
struct Figures
{
    double load = 0, floor = 0, stats = 0, select = 0, click = 0, sort = 0;
    long loadPeak = 0, floorPeak = 0;
};

// In one process: a previous log of the same size, then the load measured
// with its peak memory, the statistics, row selection by the slot and by
// mouse clicks, a click on the "Code" header, and last the floor (fastest of
// three fills).
Figures measureRun(Kind kind, int records, const QString &dir)
{
    Figures f;
    QElapsedTimer timer;
    NoticeCloser closer;
    Velloran window;
    setUpWindow(window);
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    loadInto(window, logPath(dir, kind, records, QStringLiteral("b")));
    QApplication::processEvents();
    const QString path = logPath(dir, kind, records, QStringLiteral("a"));
    resetPeak();
    timer.start();
    loadInto(window, path);
    f.load = double(timer.nsecsElapsed()) / 1e6;
    f.loadPeak = peakKiB();
    QApplication::processEvents();
    const TableCells cells = cellsOf(*table);

    timer.start();
    window.countCodes(records);
    f.stats = double(timer.nsecsElapsed()) / 1e6;

    const int rounds = 200;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        window.OnRowSelect(int((qint64(i) * 7919) % records), 0);
    f.select = double(timer.nsecsElapsed()) / 1e6 / rounds;

    f.click = clickRows(table);
    f.sort = clickHeader(table, vlog::ColCode);
    QApplication::processEvents();

    f.floor = fillFloor(cells);
    for (int i = 0; i < 2; ++i)
        f.floor = std::min(f.floor, fillFloor(cells));
    return f;
}

// The floor's peak memory, in a process that holds only the cells of the log
// (parsed without a window) and then the bare table filled with them.
long measureFloorPeak(Kind kind, int records, const QString &dir)
{
    TableCells cells;
    {
        QFile file(logPath(dir, kind, records, QStringLiteral("a")));
        file.open(QIODevice::ReadOnly);
        const QString text = vlog::readLogText(file);
        CollectSink sink;
        bool arcFlag = false;
        vlog::ArcLists arc;
        vlog::NoLookups lookups;
        vlog::parseLog(text.splitRef(QLatin1Char('#')), vlog::Family::Lum, false, lookups, arcFlag, arc, sink);
        cells.rows = int(sink.rows.size());
        cells.texts.resize(cells.rows * vlog::kRecordColumns);
        cells.present.resize(size_t(cells.texts.size()));
        for (int r = 0; r < cells.rows; ++r) {
            const vlog::LogRow &row = sink.rows[size_t(r)];
            for (int c = 0; c < vlog::kRecordColumns; ++c) {
                cells.present[size_t(r * vlog::kRecordColumns + c)] = row.has(c);
                cells.texts[r * vlog::kRecordColumns + c] = row.text(c);
            }
            if (row.eightAxes)
                cells.tallRows << r;
        }
    }
    resetPeak();
    QTableWidget table(0, vlog::kRecordColumns);
    fillBare(table, cells);
    return peakKiB();
}

// The finds, on a loaded table of the repeating kind; milliseconds.
double measureFinds(const QString &mode, int records, const QString &dir)
{
    NoticeCloser closer;
    Velloran window;
    setUpWindow(window);
    loadInto(window, logPath(dir, Kind::Repeating, records, QStringLiteral("a")));
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
            // Another search first; "All" empties the list before it searches.
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

// Runs this program again with `arguments` and returns the numbers it prints.
QVector<double> runChild(const QStringList &arguments)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    QVector<double> numbers;
    for (const QByteArray &word : child.readAllStandardOutput().simplified().split(' '))
        numbers << word.toDouble();
    return numbers;
}

double medianOf(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// The processor time of a child from its start to its shown window, in
// milliseconds: the fastest of `runs`. Processor time, unlike the time on the
// clock, hardly grows when other work shares the machine.
double fastestStart(const QString &mode, const QString &dir, int runs)
{
    QVector<double> times;
    for (int i = 0; i < runs; ++i)
        times << runChild({mode, QStringLiteral("repeating"), QStringLiteral("0"), dir}).value(0);
    return *std::min_element(times.begin(), times.end());
}

// Every figure of one kind of log, median of three runs; each ratio is taken
// within one run first.
void printKind(Kind kind, const QList<int> &sizes, const QString &dir)
{
    std::printf("\n%s log:\n%-8s %9s %9s %6s %10s %10s %6s %8s %9s %9s %9s %6s\n", kindName(kind), "records",
                "floor ms", "load ms", "ratio", "floor KiB", "load KiB", "ratio", "stats ms", "select ms", "click ms",
                "sort ms", "ratio");
    const QString name = QLatin1String(kindName(kind));
    for (int records : sizes) {
        QVector<double> floor, load, loadRatio, floorPeak, loadPeak, stats, select, click, sort, sortRatio;
        for (int run = 0; run < 3; ++run) {
            const QVector<double> r = runChild({QStringLiteral("run"), name, QString::number(records), dir});
            const QVector<double> p = runChild({QStringLiteral("floorpeak"), name, QString::number(records), dir});
            if (r.size() < 7 || p.size() < 1)
                continue;
            load << r.at(0);
            floor << r.at(1);
            loadRatio << r.at(0) / r.at(1);
            loadPeak << r.at(2);
            stats << r.at(3);
            select << r.at(4);
            click << r.at(5);
            sort << r.at(6);
            sortRatio << r.at(6) / r.at(1);
            floorPeak << p.at(0);
        }
        const double fp = medianOf(floorPeak), lp = medianOf(loadPeak);
        std::printf("%-8d %9.1f %9.1f %6.2f %10.0f %10.0f %6.2f %8.2f %9.3f %9.3f %9.1f %6.2f\n", records,
                    medianOf(floor), medianOf(load), medianOf(loadRatio), fp, lp, fp > 0 ? lp / fp : 0.0,
                    medianOf(stats), medianOf(select), medianOf(click), medianOf(sort), medianOf(sortRatio));
        std::fflush(stdout);
    }
}

void printFinds(const QString &dir)
{
    std::printf("\nfind of a code in 1 record of 100:\n%-8s %14s %14s %14s %14s %16s\n", "records", "all, first ms",
                "all, later ms", "next, first ms", "next, again ms", "findItems ms");
    for (int records : {1000, 10000, 100000}) {
        std::printf("%-8d", records);
        for (const char *mode : {"findall", "findallwarm", "findnext", "findnextagain", "finditems"}) {
            QVector<double> times;
            for (int run = 0; run < 3; ++run)
                times << runChild({QLatin1String(mode), QStringLiteral("repeating"), QString::number(records), dir})
                             .value(0);
            std::printf(" %14.3f", medianOf(times));
        }
        std::printf("\n");
        std::fflush(stdout);
    }
}

// Start-up to the shown window against a bare widget program, as a ratio of
// the two measured now; compared with the ratio recorded in the baseline file.
// Returns false, loudly, when start-up became more than 20% slower.
bool checkStartup(const QString &dir, bool record)
{
    const double bare = fastestStart(QStringLiteral("bare"), dir, 15);
    const double startup = fastestStart(QStringLiteral("startup"), dir, 15);
    const double ratio = startup / bare;
    std::printf("\nstart-up (processor time to the shown window): bare widget %.1f ms, Velloran with help files %.1f ms, ratio %.2f\n", bare, startup, ratio);
    QFile file(QStringLiteral(VELLORAN_STARTUP_BASELINE));
    if (record) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        file.write(QByteArray::number(ratio, 'f', 2) + "\n");
        std::printf("recorded as the baseline in %s\n", VELLORAN_STARTUP_BASELINE);
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no start-up baseline in %s (bench_load record-startup writes it)\n",
                     VELLORAN_STARTUP_BASELINE);
        return false;
    }
    const double baseline = file.readLine().trimmed().toDouble();
    std::printf("baseline ratio %.2f, limit %.2f\n", baseline, baseline * 1.2);
    if (baseline > 0 && ratio > baseline * 1.2) {
        std::fprintf(stderr, "\n*** START-UP IS SLOWER: ratio %.2f against the baseline %.2f (limit %.2f) ***\n\n",
                     ratio, baseline, baseline * 1.2);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 5) {
        // Every measurement runs with the allocator set up as the program has it.
        tuneAllocator();
        const QString mode = QString::fromLatin1(argv[1]);
        const Kind kind = kindOf(QString::fromLatin1(argv[2]));
        const int records = QString::fromLatin1(argv[3]).toInt();
        const QString dir = QString::fromLocal8Bit(argv[4]);
        QApplication app(argc, argv);
        if (mode == QLatin1String("bare")) {
            QWidget w;
            w.resize(1181, 790);
            w.show();
            QApplication::processEvents();
            std::printf("%.3f\n", processorMs());
            return 0;
        }
        if (mode == QLatin1String("startup")) {
            auto *window = new Velloran();
            loadHelpAndStopTables(window);
            window->show();
            QApplication::processEvents();
            std::printf("%.3f\n", processorMs());
            delete window;
            return 0;
        }
        if (mode == QLatin1String("run")) {
            const Figures f = measureRun(kind, records, dir);
            std::printf("%.3f %.3f %ld %.3f %.4f %.4f %.3f\n", f.load, f.floor, f.loadPeak, f.stats, f.select, f.click,
                        f.sort);
            return 0;
        }
        if (mode == QLatin1String("floorpeak")) {
            std::printf("%ld\n", measureFloorPeak(kind, records, dir));
            return 0;
        }
        std::printf("%.3f\n", measureFinds(mode, records, dir));
        return 0;
    }

    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString what = argc >= 2 ? QString::fromLatin1(argv[1]) : QString();
    if (what == QLatin1String("find")) {
        printFinds(dir.path());
        return 0;
    }
    if (what == QLatin1String("startup") || what == QLatin1String("record-startup"))
        return checkStartup(dir.path(), what == QLatin1String("record-startup")) ? 0 : 1;
    QList<int> sizes = {1000, 10000, 100000};
    if (argc >= 3)
        sizes = {QString::fromLatin1(argv[2]).toInt()};
    for (Kind kind : {Kind::Repeating, Kind::Fresh})
        if (what.isEmpty() || what == QLatin1String(kindName(kind)))
            printKind(kind, sizes, dir.path());
    if (!what.isEmpty())
        return 0;
    printFinds(dir.path());
    return checkStartup(dir.path(), false) ? 0 : 1;
}
