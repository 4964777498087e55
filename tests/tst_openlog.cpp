// Opening logs in the main window: the open button, dropping files, the
// file-name checks, the record table and the parser's notices.

#include "app/velloran.h"
#include "search/finddialog.h"
#include "support/logtext.h"
#include "support/dragdrop.h"
#include "support/modalwatcher.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

using namespace logtext;

namespace {

const QString kArcNotice = QStringLiteral(
    "In addition to basic information, Arc information is included.\nPlease, check Arc In/Output Signal tab.");
const QString kUndefinedNotice = QStringLiteral(
    "In addition to basic information, it also contains information that is not defined.\nPlease, check the JOB file.");
const QString kEightAxesNotice = QStringLiteral(
    "This file is error file of 8 Axis or more.\nThe axis is output in two rows.\n\nTop line - Axis1~8\nBottom line - Axis9~16");

void drop(QWidget *target, const QStringList &paths)
{
    dropFiles(target, paths);
}

int itemCount(QTableWidget *t)
{
    int n = 0;
    for (int r = 0; r < t->rowCount(); ++r)
        for (int c = 0; c < t->columnCount(); ++c)
            n += t->item(r, c) != nullptr;
    return n;
}

QString cell(QTableWidget *t, int r, int c)
{
    QTableWidgetItem *item = t->item(r, c);
    return item ? item->text() : QStringLiteral("<none>");
}

} // namespace

class TestOpenLog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void droppedLogFillsTheTable();
    void fileNameChecks_data();
    void fileNameChecks();
    void openButton();
    void dragWithoutUrlsIsRefused();
    void droppingTwoLogsLeavesTheSecond();
    void noticesOncePerLoad();
    void heightsOfThePreviousLogAreReset();
    void stopLogParsedAsStopsRightAfterStart();
    void closingTheWindowClosesTheFindDialog();
    void slotsInTheirOrder();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Velloran> m_window;
    std::unique_ptr<ModalWatcher> m_watcher;

    QString lumLog(const QString &folder, const QString &name, int records, const QStringList &positions = sixAxes())
    {
        QStringList list;
        for (int i = 1; i <= records; ++i)
            list << lumRecord(QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("E-0123,%1,2").arg(i % 6 + 1),
                              positions);
        return writeFile(m_dir.filePath(folder + QLatin1Char('/') + name), log(lumErrorHeader(), list));
    }
};

void TestOpenLog::init()
{
    m_window.reset(new Velloran());
    m_window->show();
    m_watcher.reset(new ModalWatcher());
}

void TestOpenLog::cleanup()
{
    m_watcher.reset();
    m_window.reset();
}

void TestOpenLog::droppedLogFillsTheTable()
{
    const QString path = lumLog(QStringLiteral("a"), QStringLiteral("ROBOT.ERR"), 3);
    drop(m_window.get(), {path});
    QTableWidget *t = m_window->ui.tableWidget;
    QCOMPARE(m_window->ui.file_add->text(), path);
    QCOMPARE(t->rowCount(), 3);
    QCOMPARE(t->columnCount(), 27);
    QCOMPARE(cell(t, 0, 0), QStringLiteral("0001"));
    QCOMPARE(cell(t, 2, 1), QStringLiteral("E-0123"));
    QCOMPARE(cell(t, 2, 3), QStringLiteral("4,2"));
    QCOMPARE(cell(t, 1, 9), QStringLiteral("123.456"));
    QCOMPARE(cell(t, 1, 26), QStringLiteral("[34 00 00 00 00 00 00 00]"));
    // No help texts are loaded: the message items are there, empty.
    QCOMPARE(cell(t, 0, 2), QString());
    QCOMPARE(itemCount(t), 3 * 27);
    QCOMPARE(t->rowHeight(0), 30);
    QVERIFY(m_watcher->seen.isEmpty());
    QVERIFY(!t->isSortingEnabled());
}

void TestOpenLog::fileNameChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("kav");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("Lum log, Lum chosen") << "ROBOT.ERR" << false << QStringList() << true;
    QTest::newRow("Lum stop log, Lum chosen") << "ROBOT.STP" << false << QStringList() << true;
    QTest::newRow("Lum log, Kav chosen") << "ROBOT.ERR" << true
                                         << QStringList{"It's not a E01/S01 file.", "Select a Lum button."} << false;
    QTest::newRow("Kav log, Lum chosen") << "ROBOT.E01" << false
                                         << QStringList{"Select a Kav button.", "It's not a ERR/STP file."} << false;
    QTest::newRow("Kav stop log, Kav chosen") << "ROBOT.S01" << true << QStringList() << true;
    QTest::newRow("lower case, Lum chosen") << "robot.err" << false << QStringList{"It's not a ERR/STP file."} << false;
    QTest::newRow("lower case, Kav chosen") << "robot.e01" << true << QStringList{"It's not a E01/S01 file."} << false;
    QTest::newRow("not a local file") << "" << false << QStringList{"It's not a ERR/STP file."} << false;
}

void TestOpenLog::fileNameChecks()
{
    QFETCH(QString, name);
    QFETCH(bool, kav);
    QFETCH(QStringList, messages);
    QFETCH(bool, loaded);

    // A log was shown before: a rejected one leaves the rows of the old log empty.
    drop(m_window.get(), {lumLog(QStringLiteral("old"), QStringLiteral("ROBOT.ERR"), 4)});
    QCOMPARE(m_window->ui.tableWidget->rowCount(), 4);

    const QString path = name.isEmpty() ? QString() : lumLog(QStringLiteral("new"), name, 2);
    (kav ? m_window->ui.kav : m_window->ui.lum_luma)->setChecked(true);
    if (path.isEmpty()) {
        // A URL that is not a local file gives an empty path, checked like any other.
        dropUrls(m_window.get(), {QUrl(QStringLiteral("http://backup.example/ROBOT.ERR"))});
        QCOMPARE(m_window->ui.file_add->text(), QString());
    } else {
        drop(m_window.get(), {path});
    }

    QCOMPARE(m_watcher->messageTexts(), messages);
    for (const SeenDialog &d : m_watcher->seen) {
        QCOMPARE(d.title, QStringLiteral("Velloran"));
        QCOMPARE(d.icon, QMessageBox::Warning);
        QCOMPARE(d.standardButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QTableWidget *t = m_window->ui.tableWidget;
    if (loaded) {
        QCOMPARE(t->rowCount(), 2);
        QCOMPARE(cell(t, 1, 0), QStringLiteral("0002"));
    } else {
        QCOMPARE(t->rowCount(), 4);
        QCOMPARE(itemCount(t), 0);
    }
}

void TestOpenLog::openButton()
{
    const QString first = lumLog(QStringLiteral("one"), QStringLiteral("ROBOT.ERR"), 2);
    const QString second = lumLog(QStringLiteral("two"), QStringLiteral("ROBOT.ERR"), 5);
    m_watcher->fileAnswers << first;
    QTest::mouseClick(m_window->ui.open_file, Qt::LeftButton);
    QCOMPARE(m_window->ui.file_add->text(), first);
    QCOMPARE(m_window->ui.tableWidget->rowCount(), 2);
    QCOMPARE(m_watcher->seen.size(), 1);
    QCOMPARE(m_watcher->seen.at(0).title, QStringLiteral("Open File Lum/Luma"));
    QCOMPARE(m_watcher->seen.at(0).nameFilters,
             (QStringList{"Lum/Luma Robot Error log files (*.ERR)", "Lum/Luma Robot Stop log files(*.STP)", "All files(*.*)"}));

    // The dialog starts where the last log was; the Kav family has its own caption and filters.
    m_window->ui.kav->setChecked(true);
    m_watcher->fileAnswers << QString();
    QTest::mouseClick(m_window->ui.open_file, Qt::LeftButton);
    QCOMPARE(m_watcher->seen.size(), 2);
    QCOMPARE(m_watcher->seen.at(1).title, QStringLiteral("Open File Kav"));
    QCOMPARE(m_watcher->seen.at(1).text, QFileInfo(first).absolutePath());
    QCOMPARE(m_watcher->seen.at(1).nameFilters,
             (QStringList{"Kav Robot Error log files (*.E01)", "Kav Robot Stop log files(*.S01)", "All files(*.*)"}));
    // Cancelling emptied the window and the path field.
    QVERIFY(m_window->ui.file_add->text().isEmpty());
    QCOMPARE(itemCount(m_window->ui.tableWidget), 0);

    m_window->ui.lum_luma->setChecked(true);
    m_watcher->fileAnswers << second;
    QTest::mouseClick(m_window->ui.open_file, Qt::LeftButton);
    QCOMPARE(m_window->ui.tableWidget->rowCount(), 5);
    QCOMPARE(m_watcher->seen.size(), 3);
}

void TestOpenLog::dragWithoutUrlsIsRefused()
{
    QMimeData text;
    text.setText(QStringLiteral("/tmp/ROBOT.ERR"));
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    deliver(m_window.get(), &refused);
    QVERIFY(!refused.isAccepted());

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/ROBOT.ERR"))});
    QDragEnterEvent accepted(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    accepted.setAccepted(false);
    deliver(m_window.get(), &accepted);
    QVERIFY(accepted.isAccepted());
    QCOMPARE(accepted.dropAction(), Qt::CopyAction);
    QVERIFY(m_window->acceptDrops());
}

void TestOpenLog::droppingTwoLogsLeavesTheSecond()
{
    const QString a = lumLog(QStringLiteral("a"), QStringLiteral("ROBOT.ERR"), 7);
    const QString b = lumLog(QStringLiteral("b"), QStringLiteral("ROBOT.ERR"), 3);
    drop(m_window.get(), {a, b});
    QCOMPARE(m_window->ui.file_add->text(), b);
    QCOMPARE(m_window->ui.tableWidget->rowCount(), 3);
    QCOMPARE(itemCount(m_window->ui.tableWidget), 3 * 27);

    // A rejected drop has already cleared the views and shows its path.
    m_window->ui.kav->setChecked(true);
    drop(m_window.get(), {a});
    QCOMPARE(m_window->ui.file_add->text(), a);
    QCOMPARE(itemCount(m_window->ui.tableWidget), 0);
    QCOMPARE(m_watcher->messageTexts().size(), 2);
}

void TestOpenLog::noticesOncePerLoad()
{
    // The notices in their English source texts (under Korean they come out in Korean).
    m_window->ui.comboBox->setCurrentIndex(1);
    QStringList arcSignals = lumSignals().mid(0, 5);
    arcSignals << arcBlock() << lumSignals().mid(5);
    QStringList records;
    for (int i = 1; i <= 3; ++i)
        records << lumRecord(QString::number(i), QStringLiteral("E-0007,1,0"), {"1,2,3", "4,5,6", "7,8,9", "10,11,12"}, arcSignals);
    const QString path = writeFile(m_dir.filePath(QStringLiteral("arc/ROBOT.ERR")), log(lumErrorHeader(), records));

    drop(m_window.get(), {path});
    QCOMPARE(m_watcher->messageTexts(), (QStringList{kArcNotice, kEightAxesNotice}));
    QCOMPARE(m_watcher->seen.at(0).icon, QMessageBox::Warning);
    QCOMPARE(m_watcher->seen.at(1).icon, QMessageBox::Information);
    QCOMPARE(m_watcher->seen.at(0).title, QStringLiteral("Velloran"));
    QCOMPARE(m_watcher->seen.at(1).title, QStringLiteral("Velloran"));
    QVERIFY(m_window->arcFlag);
    QCOMPARE(m_window->arcLists.size(), 3);
    QTableWidget *t = m_window->ui.tableWidget;
    QCOMPARE(cell(t, 2, 9), QStringLiteral("1\n9"));
    QCOMPARE(t->rowHeight(2), 40);

    // Every load shows them again; the arc lists start anew.
    drop(m_window.get(), {path});
    QCOMPARE(m_watcher->messageTexts().size(), 4);
    QCOMPARE(m_window->arcLists.size(), 3);

    // The language chosen before a notice is chosen again after it.
    m_window->ui.comboBox->setCurrentIndex(2);
    m_watcher->seen.clear();
    drop(m_window.get(), {path});
    QCOMPARE(m_window->ui.comboBox->currentIndex(), 2);

    QStringList odd = lumSignals().mid(0, 5);
    odd << QStringLiteral("Weld(01-08): [00]") << lumSignals().mid(5);
    const QString undefined = writeFile(m_dir.filePath(QStringLiteral("odd/ROBOT.ERR")),
                                        log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", sixAxes(), odd)}));
    m_window->ui.comboBox->setCurrentIndex(1);
    m_watcher->seen.clear();
    drop(m_window.get(), {undefined});
    QCOMPARE(m_watcher->messageTexts(), QStringList{kUndefinedNotice});
    QCOMPARE(m_watcher->seen.at(0).icon, QMessageBox::Warning);
}

void TestOpenLog::heightsOfThePreviousLogAreReset()
{
    const QString twelve = lumLog(QStringLiteral("twelve"), QStringLiteral("ROBOT.ERR"), 4, {"1,2,3", "4,5,6", "7,8,9", "10,11,12"});
    const QString six = lumLog(QStringLiteral("six"), QStringLiteral("ROBOT.ERR"), 4);
    drop(m_window.get(), {twelve});
    QTableWidget *t = m_window->ui.tableWidget;
    for (int r = 0; r < 4; ++r)
        QCOMPARE(t->rowHeight(r), 40);
    drop(m_window.get(), {six});
    for (int r = 0; r < 4; ++r)
        QCOMPARE(t->rowHeight(r), 30);
}

void TestOpenLog::stopLogParsedAsStopsRightAfterStart()
{
    QStringList records;
    for (int i = 1; i <= 2; ++i)
        records << lumRecord(QString::number(i), QStringLiteral("S-%1").arg(i * 10), sixAxes());
    const QString path = writeFile(m_dir.filePath(QStringLiteral("stp/ROBOT.STP")), log(lumStopHeader(), records));
    m_watcher->fileAnswers << path;
    QTest::mouseClick(m_window->ui.open_file, Qt::LeftButton);
    QTableWidget *t = m_window->ui.tableWidget;
    QCOMPARE(t->rowCount(), 2);
    QCOMPARE(cell(t, 1, 1), QStringLiteral("S-20"));
    QCOMPARE(cell(t, 1, 3), QStringLiteral("0"));
    // Stop headers start the positions at the "Position data" item itself.
    QCOMPARE(cell(t, 0, 9), QStringLiteral("123.456"));
}

void TestOpenLog::closingTheWindowClosesTheFindDialog()
{
    FindDialog *find = m_window->findDialog.get();
    find->show();
    find->ui.lineEdit->setText(QStringLiteral("E-0123"));
    find->ui.listWidget->show();
    QVERIFY(m_window->close());
    QVERIFY(!find->isVisible());
    QVERIFY(find->ui.lineEdit->text().isEmpty());
    QVERIFY(find->ui.listWidget->isHidden());
}

void TestOpenLog::slotsInTheirOrder()
{
    const QMetaObject *mo = m_window->metaObject();
    QStringList slotNames;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        QCOMPARE(mo->method(i).methodType(), QMetaMethod::Slot);
        slotNames << QString::fromLatin1(mo->method(i).methodSignature());
    }
    QCOMPARE(slotNames, (QStringList{"Onfileopen()", "OnRowSelect(int,int)", "Onclick_Details_Error_Code()",
                                     "OnClick_Details_Program()", "OnKav_System_IO()", "OnLum_System_IO()",
                                     "OnHistory_btn()", "OnSelectLang(int)", "OnHelp_Manual()", "OnVersion()",
                                     "sectionClicked(int)", "OnFind_Dialog()", "OnFind_Button()", "OnAll_Button()",
                                     "Onclose()", "OnSearch_All_List_Select()", "OPRDateTimeSelect(QTreeWidgetItem*,int)",
                                     "highlightCurrentLine()", "Flag_KeyStatus()", "OPRDateTime_TextEdit()",
                                     "OnOPRSave()"}));
    QCOMPARE(mo->propertyCount(), mo->propertyOffset());
    // The two shortcuts belong to the window and work while it is active.
    QStringList keys;
    for (QShortcut *s : m_window->findChildren<QShortcut *>()) {
        QCOMPARE(s->context(), Qt::WindowShortcut);
        keys << s->key().toString();
    }
    QCOMPARE(keys, (QStringList{"Ctrl+F", "Ctrl+S"}));
}

QTEST_MAIN(TestOpenLog)
#include "tst_openlog.moc"
