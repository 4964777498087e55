// The controller data files (MCH/C01, INF, CON/C00) in their trees and the
// system characteristic data table, and the HISTORY.TXT button.
#include "app/velloran.h"
#include "datafiles/datafileformat.h"
#include "support/fixture.h"

#include <QDesktopServices>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// An item with its children in brackets; a tree is its root item.
QString dump(const QTreeWidgetItem *item)
{
    QStringList children;
    for (int i = 0; i < item->childCount(); ++i)
        children << dump(item->child(i));
    return children.isEmpty() ? item->text(0) : QStringLiteral("%1[%2]").arg(item->text(0), children.join(','));
}
QString dump(Velloran &w, const char *name)
{
    return dump(w.findChild<QTreeWidget *>(name)->invisibleRootItem());
}
// Opens the log as a drop on the window does, with the family and language chosen.
void open(Velloran &w, const QString &path, bool kav, int language = 1)
{
    w.findChild<QRadioButton *>(kav ? "kav" : "lum_luma")->setChecked(true);
    w.findChild<QComboBox *>("comboBox")->setCurrentIndex(language);
    ModalWatcher notices;
    dropFiles(&w, {path});
}
const QString kNone = QStringLiteral("[INF File does not exist.] [MCH File does not exist.] [CON File does not exist.] 0");
} // namespace

class TestDataFiles : public QObject
{
    Q_OBJECT
public slots:
    void openUrl(const QUrl &url) { m_seen << "opened " + url.toLocalFile(); }

private slots:
    void characteristicTable_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("headings");
        QTest::addColumn<QString>("rows");
        const QString many = QStringLiteral("A,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P,Q,R,S,T,U,V,W,X,Y,Z,a,b");
        QTest::newRow("10 lines give the 6 rows of lines 2 to 7") << "T\nA , B\nx   1,a\nx   2,b\nx   3,c\nx   4,d\nx   5,e\nx   6,f\nx   7,g\n" << "A|B" << "1|a;2|b;3|c;4|d;5|e;6|f";
        QTest::newRow("label, six blanks and 123 show 123") << "T\nA\nLabel      123\n\n" << "A" << "123";
        QTest::newRow("no run of three blanks shows an empty first cell") << "T\nA,B\nLabel 123,5\n\n" << "A|B" << "|5";
        QTest::newRow("fewer cells than headings fill fewer columns") << "T\nA,B,C\nx   1,2\n\n" << "A|B|C" << "1|2";
        QTest::newRow("a row fills 26 columns at most") << QStringLiteral("T\n%1\nx   %1\n\n").arg(many) << QString(many).replace(',', '|') << many.left(51).replace(',', '|');
        QTest::newRow("fewer than four lines give no rows") << "T\nA,B\nx   1,2" << "A|B" << "";
        QTest::newRow("a title alone gives one empty heading") << "T" << "" << "";
    }
    void characteristicTable()
    {
        QFETCH(QString, section);
        const vlog::CharacteristicTable table = vlog::characteristicTable(section.split('\n'));
        QStringList rows;
        for (const QStringList &row : table.rows)
            rows << row.join('|');
        QTEST(table.headings.join('|'), "headings");
        QTEST(rows.join(';'), "rows");
    }

    void sampleBackup()
    {
        Velloran w;
        open(w, QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_multiaxis/ROBOT.ERR"), false);
        auto top = [&](const char *tree, int i) { return w.findChild<QTreeWidget *>(tree)->topLevelItem(i)->text(0) + '|'; };
        QCOMPARE(top("treeWidget", 1) + top("treeWidget_2", 2) + top("treeWidget_2", 4) + top("treeWidget_3", 4), "[Gear ratio and encoder offset]|System Characteristic Data |Option Board Information|Home position|");
        auto *t = w.findChild<QTableWidget *>("tableWidget_3");
        QCOMPARE(QString("%1x%2 %3 %4 %5").arg(t->rowCount()).arg(t->columnCount()).arg(t->horizontalHeaderItem(23)->text(), t->item(9, 0)->text(), t->item(9, 1)->text()), "12x24 Status 10 VM-200");
    }

    void windowTrees_data()
    {
        QTest::addColumn<bool>("kav");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("shown"); // the INF, MCH and CON trees, the table's row count
        QString binary, big(10 << 20, 'a'), commas(10 << 20, ','), hy(32, '-');
        for (int i = 0; i < 4096; ++i)
            binary += QChar(i * 7 % 256);
        QTest::newRow("missing files in Korean") << false << 0 << "" << "" << QString::fromUtf8("[INF 파일이 없습니다.] [MCH 파일이 없습니다.] [CON 파일이 없습니다.] 0");
        QTest::newRow("missing files in English under Chinese") << false << 2 << "" << "" << kNone;
        QTest::newRow("Kav ignores ROBOT.MCH") << true << 1 << "ROBOT.MCH" << "x\n#Robot\n" << kNone;
        QTest::newRow("Kav reads ROBOT.C00") << true << 1 << "ROBOT.C00" << "x\n#0 a \n b\n" << "[INF File does not exist.] [MCH File does not exist.] [a[b,]] 0";
        QTest::newRow("Kav INF with the table") << true << 1 << "ROBOT.INF" << "<< System Characteristic Data >>=\nA\nx   1\n\n<< System Characteristic Data>\nA" << "[System Characteristic Data [Check the next table.],System Characteristic Data[A]] [MCH File does not exist.] [CON File does not exist.] 1";
        QTest::newRow("INF title: decoration removed after simplifying") << true << 1 << "ROBOT.INF" << "<<  Robot = Info >>\n a  b " << "[Robot  Info [a b]] [MCH File does not exist.] [CON File does not exist.] 0";
        QTest::newRow("last INF section in blocks, the last of one line") << false << 1 << "ROBOT.INF" << "=<< A >>=\nx\n=<< Boards >=\n" + hy + "\nSlot 1\n v \n" + hy + hy << "[A [x,],Boards[Slot 1[v,],,]] [MCH File does not exist.] [CON File does not exist.] 0";
        QTest::newRow("binary file without markers") << true << 1 << "ROBOT.INF" << binary << " [MCH File does not exist.] [CON File does not exist.] 0";
        QTest::newRow("ROBOT.INF is a folder") << false << 1 << "ROBOT.INF/x" << "" << kNone;
        QTest::newRow("Lum/Luma INF without a marker is one block tree") << false << 1 << "ROBOT.INF" << "a >\nb" << "[a b] [MCH File does not exist.] [CON File does not exist.] 0";
        QTest::newRow("characteristic section of 2 lines") << false << 1 << "ROBOT.INF" << "=<< System Characteristic Data >\nA,B\n=<<" << "[System Characteristic Data [Check the next table.],] [MCH File does not exist.] [CON File does not exist.] 0";
        QTest::newRow("10 MB line of headings") << false << 1 << "ROBOT.INF" << "=<< System Characteristic Data >\n" + commas + "\nx   1\n\n=<<" << "[System Characteristic Data [Check the next table.],] [MCH File does not exist.] [CON File does not exist.] 1";
        QTest::newRow("10 MB line in a block") << false << 1 << "ROBOT.INF" << "x\n" + hy + "\nT\n" + big << "[x[T[" + big + "]]] [MCH File does not exist.] [CON File does not exist.] 0";
    }
    void windowTrees()
    {
        QFETCH(QString, file);
        QFETCH(QString, content);
        QFETCH(bool, kav);
        QFETCH(int, language);
        QTemporaryDir dir;
        writeFile(dir.filePath(file.isEmpty() ? "ROBOT.TXT" : file), content);
        Velloran w;
        open(w, dir.filePath(kav ? "ROBOT.E01" : "ROBOT.ERR"), kav, language);
        QTEST(QStringList({dump(w, "treeWidget_2"), dump(w, "treeWidget"), dump(w, "treeWidget_3"), QString::number(w.findChild<QTableWidget *>("tableWidget_3")->rowCount())}).join(' '), "shown");
    }

    void historyButton_data()
    {
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("seen");
        QTest::newRow("no log open") << "" << "HISTORY.TXT" << "Velloran: Please open the ERR file and try again.";
        QTest::newRow("a bare file name counts as no log") << "ROBOT.ERR" << "HISTORY.TXT" << "Velloran: Please open the ERR file and try again.";
        QTest::newRow("history.txt in lower case is not found") << "d/ROBOT.E01" << "history.txt" << "Velloran: HISTORY.TXT does not exist.";
        QTest::newRow("present beside a Kav log") << "d/ROBOT.E01" << "HISTORY.TXT" << "opened d/HISTORY.TXT";
    }
    void historyButton()
    {
        QFETCH(QString, log);
        QFETCH(QString, history);
        QTemporaryDir dir;
        writeFile(dir.filePath("d/" + history), "2026/01/02 10:00  Backup\n");
        Velloran w;
        w.findChild<QComboBox *>("comboBox")->setCurrentIndex(1);
        w.findChild<QLineEdit *>("file_add")->setText(log.contains('/') ? dir.filePath(log) : log);
        ModalWatcher watcher;
        m_seen.clear();
        QDesktopServices::setUrlHandler("file", this, "openUrl");
        w.findChild<QPushButton *>("history")->click();
        QDesktopServices::unsetUrlHandler("file");
        for (const SeenDialog &box : watcher.seen)
            m_seen << box.title + ": " + box.text;
        QTEST(m_seen.join('\n').replace(dir.path() + '/', QString()), "seen");
    }

private:
    QStringList m_seen;
};

QTEST_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
