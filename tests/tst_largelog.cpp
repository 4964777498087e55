// A large generated log goes through the fast path of the viewer and through
// the plain reference parser; the two tables must be the same cell by cell.

#include "app/velloran.h"
#include "details/helpfilereader.h"
#include "details/helploading.h"
#include "log/logfile.h"
#include "log/windowlookups.h"
#include "support/dragdrop.h"
#include "support/logtext.h"
#include "support/modalwatcher.h"
#include "support/referenceparser.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

using namespace logtext;

namespace {

// Records of every shape the parser knows, and some it does not.
QString generatedLog(int records, bool kav, QRandomGenerator &rng)
{
    QStringList list;
    QStringList arcSignals = lumSignals().mid(0, 5);
    arcSignals << arcBlock() << lumSignals().mid(5);
    QStringList odd = lumSignals().mid(0, 5);
    odd << QStringLiteral("Weld(01-08): [00]") << lumSignals().mid(5);
    for (int i = 1; i <= records; ++i) {
        const QString number = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
        const int code = int(rng.bounded(500));
        const int shape = int(rng.bounded(100));
        QString codeLine = QStringLiteral("%1-%2,%3,%4").arg(shape % 7 ? QStringLiteral("E") : QStringLiteral("W"))
                               .arg(code, 4, 10, QLatin1Char('0')).arg(rng.bounded(7)).arg(rng.bounded(3));
        if (shape < 5)
            codeLine = kav ? QStringLiteral("F%1").arg(10 * (1 + shape % 4)) : QStringLiteral("S-%1").arg(10 * (1 + shape % 6));
        if (kav) {
            list << kavRecord(number, codeLine);
            continue;
        }
        QStringList positions = sixAxes();
        if (shape >= 60 && shape < 75)
            positions = QStringList{"1,2,3", "4,5,6", "7,8,9", "10,11,12"};
        else if (shape >= 75 && shape < 80)
            positions = QStringList{"1,2,3", "4,5,6", QStringLiteral("%1").arg(rng.bounded(9000))};
        const QStringList signalLines = shape >= 80 && shape < 95 ? arcSignals : shape >= 95 && shape < 97 ? odd : lumSignals();
        QString rec = lumRecord(number, codeLine, positions, signalLines,
                                QStringLiteral("2026/%1/%2 %3:%4:%5").arg(1 + i % 12).arg(1 + i % 28).arg(i % 24).arg(i % 60).arg(i % 59));
        if (shape == 97)
            rec.truncate(int(rng.bounded(rec.size())));   // a record cut short
        if (shape == 98)
            rec.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        list << rec;
    }
    return log(kav ? kavErrorHeader() : lumErrorHeader(), list);
}

class Table : public vlog::LogSink
{
public:
    explicit Table(QTableWidget &table) : m_table(table) {}
    void begin(int rows) override { m_table.setRowCount(rows); }
    void notice(vlog::Notice n) override { notices << int(n); }
    void row(int row, const vlog::LogRow &cells) override
    {
        for (int c = 0; c < vlog::kRecordColumns; ++c)
            if (cells.has(c))
                m_table.setItem(row, c, new QTableWidgetItem(cells.cells[size_t(c)]));
        m_table.setRowHeight(row, cells.eightAxes ? 40 : 30);
    }
    QList<int> notices;

private:
    QTableWidget &m_table;
};

} // namespace

class TestLargeLog : public QObject
{
    Q_OBJECT

private slots:
    void fastPathGivesTheSameTable_data()
    {
        QTest::addColumn<bool>("kav");
        QTest::newRow("Lum/Luma") << false;
        QTest::newRow("Kav") << true;
    }

    void fastPathGivesTheSameTable()
    {
        QFETCH(bool, kav);
        QRandomGenerator rng(kav ? 7 : 11);
        const QString text = generatedLog(10000, kav, rng);
        QTemporaryDir dir;
        const QString path = writeFile(dir.filePath(kav ? QStringLiteral("ROBOT.E01") : QStringLiteral("ROBOT.ERR")), text);

        Velloran window;
        window.show();
        loadHelpAndStopTables(&window);
        window.ui.comboBox->setCurrentIndex(vlog::English);
        (kav ? window.ui.kav : window.ui.lum_luma)->setChecked(true);
        ModalWatcher watcher;
        // A log with taller rows before, so that its heights must not survive.
        {
            QStringList tall;
            for (int i = 0; i < 12000; ++i)
                tall << lumRecord(QString::number(i), QStringLiteral("E-0001,1,0"), {"1,2,3", "4,5,6", "7,8,9", "10,11,12"});
            const QString tallPath = writeFile(dir.filePath(QStringLiteral("tall/ROBOT.ERR")), log(lumErrorHeader(), tall));
            window.ui.lum_luma->setChecked(true);
            window.clearAllViews();
            window.ui.file_add->setText(tallPath);
            window.loadLog(tallPath);
            (kav ? window.ui.kav : window.ui.lum_luma)->setChecked(true);
        }
        watcher.seen.clear();
        window.clearAllViews();
        window.ui.file_add->setText(path);
        window.loadLog(path);

        QTableWidget reference(0, vlog::kRecordColumns);
        Table sink(reference);
        WindowLookups lookups(window);
        bool arcFlag = false;
        vlog::ArcLists arc;
        vref::parseLogReference(text.split(QLatin1Char('#')), kav ? vlog::Family::Kav : vlog::Family::Lum, false, lookups,
                                arcFlag, arc, sink);

        QTableWidget *t = window.ui.tableWidget;
        QCOMPARE(t->rowCount(), 10000);
        QCOMPARE(reference.rowCount(), t->rowCount());
        int items = 0;
        for (int r = 0; r < t->rowCount(); ++r) {
            QCOMPARE(t->rowHeight(r), reference.rowHeight(r));
            for (int c = 0; c < vlog::kRecordColumns; ++c) {
                const QTableWidgetItem *a = t->item(r, c);
                const QTableWidgetItem *b = reference.item(r, c);
                QVERIFY2(bool(a) == bool(b), qPrintable(QStringLiteral("row %1 column %2").arg(r).arg(c)));
                if (a) {
                    ++items;
                    QVERIFY2(a->text() == b->text(), qPrintable(QStringLiteral("row %1 column %2: %3 / %4").arg(r).arg(c).arg(a->text(), b->text())));
                }
            }
        }
        QVERIFY(items > 200000);
        QCOMPARE(window.arcFlag, arcFlag);
        QCOMPARE(window.arcLists.arcInputs, arc.arcInputs);
        QCOMPARE(window.arcLists.arcOutputs, arc.arcOutputs);
        QCOMPARE(window.arcLists.analogInputs1, arc.analogInputs1);
        QCOMPARE(window.arcLists.analogOutputs2, arc.analogOutputs2);
        QCOMPARE(watcher.messageTexts().size(), sink.notices.size());
        if (!kav) {
            QCOMPARE(sink.notices.size(), 2);
            QVERIFY(arc.arcInputs.size() > 1000);
        }
    }

    void logTextDecodedAsATextStreamDoes()
    {
        const QList<QByteArray> files{
            QByteArray("plain ASCII #0001\r\nE-0001,1,0\r\n"),
            QByteArray("\xEF\xBB\xBF" "UTF-8 with a mark #1\n"),
            QByteArray("\xFF\xFE" "U\0T\0F\0-\0" "1\0" "6\0#\0", 16),
            QByteArray("bytes \xC3\xA9 and \xFF\xFE broken \x80 #"),
            QByteArray(),
        };
        for (const QByteArray &bytes : files) {
            QBuffer a, b;
            a.setData(bytes);
            b.setData(bytes);
            QVERIFY(a.open(QIODevice::ReadOnly));
            QVERIFY(b.open(QIODevice::ReadOnly));
            QTextStream stream(&b);
            QCOMPARE(vlog::readLogText(a), stream.readAll());
        }
    }
};

QTEST_MAIN(TestLargeLog)
#include "tst_largelog.moc"
