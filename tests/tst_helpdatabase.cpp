// The help database: reading help files, matching codes, composing the
// numbered remedies of the special codes, and the stop-reason tables.

#include "app/velloran.h"
#include "details/helpfilereader.h"
#include "details/helploading.h"
#include "support/dragdrop.h"

#include <QDomDocument>
#include <QTemporaryDir>
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
    return QStringLiteral("<e><code>%1</code><msg>%2</msg><cause>cause %1</cause><remedy>%3</remedy></e>")
        .arg(code, msg, remedy);
}

// A special entry with its numbered remedies.
QString special(const QString &code, int items)
{
    QString xml = QStringLiteral("<e><code>%1</code><msg>special %1</msg><cause>special cause %1</cause>").arg(code);
    for (int i = 1; i <= items; ++i)
        xml += QStringLiteral("<check>Check %1.%2</check><remedy no=\"%2\">Do %1.%2</remedy>").arg(code).arg(i);
    return xml + QStringLiteral("</e>");
}

QString allSpecials()
{
    return special("0015", 3) + special("1309", 2) + special("1456", 2) + special("1457", 2) + special("1494", 10)
        + special("2800", 3) + special("10000", 2) + special("10001", 2);
}


} // namespace

class TestHelpDatabase : public QObject
{
    Q_OBJECT

private slots:
    void lumFormatSpecialEntries();
    void kavFormatTakesTheRemedyByPosition();
    void codesMatchByValueFirstWins();
    void numberedRemedies();
    void causeAndRemedyLookups();
    void stopReasonTables();
    void loadingDecidesByNameAndPath();
    void shippedFilesFoundFromAnotherWorkingDirectory();
};

void TestHelpDatabase::lumFormatSpecialEntries()
{
    QDomDocument doc;
    const QDomElement root = parseXml(
        QStringLiteral("<help>") + entry("0001", "first") + special("0015", 3) + entry("15", "fifteen written short")
            + QStringLiteral("<group>") + entry("0120", "Axis %d overcurrent") + QStringLiteral("</group></help>"),
        doc);
    HelpFileContents err = readLumHelp(root, QStringLiteral("HELP_ERR.xml"));
    QCOMPARE(err.codes, (QStringList{"0001", "15", "0120"}));
    QCOMPARE(err.messages, (QStringList{"first", "fifteen written short", "Axis %d overcurrent"}));
    QCOMPARE(err.remedies, (QStringList{"plain", "plain", "plain"}));
    QCOMPARE(err.specialCodes, QStringList{"0015"});
    QCOMPARE(err.specialCauses, QStringList{"special cause 0015"});
    QCOMPARE(err.remedyItems, (QStringList{"Check 0015.1\nDo 0015.1", "Check 0015.2\nDo 0015.2", "Check 0015.3\nDo 0015.3"}));

    // In a warning file every entry is normal.
    HelpFileContents warn = readLumHelp(root, QStringLiteral("HELP_WARN.xml"));
    QCOMPARE(warn.codes, (QStringList{"0001", "0015", "15", "0120"}));
    QVERIFY(warn.specialCodes.isEmpty());
    // The plain remedies go to the normal entries in order; one is missing here.
    QCOMPARE(warn.remedies, (QStringList{"plain", "plain", "plain", QString()}));

    // Short msg and cause lists give empty texts; fewer plain remedies give empty remedies.
    QDomDocument shortDoc;
    HelpFileContents cut = readLumHelp(
        parseXml(QStringLiteral("<h><code>1</code><code>2</code><msg>one</msg><remedy>r1</remedy></h>"), shortDoc),
        QStringLiteral("HELP_ERR.xml"));
    QCOMPARE(cut.messages, (QStringList{"one", ""}));
    QCOMPARE(cut.causes, (QStringList{"", ""}));
    QCOMPARE(cut.remedies, (QStringList{"r1", ""}));
}

void TestHelpDatabase::kavFormatTakesTheRemedyByPosition()
{
    QDomDocument doc;
    const QDomElement root = parseXml(
        QStringLiteral("<help><e><code>0003</code><msg>a</msg><cause>ca</cause><check>ignored</check>"
                       "<remedy no=\"1\">ra</remedy></e><e><code>0015</code><msg>b</msg><cause>cb</cause>"
                       "<remedy>rb</remedy></e><e><code>0020</code></e></help>"),
        doc);
    const HelpFileContents kav = readKavHelp(root);
    QCOMPARE(kav.codes, (QStringList{"0003", "0015", "0020"}));
    QCOMPARE(kav.remedies, (QStringList{"ra", "rb", ""}));
    QCOMPARE(kav.messages, (QStringList{"a", "b", ""}));
    QVERIFY(kav.specialCodes.isEmpty());
}

void TestHelpDatabase::codesMatchByValueFirstWins()
{
    HelpTable table;
    table.assign({"0015", "abc", "0120", "120", "10000"}, {"fifteen", "not a number", "first 120", "second 120", "ten thousand"},
                 {"c1", "c2", "c3", "c4", "c5"}, {"r1", "r2", "r3", "r4", "r5"});
    QCOMPARE(table.message(table.find(15)), QStringLiteral("fifteen"));
    QCOMPARE(table.message(table.find(0)), QStringLiteral("not a number"));
    QCOMPARE(table.message(table.find(120)), QStringLiteral("first 120"));
    QCOMPARE(table.message(table.find(10000)), QStringLiteral("ten thousand"));
    QCOMPARE(table.find(16), -1);
    QCOMPARE(table.message(table.find(16)), QString());
    // Assigning replaces the whole table.
    table.assign({"7"}, {"seven"}, {}, {});
    QCOMPARE(table.find(15), -1);
    QCOMPARE(table.message(table.find(7)), QStringLiteral("seven"));
    QCOMPARE(table.cause(table.find(7)), QString());
}

void TestHelpDatabase::numberedRemedies()
{
    QStringList items;
    for (int i = 0; i < 26; ++i)
        items << QStringLiteral("check %1\nremedy %1").arg(i);
    QCOMPARE(specialRemedy(15, items),
             QStringLiteral("1.check 0\nremedy 0\n\n2.check 1\nremedy 1\n\n3.check 2\nremedy 2"));
    QCOMPARE(specialRemedy(1309, items), QStringLiteral("1.check 3\nremedy 3\n\n2.check 4\nremedy 4"));
    const QString r1494 = specialRemedy(1494, items);
    QVERIFY(r1494.startsWith(QStringLiteral("1.check 9\n")));
    QVERIFY(r1494.endsWith(QStringLiteral("\n\n10.check 18\nremedy 18")));
    QCOMPARE(r1494.count(QStringLiteral("\n\n")), 9);
    QCOMPARE(specialRemedy(2800, items), QStringLiteral("1.check 19\nremedy 19\n\n2.check 20\nremedy 20\n\n3.check 21\nremedy 21"));
    QCOMPARE(specialRemedy(10001, items), QStringLiteral("1.check 24\nremedy 24\n\n2.check 25\nremedy 25"));
    QCOMPARE(specialRemedy(16, items), QString());
    // A file with fewer items: what is missing reads as empty.
    QCOMPARE(specialRemedy(10000, items.mid(0, 23)), QStringLiteral("1.check 22\nremedy 22\n\n2."));
    QCOMPARE(specialRemedy(15, QStringList()), QStringLiteral("1.\n\n2.\n\n3."));
}

void TestHelpDatabase::causeAndRemedyLookups()
{
    QDomDocument doc;
    const QDomElement root = parseXml(QStringLiteral("<h>") + entry("15", "ordinary 15", "ordinary remedy") + allSpecials()
                                          + entry("0120", "Axis %d overcurrent (%d A)", "check the amplifier") + QStringLiteral("</h>"),
                                      doc);
    const HelpFileContents c = readLumHelp(root, QStringLiteral("HELP_ERR.xml"));
    HelpDatabase db;
    db.lumErrors[English].assign(c.codes, c.messages, c.causes, c.remedies);
    db.lumSpecial[English].assign(c.specialCodes, c.specialMessages, c.specialCauses, c.remedyItems);
    db.lumWarnings[English].assign({"0101"}, {"Battery low"}, {"old battery"}, {"replace it"});
    db.kavErrors.assign({"0012"}, {"Kav axis %d"}, {"kav cause"}, {"kav remedy"});

    QString cause, remedy;
    db.errorCauseRemedy(false, English, 15, cause, remedy);
    // The special entry overrides an ordinary one of the same code.
    QCOMPARE(cause, QStringLiteral("special cause 0015"));
    QCOMPARE(remedy, QStringLiteral("1.Check 0015.1\nDo 0015.1\n\n2.Check 0015.2\nDo 0015.2\n\n3.Check 0015.3\nDo 0015.3"));
    cause.clear(), remedy.clear();
    db.errorCauseRemedy(false, English, 1494, cause, remedy);
    QVERIFY(remedy.endsWith(QStringLiteral("10.Check 1494.10\nDo 1494.10")));
    cause = QString(), remedy = QString();
    db.errorCauseRemedy(false, English, 120, cause, remedy);
    QCOMPARE(remedy, QStringLiteral("check the amplifier"));
    // The ordinary table has no message for a special code; the special table has.
    QCOMPARE(db.errorMessage(false, English, 15, "1", "2"), QStringLiteral("ordinary 15"));
    QCOMPARE(db.errorMessage(false, English, 1309, "1", "2"), QStringLiteral("special 1309"));
    QCOMPARE(db.errorMessage(false, English, 120, "3", "40"), QStringLiteral("Axis 3 overcurrent (40 A)"));
    // Another language has its own (here empty) tables; Kav has its own.
    cause = QString(), remedy = QString();
    db.errorCauseRemedy(false, Korean, 120, cause, remedy);
    QVERIFY(cause.isNull() && remedy.isNull());
    QCOMPARE(db.errorMessage(false, Chinese, 120, "3", "40"), QString());
    QCOMPARE(db.errorMessage(true, English, 12, "5", "0"), QStringLiteral("Kav axis 5"));
    db.errorCauseRemedy(true, English, 12, cause, remedy);
    QCOMPARE(cause, QStringLiteral("kav cause"));
    cause = QString(), remedy = QString();
    db.warningCauseRemedy(false, English, 101, cause, remedy);
    QCOMPARE(remedy, QStringLiteral("replace it"));
    cause = QString(), remedy = QString();
    db.warningCauseRemedy(false, English, 15, cause, remedy);
    QVERIFY(cause.isNull() && remedy.isNull());
    QCOMPARE(db.warningMessage(false, English, 101, "1", "0"), QStringLiteral("Battery low"));
}

void TestHelpDatabase::stopReasonTables()
{
    StopReasonTable kav, lum;
    buildKavStopTable(kav);
    buildLumStopTable(lum);
    QCOMPARE(kav.codes(), (QStringList{"F01", "F02", "F03", "F04", "F10", "F20", "F30", "F40"}));
    QCOMPARE(kav.texts(), (QStringList{"Internal Stop", "External Stop", "Program stop(robot stop M41)",
                                       "Conveyor run signal off", "Internal Motors Off", "External Motors Off",
                                       "Internal Emergency Stop", "External Emergency Stop"}));
    QCOMPARE(lum.codes(), (QStringList{"1", "2", "3", "4", "5", "6", "7", "10", "20", "30", "40", "50", "60"}));
    QCOMPARE(lum.texts(), (QStringList{"Internal Motors Off", "External Motors Off", "Emergency Stop(TP)",
                                       "Emergency Stop(OP)", "Emergency Stop(EXT)", "Safety Plug Fault",
                                       "Mode Switch Changed", "Internal Stop", "External Stop",
                                       "Program stop(STOP command)", "Conveyor run signal off", "Internal Start",
                                       "External Start"}));
    QString text = QStringLiteral("kept");
    kav.lookupText(QStringLiteral("F1"), text);
    kav.lookupText(QStringLiteral("f01"), text);
    kav.lookupText(QStringLiteral(" F01"), text);
    QCOMPARE(text, QStringLiteral("kept"));
    kav.lookupText(QStringLiteral("F01"), text);
    QCOMPARE(text, QStringLiteral("Internal Stop"));
    text = QStringLiteral("kept");
    lum.lookupNumber(8, text);
    lum.lookupNumber(70, text);
    QCOMPARE(text, QStringLiteral("kept"));
    lum.lookupNumber(10, text);
    QCOMPARE(text, QStringLiteral("Internal Stop"));
}

void TestHelpDatabase::loadingDecidesByNameAndPath()
{
    QTemporaryDir dir;
    Velloran window;
    HelpFileReader reader;
    // Kav files are taken by their name from anywhere.
    writeFile(dir.filePath("a/HELP_ERR_Kav.xml"), QStringLiteral("<h>") + entry("0012", "Kav error") + QStringLiteral("</h>"));
    writeFile(dir.filePath("a/HELP_WARN_Kav.xml"), QStringLiteral("<h>") + entry("0003", "Kav warning") + QStringLiteral("</h>"));
    QVERIFY(reader.loadHelpFile(dir.filePath("a/HELP_ERR_Kav.xml"), &window));
    QVERIFY(reader.loadHelpFile(dir.filePath("a/HELP_WARN_Kav.xml"), &window));
    QCOMPARE(window.help.kavErrors.codes(), QStringList{"0012"});
    QCOMPARE(window.help.kavWarnings.messages(), QStringList{"Kav warning"});

    // Lum/Luma files only from the help folder beside the program.
    writeFile(dir.filePath("help/eng/HELP_ERR.xml"), QStringLiteral("<h>") + entry("0120", "elsewhere") + QStringLiteral("</h>"));
    QVERIFY(reader.loadHelpFile(dir.filePath("help/eng/HELP_ERR.xml"), &window));
    for (int l = 0; l < 3; ++l) {
        QVERIFY(window.help.lumErrors[l].codes().isEmpty());
        QVERIFY(window.help.lumWarnings[l].codes().isEmpty());
    }

    // Missing, unreadable and malformed files are skipped: what was read stays.
    writeFile(dir.filePath("b/HELP_ERR_Kav.xml"), QStringLiteral("<h><code>1</code>"));
    QVERIFY(reader.loadHelpFile(dir.filePath("b/HELP_ERR_Kav.xml"), &window));
    QVERIFY(reader.loadHelpFile(dir.filePath("none/HELP_ERR_Kav.xml"), &window));
    QVERIFY(reader.loadHelpFile(dir.path(), &window));
    QCOMPARE(window.help.kavErrors.codes(), QStringList{"0012"});

    // A second well-formed file replaces the table as a whole.
    writeFile(dir.filePath("c/HELP_ERR_Kav.xml"), QStringLiteral("<h>") + entry("0001", "x") + entry("0002", "y") + QStringLiteral("</h>"));
    reader.loadHelpFile(dir.filePath("c/HELP_ERR_Kav.xml"), &window);
    QCOMPARE(window.help.kavErrors.codes(), (QStringList{"0001", "0002"}));
    QCOMPARE(window.help.kavErrors.find(12), -1);
}

void TestHelpDatabase::shippedFilesFoundFromAnotherWorkingDirectory()
{
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    Velloran window;
    loadHelpAndStopTables(&window);
    QDir::setCurrent(before);

    QVERIFY(window.help.kavErrors.codes().size() >= 50);
    QVERIFY(window.help.kavWarnings.codes().size() >= 20);
    for (int l = 0; l < 3; ++l) {
        QVERIFY(window.help.lumErrors[l].codes().size() >= 72);
        QCOMPARE(window.help.lumSpecial[l].codes(), specialErrorCodes());
        QCOMPARE(window.help.lumSpecial[l].remedyItems().size(), 26);
        QVERIFY(window.help.lumWarnings[l].codes().size() >= 30);
    }
    QCOMPARE(window.help.kavStops.codes().size(), 8);
    QCOMPARE(window.help.lumStops.codes().size(), 13);

    // Lookups follow the family and the language chosen at the moment.
    window.ui.comboBox->setCurrentIndex(English);
    const QString english = window.errorMessage(120, QStringLiteral("3"), QStringLiteral("0"));
    window.ui.comboBox->setCurrentIndex(Korean);
    const QString korean = window.errorMessage(120, QStringLiteral("3"), QStringLiteral("0"));
    QVERIFY(!english.isEmpty());
    QVERIFY(!korean.isEmpty());
    QVERIFY(english != korean);
    window.ui.kav->setChecked(true);
    QString text = QStringLiteral("");
    window.kavStopReason(QStringLiteral("F30"), text);
    QCOMPARE(text, QStringLiteral("Internal Emergency Stop"));
}

QTEST_MAIN(TestHelpDatabase)
#include "tst_helpdatabase.moc"
