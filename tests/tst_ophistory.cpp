// The operation history page: decoding key, menu and flag lines, the checks
// before saving, loading the history beside a log, the date list following
// the text, and saving (CR LF on disk, a failed write keeps the old file).

#include "app/velloran.h"
#include "ophistory/oprformat.h"
#include "support/fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using vopr::ModePicture;
Q_DECLARE_METATYPE(ModePicture)

namespace {

QStringList bars(const char *text) { return QString::fromUtf8(text).split(QLatin1Char('|')); }

const QString header = QStringLiteral("H0\nH1\nH2\nH3\nH4\nH5\nH6\nH7\n");

// A flag line with the first eight flags given as digits and a ninth item
// that makes the list 82 characters long.
QString flagText(const char *d)
{
    return QStringLiteral("Flag: [RunTo=%1,JogInch=%2,Enable=%3,EmgStop=%4,Remote=%5,AutoMode=%6,PlayBack=%7,MotOn=%8,Hold=0]")
        .arg(QLatin1Char(d[0])).arg(QLatin1Char(d[1])).arg(QLatin1Char(d[2])).arg(QLatin1Char(d[3]))
        .arg(QLatin1Char(d[4])).arg(QLatin1Char(d[5])).arg(QLatin1Char(d[6])).arg(QLatin1Char(d[7]));
}

} // namespace

class TestOpHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void keyLine_data();
    void keyLine();
    void flagLine_data();
    void flagLine();
    void checksBeforeSaving_data();
    void checksBeforeSaving();
    void loadingShowsTextTreeAndFlags();
    void treeAndTextFollowEachOther();
    void missingHistoryAndKav();
    void saveRoundTrip();
    void failedWriteKeepsTheOldFile();
    void badInputDoesNoHarm();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Velloran> m_window;
    std::unique_ptr<ModalWatcher> m_watcher;

    template <typename T> T *w(const char *name) { return m_window->findChild<T *>(QLatin1String(name)); }
    QTextEdit *edit() { return w<QTextEdit>("textEdit"); }
    QTreeWidget *tree() { return w<QTreeWidget>("treeWidget_4"); }
    void moveTo(int line) { edit()->setTextCursor(QTextCursor(edit()->document()->findBlockByNumber(line))); }
    QString load(const QString &folder, const QString &text)
    {
        writeFile(m_dir.filePath(folder + QStringLiteral("/ROBOT.OPR")), text);
        const QString log = writeFile(m_dir.filePath(folder + QStringLiteral("/ROBOT.ERR")), QString());
        w<QLineEdit>("file_add")->setText(log);
        m_window->loadOprFile(log);
        return log;
    }
};

void TestOpHistory::init()
{
    m_watcher.reset();
    m_window.reset(new Velloran());
    // Mode pictures told apart by their widths: manual 1, auto 2, remote 3.
    const char *const names[] = {"Manual.png", "Auto.png", "Remote.png"};
    for (int i = 0; i < 3; ++i)
        QImage(i + 1, 1, QImage::Format_RGB32).save(m_dir.filePath(QLatin1String(names[i])));
    m_window->setModeImagePaths(m_dir.path());
    w<QComboBox>("comboBox")->setCurrentIndex(1); // English: no message turns the window Korean
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    m_watcher.reset(new ModalWatcher());
}

void TestOpHistory::keyLine_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("menusBefore");
    QTest::addColumn<QString>("key");       // key label afterwards, "Key" when unchanged
    QTest::addColumn<QString>("style");     // its style: y yellow, w white, - unchanged
    QTest::addColumn<QStringList>("menus"); // Menu, Menu1 .. Menu4 afterwards
    QTest::addColumn<ModePicture>("mode");
    const auto row = [](const char *name, const char *lines, int index, const char *before, const char *key,
                        const char *style, const char *menus, ModePicture mode = ModePicture::Unchanged) {
        const QString styleSheet = *style == 'y' ? "background: yellow" : *style == 'w' ? "background: white" : "-";
        QTest::newRow(name) << bars(lines) << index << bars(before) << QString::fromUtf8(key) << styleSheet << bars(menus) << mode;
    };
    const char *none = "Menu||||";
    row("menu path under System down three levels", "10,+[System]|11,m[3]|12,m[33]|13,m[4]", 3, none, "Key", "-",
        "System - |3: Robot parameter - |33: Servo parameter - |4: Current loop gain|");
    row("second m[3] under Service is looked up at level 1 again", "1,+[Service]|2,m[3]|3,m[3]", 2, none, "Key", "-",
        "Service - |3: Variable|||");
    row("impact detection opens its submenu", "1,+[System]|2,m[3]|3,M[14]|4,m[2]", 3, none, "Key", "-",
        "System - |3: Robot parameter - |14: Impact detection|2: Set the collision detection (of each axis)|");
    row("m[12] does not select entry 1", "1,+[Service]|2,m[12]", 1, none, "Key", "-",
        "Service - |12: Teach pendant sharing|||");
    row("the nearest root counts and deeper labels are cleared", "1,[Service]|2,m[1]|3,+[System]|4,m[2]", 3,
        "Service - |1: Monitoring - |x|y|z", "Key", "-", "System - |2: Control parameter - |||");
    row("fourth level", "1,[Service]|2,m[1]|3,m[16]|4,m[10]|5,m[1]", 4, none, "Key", "-",
        "Service - |1: Monitoring - |16: System characteristic data - |10: Controller information - |1: Controller internal temperature");
    row("menu line without a root changes nothing", "x|1,m[3]", 1, none, "Key", "-", none);
    row("unknown key number is skipped", "1,[System]|2,m[99]", 1, none, "Key", "-", "System - ||||");
    row("SHIFT pressed before", "1,+[SHIFT]|1,+[PROG/STEP]", 1, none, "[PROG]", "y", none);
    row("SHIFT released after", "x|1,-[PROG/STEP]|2,-[SHIFT]", 1, none, "[PROG]", "y", none);
    row("no SHIFT", "x|1,+[PROG/STEP]", 1, none, "[STEP]", "y", none);
    row("lower-case key name", "x|1,+[del/bksp]", 1, none, "[BackSpace]", "y", none);
    row("side key", "x|1,+[R2]", 1, none, "Window\nadjustment", "y", none);
    row("release shows the raw event on white", "x|1, -[START] ", 1, none, "-[START]", "w", none);
    row("teach pendant program start", "x|1,+[TP.exe]", 1, none, "TP On", "y", none);
    row("column heading changes nothing", "x|sec,+[START]", 1, none, "Key", "-", none);
    row("F1 after System opens the root", "1,+[System]|2,+[F1]", 1, "Menu|a|b||", "Key", "-", "System - ||||");
    row("one escape clears the deepest level", "x|1,[ESC]", 1, "Service - |a|b|c|d", "[ESC]", "y", "Service - |a|b|c|");
    row("second of two escapes clears Menu3 and Menu4", "x|1,[ESC]|2,[ESC]", 2, "System - |a|b|c|", "[ESC]", "y",
        "System - |a|b||");
    row("escape with only the root resets it", "x|1,[ESC]", 1, "Service - ||||", "[ESC]", "y", none);
    row("third escape with two levels clears from Menu2", "x|[ESC]|[ESC]|1,[ESC]", 3, "Service - |a|b||", "[ESC]", "y",
        "Service - |a|||");
    row("fourth escape with the root only resets it", "[ESC]|[ESC]|[ESC]|1,[ESC]", 3, "System - ||||", "[ESC]", "y", none);
    row("fifth escape resets everything", "[ESC]|[ESC]|[ESC]|[ESC]|1,[ESC]", 4, "System - |a|b|c|d", "[ESC]", "y", none);
    row("escape outside the menus keeps the labels", "x|1,[ESC]", 1, none, "[ESC]", "y", none);
    row("mode switch to manual", "x|1,+[Mode.Sel1]", 1, none, "Key", "-", none, ModePicture::Manual);
    row("mode switch to remote", "x|1,-[Mode.Sel2]", 1, none, "Key", "-", none, ModePicture::Remote);
}

void TestOpHistory::keyLine()
{
    QFETCH(QStringList, lines);
    QFETCH(int, index);
    QFETCH(QStringList, menusBefore);
    vopr::KeyLabels labels;
    labels.key = QStringLiteral("Key");
    labels.keyStyle = QStringLiteral("-");
    for (int i = 0; i < 5; ++i)
        labels.menu[i] = menusBefore.value(i);
    vopr::decodeKeyLine(lines, index, labels);
    QTEST(labels.key, "key");
    QTEST(labels.keyStyle, "style");
    QTEST(QStringList(std::begin(labels.menu), std::end(labels.menu)), "menus");
    QTEST(labels.mode, "mode");
}

void TestOpHistory::flagLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("stored"); // Remote and AutoMode before, as two digits
    QTest::addColumn<QString>("runTo");
    QTest::addColumn<QString>("styles"); // per flag: . unchanged, w white, y yellow, r red, g green
    QTest::addColumn<ModePicture>("mode");
    QTest::newRow("all on, remote and auto show remote") << flagText("21111111") << 0 << "RunTo\nEnd" << ".yyryyyg" << ModePicture::Remote;
    QTest::newRow("auto alone shows auto") << flagText("00000100") << 11 << "RunTo\nCmd" << ".wwwwyww" << ModePicture::Auto;
    QTest::newRow("remote alone shows remote") << flagText("10001000") << 0 << "RunTo\nStep" << ".wwwywww" << ModePicture::Remote;
    QTest::newRow("neither shows manual") << flagText("00000000") << 11 << "RunTo\nCmd" << ".wwwwwww" << ModePicture::Manual;
    QTest::newRow("run-to 3 and value 2 leave their labels") << flagText("32000000") << 0 << "" << "..wwwwww" << ModePicture::Manual;
    QTest::newRow("short list keeps its last bracket") << "Flag:[RunTo=1,JogInch=1]" << 0 << "RunTo\nStep" << "........" << ModePicture::Manual;
    QTest::newRow("item out of place is ignored") << "Flag: [JogInch=1,RunTo=1]" << 0 << "" << "........" << ModePicture::Manual;
    QTest::newRow("lower-case flag only settles the picture") << flagText("00000000").toLower() << 11 << "" << "........" << ModePicture::Remote;
    QTest::newRow("no list at all") << "Flag" << 10 << "" << "........" << ModePicture::Unchanged;
}

void TestOpHistory::flagLine()
{
    QFETCH(QString, line);
    QFETCH(int, stored);
    vopr::FlagDisplay flags;
    flags.remoteOn = stored / 10;
    flags.autoModeOn = stored % 10;
    vopr::decodeFlagLine({QStringLiteral("x"), line}, 1, flags);
    QTEST(flags.runToText, "runTo");
    QString styles; // "background: yellow" is y, and so on
    for (QString &style : flags.styles)
        styles += style.isEmpty() ? QStringLiteral(".") : style.remove(QStringLiteral("background: ")).left(1);
    QTEST(styles, "styles");
    QTEST(flags.mode, "mode");
}

void TestOpHistory::checksBeforeSaving_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // "" when the save dialog opens, "-" when nothing at all happens
    QTest::addColumn<QString>("selected");
    const QString seconds = QStringLiteral("Out of range of seconds.");
    const QString number = QStringLiteral("Please enter a number.");
    const QString time = QStringLiteral("Out of range of Time.");
    QTest::newRow("seconds 75 selected at their first occurrence") << header + "Date: 2016/05/75\n75,+[START]" << seconds << "75";
    QTest::newRow("seconds not a number") << header + "Date: x\n 1a ,[ESC]" << number << "1a";
    QTest::newRow("negative seconds pass") << header + "-5,-[START]" << "" << "";
    QTest::newRow("hour 24 passes") << header + "Time: 24:59" << "" << "";
    QTest::newRow("hour 25 fails") << header + "Time: 25:00:00" << time << "Time: 25:00:00";
    QTest::newRow("minute 5a fails") << header + "Time: 10:5a" << number << "Time: 10:5a";
    QTest::newRow("runtime in any case is a time line") << header + "RunTime 3" << number << "RunTime 3";
    QTest::newRow("the header is not checked") << "99,+[A]\nTime: 99\n\n\n\n\n\n\nok" << "" << "";
    QTest::newRow("seven lines do nothing") << "1\n2\n3\n4\n5\n6\n7" << "-" << "";
}

void TestOpHistory::checksBeforeSaving()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    edit()->setPlainText(text);
    m_window->OnOPRSave(); // the save dialog is cancelled
    QStringList seen;
    for (const SeenDialog &d : m_watcher->seen)
        seen << d.kind + QLatin1Char(':') + d.title + QLatin1Char(':') + (d.kind == QLatin1String("file") ? QString() : d.text);
    const QStringList expected = message == QLatin1String("-") ? QStringList()
                                 : message.isEmpty()           ? QStringList{QStringLiteral("file:Save OPR File:")}
                                                               : QStringList{QStringLiteral("message:Velloran:") + message};
    QCOMPARE(seen, expected);
    QFETCH(QString, selected);
    QCOMPARE(edit()->textCursor().selectedText(), selected);
    if (!selected.isEmpty()) // at its first occurrence
        QCOMPARE(edit()->textCursor().selectionStart(), text.indexOf(selected));
}

void TestOpHistory::loadingShowsTextTreeAndFlags()
{
    const QString text = header + QStringLiteral("Date: 2016/05/02\nTime: 10:11:12\n") + flagText("11101101") +
                         QStringLiteral("\nsec,event\n12,+[SHIFT]\n12,+[TOOL/CRD]\nTime : 10:12\nTime: 10:15:00\nDate:2016/05/03 \n");
    load(QStringLiteral("a"), text);
    QCOMPARE(tree()->topLevelItemCount(), 2);
    QCOMPARE(tree()->topLevelItem(0)->text(0), QStringLiteral("2016/05/02"));
    QCOMPARE(tree()->topLevelItem(0)->childCount(), 2);
    QCOMPARE(tree()->topLevelItem(0)->child(1)->text(0), QStringLiteral("Time: 10:15:00"));
    QCOMPARE(tree()->topLevelItem(1)->text(0), QStringLiteral("2016/05/03"));
    QLabel *mode = w<QLabel>("ModeS");
    QCOMPARE(mode->size(), QSize(83, 75));
    QCOMPARE(mode->pixmap(Qt::ReturnByValue).width(), 1);

    moveTo(10); // the flag line itself: flags only
    QCOMPARE(w<QLabel>("runto")->text(), QStringLiteral("RunTo\nStep"));
    QCOMPARE(w<QLabel>("moton")->styleSheet(), QStringLiteral("background: green"));
    QCOMPARE(w<QLabel>("emgstop")->styleSheet(), QStringLiteral("background: white"));
    QCOMPARE(w<QLabel>("key")->text(), QStringLiteral("Key"));
    QCOMPARE(mode->pixmap(Qt::ReturnByValue).width(), 3);
    w<QLabel>("moton")->setStyleSheet(QString());
    moveTo(13); // a key line below it: the flags again, then the key
    QCOMPARE(w<QLabel>("moton")->styleSheet(), QStringLiteral("background: green"));
    QCOMPARE(w<QLabel>("key")->text(), QStringLiteral("[TOOL]"));
    QCOMPARE(w<QLabel>("key")->styleSheet(), QStringLiteral("background: yellow"));
    // The current line is tinted.
    const QList<QTextEdit::ExtraSelection> tint = edit()->extraSelections();
    QCOMPARE(tint.size(), 1);
    QCOMPARE(tint.first().cursor.blockNumber(), 13);
    QCOMPARE(tint.first().format.background().color(), QColor(Qt::yellow).lighter(160));
}

void TestOpHistory::treeAndTextFollowEachOther()
{
    load(QStringLiteral("a"), header + QStringLiteral("Date: 2016/05/02\nTime: 10:00\nDate: 2016/05/03\nTime: 08:00\nTime: 10:00\n"));
    QTreeWidgetItem *later = tree()->topLevelItem(1)->child(1);
    m_window->OPRDateTimeSelect(later, 0);
    // The first occurrence of the time is selected, under the earlier date,
    // and the date list follows the cursor there.
    QCOMPARE(edit()->textCursor().selectedText(), QStringLiteral("Time: 10:00"));
    QCOMPARE(edit()->textCursor().blockNumber(), 9);
    QCOMPARE(tree()->selectedItems(), QList<QTreeWidgetItem *>{tree()->topLevelItem(0)->child(0)});
    QVERIFY(tree()->topLevelItem(0)->isExpanded());
    moveTo(10);
    QCOMPARE(tree()->selectedItems(), QList<QTreeWidgetItem *>{tree()->topLevelItem(1)});
}

void TestOpHistory::missingHistoryAndKav()
{
    load(QStringLiteral("k"), header + flagText("11111111"));
    w<QRadioButton>("kav")->setChecked(true);
    const QString log = m_dir.filePath(QStringLiteral("k/ROBOT.E01"));
    m_window->loadOprFile(log); // a Kav log reads ROBOT.TR0 only
    QCOMPARE(tree()->topLevelItemCount(), 1);
    QCOMPARE(tree()->topLevelItem(0)->text(0), QStringLiteral("OPR File does not exist."));
    writeFile(m_dir.filePath(QStringLiteral("k/ROBOT.TR0")), QStringLiteral("head\n=day 1\nTime: 10:00\nx\n==\n\n\n\n\nlast"));
    tree()->clear();
    m_window->loadOprFile(log);
    QCOMPARE(tree()->topLevelItemCount(), 3);
    QCOMPARE(tree()->topLevelItem(0)->child(0)->text(0), QStringLiteral("Time: 10:00"));
    moveTo(8); // under Kav the lines of the last ROBOT.OPR (a flag line here) are not decoded
    QCOMPARE(w<QLabel>("moton")->styleSheet(), QString());
}

void TestOpHistory::saveRoundTrip()
{
    const QString log = load(QStringLiteral("s"), header + QStringLiteral("Date: 2016/05/02\n"));
    QFile::remove(m_dir.filePath(QStringLiteral("s/ROBOT.OPR")));
    edit()->setPlainText(header + QStringLiteral("Date: 2016/05/09\nTime: 07:30\n"));
    w<QLabel>("moton")->setStyleSheet(QStringLiteral("background: green"));
    w<QLabel>("Menu")->setText(QStringLiteral("System - "));
    const QString saved = vopr::suggestedSaveName(log);
    QCOMPARE(QFileInfo(saved).fileName(), QStringLiteral("ROBOT.OPR"));
    m_watcher->fileAnswers << saved;
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_watcher->seen.first().nameFilters, QStringList({"OPR files(*.OPR)", "All files(*.*)"}));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes, QByteArray("H0\r\nH1\r\nH2\r\nH3\r\nH4\r\nH5\r\nH6\r\nH7\r\nDate: 2016/05/09\r\nTime: 07:30\r\n"));
    QCOMPARE(tree()->topLevelItemCount(), 1);
    QCOMPARE(tree()->topLevelItem(0)->child(0)->text(0), QStringLiteral("Time: 07:30"));
    QCOMPARE(w<QLabel>("Menu")->text(), QStringLiteral("Menu"));
    QCOMPARE(w<QLabel>("moton")->styleSheet(), QStringLiteral("background: white"));
    QCOMPARE(vopr::suggestedSaveName(QStringLiteral("/ERR/ROBOT.ERR")), QStringLiteral("/OPR/ROBOT.OPR"));
}

void TestOpHistory::failedWriteKeepsTheOldFile()
{
    load(QStringLiteral("f"), QStringLiteral("old\n"));
    const QString path = m_dir.filePath(QStringLiteral("f/ROBOT.OPR"));
    edit()->setPlainText(header + QStringLiteral("new"));
    m_window->OnOPRSave(); // cancelled dialog
    const QString big = QString(300000, QLatin1Char('x'));
    // A file system that fills up part-way through the write.
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 100000;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = vopr::saveHistoryFile(path, big);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!written);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old\n"));
    QCOMPARE(QDir(m_dir.filePath(QStringLiteral("f"))).entryList(QDir::Files).size(), 2); // no temporary left
    QVERIFY(vopr::saveHistoryFile(path, big));
    QCOMPARE(QFileInfo(path).size(), qint64(big.size()));
}

void TestOpHistory::badInputDoesNoHarm()
{
    QString binary; // all bytes but the line ends
    for (int i = 0; i < 4096; ++i)
        binary += QChar(i * 37 % 256 == 10 || i * 37 % 256 == 13 ? 0 : i * 37 % 256);
    const QString text = QStringLiteral("a\nFlag\nFlag:\nFlag: [\n1,m[3\n,\n1,[ESC]\n") + binary +
                         QStringLiteral("\nDate:\n1,[System]\n1,m[3]\n1,m[14]\n1,m[1]\n1,m[1]\n1,m[1]\n") +
                         QString(10 * 1024 * 1024, QLatin1Char('m'));
    load(QStringLiteral("b"), text);
    for (int line = 0; line < edit()->document()->blockCount(); ++line)
        moveTo(line);
    QCOMPARE(w<QLabel>("Menu3")->text(), QStringLiteral("1: Model-based impact detection"));
    QVERIFY(m_window->validateOprText());
}

QTEST_MAIN(TestOpHistory)
#include "tst_ophistory.moc"
