// The main window as a user works it: opening and dropping logs, the
// file-name checks and notices, sorting, selecting rows with the mouse and the
// arrow keys, the Details group, the Error tab and box, the statistics, and
// the bundled samples.

#include "details/helpfilereader.h"
#include "details/helploading.h"
#include "support/fixture.h"
#include "support/logtext.h"

#include <QHeaderView>
#include <QMimeData>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace logtext;

namespace {

// Records "number code date time" (Kav ones without date and time).
QString records(const QString &header, const QStringList &list, bool kav = false)
{
    QStringList texts;
    for (const QString &r : list) {
        const QStringList p = r.split(QLatin1Char(' '));
        texts << (kav ? kavRecord(p.at(0), p.at(1), {"1,2,3", "4,5,6"})
                      : lumRecord(p.at(0), p.at(1), {"1.5, 2.5, 3.5", "4.5, 5.5, 6.5"}, lumSignals(),
                                  p.value(2) + QLatin1Char(' ') + p.value(3)));
    }
    return list.isEmpty() ? header : log(header, texts);
}

QString numbered(int count, const QStringList &positions = sixAxes(), const QStringList &signalLines = lumSignals())
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list << lumRecord(QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("E-0120,%1,2").arg(i % 6 + 1), positions,
                          signalLines);
    return log(lumErrorHeader(), list);
}

int itemCount(QTableWidget *t)
{
    int n = 0;
    for (int r = 0; r < t->rowCount(); ++r)
        for (int c = 0; c < t->columnCount(); ++c)
            n += t->item(r, c) != nullptr;
    return n;
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { f.reset(new Fixture); f->choose(vlog::English); f->watcher.seen.clear(); }
    void cleanup() { f.reset(); }
    void droppedLogFillsTheTable();
    void fileNameChecks_data();
    void fileNameChecks();
    void openButtonAsksPerFamilyAndStartsAtTheLastLog();
    void noticesOncePerLoadInTheirOrder();
    void closingTheWindowClosesTheFindDialog();
    void sortingByHeaders();
    void sortingMatchesTheTablesOwnSorts_data();
    void sortingMatchesTheTablesOwnSorts();
    void rowSelectionAndArrowKeysFillTheDetails();
    void errorTabAndCodeBox();
    void statistics();
    void everySampleOpens_data();
    void everySampleOpens();

private:
    std::unique_ptr<Fixture> f;
};

void TestWindow::droppedLogFillsTheTable()
{
    const QString first = f->write(QStringLiteral("ROBOT.ERR"), numbered(7));
    const QString path = f->write(QStringLiteral("ROBOT.ERR"), numbered(3));
    f->open(QStringLiteral("ROBOT.ERR"), numbered(4, {"1,2,3", "4,5,6", "7,8,9", "10,11,12"}));   // tall rows
    f->drop({first, path});   // two logs: the second stays, with rows of the default height
    QCOMPARE(f->text("file_add"), path);
    QCOMPARE(f->table()->rowCount(), 3);
    QCOMPARE(f->row(2).mid(0, 4), (QStringList{"0003", "E-0120", "Axis 4 servo amplifier overcurrent", "4,2"}));
    QCOMPARE(f->cell(1, 9), QStringLiteral("123.456"));
    QCOMPARE(f->cell(1, 26), QStringLiteral("[34 00 00 00 00 00 00 00]"));
    QCOMPARE(itemCount(f->table()), 3 * 27);
    f->watcher.seen.clear();
    for (int r = 0; r < 3; ++r)
        QCOMPARE(f->table()->rowHeight(r), 30);
}

void TestWindow::fileNameChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("kav");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Lum log, Lum chosen") << "ROBOT.ERR" << false << QStringList();
    QTest::newRow("Lum stop log, Lum chosen") << "ROBOT.STP" << false << QStringList();
    QTest::newRow("Kav stop log, Kav chosen") << "ROBOT.S01" << true << QStringList();
    QTest::newRow("Lum log refused under Kav") << "ROBOT.ERR" << true << QStringList{"It's not a E01/S01 file.", "Select a Lum button."};
    QTest::newRow("Kav log refused under Lum") << "ROBOT.E01" << false << QStringList{"Select a Kav button.", "It's not a ERR/STP file."};
    QTest::newRow("lower case refused under Lum") << "robot.err" << false << QStringList{"It's not a ERR/STP file."};
    QTest::newRow("lower case refused under Kav") << "robot.e01" << true << QStringList{"It's not a E01/S01 file."};
    QTest::newRow("URL that is no local file refused") << "http://backup.example/ROBOT.ERR" << false
        << QStringList{"It's not a ERR/STP file."};
}

void TestWindow::fileNameChecks()
{
    QFETCH(QString, name);
    QFETCH(bool, kav);
    QFETCH(QStringList, messages);
    f->open(QStringLiteral("ROBOT.ERR"), numbered(4));
    f->setFamily(kav);
    f->drop({name.contains(QLatin1Char(':')) ? name : f->write(name, numbered(2))});
    QCOMPARE(f->watcher.messageTexts(), messages);
    for (const SeenDialog &d : f->watcher.seen)
        QVERIFY(d.title == QLatin1String("Velloran") && d.icon == QMessageBox::Warning);
    // A refused log leaves the rows of the old one, emptied.
    QCOMPARE(f->table()->rowCount(), messages.isEmpty() ? 2 : 4);
    QCOMPARE(f->cell(1, 0), messages.isEmpty() ? QStringLiteral("0002") : QStringLiteral("<none>"));
    QVERIFY(messages.isEmpty() || itemCount(f->table()) == 0);
}

void TestWindow::openButtonAsksPerFamilyAndStartsAtTheLastLog()
{
    const QString first = f->write(QStringLiteral("ROBOT.ERR"), numbered(2));
    f->watcher.fileAnswers << first << QString();
    f->w<QPushButton>("open_file")->click();
    QCOMPARE(f->table()->rowCount(), 2);
    f->setFamily(true);
    f->w<QPushButton>("open_file")->click();   // cancelled
    QCOMPARE(f->watcher.seen.size(), 2);
    QCOMPARE(f->watcher.seen.at(0).title, QStringLiteral("Open File Lum/Luma"));
    QCOMPARE(f->watcher.seen.at(0).nameFilters, (QStringList{"Lum/Luma Robot Error log files (*.ERR)",
                                                             "Lum/Luma Robot Stop log files(*.STP)", "All files(*.*)"}));
    QCOMPARE(f->watcher.seen.at(1).title, QStringLiteral("Open File Kav"));
    QCOMPARE(f->watcher.seen.at(1).text, QFileInfo(first).absolutePath());
    QCOMPARE(f->watcher.seen.at(1).nameFilters, (QStringList{"Kav Robot Error log files (*.E01)",
                                                             "Kav Robot Stop log files(*.S01)", "All files(*.*)"}));
    QVERIFY(f->text("file_add").isEmpty());
    QCOMPARE(itemCount(f->table()), 0);

    // A stop log opened right after the start is read as stops.
    f->setFamily(false);
    f->watcher.fileAnswers << f->write(QStringLiteral("ROBOT.STP"), log(lumStopHeader(), {lumRecord("1", "S-10", sixAxes()),
                                                                                          lumRecord("2", "S-20", sixAxes())}));
    f->w<QPushButton>("open_file")->click();
    QCOMPARE(f->row(1).mid(1, 3), (QStringList{"S-20", "External Stop", "0"}));
    QCOMPARE(f->cell(0, 9), QStringLiteral("123.456"));
}

void TestWindow::noticesOncePerLoadInTheirOrder()
{
    QStringList arcSignals = lumSignals().mid(0, 5);
    arcSignals << arcBlock() << lumSignals().mid(5);
    const QString path = f->write(QStringLiteral("ROBOT.ERR"), numbered(3, {"1,2,3", "4,5,6", "7,8,9", "10,11,12"}, arcSignals));
    f->drop({path, path});
    QCOMPARE(f->watcher.messageTexts(), (QStringList{kArcNotice, kEightAxesNotice, kArcNotice, kEightAxesNotice}));
    // The wait cursor of the load gives way to the arrow while a notice waits, and goes with the load.
    for (const SeenDialog &notice : qAsConst(f->watcher.seen))
        QCOMPARE(notice.cursor, int(Qt::ArrowCursor));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(f->watcher.seen.at(0).icon, QMessageBox::Warning);
    QCOMPARE(f->watcher.seen.at(1).icon, QMessageBox::Information);
    QCOMPARE(f->cell(2, 9), QStringLiteral("1\n9"));
    QCOMPARE(f->table()->rowHeight(2), 40);

    QStringList odd = lumSignals().mid(0, 5);
    odd << QStringLiteral("Weld(01-08): [00]") << lumSignals().mid(5);
    f->watcher.seen.clear();
    f->open(QStringLiteral("ROBOT.ERR"), numbered(2, sixAxes(), odd));
    QCOMPARE(f->watcher.messageTexts(), QStringList{kUndefinedNotice});
    QCOMPARE(f->watcher.seen.at(0).icon, QMessageBox::Warning);
}

void TestWindow::closingTheWindowClosesTheFindDialog()
{
    QWidget *find = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        find = top->objectName() == QLatin1String("FindDialogClass") ? top : find;
    QVERIFY(find);
    auto *line = find->findChild<QLineEdit *>(QStringLiteral("lineEdit"));
    auto *list = find->findChild<QWidget *>(QStringLiteral("listWidget"));
    for (bool wholeWindow : {false, true}) {
        find->show();
        line->setText(QStringLiteral("E-0120"));
        list->show();
        QVERIFY(wholeWindow ? f->window.close() : find->close());
        QVERIFY(!find->isVisible() && line->text().isEmpty() && list->isHidden());
    }
}

void TestWindow::sortingByHeaders()
{
    f->open(QStringLiteral("ROBOT.ERR"), records(lumErrorHeader(), {"9 E-0120,1,0 2026/11/02 08:00:00", "10 E-0015,2,0 2026/11/03 07:00:00",
        "11 E-0120,3,0 2026/11/01 09:00:00", "12 E-0015,4,0 2026/11/01 10:00:00", "13 E-0120,5,0 2026/11/02 06:00:00"}));
    QHeaderView *header = f->table()->horizontalHeader();
    auto sortBy = [&](int c) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(c) + 5, 5));
        return f->column(0).join(QLatin1Char(' '));
    };
    QCOMPARE(sortBy(0), QStringLiteral("10 11 12 13 9"));   // numbers compare as text
    QCOMPARE(sortBy(0), QStringLiteral("9 13 12 11 10"));
    // Code, within one code date and time ascending; the second click turns the codes only.
    QCOMPARE(sortBy(1), QStringLiteral("12 10 11 13 9"));
    QCOMPARE(sortBy(1), QStringLiteral("11 13 9 12 10"));
    QCOMPARE(sortBy(4), QStringLiteral("11 12 13 9 10"));
    QCOMPARE(sortBy(5), QStringLiteral("10 9 13 12 11"));
    // Another column switches sorting off but still flips the direction.
    QCOMPARE(sortBy(0), QStringLiteral("10 11 12 13 9"));
    QCOMPARE(sortBy(2), QStringLiteral("10 11 12 13 9"));
    QVERIFY(!f->table()->isSortingEnabled());
    QCOMPARE(sortBy(0), QStringLiteral("10 11 12 13 9"));
    const int row = f->column(0).indexOf(QStringLiteral("12"));
    QCOMPARE(f->cell(row, 3) + f->cell(row, 5), QStringLiteral("4,010:00:00"));
    // Opening a log shows the file order again.
    f->open(QStringLiteral("ROBOT.ERR"), records(lumErrorHeader(), {"2 E-0120,1,0 2026/11/02 08:00:00",
                                                                    "1 E-0120,1,0 2026/11/01 08:00:00"}));
    QVERIFY(!f->table()->isSortingEnabled());
    QCOMPARE(f->column(0), (QStringList{"2", "1"}));
    // A cell replaced after the load sorts by its own text.
    f->table()->setItem(0, 0, new QTableWidgetItem(QStringLiteral("0")));
    QCOMPARE(sortBy(0), QStringLiteral("1 0"));
}

namespace {

// The record table's sorts as the table itself makes them: switching sorting
// on (which sorts by the header's sort indicator), then one stable sort per
// key, the last one deciding.
void tableSorts(QTableWidget *t, int column, bool &toggle)
{
    const Qt::SortOrder second = toggle ? Qt::DescendingOrder : Qt::AscendingOrder;
    toggle = !toggle;
    QVector<QPair<int, Qt::SortOrder>> sorts;
    if (column == 0)
        sorts = {{0, second}};
    else if (column == 1)
        sorts = {{5, Qt::AscendingOrder}, {4, Qt::AscendingOrder}, {1, second}};
    else if (column == 4 || column == 5)
        sorts = {{5, second}, {4, second}};
    if (sorts.isEmpty()) {
        t->setSortingEnabled(false);
        return;
    }
    t->setSortingEnabled(true);
    QObject::disconnect(t->horizontalHeader(), SIGNAL(sortIndicatorChanged(int,Qt::SortOrder)), t, nullptr);
    for (const auto &sort : sorts) {
        t->horizontalHeader()->setSortIndicator(sort.first, sort.second);
        t->sortItems(sort.first, sort.second);
    }
}

// Every cell of every row and the row's height.
QStringList tableState(const QTableWidget *t)
{
    QStringList rows;
    for (int r = 0; r < t->rowCount(); ++r) {
        QStringList cells{QString::number(t->rowHeight(r))};
        for (int c = 0; c < t->columnCount(); ++c)
            cells << (t->item(r, c) ? t->item(r, c)->text() : QStringLiteral("<none>"));
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QList<int> selectedRows(const QTableWidget *t)
{
    QList<int> rows;
    for (const QModelIndex &index : t->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void clickHeader(QTableWidget *t, int column)
{
    QHeaderView *header = t->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(column) + 5, 5));
}

} // namespace

void TestWindow::sortingMatchesTheTablesOwnSorts_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("dated");
    QTest::newRow("codes repeat, dates and times tie") << QStringList{"E-0120", "W-0101", "E-0015"} << int(vlog::English) << true;
    QTest::newRow("codes in mixed case") << QStringList{"E-0120", "e-0120", "W-0101", "w-0101", "E-0015"} << int(vlog::English)
                                         << true;
    QTest::newRow("Korean codes and messages") << QStringList{"E-0120", "가-0120", "나-0015", "W-0101", "e-0015"}
                                               << int(vlog::Korean) << true;
    QTest::newRow("Chinese codes and messages, no dates") << QStringList{"中-0120", "E-0120", "文-0015", "w-0101"}
                                                          << int(vlog::Chinese) << false;
}

void TestWindow::sortingMatchesTheTablesOwnSorts()
{
    QFETCH(QStringList, codes);
    QFETCH(int, language);
    QFETCH(bool, dated);
    f->choose(language);
    const QStringList dates{"2026/11/01 08:00:00", "2026/11/02 08:00:00", "2026/11/01 09:30:00", "2026/11/01 08:00:00"};
    QStringList list;
    for (int i = 0; i < 60; ++i) {
        // Numbers of two widths, some twice; tall rows here and there.
        const QStringList positions = i % 7 == 3 ? QStringList{"1,2,3", "4,5,6", "7,8,9"} : sixAxes();
        list << lumRecord(QString::number(i % 25 + 5), codes.at(i * 7 % codes.size()) + QStringLiteral(",%1,2").arg(i % 3), positions,
                          lumSignals(), dates.at(i * 5 % dates.size()));
    }
    QString header = lumErrorHeader();
    if (!dated)
        header.remove(QStringLiteral("Date Time"));
    QTableWidget *t = f->table();
    bool toggle = false;   // the window's direction toggle, which a new log keeps
    // Opens the log and clicks the headers, comparing the window's table with
    // a table of plain items holding the same cells and sorted by its own sorts.
    auto openAndClick = [&](const QVector<int> &clicks) {
        f->open(QStringLiteral("ROBOT.ERR"), log(header, list));
        QCOMPARE(t->rowCount(), 60);
        f->clickRow(11);
        QTableWidget reference(t->rowCount(), t->columnCount());
        reference.setSelectionBehavior(QAbstractItemView::SelectRows);
        for (int r = 0; r < t->rowCount(); ++r) {
            for (int c = 0; c < t->columnCount(); ++c)
                if (const QTableWidgetItem *item = t->item(r, c))
                    reference.setItem(r, c, new QTableWidgetItem(item->text()));
            reference.setRowHeight(r, t->rowHeight(r));
        }
        // A new log leaves the sort indicator of the sorts before: switching
        // sorting on sorts by it first.
        reference.horizontalHeader()->setSortIndicator(t->horizontalHeader()->sortIndicatorSection(),
                                                       t->horizontalHeader()->sortIndicatorOrder());
        reference.setCurrentCell(11, 0);
        reference.resize(800, 400);
        reference.show();
        connect(reference.horizontalHeader(), &QHeaderView::sectionClicked, [&](int c) { tableSorts(&reference, c, toggle); });
        QCOMPARE(tableState(t), tableState(&reference));
        for (int column : clicks) {
            clickHeader(t, column);
            clickHeader(&reference, column);
            QCOMPARE(tableState(t), tableState(&reference));
            QCOMPARE(t->currentRow(), reference.currentRow());
            QCOMPARE(selectedRows(t), selectedRows(&reference));
            QCOMPARE(t->isSortingEnabled(), reference.isSortingEnabled());
            QCOMPARE(t->horizontalHeader()->sortIndicatorSection(), reference.horizontalHeader()->sortIndicatorSection());
            QCOMPARE(t->horizontalHeader()->sortIndicatorOrder(), reference.horizontalHeader()->sortIndicatorOrder());
            QVERIFY(!QApplication::overrideCursor());
        }
    };
    openAndClick({1, 1, 4, 0, 5, 1, 2, 1, 0, 1, 0});
    openAndClick({1, 4, 1});
    openAndClick({5, 0});
    // A click on a column that does not sort switches sorting off; the next
    // click on one that sorts switches it on again.
    openAndClick({1, 3, 1, 3, 4});
}

void TestWindow::rowSelectionAndArrowKeysFillTheDetails()
{
    f->open(QStringLiteral("ROBOT.ERR"), records(lumErrorHeader(), {"0001 E-0120,5,2 2026/11/01 10:22:01",
        "0002 W-0101,3,0 2026/11/02 11:00:00", "0003 E-0128,1,7 2026/11/03 12:00:00"}));
    const char *const values[] = {"error_code", "axis_no", "date", "time", "program", "step", "function", "axis1", "axis2",
                                  "axis3", "axis4", "axis5", "axis6", "axis7", "axis8"};
    auto details = [&]() {
        QStringList texts;
        for (const char *name : values)
            texts << f->text(name);
        return texts;
    };
    QTableWidget *t = f->table();
    t->setFocus();
    t->setCurrentCell(0, 0);
    QTest::keyClick(t, Qt::Key_Down);   // before any click the keys only move
    QVERIFY(f->w("error_code")->isHidden());
    QCOMPARE(f->text("ErrorCode"), QStringLiteral("Error Code"));

    f->clickRow(1);
    QVERIFY(f->w("error_code")->isVisible());
    QCOMPARE(details(), (QStringList{"W-0101", "3,0", "2026/11/02", "11:00:00", "012", "0034", "0005", "1.5", "2.5", "3.5", "4.5",
                                     "5.5", "6.5", "0", "0"}));
    QTest::keyClick(t, Qt::Key_Down);
    QCOMPARE(details().mid(0, 3), (QStringList{"E-0128", "1,7", "2026/11/03"}));
    QCOMPARE(f->text("Message"), QStringLiteral("Axis 1 servo amplifier internal fault (detail 7)"));
    QTest::keyClick(t, Qt::Key_Down);   // beyond the end: nothing there, the texts stay
    QCOMPARE(t->currentRow(), 2);
    QCOMPARE(f->text("date"), QStringLiteral("2026/11/03"));
    QTest::keyClick(t, Qt::Key_Up);
    QCOMPARE(f->text("date"), QStringLiteral("2026/11/02"));
    QTest::keyClick(t, Qt::Key_Up);
    QTest::keyClick(t, Qt::Key_End);   // other keys change nothing
    QCOMPARE(f->text("ErrorCode"), QStringLiteral("E-0120"));
    // A click after a find jump selects whole rows again.
    t->setSelectionBehavior(QAbstractItemView::SelectItems);
    f->clickRow(2);
    QCOMPARE(t->selectionBehavior(), QAbstractItemView::SelectRows);
}

void TestWindow::errorTabAndCodeBox()
{
    auto box = [&]() {
        f->watcher.seen.clear();
        f->w<QPushButton>("error_code")->click();
        const SeenDialog d = f->watcher.seen.value(0);
        const bool one = f->watcher.seen.size() == 1 && d.title == QLatin1String("Velloran") && d.icon == QMessageBox::Information;
        return one ? d.text : QStringLiteral("<no box>");
    };
    // The box as the lookups of the family and language make it; the Error tab shows the same cause and remedy.
    auto expected = [&](const QString &code, const QString &message, int number, bool warning) {
        QString cause, remedy;
        warning ? f->window.warningCauseRemedy(number, cause, remedy) : f->window.errorCauseRemedy(number, cause, remedy);
        const QString remedyShown = f->w<QTextEdit>("Remedy")->toPlainText();
        QTextEdit same;
        same.setText(remedy);
        if (f->text("Cause") != cause || remedyShown != same.toPlainText())
            return QStringLiteral("<Error tab shows %1 | %2>").arg(f->text("Cause"), remedyShown);
        return QStringLiteral("[Code] %1\n\n[Message] %2\n\n[Cause] %3\n\n[Remedy] %4").arg(code, message, cause, remedy);
    };
    f->open(QStringLiteral("ROBOT.ERR"), records(lumErrorHeader(), {"1 E-0128,2,7 2026/11/01 10:00:00", "2 E-0015,0,0 2026/11/02 10:00:00",
        "3 W-0101,3,0 2026/11/03 10:00:00", "4 E-9999,1,0 2026/11/04 10:00:00", "5 S-30 2026/11/05 10:00:00"}));
    f->clickRow(0);
    QCOMPARE(f->text("Message"), QStringLiteral("Axis 2 servo amplifier internal fault (detail 7)"));
    QCOMPARE(box(), expected("E-0128", f->text("Message"), 128, false));
    f->clickRow(1);   // a special code: numbered remedy items
    QVERIFY(f->w<QTextEdit>("Remedy")->toPlainText().startsWith(QLatin1String("1.")));
    QCOMPARE(box(), expected("E-0015", f->cell(1, 2), 15, false));
    f->clickRow(2);
    QCOMPARE(box(), expected("W-0101", QStringLiteral("Axis 3 encoder battery voltage low"), 101, true));
    f->clickRow(3);
    QCOMPARE(box(), expected("E-9999", QString(), 9999, false));
    QVERIFY(f->text("Cause").isEmpty());
    f->clickRow(4);   // a Lum stop is looked up by its form even under Kav
    QCOMPARE(f->text("Message"), QStringLiteral("Program stop(STOP command)"));
    f->setFamily(true);
    QCOMPARE(box(), QStringLiteral("[Code] S-30\n\n[Message] Program stop(STOP command)\n\n[Cause] \n\n[Remedy] "));

    // Kav: a stop without a dash, and an error whose second parameter is always "0".
    const QString help = f->write(QStringLiteral("HELP_ERR_Kav.xml"),
                                  QStringLiteral("<h><e><code>0007</code><msg>Kav axis %d %d</msg><cause>kav cause</cause>"
                                                 "<remedy>kav remedy</remedy></e></h>"));
    HelpFileReader().loadHelpFile(help, &f->window);
    f->open(QStringLiteral("ROBOT.E01"), records(kavErrorHeader(), {"1 F30", "2 E-0007,4"}, true), true);
    f->clickRow(0);
    QCOMPARE(f->text("Message"), QStringLiteral("Internal Emergency Stop"));
    QCOMPARE(box(), QStringLiteral("[Code] F30\n\n[Message] Internal Emergency Stop\n\n[Cause] \n\n[Remedy] "));
    f->clickRow(1);
    f->w<QLabel>("axis_no")->setText(QStringLiteral("4,9"));
    QCOMPARE(box(), QStringLiteral("[Code] E-0007\n\n[Message] Kav axis 4 0\n\n[Cause] kav cause\n\n[Remedy] kav remedy"));
    // A kind the tab does not know leaves it as it was.
    f->table()->item(0, 1)->setText(QStringLiteral("X-0001"));
    f->clickRow(0);
    QCOMPARE(f->text("ErrorCode"), QStringLiteral("E-0007"));
}

void TestWindow::statistics()
{
    QStringList list;
    const QList<QPair<const char *, int>> codes{{"E-0120,3,9", 100}, {"W-0101,6,0", 99}, {"E-0128,2,5", 3}, {"X-0001,1,0", 2},
                                                {"E-9999,1,0", 3}, {"S-10", 1}};
    for (const auto &code : codes)
        for (int i = 0; i < code.second; ++i)
            list << QStringLiteral("%1 %2 2026/11/01 10:00:00").arg(list.size() + 1).arg(QLatin1String(code.first));
    f->open(QStringLiteral("ROBOT.ERR"), records(lumErrorHeader(), list));
    // Counts compare as text; equal counts keep their first appearance; an unknown kind's row stays empty.
    const QStringList rows[] = {{"99", "W-0101", "Axis 6 encoder battery voltage low"}, {"100", "E-0120",
                                                                                         "Axis 3 servo amplifier overcurrent"},
                                {"03", "E-0128", "Axis 2 servo amplifier internal fault (detail 5)"}, {"03", "E-9999", ""},
                                {"01", "S-10", "Internal Stop"}, {"<none>", "<none>", "<none>"}};
    QCOMPARE(f->w<QTableWidget>("tableWidget_2")->rowCount(), 6);
    for (int r = 0; r < 6; ++r)
        QCOMPARE(f->row(r, "tableWidget_2"), rows[r]);
    f->choose(vlog::Korean);   // the statistics keep the language of the load
    QCOMPARE(f->cell(1, 2, "tableWidget_2"), rows[1].at(2));

    f->open(QStringLiteral("ROBOT.ERR"), records(lumErrorHeader(), {}));
    QCOMPARE(itemCount(f->w<QTableWidget>("tableWidget_2")), 0);
    // Stops: the parameters come from the first cell, column by column, ending with the code.
    f->choose(vlog::English);
    f->open(QStringLiteral("ROBOT.STP"), records(lumStopHeader(), {"S-1 S-1", "0002 S-1", "0003 S-50"}));
    QCOMPARE(f->row(0, "tableWidget_2"), (QStringList{"02", "S-1", "Internal Motors Off"}));
    QCOMPARE(f->row(1, "tableWidget_2"), (QStringList{"01", "S-50", "Internal Start"}));
}

void TestWindow::everySampleOpens_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("notices");
    const QStringList arc{kArcNotice}, axes{kEightAxesNotice};
    for (const char *kind : {"ERR", "STP"}) {
        QTest::newRow(qPrintable(QStringLiteral("spot %1").arg(kind))) << QStringLiteral("lum_spot/ROBOT.%1").arg(kind) << QStringList();
        QTest::newRow(qPrintable(QStringLiteral("arc %1").arg(kind))) << QStringLiteral("lum_arc/ROBOT.%1").arg(kind) << arc;
        QTest::newRow(qPrintable(QStringLiteral("12 axes %1").arg(kind))) << QStringLiteral("lum_multiaxis/ROBOT.%1").arg(kind) << axes;
    }
    QTest::newRow("Kav errors") << "kav/ROBOT.E01" << QStringList();
    QTest::newRow("Kav stops") << "kav/ROBOT.S01" << QStringList();
}

void TestWindow::everySampleOpens()
{
    QFETCH(QString, file);
    QFETCH(QStringList, notices);
    QFile sample(QStringLiteral(VELLORAN_SAMPLES_DIR "/") + file);
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const int records = int(sample.readAll().count('#'));
    f->setFamily(file.startsWith(QLatin1String("kav")));
    f->drop({sample.fileName()});
    QVERIFY(records >= 20);
    QCOMPARE(f->table()->rowCount(), records);
    QCOMPARE(f->watcher.messageTexts(), notices);
    const QRegularExpression code(QStringLiteral("^([EW]-\\d{4,5}|S-\\d+|F\\d\\d)$"));
    for (int r = 0; r < records; ++r) {
        QCOMPARE(f->table()->rowHeight(r), file.startsWith(QLatin1String("lum_multi")) ? 40 : 30);
        QVERIFY2(code.match(f->cell(r, 1)).hasMatch() && !f->cell(r, 2).isEmpty() && !f->cell(r, 2).contains(QLatin1Char('%')),
                 qPrintable(f->cell(r, 1)));
    }
    QCOMPARE(f->cell(0, 0), QStringLiteral("0001"));
    const QRegularExpression dateTime(QStringLiteral("^\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
    QVERIFY(dateTime.match(f->cell(0, 4) + QLatin1Char(' ') + f->cell(0, 5)).hasMatch());
    QCOMPARE(f->cell(0, 17).size() + f->cell(0, 18).size() + f->cell(0, 22).size() + f->cell(0, 26).size(), 19 + 25 + 19 + 25);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
