// Languages, the user manual and the about box: the language switch, the
// message translation step under each language, the manual buttons and the
// version in the about box. The catalogues are the real ones compiled into
// the build folder (the working directory of the tests).

#include "app/translation.h"
#include "app/velloran.h"
#include "support/dragdrop.h"
#include "support/modalwatcher.h"

#include <QDesktopServices>
#include <QMimeData>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void drop(QWidget *target, const QString &path)
{
    dropFiles(target, {path});
}

// What a translator installed in the application would make of a text; the
// source text when none is installed.
QString installedTranslation(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

// The texts on the window that show which catalogue it was translated with.
struct WindowTexts
{
    QString openFile, autoSwitch, firstTab, details, axis1, errorCode;
};

WindowTexts textsOf(const Velloran &w)
{
    return {w.ui.open_file->text(), w.ui.mode_switch_auto->text(), w.ui.tabWidget->tabText(0),
            w.ui.groupBox->title(), w.ui.axis1->text(), w.ui.error_code->text()};
}

const WindowTexts kSource = {"Open File", u("모드스위치(자동)"), "System Input", "Details", "Axis 1", "Error Code"};
const WindowTexts kKorean = {u("파일 열기"), u("모드스위치(자동)"), u("시스템 입력"), u("상세 정보"), u("1축"), u("에러 코드")};
const WindowTexts kEnglish = {"Open File", "Mode Switch(Auto)", "System Input", "Details", "Axis 1", "Error Code"};
const WindowTexts kChinese = {u("打开文件"), u("模式开关(自动)"), u("系统输入"), u("详细信息"), u("轴 1"), u("错误代码")};

} // namespace

#define COMPARE_TEXTS(actual, expected)                                                                               \
    do {                                                                                                               \
        const WindowTexts a_ = (actual), e_ = (expected);                                                              \
        QCOMPARE(a_.openFile, e_.openFile);                                                                            \
        QCOMPARE(a_.autoSwitch, e_.autoSwitch);                                                                        \
        QCOMPARE(a_.firstTab, e_.firstTab);                                                                            \
        QCOMPARE(a_.details, e_.details);                                                                              \
        QCOMPARE(a_.axis1, e_.axis1);                                                                                  \
        QCOMPARE(a_.errorCode, e_.errorCode);                                                                          \
    } while (false)

// Receives what the desktop services are asked to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void catalogueAndManualNames();
    void choosingALanguageRetranslatesTheWindow();
    void otherIndexesChangeNothing();
    void messageBoxUnderKoreanTurnsTheWindowKorean();
    void messageBoxUnderEnglishLeavesTheWindow();
    void messageBoxUnderChineseIsEnglish();
    void languageSwitchPutsThePlaceholdersBack();
    void parserNoticesInEachLanguage_data();
    void parserNoticesInEachLanguage();
    void manualButtonOpensTheManualOfTheLanguage();
    void aboutBoxShowsVersionQtAndLicence();

private:
    // The user chooses item `index` in the combo box.
    void choose(int index)
    {
        m_window->ui.comboBox->setCurrentIndex(index);
        QMetaObject::invokeMethod(m_window->ui.comboBox, "activated", Q_ARG(int, index));
    }
    SeenDialog about()
    {
        const int before = m_watcher->seen.size();
        m_window->ui.InformationButton->click();
        if (m_watcher->seen.size() != before + 1)
            return SeenDialog();
        return m_watcher->seen.last();
    }

    std::unique_ptr<Velloran> m_window;
    std::unique_ptr<ModalWatcher> m_watcher;
};

void TestLanguage::init()
{
    m_window.reset(new Velloran());
    m_window->show();
    m_watcher.reset(new ModalWatcher());
}

void TestLanguage::cleanup()
{
    m_watcher.reset();
    m_window.reset();
    // No catalogue stays installed after an operation.
    QCOMPARE(installedTranslation("VelloranClass", "Open File"), QStringLiteral("Open File"));
}

void TestLanguage::catalogueAndManualNames()
{
    QCOMPARE(vlog::catalogueFileName(0), QStringLiteral("velloran_ko.qm"));
    QCOMPARE(vlog::catalogueFileName(1), QStringLiteral("velloran_en.qm"));
    QCOMPARE(vlog::catalogueFileName(2), QStringLiteral("velloran_zh.qm"));
    QCOMPARE(vlog::manualFileName(0), QStringLiteral("Manual_Velloran_ko.pdf"));
    QCOMPARE(vlog::manualFileName(1), QStringLiteral("Manual_Velloran_en.pdf"));
    QCOMPARE(vlog::manualFileName(2), QStringLiteral("Manual_Velloran_ch.pdf"));
    for (int other : {-1, 3})
        QVERIFY(vlog::catalogueFileName(other).isEmpty() && vlog::manualFileName(other).isEmpty());
}

void TestLanguage::choosingALanguageRetranslatesTheWindow()
{
    QComboBox *combo = m_window->ui.comboBox;
    // At start: index 0, the source texts, no catalogue.
    QCOMPARE(combo->currentIndex(), 0);
    COMPARE_TEXTS(textsOf(*m_window), kSource);

    choose(1);
    COMPARE_TEXTS(textsOf(*m_window), kEnglish);
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(combo->currentText(), QStringLiteral("English"));
    QCOMPARE(combo->count(), 3);
    QCOMPARE(installedTranslation("VelloranClass", "모드스위치(자동)"), u("모드스위치(자동)"));

    choose(2);
    COMPARE_TEXTS(textsOf(*m_window), kChinese);
    QCOMPARE(m_window->ui.brake_low->text(), u("抱闸电压过低"));
    QCOMPARE(m_window->ui.label_11->text(), u("通用数字输入(DI1 ~ DI256)"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Velloran"));
    QCOMPARE(combo->currentIndex(), 2);
    QCOMPARE(combo->currentText(), u("中國語"));
    // The item names stay in their own languages.
    QCOMPARE(combo->itemText(0), u("한국어"));
    QCOMPARE(combo->itemText(1), QStringLiteral("English"));

    choose(0);
    COMPARE_TEXTS(textsOf(*m_window), kKorean);
    QCOMPARE(m_window->ui.tabWidget->tabText(4), u("통계"));
    QCOMPARE(m_window->ui.save->text(), u("저장"));
    QCOMPARE(combo->currentIndex(), 0);

    // Back to English: everything that Korean changed reads English again.
    choose(1);
    COMPARE_TEXTS(textsOf(*m_window), kEnglish);
    QCOMPARE(m_window->ui.save->text(), QStringLiteral("SAVE"));
    QVERIFY(m_watcher->seen.isEmpty());
}

void TestLanguage::otherIndexesChangeNothing()
{
    choose(2);
    m_window->ui.axis1->setText(QStringLiteral("12.5"));
    m_window->OnSelectLang(3);
    m_window->OnSelectLang(-1);
    QCOMPARE(m_window->ui.axis1->text(), QStringLiteral("12.5"));
    QCOMPARE(m_window->ui.open_file->text(), kChinese.openFile);
    QCOMPARE(m_window->ui.comboBox->currentIndex(), 2);
}

void TestLanguage::messageBoxUnderKoreanTurnsTheWindowKorean()
{
    COMPARE_TEXTS(textsOf(*m_window), kSource);
    const SeenDialog box = about();
    QCOMPARE(box.kind, QStringLiteral("message"));
    QCOMPARE(box.title, QStringLiteral("Velloran"));
    QVERIFY2(box.text.contains(u("뷰어")), qPrintable(box.text));
    QVERIFY2(box.text.contains(u("MIT 라이선스")), qPrintable(box.text));
    // The whole window is Korean now, and stays so.
    COMPARE_TEXTS(textsOf(*m_window), kKorean);
    QCOMPARE(m_window->ui.label_12->text(), u("범용 디지털 출력(DO1 ~ DO256)"));
    QCOMPARE(m_window->ui.comboBox->currentIndex(), 0);
}

void TestLanguage::messageBoxUnderEnglishLeavesTheWindow()
{
    // English chosen without a re-translation: the window keeps its source
    // texts (Korean indicator captions) and a value it shows.
    m_window->ui.comboBox->setCurrentIndex(1);
    m_window->ui.axis1->setText(QStringLiteral("12.5"));
    const SeenDialog box = about();
    QCOMPARE(box.title, QStringLiteral("Velloran"));
    QVERIFY2(box.text.contains(QStringLiteral("Licensed under the MIT License.")), qPrintable(box.text));
    QVERIFY(!box.text.contains(u("뷰어")));
    QCOMPARE(m_window->ui.mode_switch_auto->text(), u("모드스위치(자동)"));
    QCOMPARE(m_window->ui.axis1->text(), QStringLiteral("12.5"));
    QCOMPARE(m_window->ui.open_file->text(), QStringLiteral("Open File"));
    QCOMPARE(m_window->ui.comboBox->currentIndex(), 1);

    // The same after choosing English through the combo box.
    choose(1);
    m_window->ui.axis1->setText(QStringLiteral("7.25"));
    QVERIFY(about().text.contains(QStringLiteral("Viewer for the error")));
    COMPARE_TEXTS(textsOf(*m_window), (WindowTexts{"Open File", "Mode Switch(Auto)", "System Input", "Details",
                                                   "7.25", "Error Code"}));
}

void TestLanguage::messageBoxUnderChineseIsEnglish()
{
    choose(2);
    COMPARE_TEXTS(textsOf(*m_window), kChinese);
    const SeenDialog box = about();
    QCOMPARE(box.title, QStringLiteral("Velloran"));
    QVERIFY2(box.text.contains(QStringLiteral("Viewer for the error, stop and operation history logs")),
             qPrintable(box.text));
    // The window stays Chinese and Chinese stays chosen.
    COMPARE_TEXTS(textsOf(*m_window), kChinese);
    QCOMPARE(m_window->ui.comboBox->currentIndex(), 2);
}

void TestLanguage::languageSwitchPutsThePlaceholdersBack()
{
    drop(m_window.get(), QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_spot/ROBOT.ERR"));
    QTableWidget *table = m_window->ui.tableWidget;
    QVERIFY(table->rowCount() > 0);
    QVERIFY(table->item(0, 1));
    const QString code = table->item(0, 1)->text();
    const QString axis1 = table->item(0, 9)->text();
    m_window->OnRowSelect(0, 0);
    QCOMPARE(m_window->ui.error_code->text(), code);
    QCOMPARE(m_window->ui.axis1->text(), axis1);
    QVERIFY(m_window->ui.axis1->isVisibleTo(m_window.get()));
    QCOMPARE(m_window->ui.ErrorCode->text(), code);

    choose(1);
    QCOMPARE(m_window->ui.error_code->text(), QStringLiteral("Error Code"));
    QCOMPARE(m_window->ui.axis1->text(), QStringLiteral("Axis 1"));
    QCOMPARE(m_window->ui.date->text(), QStringLiteral("Date"));
    QCOMPARE(m_window->ui.ErrorCode->text(), QStringLiteral("Error Code"));
    QCOMPARE(m_window->ui.Remedy->toPlainText(), QStringLiteral("Remedy"));

    m_window->OnRowSelect(0, 0);
    choose(0);
    QCOMPARE(m_window->ui.error_code->text(), u("에러 코드"));
    QCOMPARE(m_window->ui.axis1->text(), u("1축"));
    QCOMPARE(m_window->ui.Remedy->toPlainText(), u("조치 방법"));
    // The placeholders stay visible; the records themselves are untouched.
    QVERIFY(m_window->ui.axis1->isVisibleTo(m_window.get()));
    QCOMPARE(table->item(0, 1)->text(), code);
    QCOMPARE(table->item(0, 9)->text(), axis1);
}

void TestLanguage::parserNoticesInEachLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("arcNotice");
    QTest::addColumn<QString>("eightAxesNotice");
    QTest::addColumn<QString>("windowAfter"); // text of the open button afterwards
    const QString arcEnglish = QStringLiteral(
        "In addition to basic information, Arc information is included.\nPlease, check Arc In/Output Signal tab.");
    const QString axesEnglish = QStringLiteral("This file is error file of 8 Axis or more.\nThe axis is output in two "
                                               "rows.\n\nTop line - Axis1~8\nBottom line - Axis9~16");
    // The arc notice has its own variant: Korean and Chinese catalogues; the
    // eight-axes notice the plain step: the Korean catalogue only.
    QTest::newRow("Korean") << 0 << u("기본 정보 외에 아크 정보가 포함되어 있습니다.\n아크 입출력 신호 탭을 확인하십시오.")
                            << u("이 파일은 8축 이상 로봇의 에러 파일입니다.\n축 값은 두 줄로 표시됩니다.\n\n윗줄 - 1~8축\n"
                                 "아랫줄 - 9~16축")
                            << kKorean.openFile;
    QTest::newRow("English") << 1 << arcEnglish << axesEnglish << kSource.openFile;
    QTest::newRow("Chinese") << 2 << u("除基本信息外，还包含弧焊信息。\n请查看“弧焊输入/输出信号”选项卡。") << axesEnglish
                             << kChinese.openFile;
}

void TestLanguage::parserNoticesInEachLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, arcNotice);
    QFETCH(QString, eightAxesNotice);
    QFETCH(QString, windowAfter);
    m_window->ui.comboBox->setCurrentIndex(language);
    drop(m_window.get(), QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_arc/ROBOT.ERR"));
    drop(m_window.get(), QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_multiaxis/ROBOT.ERR"));
    QCOMPARE(m_watcher->messageTexts(), (QStringList{arcNotice, eightAxesNotice}));
    for (const SeenDialog &box : qAsConst(m_watcher->seen))
        QCOMPARE(box.title, QStringLiteral("Velloran"));
    QCOMPARE(m_window->ui.open_file->text(), windowAfter);
    // The language chosen before stays chosen.
    QCOMPARE(m_window->ui.comboBox->currentIndex(), language);
}

void TestLanguage::manualButtonOpensTheManualOfTheLanguage()
{
    // The manual is a bare file name: a relative URL without a scheme.
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QString(), &recorder, "open");
    const QStringList expected = {"Manual_Velloran_ko.pdf", "Manual_Velloran_en.pdf", "Manual_Velloran_ch.pdf"};
    for (int index = 0; index < 3; ++index) {
        m_window->ui.comboBox->setCurrentIndex(index);
        m_window->ui.ManualButton->click();
        QCOMPARE(recorder.urls.size(), index + 1);
        const QUrl url = recorder.urls.last();
        QVERIFY(url.isRelative());
        QCOMPARE(url.toString(), expected.at(index));
        QCOMPARE(url.path(), expected.at(index));
    }
    // With no item current no manual is opened.
    m_window->ui.comboBox->setCurrentIndex(-1);
    m_window->ui.ManualButton->click();
    QCOMPARE(recorder.urls.size(), 3);
    QDesktopServices::unsetUrlHandler(QString());
    // Nothing was shown, whether or not the manuals exist.
    QVERIFY(m_watcher->seen.isEmpty());
}

void TestLanguage::aboutBoxShowsVersionQtAndLicence()
{
    QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(QStringLiteral(VELLORAN_VERSION)).hasMatch());
    for (int index : {1, 0, 2}) {
        m_window->ui.comboBox->setCurrentIndex(index);
        const SeenDialog box = about();
        QCOMPARE(box.kind, QStringLiteral("message"));
        QCOMPARE(box.title, QStringLiteral("Velloran"));
        QVERIFY2(box.text.contains(QStringLiteral("Velloran " VELLORAN_VERSION)), qPrintable(box.text));
        QVERIFY2(box.text.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())), qPrintable(box.text));
        QVERIFY2(box.text.contains(QStringLiteral("MIT")), qPrintable(box.text));
        QVERIFY(Qt::mightBeRichText(box.text));
        QVERIFY(!box.text.contains(QStringLiteral("%1")) && !box.text.contains(QStringLiteral("%2")));
    }
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
