// The statistics' "ends with" search against its plain definition, and the
// loader's refusal of files that are not regular files.

#include "log/codesuffix.h"
#include "log/logfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestCodeSuffix : public QObject
{
    Q_OBJECT
private slots:
    void matchesThePlainDefinition();
    void onlyRegularFilesAreOpened();
};

void TestCodeSuffix::matchesThePlainDefinition()
{
    // Letters of both cases, digits, a sharp s, a Greek sigma, an Deseret
    // letter (a surrogate pair whose low half changes when folded) and lone
    // surrogates.
    const QString alphabet = QString::fromUtf8("aAbB-E1\u00df\u03a3\u03c3") + QString::fromUcs4(U"\U00010400\U00010428")
        + QChar(0xd801) + QChar(0xdc00);
    QRandomGenerator random(7);
    auto randomText = [&](int maxLength) {
        QString s;
        const int n = random.bounded(maxLength + 1);
        for (int i = 0; i < n; ++i)
            s += alphabet.at(random.bounded(alphabet.size()));
        return s;
    };
    for (int round = 0; round < 300; ++round) {
        QStringList codes;
        for (int i = 0; i < 12; ++i) {
            const QString code = randomText(4);
            if (!codes.contains(code))
                codes << code;
        }
        const vlog::CodeSuffixes suffixes(codes);
        for (int t = 0; t < 20; ++t) {
            const QString text = randomText(8);
            QVector<int> found;
            suffixes.match(text, found);
            std::sort(found.begin(), found.end());
            QVector<int> expected;
            for (int i = 0; i < codes.size(); ++i)
                if (codes.at(i).size() <= text.size()
                    && text.right(codes.at(i).size()).toCaseFolded() == codes.at(i).toCaseFolded())
                    expected << i;
            QCOMPARE(found, expected);
        }
    }
}

void TestCodeSuffix::onlyRegularFilesAreOpened()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("ROBOT.ERR");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile pipe(fifo);
    QVERIFY(!vlog::openRegularFile(pipe)); // returns at once instead of waiting for a writer
    QFile folder(dir.path());
    QVERIFY(!vlog::openRegularFile(folder));
    QFile plain(dir.filePath("ROBOT.STP"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(vlog::openRegularFile(plain));
}

QTEST_GUILESS_MAIN(TestCodeSuffix)
#include "tst_codesuffix.moc"
