// The help files we ship, read from the build folder where they lie beside
// the program, and the sample backups' messages that they give.

#include "app/velloran.h"
#include "details/helpfilereader.h"
#include "details/helploading.h"
#include "support/dragdrop.h"
#include "support/modalwatcher.h"

#include <QDomDocument>
#include <QMimeData>
#include <QtTest>

using namespace vlog;

namespace {

QDomElement load(const QString &relative, QDomDocument &doc)
{
    QFile f(QCoreApplication::applicationDirPath() + QStringLiteral("/help/") + relative);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return QDomElement();
    QString error;
    int line = 0;
    if (!doc.setContent(&f, &error, &line))
        qWarning("%s:%d: %s", qPrintable(relative), line, qPrintable(error));
    return doc.documentElement();
}

QStringList codesOf(const QDomElement &root)
{
    QStringList codes;
    const QDomNodeList nodes = root.elementsByTagName(QStringLiteral("code"));
    for (int i = 0; i < nodes.size(); ++i)
        codes << nodes.at(i).toElement().text();
    return codes;
}

} // namespace

class TestHelpFiles : public QObject
{
    Q_OBJECT

private slots:
    void wellFormedAndComplete_data();
    void wellFormedAndComplete();
    void languagesCoverTheSameCodes();
    void everySampleCodeHasHelp();
};

void TestHelpFiles::wellFormedAndComplete_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<bool>("specials");
    QTest::newRow("Kav errors") << "Kav/HELP_ERR_Kav.xml" << 50 << false;
    QTest::newRow("Kav warnings") << "Kav/HELP_WARN_Kav.xml" << 20 << false;
    for (const char *l : {"kor", "eng", "chn"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 errors").arg(l))) << QStringLiteral("%1/HELP_ERR.xml").arg(l) << 80 << true;
        QTest::newRow(qPrintable(QStringLiteral("%1 warnings").arg(l))) << QStringLiteral("%1/HELP_WARN.xml").arg(l) << 30 << false;
    }
}

void TestHelpFiles::wellFormedAndComplete()
{
    QFETCH(QString, file);
    QFETCH(int, minimum);
    QFETCH(bool, specials);
    QDomDocument doc;
    const QDomElement root = load(file, doc);
    QVERIFY2(!root.isNull(), qPrintable(file));

    const QStringList codes = codesOf(root);
    QVERIFY2(codes.size() >= minimum, qPrintable(QString::number(codes.size())));
    QCOMPARE(QSet<QString>(codes.begin(), codes.end()).size(), codes.size());

    // Every entry: a message and a cause; a normal entry one plain remedy and
    // no check; a special entry only numbered remedies, each with its check.
    const QList<int> expectedItems{3, 2, 2, 2, 10, 3, 2, 2};
    QStringList specialOrder;
    const QDomNodeList codeNodes = root.elementsByTagName(QStringLiteral("code"));
    for (int i = 0; i < codeNodes.size(); ++i) {
        const QDomElement e = codeNodes.at(i).parentNode().toElement();
        const QString code = codeNodes.at(i).toElement().text();
        QCOMPARE(e.elementsByTagName(QStringLiteral("code")).size(), 1);
        QVERIFY2(!e.firstChildElement(QStringLiteral("msg")).text().trimmed().isEmpty(), qPrintable(code));
        QVERIFY2(!e.firstChildElement(QStringLiteral("cause")).text().trimmed().isEmpty(), qPrintable(code));
        const QDomNodeList remedies = e.elementsByTagName(QStringLiteral("remedy"));
        const int checks = e.elementsByTagName(QStringLiteral("check")).size();
        int numbered = 0;
        for (int r = 0; r < remedies.size(); ++r) {
            numbered += !remedies.at(r).toElement().attributes().isEmpty();
            QVERIFY(!remedies.at(r).toElement().text().trimmed().isEmpty());
        }
        if (specials && specialErrorCodes().contains(code)) {
            specialOrder << code;
            QCOMPARE(numbered, remedies.size());
            QCOMPARE(checks, numbered);
            QCOMPARE(numbered, expectedItems.value(specialOrder.size() - 1));
        } else {
            QCOMPARE(remedies.size(), 1);
            QCOMPARE(numbered, 0);
            QCOMPARE(checks, 0);
        }
        // At most two placeholders, each "%d": the lookups fill them with the parameters.
        const QString msg = e.firstChildElement(QStringLiteral("msg")).text();
        QVERIFY2(msg.count(QLatin1Char('%')) <= 2 && msg.count(QLatin1Char('%')) == msg.count(QStringLiteral("%d")),
                 qPrintable(msg));
    }
    if (specials)
        QCOMPARE(specialOrder, specialErrorCodes());

    // The reader sees the same: as many plain remedies as normal entries.
    const HelpFileContents c = file.startsWith(QLatin1String("Kav")) ? readKavHelp(root) : readLumHelp(root, QFileInfo(file).fileName());
    QCOMPARE(c.remedies.size(), c.codes.size());
    QCOMPARE(c.remedyItems.size(), specials ? 26 : 0);
}

void TestHelpFiles::languagesCoverTheSameCodes()
{
    for (const char *kind : {"HELP_ERR.xml", "HELP_WARN.xml"}) {
        QDomDocument kor, eng, chn;
        const QStringList k = codesOf(load(QStringLiteral("kor/") + QLatin1String(kind), kor));
        QCOMPARE(codesOf(load(QStringLiteral("eng/") + QLatin1String(kind), eng)), k);
        QCOMPARE(codesOf(load(QStringLiteral("chn/") + QLatin1String(kind), chn)), k);
    }
}

void TestHelpFiles::everySampleCodeHasHelp()
{
    Velloran window;
    window.show();
    loadHelpAndStopTables(&window);
    ModalWatcher watcher;

    struct Log { const char *file; bool kav; };
    const Log logs[] = {{"lum_spot/ROBOT.ERR", false}, {"lum_spot/ROBOT.STP", false}, {"lum_arc/ROBOT.ERR", false},
                        {"lum_arc/ROBOT.STP", false},  {"lum_multiaxis/ROBOT.ERR", false},
                        {"lum_multiaxis/ROBOT.STP", false}, {"kav/ROBOT.E01", true}, {"kav/ROBOT.S01", true}};
    for (int language : {Korean, English, Chinese}) {
        for (const Log &log : logs) {
            (log.kav ? window.ui.kav : window.ui.lum_luma)->setChecked(true);
            window.ui.comboBox->setCurrentIndex(language);
            dropFiles(&window, {QStringLiteral(VELLORAN_SAMPLES_DIR "/") + QLatin1String(log.file)});
            QTableWidget *t = window.ui.tableWidget;
            QVERIFY(t->rowCount() > 0);
            for (int r = 0; r < t->rowCount(); ++r) {
                const QString code = t->item(r, 1)->text();
                const QString message = t->item(r, 2)->text();
                QVERIFY2(!message.isEmpty(), qPrintable(QStringLiteral("%1 %2 row %3").arg(log.file, code).arg(r)));
                QVERIFY2(!message.contains(QLatin1Char('%')), qPrintable(message));
            }
        }
    }
    // A message carries the parameters of its record: the axis of a servo error.
    window.ui.lum_luma->setChecked(true);
    window.ui.comboBox->setCurrentIndex(English);
    QCOMPARE(window.errorMessage(120, QStringLiteral("4"), QStringLiteral("0")), QStringLiteral("Axis 4 servo amplifier overcurrent"));
}

QTEST_MAIN(TestHelpFiles)
#include "tst_helpfiles.moc"
