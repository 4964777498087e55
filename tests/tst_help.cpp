// Help texts: reading help files, matching codes, the numbered remedies of
// the special codes, the stop-reason tables and where the window takes its
// files from (the lookups themselves are exercised by tst_window). The help
// files we ship are checked by tools/check_help.py (CTest "help_files").

#include "details/helpfilereader.h"
#include "details/helploading.h"
#include "support/fixture.h"

#include <QComboBox>
#include <QDomDocument>
#include <QtTest>

using namespace vlog;

namespace {

QDomElement parseXml(const QString &xml, QDomDocument &doc)
{
    if (!doc.setContent(xml))
        qFatal("test XML is not well-formed");
    return doc.documentElement();
}

QString entry(const QString &code, const QString &msg, const QString &remedy = QStringLiteral("plain"))
{
    return QStringLiteral("<e><code>%1</code><msg>%2</msg><cause>cause %1</cause><remedy>%3</remedy></e>").arg(code, msg, remedy);
}

QString special(const QString &code, int items)
{
    QString xml = QStringLiteral("<e><code>%1</code><msg>special %1</msg><cause>special cause %1</cause>").arg(code);
    for (int i = 1; i <= items; ++i)
        xml += QStringLiteral("<check>Check %1.%2</check><remedy no=\"%2\">Do %1.%2</remedy>").arg(code).arg(i);
    return xml + QStringLiteral("</e>");
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void lumFormatSpecialEntries();
    void codesMatchByValueFirstWins();
    void numberedRemedies_data();
    void numberedRemedies();
    void stopReasons_data();
    void stopReasons();
    void windowTakesKavFilesFromAnywhereLumOnlyBesideTheProgram();
};

void TestHelp::lumFormatSpecialEntries()
{
    QDomDocument doc;
    const QDomElement root = parseXml(QStringLiteral("<help>") + entry("0001", "first") + special("0015", 3) + entry("15", "short")
                                          + QStringLiteral("<group>") + entry("0120", "Axis %d") + QStringLiteral("</group></help>"), doc);
    const HelpFileContents err = readLumHelp(root, QStringLiteral("HELP_ERR.xml"));
    QCOMPARE(err.codes, (QStringList{"0001", "15", "0120"}));
    QCOMPARE(err.messages, (QStringList{"first", "short", "Axis %d"}));
    QCOMPARE(err.specialCodes, QStringList{"0015"});
    QCOMPARE(err.specialCauses, QStringList{"special cause 0015"});
    QCOMPARE(err.remedyItems, (QStringList{"Check 0015.1\nDo 0015.1", "Check 0015.2\nDo 0015.2", "Check 0015.3\nDo 0015.3"}));
    // In a warning file every entry is normal; plain remedies go in order, one is missing here.
    const HelpFileContents warn = readLumHelp(root, QStringLiteral("HELP_WARN.xml"));
    QCOMPARE(warn.codes, (QStringList{"0001", "0015", "15", "0120"}));
    QCOMPARE(warn.remedies, (QStringList{"plain", "plain", "plain", QString()}));
    QDomDocument shortDoc;   // short lists give empty texts
    const QString shortLists = QStringLiteral("<h><code>1</code><code>2</code><msg>one</msg><remedy>r1</remedy></h>");
    const HelpFileContents cut = readLumHelp(parseXml(shortLists, shortDoc),
                                             QStringLiteral("HELP_ERR.xml"));
    QCOMPARE(cut.messages + cut.causes + cut.remedies, (QStringList{"one", "", "", "", "r1", ""}));
}

void TestHelp::codesMatchByValueFirstWins()
{
    HelpTable table;
    table.assign({"0015", "abc", "0120", "120", "10000"}, {"fifteen", "not a number", "first 120", "second 120", "ten thousand"},
                 {"c1", "c2", "c3", "c4", "c5"}, {"r1", "r2", "r3", "r4", "r5"});
    QCOMPARE(QStringList({table.message(table.find(15)), table.message(table.find(0)), table.message(table.find(120)),
                          table.message(table.find(10000))}),
             (QStringList{"fifteen", "not a number", "first 120", "ten thousand"}));
    QCOMPARE(table.find(16), -1);
    table.assign({"7"}, {"seven"}, {}, {});   // assigning replaces the whole table
    QCOMPARE(table.find(15), -1);
    QCOMPARE(table.cause(table.find(7)), QString());
}

void TestHelp::numberedRemedies_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("items");   // remedy items in the file
    QTest::addColumn<QString>("remedy");
    QTest::newRow("0015 takes items 0-2") << 15 << 26 << "1.c0\n\n2.c1\n\n3.c2";
    QTest::newRow("1309 takes items 3-4") << 1309 << 26 << "1.c3\n\n2.c4";
    QTest::newRow("1457 takes items 7-8") << 1457 << 26 << "1.c7\n\n2.c8";
    QTest::newRow("1494 takes ten items 9-18") << 1494 << 26
                                               << "1.c9\n\n2.c10\n\n3.c11\n\n4.c12\n\n5.c13\n\n6.c14\n\n7.c15\n\n8.c16\n\n9.c17\n\n10.c18";
    QTest::newRow("2800 takes items 19-21") << 2800 << 26 << "1.c19\n\n2.c20\n\n3.c21";
    QTest::newRow("10001 takes the last two") << 10001 << 26 << "1.c24\n\n2.c25";
    QTest::newRow("no special code") << 16 << 26 << "";
    QTest::newRow("file with fewer items: missing ones empty") << 10000 << 23 << "1.c22\n\n2.";
}

void TestHelp::numberedRemedies()
{
    QFETCH(int, code);
    QFETCH(int, items);
    QFETCH(QString, remedy);
    QStringList list;
    for (int i = 0; i < items; ++i)
        list << QStringLiteral("c%1").arg(i);
    QCOMPARE(specialRemedy(code, list), remedy);
}

void TestHelp::stopReasons_data()
{
    QTest::addColumn<bool>("kav");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");   // "kept" when the code is unknown
    QTest::newRow("Kav F01") << true << "F01" << "Internal Stop";
    QTest::newRow("Kav F40") << true << "F40" << "External Emergency Stop";
    QTest::newRow("Kav F1 is no F01") << true << "F1" << "kept";
    QTest::newRow("Kav leading blank unknown") << true << " F01" << "kept";
    QTest::newRow("Lum 1") << false << "1" << "Internal Motors Off";
    QTest::newRow("Lum 30") << false << "30" << "Program stop(STOP command)";
    QTest::newRow("Lum 60") << false << "60" << "External Start";
    QTest::newRow("Lum 8 unknown") << false << "8" << "kept";
    QTest::newRow("Lum 70 unknown") << false << "70" << "kept";
}

void TestHelp::stopReasons()
{
    QFETCH(bool, kav);
    QFETCH(QString, code);
    QFETCH(QString, text);
    StopReasonTable table;
    kav ? buildKavStopTable(table) : buildLumStopTable(table);
    QCOMPARE(table.codes().size(), kav ? 8 : 13);
    QString got = QStringLiteral("kept");
    kav ? table.lookupText(code, got) : table.lookupNumber(code.toInt(), got);
    QCOMPARE(got, text);
}

void TestHelp::windowTakesKavFilesFromAnywhereLumOnlyBesideTheProgram()
{
    Fixture f(false);
    HelpFileReader reader;
    auto load = [&](const char *name, const QString &body) { return reader.loadHelpFile(f.write(QLatin1String(name), body), &f.window); };
    QVERIFY(load("HELP_ERR_Kav.xml", QStringLiteral("<h>") + entry("0012", "Kav error") + QStringLiteral("</h>")));
    QVERIFY(load("HELP_ERR.xml", QStringLiteral("<h>") + entry("0120", "elsewhere") + QStringLiteral("</h>")));
    QVERIFY(load("HELP_ERR_Kav.xml", QStringLiteral("<h><code>1</code>")));   // malformed: skipped, what was read stays
    for (int language : {0, 1, 2}) {
        f.w<QComboBox>("comboBox")->setCurrentIndex(language);
        f.setFamily(false);
        QCOMPARE(f.window.errorMessage(120, "1", "0"), QString());
        f.setFamily(true);
        QCOMPARE(f.window.errorMessage(12, "1", "0"), QStringLiteral("Kav error"));
    }
    // The shipped files are found beside the program from another working directory.
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    loadHelpAndStopTables(&f.window);
    QDir::setCurrent(before);
    f.setFamily(false);
    f.w<QComboBox>("comboBox")->setCurrentIndex(English);
    const QString english = f.window.errorMessage(120, "4", "0");
    QCOMPARE(english, QStringLiteral("Axis 4 servo amplifier overcurrent"));
    f.w<QComboBox>("comboBox")->setCurrentIndex(Korean);
    QVERIFY(!f.window.errorMessage(120, "4", "0").isEmpty() && f.window.errorMessage(120, "4", "0") != english);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
