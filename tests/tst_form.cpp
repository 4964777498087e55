// The main window form, as far as a fault would break it for the program or
// the user: the object names and classes the program and its tests rely on,
// the tabs in their order with their titles, each table's columns and
// headers, and the start state.

#include "support/fixture.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void init() { f.reset(new Fixture(false)); }
    void cleanup() { f.reset(); }
    void namedWidgetsHaveTheirClasses_data();
    void namedWidgetsHaveTheirClasses();
    void tabsInTheirOrder();
    void tableColumnsAndHeaders();
    void startState();

private:
    std::unique_ptr<Fixture> f;
};

void TestForm::namedWidgetsHaveTheirClasses_data()
{
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("className");
    QTest::newRow("buttons") << "open_file ManualButton InformationButton error_code program history save" << "QPushButton";
    QTest::newRow("family radios") << "kav lum_luma" << "QRadioButton";
    QTest::newRow("language combo") << "comboBox" << "QComboBox";
    QTest::newRow("path field") << "file_add" << "QLineEdit";
    QTest::newRow("tables") << "tableWidget tableWidget_2 tableWidget_3" << "QTableWidget";
    QTest::newRow("trees") << "treeWidget treeWidget_2 treeWidget_3 treeWidget_4" << "QTreeWidget";
    QTest::newRow("text views") << "Remedy textEdit" << "QTextEdit";
    QTest::newRow("detail, error and arc labels") << "axis_no date time step function axis1 axis2 axis3 axis4 axis5 axis6 axis7 axis8 "
                                                     "ErrorCode Message Cause AI0104 AI0508 AO0104 AO0508 Menu Menu1 Menu2 Menu3 Menu4 "
                                                     "ModeS key runto joginch enable emgstop remote automode playback moton" << "QLabel";
    QTest::newRow("arc radios") << "WRC0 WRC1 SS0 SS1 WS0 WS1 WE0 WE1 WSt0 WSt1 GS0 GS1 SIR0 SIR1 SIR20 SIR21 TS0 TS1 Inch0 Inch1 "
                                   "Ret0 Ret1 SC0 SC1 GC0 GC1 SOR0 SOR1 SOR20 SOR21 SOR30 SOR31" << "QRadioButton";
    QString io;
    for (int n = 1; n <= 256; ++n)
        io += QStringLiteral("DI%1 DO%1 ").arg(n);
    QTest::newRow("256 general inputs and outputs") << io.trimmed() << "QCheckBox";
}

void TestForm::namedWidgetsHaveTheirClasses()
{
    QFETCH(QString, names);
    QFETCH(QString, className);
    for (const QString &name : names.split(QLatin1Char(' '))) {
        const QList<QWidget *> found = f->window.findChildren<QWidget *>(name);
        QVERIFY2(found.size() == 1, qPrintable(name));
        QCOMPARE(QLatin1String(found.first()->metaObject()->className()), className);
    }
}

void TestForm::tabsInTheirOrder()
{
    auto *tabs = f->w<QTabWidget>("tabWidget");
    const QStringList pages{"system_input", "system_output", "general_io", "arcsio", "statistics", "error", "mch", "inf", "con", "opr"};
    const QStringList titles{"System Input", "System Output", "General I/O", "Arc In/Output Signal", "Statistics", "Error", "MCH",
                             "INF", "CON", "OPR"};
    QCOMPARE(tabs->count(), 10);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(tabs->widget(i)->objectName(), pages.at(i));
        QCOMPARE(tabs->tabText(i), titles.at(i));
    }
}

void TestForm::tableColumnsAndHeaders()
{
    auto headers = [&](const char *name) {
        QStringList texts;
        auto *t = f->w<QTableWidget>(name);
        for (int c = 0; c < t->columnCount(); ++c)
            texts << (t->horizontalHeaderItem(c) ? t->horizontalHeaderItem(c)->text() : QStringLiteral("<none>"));
        return texts.join(QLatin1Char(' '));
    };
    QCOMPARE(headers("tableWidget"), QStringLiteral("No Code Error AxisNo Date Time Prog Step Func Axis1 Axis2 Axis3 Axis4 Axis5 Axis6 "
                                                    "Axis7 Axis8 SI DI1 DI2 DI3 DI4 SO DO1 DO2 DO3 DO4"));
    QCOMPARE(headers("tableWidget_2"), QStringLiteral("Count Code Error"));
    QCOMPARE(f->w<QTreeWidget>("treeWidget_4")->headerItem()->text(0), QStringLiteral("Date/Time"));
}

void TestForm::startState()
{
    auto *combo = f->w<QComboBox>("comboBox");
    const QStringList items{QString::fromUtf8("한국어"), QStringLiteral("English"), QString::fromUtf8("中國語")};
    QCOMPARE(QStringList({combo->itemText(0), combo->itemText(1), combo->itemText(2)}), items);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(f->window.language(), 0);
    QVERIFY(f->w<QRadioButton>("lum_luma")->isChecked());
    QCOMPARE(f->window.family(), vlog::Family::Lum);
    QCOMPARE(f->w<QTabWidget>("tabWidget")->currentIndex(), 0);
    QVERIFY(f->w("error_code")->isHidden() && f->w("axis8")->isHidden());
    QCOMPARE(f->w<QTextEdit>("Remedy")->toPlainText(), QStringLiteral("Remedy"));
    QVERIFY(!f->table()->isSortingEnabled());
    QVERIFY(f->window.acceptDrops());
    QCOMPARE(f->window.windowTitle(), QStringLiteral("Velloran"));
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
