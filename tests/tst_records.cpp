// Working with the record table: sorting, selecting rows with the mouse and
// the arrow keys, the Details group, the Error tab and the Error Code box,
// and the error statistics.

#include "app/velloran.h"
#include "details/helpfilereader.h"
#include "details/helploading.h"
#include "support/dragdrop.h"
#include "support/logtext.h"
#include "support/modalwatcher.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

using namespace logtext;

namespace {

struct Rec
{
    QString number, code, date, time;
};

QString record(const Rec &r, bool kav)
{
    QStringList lines{r.number, r.code, r.date + QLatin1Char(' ') + r.time, QStringLiteral("012"), QStringLiteral("0034")};
    if (!kav)
        lines << QStringLiteral("0005");
    lines << QStringLiteral("1.5, 2.5, 3.5") << QStringLiteral("4.5, 5.5, 6.5");
    lines << (kav ? kavSignals() : lumSignals());
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QStringList column(QTableWidget *t, int c)
{
    QStringList texts;
    for (int r = 0; r < t->rowCount(); ++r)
        texts << (t->item(r, c) ? t->item(r, c)->text() : QStringLiteral("<none>"));
    return texts;
}

QStringList rowTexts(QTableWidget *t, int r)
{
    QStringList texts;
    for (int c = 0; c < t->columnCount(); ++c)
        texts << (t->item(r, c) ? t->item(r, c)->text() : QString());
    return texts;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sortingByHeaders();
    void rowSelectionFillsTheDetails();
    void arrowKeysRefreshTheDetails();
    void errorTabAndCodeBox();
    void statistics();
    void statisticsOfStopLogs();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Velloran> m_window;
    std::unique_ptr<ModalWatcher> m_watcher;

    void open(const QString &header, const QList<Rec> &records, bool kav = false, const QString &name = QString())
    {
        QStringList texts;
        for (const Rec &r : records)
            texts << record(r, kav);
        const QString file = name.isEmpty() ? (kav ? QStringLiteral("ROBOT.E01") : QStringLiteral("ROBOT.ERR")) : name;
        const QString path = m_dir.filePath(QString::number(++m_count) + QLatin1Char('/') + file);
        writeFile(path, records.isEmpty() ? header : log(header, texts));
        (kav ? m_window->ui.kav : m_window->ui.lum_luma)->setChecked(true);
        dropFiles(m_window.get(), {path});
    }
    int m_count = 0;
};

void TestRecords::init()
{
    m_window.reset(new Velloran());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_watcher.reset(new ModalWatcher());
    // Help texts of our own, so that the expectations do not follow the shipped files.
    vlog::HelpDatabase &h = m_window->help;
    const QStringList items{"check a\nremedy a", "check b\nremedy b", "check c\nremedy c"};
    h.lumErrors[vlog::English].assign({"0010", "0123"}, {"Axis %d overload (%d)", "Encoder %d lost"},
                                      {"cause 10", "cause 123"}, {"remedy 10", "remedy 123"});
    h.lumSpecial[vlog::English].assign({"0015"}, {"Cycle time over"}, {"special cause"}, items);
    h.lumWarnings[vlog::English].assign({"0020"}, {"Battery %d low"}, {"battery cause"}, {"battery remedy"});
    h.kavErrors.assign({"0007"}, {"Kav axis %d %d"}, {"kav cause"}, {"kav remedy"});
    vlog::buildKavStopTable(h.kavStops);
    vlog::buildLumStopTable(h.lumStops);
    m_window->ui.comboBox->setCurrentIndex(vlog::English);
}

void TestRecords::cleanup()
{
    m_watcher.reset();
    m_window.reset();
}

void TestRecords::sortingByHeaders()
{
    open(lumErrorHeader(), {{"9", "E-0123,1,0", "2026/11/02", "08:00:00"},
                            {"10", "E-0010,2,0", "2026/11/03", "07:00:00"},
                            {"11", "E-0123,3,0", "2026/11/01", "09:00:00"},
                            {"12", "E-0010,4,0", "2026/11/01", "10:00:00"},
                            {"13", "E-0123,5,0", "2026/11/02", "06:00:00"}});
    QTableWidget *t = m_window->ui.tableWidget;
    QHeaderView *header = t->horizontalHeader();
    auto clickHeader = [&](int c) { QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(c) + 5, 5)); };

    // Record numbers compare as text: 10 before 9.
    clickHeader(0);
    QCOMPARE(column(t, 0), (QStringList{"10", "11", "12", "13", "9"}));
    clickHeader(0);
    QCOMPARE(column(t, 0), (QStringList{"9", "13", "12", "11", "10"}));

    // "Code": by code, inside one code by date and time; the second click
    // turns the codes round and keeps date and time ascending.
    clickHeader(1);
    QCOMPARE(column(t, 0), (QStringList{"12", "10", "11", "13", "9"}));
    clickHeader(1);
    QCOMPARE(column(t, 0), (QStringList{"11", "13", "9", "12", "10"}));

    // "Date" then "Time": ascending, then descending.
    clickHeader(4);
    QCOMPARE(column(t, 0), (QStringList{"11", "12", "13", "9", "10"}));
    clickHeader(5);
    QCOMPARE(column(t, 0), (QStringList{"10", "9", "13", "12", "11"}));
    QVERIFY(t->isSortingEnabled());

    // A column that does not sort switches sorting off and flips the
    // direction, so "No" sorts the same way twice.
    clickHeader(0);
    QCOMPARE(column(t, 0), (QStringList{"10", "11", "12", "13", "9"}));
    clickHeader(2);
    QVERIFY(!t->isSortingEnabled());
    QCOMPARE(column(t, 0), (QStringList{"10", "11", "12", "13", "9"}));
    clickHeader(0);
    QCOMPARE(column(t, 0), (QStringList{"10", "11", "12", "13", "9"}));

    // Each row keeps its own cells through the sorts.
    const int row = column(t, 0).indexOf(QStringLiteral("12"));
    QCOMPARE(t->item(row, 3)->text(), QStringLiteral("4,0"));
    QCOMPARE(t->item(row, 5)->text(), QStringLiteral("10:00:00"));

    // Opening a log switches sorting off and shows the file order.
    open(lumErrorHeader(), {{"2", "E-0010,1,0", "2026/11/02", "08:00:00"}, {"1", "E-0010,1,0", "2026/11/01", "08:00:00"}});
    QVERIFY(!t->isSortingEnabled());
    QCOMPARE(column(t, 0), (QStringList{"2", "1"}));
}

void TestRecords::rowSelectionFillsTheDetails()
{
    open(lumErrorHeader(), {{"0001", "E-0123,5,2", "2026/11/03", "10:22:01"}, {"0002", "W-0020,3,0", "2026/11/04", "11:00:00"}});
    VelloranClass &ui = m_window->ui;
    QVERIFY(ui.error_code->isHidden());
    QTableWidget *t = ui.tableWidget;
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(1, 4)).center());
    QCOMPARE(t->currentRow(), 1);
    QVERIFY(ui.error_code->isVisible());
    QStringList shown;
    for (QWidget *w : ui.detailValues)
        shown << (qobject_cast<QAbstractButton *>(w) ? qobject_cast<QAbstractButton *>(w)->text() : qobject_cast<QLabel *>(w)->text());
    QCOMPARE(shown, (QStringList{"W-0020", "3,0", "2026/11/04", "11:00:00", "012", "0034", "0005", "1.5", "2.5", "3.5",
                                 "4.5", "5.5", "6.5", "0", "0"}));
    QCOMPARE(ui.ErrorCode->text(), QStringLiteral("W-0020"));
    QCOMPARE(ui.Message->text(), QStringLiteral("Battery 3 low"));
    QCOMPARE(ui.Cause->text(), QStringLiteral("battery cause"));
    QCOMPARE(ui.Remedy->toPlainText(), QStringLiteral("battery remedy"));

    // A click after a find jump selects whole rows again.
    t->setSelectionBehavior(QAbstractItemView::SelectItems);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(0, 2)).center());
    QCOMPARE(t->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(ui.error_code->text(), QStringLiteral("E-0123"));

    // A row with empty position items shows empty axis labels.
    t->item(0, 9)->setText(QString());
    m_window->OnRowSelect(0, 0);
    QCOMPARE(ui.axis1->text(), QString());
}

void TestRecords::arrowKeysRefreshTheDetails()
{
    open(lumErrorHeader(), {{"0001", "E-0123,1,0", "2026/11/01", "10:00:00"},
                            {"0002", "E-0010,2,0", "2026/11/02", "10:00:00"},
                            {"0003", "W-0020,3,0", "2026/11/03", "10:00:00"}});
    VelloranClass &ui = m_window->ui;
    QTableWidget *t = ui.tableWidget;
    t->setFocus();
    // Before any click the keys move the selection only.
    t->setCurrentCell(0, 0);
    QTest::keyClick(t, Qt::Key_Down);
    QCOMPARE(t->currentRow(), 1);
    QVERIFY(ui.error_code->isHidden());
    QCOMPARE(ui.ErrorCode->text(), QStringLiteral("Error Code"));

    m_window->OnRowSelect(0, 0);
    t->setCurrentCell(0, 0);
    QTest::keyClick(t, Qt::Key_Down);
    QCOMPARE(t->currentRow(), 1);
    QCOMPARE(ui.error_code->text(), QStringLiteral("E-0010"));
    QCOMPARE(ui.ErrorCode->text(), QStringLiteral("E-0010"));
    QTest::keyClick(t, Qt::Key_Down);
    QCOMPARE(ui.date->text(), QStringLiteral("2026/11/03"));
    // Down on the last row names the row count: nothing there, the texts stay.
    QTest::keyClick(t, Qt::Key_Down);
    QCOMPARE(t->currentRow(), 2);
    QCOMPARE(ui.date->text(), QStringLiteral("2026/11/03"));
    QCOMPARE(ui.ErrorCode->text(), QStringLiteral("W-0020"));
    QTest::keyClick(t, Qt::Key_Up);
    QCOMPARE(ui.date->text(), QStringLiteral("2026/11/02"));
    QTest::keyClick(t, Qt::Key_Up);
    QCOMPARE(t->currentRow(), 0);
    QTest::keyClick(t, Qt::Key_Up);
    QCOMPARE(ui.date->text(), QStringLiteral("2026/11/01"));
    QCOMPARE(ui.error_code->text(), QStringLiteral("E-0123"));
    // Other keys change nothing.
    QTest::keyClick(t, Qt::Key_End);
    QCOMPARE(ui.error_code->text(), QStringLiteral("E-0123"));
}

void TestRecords::errorTabAndCodeBox()
{
    VelloranClass &ui = m_window->ui;
    auto box = [&]() {
        m_watcher->seen.clear();
        QTest::mouseClick(ui.error_code, Qt::LeftButton);
        if (m_watcher->seen.size() != 1)
            return QStringLiteral("<%1 boxes>").arg(m_watcher->seen.size());
        if (m_watcher->seen.at(0).title != QLatin1String("Velloran") || m_watcher->seen.at(0).icon != QMessageBox::Information)
            return QStringLiteral("<wrong box>");
        return m_watcher->seen.at(0).text;
    };
    open(lumErrorHeader(), {{"0001", "E-0010,2,7", "2026/11/01", "10:00:00"},
                            {"0002", "E-0015,0,0", "2026/11/02", "10:00:00"},
                            {"0003", "W-0020,3,0", "2026/11/03", "10:00:00"},
                            {"0004", "E-0999,1,0", "2026/11/04", "10:00:00"},
                            {"0005", "S-30", "2026/11/05", "10:00:00"}});

    m_window->OnRowSelect(0, 0);
    QCOMPARE(ui.Message->text(), QStringLiteral("Axis 2 overload (7)"));
    QCOMPARE(ui.Cause->text(), QStringLiteral("cause 10"));
    QCOMPARE(box(), QStringLiteral("[Code] E-0010\n\n[Message] Axis 2 overload (7)\n\n[Cause] cause 10\n\n[Remedy] remedy 10"));

    // A special code: numbered remedy items separated by blank lines.
    m_window->OnRowSelect(1, 0);
    QCOMPARE(ui.Cause->text(), QStringLiteral("special cause"));
    QCOMPARE(ui.Remedy->toPlainText(), QStringLiteral("1.check a\nremedy a\n\n2.check b\nremedy b\n\n3.check c\nremedy c"));
    QCOMPARE(box(), QStringLiteral("[Code] E-0015\n\n[Message] Cycle time over\n\n[Cause] special cause\n\n[Remedy] "
                                   "1.check a\nremedy a\n\n2.check b\nremedy b\n\n3.check c\nremedy c"));

    m_window->OnRowSelect(2, 0);
    QCOMPARE(box(), QStringLiteral("[Code] W-0020\n\n[Message] Battery 3 low\n\n[Cause] battery cause\n\n[Remedy] battery remedy"));

    // No help for the code: headings with nothing behind them.
    m_window->OnRowSelect(3, 0);
    QCOMPARE(ui.Cause->text(), QString());
    QCOMPARE(ui.Remedy->toPlainText(), QString());
    QCOMPARE(box(), QStringLiteral("[Code] E-0999\n\n[Message] \n\n[Cause] \n\n[Remedy] "));

    // A Lum stop, looked up by its form even while Kav is chosen.
    m_window->OnRowSelect(4, 0);
    QCOMPARE(ui.ErrorCode->text(), QStringLiteral("S-30"));
    QCOMPARE(ui.Message->text(), QStringLiteral("Program stop(STOP command)"));
    QCOMPARE(ui.Cause->text(), QString());
    ui.kav->setChecked(true);
    QCOMPARE(box(), QStringLiteral("[Code] S-30\n\n[Message] Program stop(STOP command)\n\n[Cause] \n\n[Remedy] "));

    // After a language change the button shows its placeholder, which is looked
    // up as a Kav stop code and not found.
    ui.lum_luma->setChecked(true);
    ui.retranslateUi(m_window.get());
    QCOMPARE(box(), QStringLiteral("[Code] Error Code\n\n[Message] \n\n[Cause] \n\n[Remedy] "));

    // Kav: a stop without a hyphen, and an error whose second parameter is always "0".
    open(kavErrorHeader(), {{"0001", "F30", "2026/11/01", "10:00:00"}, {"0002", "E-0007,4", "2026/11/02", "10:00:00"}}, true);
    m_window->OnRowSelect(0, 0);
    QCOMPARE(ui.ErrorCode->text(), QStringLiteral("F30"));
    QCOMPARE(ui.Message->text(), QStringLiteral("Internal Emergency Stop"));
    QCOMPARE(box(), QStringLiteral("[Code] F30\n\n[Message] Internal Emergency Stop\n\n[Cause] \n\n[Remedy] "));
    m_window->OnRowSelect(1, 0);
    ui.axis_no->setText(QStringLiteral("4,9"));
    QCOMPARE(box(), QStringLiteral("[Code] E-0007\n\n[Message] Kav axis 4 0\n\n[Cause] kav cause\n\n[Remedy] kav remedy"));

    // A kind the tab does not know leaves it as it was.
    m_window->ui.tableWidget->item(0, 1)->setText(QStringLiteral("X-0001"));
    m_window->OnRowSelect(0, 0);
    QCOMPARE(ui.ErrorCode->text(), QStringLiteral("E-0007"));
}

void TestRecords::statistics()
{
    QList<Rec> records;
    int n = 0;
    auto add = [&](const QString &code, int times) {
        for (int i = 0; i < times; ++i)
            records << Rec{QString::number(++n), code, QStringLiteral("2026/11/01"), QStringLiteral("10:00:00")};
    };
    add(QStringLiteral("E-0010,3,9"), 100);
    add(QStringLiteral("W-0020,6,0"), 99);
    add(QStringLiteral("E-0123,2,0"), 3);
    add(QStringLiteral("X-0001,1,0"), 2);
    add(QStringLiteral("E-0999,1,0"), 3);
    add(QStringLiteral("S-10"), 1);
    open(lumErrorHeader(QStringLiteral("Error number, Axis")), records);

    QTableWidget *s = m_window->ui.tableWidget_2;
    QCOMPARE(s->rowCount(), 6);
    // Counts compare as text: "99" above "100"; equal counts keep the order of
    // first appearance; the row of an unknown kind stays empty and comes last.
    QCOMPARE(rowTexts(s, 0), (QStringList{"99", "W-0020", "Battery 6 low"}));
    QCOMPARE(rowTexts(s, 1), (QStringList{"100", "E-0010", "Axis 3 overload (0)"}));
    QCOMPARE(rowTexts(s, 2), (QStringList{"03", "E-0123", "Encoder 2 lost"}));
    QCOMPARE(rowTexts(s, 3), (QStringList{"03", "E-0999", ""}));
    QCOMPARE(rowTexts(s, 4), (QStringList{"01", "S-10", "Internal Stop"}));
    QCOMPARE(rowTexts(s, 5), (QStringList{"", "", ""}));

    // A log without records empties the statistics.
    open(lumErrorHeader(), {});
    QCOMPARE(s->rowCount(), 0);

    // With two parameters in the axis column the second one counts; Kav always uses "0".
    open(lumErrorHeader(), {{"1", "E-0010,5,8", "2026/11/01", "10:00:00"}});
    QCOMPARE(rowTexts(s, 0), (QStringList{"01", "E-0010", "Axis 5 overload (8)"}));
    open(kavErrorHeader(), {{"1", "E-0007,5", "2026/11/01", "10:00:00"}, {"2", "F10", "2026/11/01", "10:00:00"}}, true);
    QCOMPARE(rowTexts(s, 0), (QStringList{"01", "E-0007", "Kav axis 5 0"}));
    QCOMPARE(rowTexts(s, 1), (QStringList{"01", "F10", "Internal Motors Off"}));
}

void TestRecords::statisticsOfStopLogs()
{
    // The parameters come from the first cell, column by column, that ends
    // with the code: here a record number ends with the stop code.
    open(lumStopHeader(), {{"S-1", "S-1", "2026/11/01", "10:00:00"}, {"0002", "S-1", "2026/11/01", "10:00:00"},
                           {"0003", "S-50", "2026/11/01", "10:00:00"}},
         false, QStringLiteral("ROBOT.STP"));
    QTableWidget *s = m_window->ui.tableWidget_2;
    QCOMPARE(rowTexts(s, 0), (QStringList{"02", "S-1", "Internal Motors Off"}));
    QCOMPARE(rowTexts(s, 1), (QStringList{"01", "S-50", "Internal Start"}));
    // The statistics keep the language of the load.
    m_window->ui.comboBox->setCurrentIndex(vlog::Korean);
    QCOMPARE(rowTexts(s, 1).at(2), QStringLiteral("Internal Start"));
}

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
