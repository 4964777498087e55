// The bundled sample backups open in the viewer as an engineer would open them.

#include "app/velloran.h"
#include "support/dragdrop.h"
#include "support/modalwatcher.h"

#include <QMimeData>
#include <QtTest>

namespace {

struct Opened
{
    int rows = 0;
    int recordCount = 0;
    QStringList messages;
    int tallRows = 0;
    int arcEntries = 0;
    bool arcFlag = false;
    QStringList firstRow;
};

Opened open(const QString &relative, bool kav)
{
    const QString path = QStringLiteral(VELLORAN_SAMPLES_DIR "/") + relative;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("sample %s is missing", qPrintable(path));
    Opened out;
    out.recordCount = int(f.readAll().count('#'));

    Velloran window;
    window.show();
    window.ui.comboBox->setCurrentIndex(1);   // notices in their English source texts
    ModalWatcher watcher;
    (kav ? window.ui.kav : window.ui.lum_luma)->setChecked(true);
    dropFiles(&window, {path});

    QTableWidget *t = window.ui.tableWidget;
    out.rows = t->rowCount();
    out.messages = watcher.messageTexts();
    for (int r = 0; r < t->rowCount(); ++r)
        out.tallRows += t->rowHeight(r) == 40;
    for (int c = 0; c < t->columnCount(); ++c)
        out.firstRow << (t->item(0, c) ? t->item(0, c)->text() : QStringLiteral("<none>"));
    out.arcEntries = window.arcLists.size();
    out.arcFlag = window.arcFlag;
    return out;
}

} // namespace

class TestSamples : public QObject
{
    Q_OBJECT

private slots:
    void everySampleOpens_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("kav");
        QTest::addColumn<bool>("arc");
        QTest::addColumn<bool>("manyAxes");
        QTest::newRow("spot errors") << "lum_spot/ROBOT.ERR" << false << false << false;
        QTest::newRow("spot stops") << "lum_spot/ROBOT.STP" << false << false << false;
        QTest::newRow("arc errors") << "lum_arc/ROBOT.ERR" << false << true << false;
        QTest::newRow("arc stops") << "lum_arc/ROBOT.STP" << false << true << false;
        QTest::newRow("12 axes errors") << "lum_multiaxis/ROBOT.ERR" << false << false << true;
        QTest::newRow("12 axes stops") << "lum_multiaxis/ROBOT.STP" << false << false << true;
        QTest::newRow("Kav errors") << "kav/ROBOT.E01" << true << false << false;
        QTest::newRow("Kav stops") << "kav/ROBOT.S01" << true << false << false;
    }

    void everySampleOpens()
    {
        QFETCH(QString, file);
        QFETCH(bool, kav);
        QFETCH(bool, arc);
        QFETCH(bool, manyAxes);
        const Opened o = open(file, kav);
        QVERIFY(o.recordCount >= 20);
        QCOMPARE(o.rows, o.recordCount);
        QCOMPARE(o.arcFlag, arc);
        QCOMPARE(o.arcEntries, arc ? o.recordCount : 0);
        QCOMPARE(o.tallRows, manyAxes ? o.recordCount : 0);
        QStringList expected;
        if (arc)
            expected << QStringLiteral("In addition to basic information, Arc information is included.\n"
                                       "Please, check Arc In/Output Signal tab.");
        if (manyAxes)
            expected << QStringLiteral("This file is error file of 8 Axis or more.\nThe axis is output in two rows.\n\n"
                                       "Top line - Axis1~8\nBottom line - Axis9~16");
        QCOMPARE(o.messages, expected);
        // Every record has its number, code, date and time, and its signal bytes.
        QCOMPARE(o.firstRow.at(0), QStringLiteral("0001"));
        QVERIFY(QRegularExpression(QStringLiteral("^([EW]-\\d{4,5}|S-\\d+|F\\d\\d)$")).match(o.firstRow.at(1)).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}/\\d\\d/\\d\\d$")).match(o.firstRow.at(4)).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(o.firstRow.at(5)).hasMatch());
        QCOMPARE(o.firstRow.at(8), kav ? QStringLiteral("   -") : o.firstRow.at(8));
        QCOMPARE(o.firstRow.at(17).size(), 19);
        for (int c = 18; c <= 21; ++c)
            QCOMPARE(o.firstRow.at(c).size(), 25);
        QCOMPARE(o.firstRow.at(22).size(), 19);
    }
};

QTEST_MAIN(TestSamples)
#include "tst_samples.moc"
