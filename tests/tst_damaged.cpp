// Damaged logs through the real window: whatever a controller or a USB stick
// left behind loads without a crash or a hang, and a sound log opened next
// loads completely.

#include "details/language.h"
#include "log/recordcolumns.h"
#include "support/fixture.h"

#include <QApplication>
#include <QDialog>
#include <QTextCodec>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include <sys/stat.h>

class TestDamaged : public QObject
{
    Q_OBJECT
private slots:
    void damagedLogLeavesTheWindowUsable_data();
    void damagedLogLeavesTheWindowUsable();
    void damagedCompanionLeavesTheWindowUsable_data();
    void damagedCompanionLeavesTheWindowUsable();
};

namespace {
QByteArray sample(const QString &name = QStringLiteral("ROBOT.ERR"))
{
    QFile file(QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_spot/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Puts a file, a directory or a FIFO at the path.
bool make(const QString &path, const QString &kind, const QByteArray &bytes)
{
    if (kind == QLatin1String("directory"))
        return QDir().mkpath(path);
    if (kind == QLatin1String("fifo"))
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What the window shows of a loaded backup: the rows, the companion trees,
// the system characteristic data and the history text.
QStringList shown(const Fixture &f)
{
    QStringList o{QString::number(f.table()->rowCount())};
    for (const char *name : {"treeWidget", "treeWidget_2", "treeWidget_3", "treeWidget_4"}) {
        const QTreeWidget *tree = f.w<QTreeWidget>(name);
        o << QStringLiteral("%1: %2 sections, first %3")
                 .arg(QLatin1String(name))
                 .arg(tree->topLevelItemCount())
                 .arg(tree->topLevelItemCount() ? tree->topLevelItem(0)->text(0) : QString());
    }
    o << QString::number(f.w<QTableWidget>("tableWidget_3")->rowCount())
      << QString::number(f.w<QTextEdit>("textEdit")->toPlainText().size());
    return o;
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
    QVERIFY(make(path, kind, bytes));
    f.drop({path}); // a FIFO would block here for ever if it were opened

    f.drop({QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_spot/ROBOT.ERR")});
    QCOMPARE(f.table()->rowCount(), int(sample().count('#')));
    QCOMPARE(f.cell(0, vlog::ColCode), QStringLiteral("E-0015"));
    QCOMPARE(f.cell(0, vlog::ColTime), QStringLiteral("07:42:23"));
}

void TestDamaged::damagedCompanionLeavesTheWindowUsable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QByteArray random(256 * 1024, '\0');
    quint32 seed = 12345;
    for (char &c : random)
        c = char((seed = seed * 1103515245u + 12345u) >> 24);
    for (const char *file : {"ROBOT.INF", "ROBOT.MCH", "ROBOT.CON", "ROBOT.OPR", "0003.JOB"}) {
        const QString name = QLatin1String(file);
        const QByteArray sound = sample(name);
        QByteArray nuls = sound;
        for (int i = 5; i < nuls.size(); i += 31)
            nuls[i] = '\0';
        QByteArray longLine = sound;
        longLine.insert(sound.indexOf('\n') + 1, QByteArray(10 * 1024 * 1024, 'S'));
        const QString n = name + QLatin1Char(' ');
        QTest::newRow(qPrintable(n + "random bytes")) << name << "file" << random;
        QTest::newRow(qPrintable(n + "cut in the middle of a line")) << name << "file" << sound.left(sound.size() * 4 / 7);
        QTest::newRow(qPrintable(n + "NUL bytes all through")) << name << "file" << nuls;
        QTest::newRow(qPrintable(n + "a 10 MB second line")) << name << "file" << longLine;
        QTest::newRow(qPrintable(n + "empty")) << name << "file" << QByteArray();
        QTest::newRow(qPrintable(n + "a directory")) << name << "directory" << QByteArray();
        QTest::newRow(qPrintable(n + "a FIFO")) << name << "fifo" << QByteArray();
    }
}

// A backup with one damaged companion file: the log loads whole, the first
// record's program button and the history cursor work, and the sound backup
// opened next shows exactly what it showed before.
void TestDamaged::damagedCompanionLeavesTheWindowUsable()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    Fixture f;
    f.choose(vlog::English);
    const QString soundLog = QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_spot/ROBOT.ERR");
    f.drop({soundLog});
    const QStringList before = shown(f);

    const QDir backup(f.dir.filePath(QStringLiteral("backup")));
    QVERIFY(QDir().mkpath(backup.path()));
    for (const QFileInfo &file : QDir(QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_spot")).entryInfoList(QDir::Files))
        if (file.fileName() != name)
            QVERIFY(QFile::copy(file.filePath(), backup.filePath(file.fileName())));
    QVERIFY(make(backup.filePath(name), kind, bytes));
    f.drop({backup.filePath(QStringLiteral("ROBOT.ERR"))}); // a FIFO would block here for ever if it were opened
    QCOMPARE(f.table()->rowCount(), before.first().toInt());

    // The program view of the first record (program 0003) opens and is closed
    // again, or "File not found." is answered.
    QStringList job;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&job] {
        auto *view = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (view && !qobject_cast<QMessageBox *>(view)) {
            job << QString::number(view->findChild<QTextEdit *>()->toPlainText().size());
            view->reject();
        }
    });
    closer.start(20);
    f.clickRow(0);
    QTest::mouseClick(f.w<QPushButton>("program"), Qt::LeftButton);
    const bool jobMissing = name.endsWith(QLatin1String(".JOB")) && kind != QLatin1String("file");
    QCOMPARE(f.watcher.messageTexts(), jobMissing ? QStringList{QStringLiteral("File not found.")} : QStringList());
    QCOMPARE(job.size(), jobMissing ? 0 : 1);

    auto *history = f.w<QTextEdit>("textEdit");
    for (int step = 0; step <= 8; ++step) {
        QTextCursor cursor = history->textCursor();
        cursor.setPosition(history->document()->characterCount() * step / 9);
        history->setTextCursor(cursor);
    }

    f.drop({soundLog});
    QCOMPARE(shown(f), before);
}

QTEST_MAIN(TestDamaged)
#include "tst_damaged.moc"
