// The program view of the Details group's program button, and the find
// dialog of the record table.

#include "app/velloran.h"
#include "search/findmatch.h"
#include "support/fixture.h"
#include "support/logtext.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

using namespace logtext;

namespace {

// A Lum/Luma or Kav error log whose records carry the given numbers, codes,
// program and step.
QString errorLog(bool kav, bool withProgram, const QStringList &numbers, const QStringList &codes,
                 const QString &program = QStringLiteral("0001"), const QString &step = QStringLiteral("0003"))
{
    QString header = kav ? kavErrorHeader() : lumErrorHeader();
    if (!withProgram)
        header.replace(QStringLiteral("Program number"), QStringLiteral("Reserved"));
    QStringList records;
    for (int i = 0; i < numbers.size(); ++i) {
        QStringList lines{numbers.at(i), codes.at(i), QStringLiteral("2026/11/03 10:22:01"), program, step};
        if (!kav)
            lines << QStringLiteral("0005");
        lines << sixAxes();
        if (!kav)
            lines << lumSignals();
        for (int b = 0; kav && b < 8; ++b)
            lines << QStringLiteral("G%1(%2-%3): [00 00 00 00 00 00 00 00]").arg(b < 4 ? "I" : "O").arg(b % 4 * 8 + 1, 2, 10, QLatin1Char('0')).arg(b % 4 * 8 + 8, 2, 10, QLatin1Char('0'));
        records << lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    return log(header, records);
}

const QString kJob = QStringLiteral("S1 MOVE L P1 V=500\nS120 ARCON\nS3 WAIT 0.5\nS12 SPOT GUN=1\n");

} // namespace

class TestProgramFind : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window.reset(new Velloran());
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_watcher.reset(new ModalWatcher());
        m_window->findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(1);
    }
    void cleanup()
    {
        m_watcher.reset();
        m_window.reset();
    }
    void programView_data();
    void programView();
    void find_data();
    void find();
    void matching_data();
    void matching();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Velloran> m_window;
    std::unique_ptr<ModalWatcher> m_watcher;
    int m_count = 0;

    template <typename T> T *child(const char *name) { return m_window->findChild<T *>(QLatin1String(name)); }
    QWidget *findDialog()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("FindDialogClass"))
                return w;
        return nullptr;
    }
    template <typename T> T *findChildOf(const char *name) { return findDialog()->findChild<T *>(QLatin1String(name)); }
    void load(bool kav, const QString &text, const QStringList &jobs = {})
    {
        const QString dir = m_dir.filePath(QString::number(++m_count));
        for (const QString &job : jobs)
            writeFile(dir + QLatin1Char('/') + job, job + QLatin1Char('\n') + kJob);
        child<QRadioButton>(kav ? "kav" : "lum_luma")->setChecked(true);
        dropFiles(m_window.get(), {writeFile(dir + (kav ? QStringLiteral("/ROBOT.E01") : QStringLiteral("/ROBOT.ERR")), text)});
    }
};

void TestProgramFind::programView_data()
{
    QTest::addColumn<bool>("kav");
    QTest::addColumn<bool>("withProgram");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("jobs");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("shown");     // first line of the job shown, or the message box text
    QTest::addColumn<QString>("selection"); // position and text selected in the job
    const QStringList none;
    QTest::newRow("program 0001 opens 0001.JOB, not JOB0002.JOB")
        << false << true << "0001" << "0003" << QStringList{"JOB0002.JOB", "0001.JOB"} << 1 << "0001.JOB" << "39 S3";
    QTest::newRow("program 0001 opens JOB0001.JOB by its last four characters")
        << false << true << "0001" << "0001" << QStringList{"JOB0001.JOB"} << 1 << "JOB0001.JOB" << "12 S1";
    QTest::newRow("Kav program 0100 opens ZT210-04.010")
        << true << true << "0100" << "0003" << QStringList{"ZT210-04.010", "0100.JOB"} << 1 << "ZT210-04.010" << "43 S3";
    QTest::newRow("Kav program 0001 opens ZT210-04.001")
        << true << true << "0001" << "0001" << QStringList{"ZT210-04.001"} << 1 << "ZT210-04.001" << "13 S1";
    QTest::newRow("step 12 is selected inside S120, which comes first")
        << false << true << "0001" << "0012" << QStringList{"0001.JOB"} << 1 << "0001.JOB" << "28 S12";
    QTest::newRow("a step that is not in the job selects nothing")
        << false << true << "0001" << "0099" << QStringList{"0001.JOB"} << 1 << "0001.JOB" << "0 ";
    QTest::newRow("missing job file reports File not found")
        << false << true << "0001" << "0003" << QStringList{"0002.JOB"} << 1 << "Velloran|File not found." << "";
    QTest::newRow("missing job file under Korean reports in Korean")
        << false << true << "0001" << "0003" << none << 0 << "Velloran|파일을 찾을 수 없습니다." << "";
    QTest::newRow("record without a program reports File not found")
        << false << false << "0001" << "0003" << QStringList{"0001.JOB"} << 1 << "Velloran|File not found." << "";
}

void TestProgramFind::programView()
{
    QFETCH(bool, kav);
    QFETCH(bool, withProgram);
    QFETCH(QString, program);
    QFETCH(QString, step);
    QFETCH(QStringList, jobs);
    QFETCH(int, language);
    QFETCH(QString, shown);
    QFETCH(QString, selection);
    load(kav, errorLog(kav, withProgram, {"0001"}, {"E-0007,1"}, program, step), jobs);
    child<QComboBox>("comboBox")->setCurrentIndex(language);
    auto *table = child<QTableWidget>("tableWidget");
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(0, 0)).center());
    QString seen, selected;
    QTimer viewer;
    connect(&viewer, &QTimer::timeout, [&] {
        auto *view = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!view || view->objectName() != QLatin1String("ProgramViewClass"))
            return;
        const QTextCursor cursor = view->findChild<QTextEdit *>(QStringLiteral("textEdit"))->textCursor();
        seen = cursor.document()->toPlainText().section(QLatin1Char('\n'), 0, 0);
        selected = QStringLiteral("%1 %2").arg(cursor.selectionStart()).arg(cursor.selectedText());
        view->reject();
    });
    viewer.start(5);
    QTest::mouseClick(child<QPushButton>("program"), Qt::LeftButton);
    for (const SeenDialog &box : m_watcher->seen)
        seen += box.title + QLatin1Char('|') + box.text;
    QCOMPARE(seen, shown);
    QCOMPARE(selected, selection);
}

void TestProgramFind::find_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("observed"); // one observation per action
    QTest::newRow("column 0 is searched down before column 1, then Next wraps")
        << QStringList{"next 0007", "next 0007", "next 0007"} << QStringList{"r1c0 items", "r0c1 items", "r1c0 items"};
    QTest::newRow("lower case finds upper case; the same text in other letters starts again")
        << QStringList{"next e-0010", "next e-0010", "next E-0010"} << QStringList{"r1c1 items", "r2c1 items", "r1c1 items"};
    QTest::newRow("a new text starts at its first match, also after a text not found")
        << QStringList{"next 0007", "next e-0010", "next 0007", "next 0007", "next zzz", "next 0007"}
        << QStringList{"r1c0 items", "r1c1 items", "r1c0 items", "r0c1 items", "Velloran|\"zzz\" is Not Found.", "r1c0 items"};
    QTest::newRow("All lists every match with its whole text; choosing one selects it")
        << QStringList{"all e-0010", "pick 2", "pick 0", "all zzz"}
        << QStringList{"E-0010;E-0010;E-0010", "r3c1 items", "r1c1 items", "Velloran|\"zzz\" is Not Found."};
    QTest::newRow("Return in the search field acts as Next")
        << QStringList{"return e-0010", "return e-0010"} << QStringList{"r1c1 items", "r2c1 items"};
    QTest::newRow("Close empties the dialog and selects rows again")
        << QStringList{"all e-0010", "close"} << QStringList{"E-0010;E-0010;E-0010", "r1c0 rows hidden '' list hidden"};
    QTest::newRow("a listed row picked after Next with another text selects that text's match")
        << QStringList{"all e-0010", "next e-00", "pick 1", "pick 2", "pick 0"}
        << QStringList{"E-0010;E-0010;E-0010", "r0c1 items", "r1c1 items", "r2c1 items", "r0c1 items"};
    QTest::newRow("rows sorted after Next: a listed row picks the match as found before the sort")
        << QStringList{"all e-0010", "next e-00", "sort", "pick 2"}
        << QStringList{"E-0010;E-0010;E-0010", "r0c1 items", "r0c1 items", "r1c1 items"};
    QTest::newRow("another log empties the list and Next starts again in its shorter match list")
        << QStringList{"next e-0010", "next e-0010", "all e-0010", "load", "pick 0", "next e-0010"}
        << QStringList{"r1c1 items", "r2c1 items", "E-0010;E-0010;E-0010", "", "r-1c-1 items", "r0c1 items"};
}

void TestProgramFind::find()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, observed);
    load(false, errorLog(false, true, {"0001", "0007", "0003", "0004"}, {"E-0007,1", "E-0010,2", "E-0010,3", "E-0010,4"}));
    auto *table = child<QTableWidget>("tableWidget");
    table->setCurrentCell(1, 0);
    QTest::keyClick(m_window.get(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(findDialog()->isVisible());
    auto *line = findChildOf<QLineEdit>("lineEdit");
    auto *list = findChildOf<QListWidget>("listWidget");
    QStringList seen;
    for (const QString &action : actions) {
        const QString verb = action.section(QLatin1Char(' '), 0, 0), arg = action.section(QLatin1Char(' '), 1);
        m_watcher->seen.clear();
        if (verb == QLatin1String("pick"))
            list->setCurrentRow(arg.toInt());
        else if (verb == QLatin1String("sort"))
            table->horizontalHeader()->sectionClicked(0);
        else if (verb == QLatin1String("load"))
            load(false, errorLog(false, true, {"0009"}, {"E-0010,1"}));
        else if (verb == QLatin1String("close"))
            QTest::mouseClick(findChildOf<QPushButton>("closebutton"), Qt::LeftButton);
        else
            line->setText(arg);
        if (verb == QLatin1String("return"))
            QTest::keyClick(line, Qt::Key_Return);
        else if (verb == QLatin1String("next") || verb == QLatin1String("all"))
            QTest::mouseClick(findChildOf<QPushButton>(verb == QLatin1String("all") ? "allbutton" : "findbutton"), Qt::LeftButton);
        QVERIFY2(!QApplication::overrideCursor(), "the wait cursor stayed");
        const bool rows = table->selectionBehavior() == QAbstractItemView::SelectRows;
        QString o = QStringLiteral("r%1c%2 %3").arg(table->currentRow()).arg(table->currentColumn()).arg(rows ? "rows" : "items");
        if (verb == QLatin1String("close"))
            o += QStringLiteral(" %1 '%2' list %3").arg(findDialog()->isVisible() ? "shown" : "hidden", line->text(),
                                                     list->isHidden() ? "hidden" : "shown");
        if (verb == QLatin1String("all") || verb == QLatin1String("load")) {
            QStringList texts;
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
            o = texts.join(QLatin1Char(';'));
        }
        for (const SeenDialog &box : m_watcher->seen)
            o = box.title + QLatin1Char('|') + box.text;
        seen << o;
    }
    QCOMPARE(seen, observed);
}

void TestProgramFind::matching_data()
{
    QTest::addColumn<QStringList>("columns"); // one text per column, its cells split by '|'
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found"); // row/column of each match
    QTest::newRow("a capital finds its small letter in a column without capitals")
        << QStringList{"E-0001|E-0002", "single event|key"} << "T" << "0/1";
    QTest::newRow("a column lacking a letter of the text is passed over, the next one read")
        << QStringList{"0001|0002", "Servo off|servo ON"} << "on" << "1/1";
    QTest::newRow("a letter that folds to a small one matches across columns")
        << QStringList{"\u017Fervo", "SERVO"} << "s" << "0/0 0/1";
}

// The same matches whether the columns' letters are still unknown, known from
// a search before, or the search is read one match at a time.
void TestProgramFind::matching()
{
    QFETCH(QStringList, columns);
    QFETCH(QString, text);
    QFETCH(QString, found);
    QVector<QStringList> cells;
    for (const QString &column : columns)
        cells << column.split(QLatin1Char('|'));
    const auto cellText = [&](int row, int column, QString &out) {
        out = cells.at(column).value(row);
        return row < cells.at(column).size();
    };
    const auto show = [](const QVector<vfind::CellPos> &positions) {
        QStringList o;
        for (const vfind::CellPos &p : positions)
            o << QStringLiteral("%1/%2").arg(p.row).arg(p.column);
        return o.join(QLatin1Char(' '));
    };
    QVector<vfind::ColumnChars> chars(columns.size());
    QVector<bool> known(columns.size(), false);
    QCOMPARE(show(vfind::findInColumns(2, int(columns.size()), text, chars, known, cellText)), found);
    QCOMPARE(show(vfind::findInColumns(2, int(columns.size()), text, chars, known, cellText)), found);
    vfind::ColumnScan stepwise(2, int(columns.size()), text);
    for (int count = 1; !stepwise.finished(); ++count)
        stepwise.advance(count, chars, known, cellText);
    QCOMPARE(show(stepwise.found()), found);
}

QTEST_MAIN(TestProgramFind)
#include "tst_programfind.moc"
