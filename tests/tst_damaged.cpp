// Damaged logs through the real window: whatever a controller or a USB stick
// left behind loads without a crash or a hang, and a sound log opened next
// loads completely.

#include "log/recordcolumns.h"
#include "support/fixture.h"

#include <QTextCodec>
#include <QtTest>

#include <sys/stat.h>

class TestDamaged : public QObject
{
    Q_OBJECT
private slots:
    void damagedLogLeavesTheWindowUsable_data();
    void damagedLogLeavesTheWindowUsable();
};

namespace {
QByteArray sample()
{
    QFile file(QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_spot/ROBOT.ERR"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

void TestDamaged::damagedLogLeavesTheWindowUsable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("kind"); // "file", "directory" or "fifo"
    const QByteArray log = sample();
    const int secondRecord = log.indexOf('#', log.indexOf('#') + 1);
    QByteArray nuls = log;
    for (int i = 7; i < nuls.size(); i += 97)
        nuls[i] = '\0';
    QByteArray longLine = log.left(secondRecord);
    longLine.insert(log.indexOf("E-0015"), QByteArray(10 * 1024 * 1024, '7'));
    QByteArray lengths = log.left(log.indexOf('#'));
    for (int r = 1; r <= 300; ++r)
        lengths += "#" + QByteArray::number(r) + "\r\nE-" + QByteArray(r, '1') + ",0,0\r\n";
    QTextCodec *utf16 = QTextCodec::codecForName("UTF-16LE");

    QTest::newRow("cut at a record boundary") << log.left(secondRecord) << "file";
    QTest::newRow("cut in the middle of a record") << log.left(secondRecord + 40) << "file";
    QTest::newRow("CR-only line ends") << QByteArray(log).replace("\r\n", "\r") << "file";
    QTest::newRow("UTF-8 byte-order mark") << "\xef\xbb\xbf" + log << "file";
    QTest::newRow("UTF-16 with byte-order mark") << "\xff\xfe" + utf16->fromUnicode(QString::fromLatin1(log)) << "file";
    QTest::newRow("UTF-16 without byte-order mark") << utf16->fromUnicode(QString::fromLatin1(log)) << "file";
    QTest::newRow("NUL bytes all through") << nuls << "file";
    QTest::newRow("a 10 MB code line") << longLine << "file";
    QTest::newRow("100,000 record marks and nothing else") << QByteArray(100000, '#') << "file";
    QTest::newRow("empty file") << QByteArray() << "file";
    QTest::newRow("codes of 300 lengths") << lengths << "file";
    QTest::newRow("a directory named like a log") << QByteArray() << "directory";
    QTest::newRow("a FIFO named like a log") << QByteArray() << "fifo";
}

void TestDamaged::damagedLogLeavesTheWindowUsable()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    Fixture f;
    const QString path = f.dir.filePath(QStringLiteral("ROBOT.ERR"));
    if (kind == QLatin1String("directory")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    f.drop({path}); // a FIFO would block here for ever if it were opened

    f.drop({QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_spot/ROBOT.ERR")});
    QCOMPARE(f.table()->rowCount(), int(sample().count('#')));
    QCOMPARE(f.cell(0, vlog::ColCode), QStringLiteral("E-0015"));
    QCOMPARE(f.cell(0, vlog::ColTime), QStringLiteral("07:42:23"));
}

QTEST_MAIN(TestDamaged)
#include "tst_damaged.moc"
