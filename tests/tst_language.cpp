// Languages, the user manual and the about box: the language switch, the
// message translation step under each language, the parser's notices in each
// language, the manual button and the about box. The catalogues are the real
// ones compiled into the build folder (the working directory of the tests).

#include "app/translation.h"
#include "support/fixture.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

QString u(const char *utf8) { return QString::fromUtf8(utf8); }

// Texts that show which catalogue the window was translated with:
// open button, auto mode switch, first tab, Details group, Axis 1, Error Code.
const QStringList kSource = {"Open File", u("모드스위치(자동)"), "System Input", "Details", "Axis 1", "Error Code"};
const QStringList kKorean = {u("파일 열기"), u("모드스위치(자동)"), u("시스템 입력"), u("상세 정보"), u("1축"), u("에러 코드")};
const QStringList kEnglish = {"Open File", "Mode Switch(Auto)", "System Input", "Details", "Axis 1", "Error Code"};
const QStringList kChinese = {u("打开文件"), u("模式开关(自动)"), u("系统输入"), u("详细信息"), u("轴 1"), u("错误代码")};

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void init() { f.reset(new Fixture(false)); }
    void cleanup();
    void choosingALanguageRetranslatesTheWindow();
    void aboutBoxUnderEachLanguage_data();
    void aboutBoxUnderEachLanguage();
    void languageSwitchPutsThePlaceholdersBack();
    void parserNoticesInEachLanguage_data();
    void parserNoticesInEachLanguage();
    void manualButtonOpensTheManualOfTheLanguage();

private:
    std::unique_ptr<Fixture> f;
    QStringList texts() const
    {
        return {f->text("open_file"), f->text("mode_switch_auto"), f->w<QTabWidget>("tabWidget")->tabText(0),
                f->w<QGroupBox>("groupBox")->title(), f->text("axis1"), f->text("error_code")};
    }
};

void TestLanguage::cleanup()
{
    f.reset();
    // No catalogue stays installed after an operation.
    QCOMPARE(QCoreApplication::translate("VelloranClass", "Open File"), QStringLiteral("Open File"));
}

void TestLanguage::choosingALanguageRetranslatesTheWindow()
{
    QCOMPARE(texts(), kSource);
    const QList<QPair<int, QStringList>> steps{{1, kEnglish}, {2, kChinese}, {0, kKorean}, {1, kEnglish}};
    for (const auto &step : steps) {
        f->choose(step.first);
        QCOMPARE(texts(), step.second);
        QCOMPARE(f->window.language(), step.first);
        QCOMPARE(f->w<QComboBox>("comboBox")->itemText(2), u("中國語"));   // item names stay in their languages
    }
    QCOMPARE(f->text("save"), QStringLiteral("SAVE"));   // everything Korean changed reads English again
    f->window.OnSelectLang(3);   // other indexes change nothing
    f->window.OnSelectLang(-1);
    QCOMPARE(texts(), kEnglish);
    QVERIFY(f->watcher.seen.isEmpty());
}

void TestLanguage::aboutBoxUnderEachLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("choose");
    QTest::addColumn<QString>("aboutText");
    QTest::addColumn<QStringList>("windowAfter");
    QTest::newRow("Korean at start turns the whole window Korean") << 0 << false << u("MIT 라이선스") << kKorean;
    QTest::newRow("English set without retranslation leaves the window") << 1 << false << "Licensed under the MIT License." << kSource;
    QTest::newRow("English chosen") << 1 << true << "Viewer for the error" << kEnglish;
    QTest::newRow("Chinese chosen: box in English, window stays Chinese") << 2 << true
        << "Viewer for the error, stop and operation history logs" << kChinese;
}

void TestLanguage::aboutBoxUnderEachLanguage()
{
    QFETCH(int, language);
    QFETCH(bool, choose);
    QFETCH(QString, aboutText);
    QFETCH(QStringList, windowAfter);
    choose ? f->choose(language) : f->w<QComboBox>("comboBox")->setCurrentIndex(language);
    f->w<QPushButton>("InformationButton")->click();
    QCOMPARE(f->watcher.seen.size(), 1);
    const SeenDialog box = f->watcher.seen.first();
    QCOMPARE(box.title, QStringLiteral("Velloran"));
    QVERIFY2(box.text.contains(aboutText), qPrintable(box.text));
    QVERIFY(box.text.contains(QStringLiteral("Velloran " VELLORAN_VERSION))
            && box.text.contains(QStringLiteral("Qt ") + QLatin1String(qVersion())));
    QCOMPARE(texts(), windowAfter);
    QCOMPARE(f->window.language(), language);
}

void TestLanguage::languageSwitchPutsThePlaceholdersBack()
{
    f->drop({QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_spot/ROBOT.ERR")});
    const QString code = f->cell(0, 1), axis1 = f->cell(0, 9);
    f->clickRow(0);
    QCOMPARE(f->text("error_code") + f->text("axis1") + f->text("ErrorCode"), code + axis1 + code);
    f->choose(1);
    QCOMPARE(f->text("error_code") + f->text("axis1") + f->text("date") + f->text("ErrorCode"),
             QStringLiteral("Error CodeAxis 1DateError Code"));
    QCOMPARE(f->w<QTextEdit>("Remedy")->toPlainText(), QStringLiteral("Remedy"));
    f->clickRow(0);
    f->choose(0);
    QCOMPARE(f->text("error_code") + f->text("axis1") + f->w<QTextEdit>("Remedy")->toPlainText(), u("에러 코드1축조치 방법"));
    QVERIFY(f->w("axis1")->isVisibleTo(&f->window));   // the placeholders stay visible, the records untouched
    QCOMPARE(f->cell(0, 1) + f->cell(0, 9), code + axis1);
}

void TestLanguage::parserNoticesInEachLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("arcNotice");
    QTest::addColumn<QString>("eightAxesNotice");
    QTest::addColumn<QString>("openFileAfter");
    // The arc notice goes through Korean and Chinese catalogues, the eight-axes notice through the Korean one only.
    QTest::newRow("Korean") << 0 << u("기본 정보 외에 아크 정보가 포함되어 있습니다.\n아크 입출력 신호 탭을 확인하십시오.")
                            << u("이 파일은 8축 이상 로봇의 에러 파일입니다.\n축 값은 두 줄로 표시됩니다.\n\n윗줄 - 1~8축\n아랫줄 - 9~16축")
                            << kKorean.first();
    QTest::newRow("English") << 1 << kArcNotice << kEightAxesNotice << kSource.first();
    QTest::newRow("Chinese") << 2 << u("除基本信息外，还包含弧焊信息。\n请查看“弧焊输入/输出信号”选项卡。") << kEightAxesNotice << kChinese.first();
}

void TestLanguage::parserNoticesInEachLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, arcNotice);
    QFETCH(QString, eightAxesNotice);
    QFETCH(QString, openFileAfter);
    f->w<QComboBox>("comboBox")->setCurrentIndex(language);
    f->drop({QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_arc/ROBOT.ERR"), QStringLiteral(VELLORAN_SAMPLES_DIR "/lum_multiaxis/ROBOT.ERR")});
    QCOMPARE(f->watcher.messageTexts(), (QStringList{arcNotice, eightAxesNotice}));
    QCOMPARE(f->text("open_file"), openFileAfter);
    QCOMPARE(f->window.language(), language);   // the language chosen before stays chosen
}

void TestLanguage::manualButtonOpensTheManualOfTheLanguage()
{
    UrlRecorder recorder;   // a bare file name: a relative URL without a scheme
    QDesktopServices::setUrlHandler(QString(), &recorder, "open");
    for (int index : {0, 1, 2, -1}) {
        f->w<QComboBox>("comboBox")->setCurrentIndex(index);
        f->w<QPushButton>("ManualButton")->click();
    }
    QDesktopServices::unsetUrlHandler(QString());
    QCOMPARE(recorder.urls, (QList<QUrl>{QUrl("Manual_Velloran_ko.pdf"), QUrl("Manual_Velloran_en.pdf"), QUrl("Manual_Velloran_ch.pdf")}));
    QVERIFY(recorder.urls.first().isRelative() && f->watcher.seen.isEmpty());
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
