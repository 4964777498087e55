// The translation catalogues: the three .ts sources are complete and agree
// with each other, the texts of every feature are there, and the compiled
// .qm files in the working directory translate exactly what the sources say.

#include <QDomDocument>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QtTest>

namespace {

struct Message
{
    QString translation;
    QString type; // the translation's type attribute, empty when finished
};

// (context, source) -> message
using Catalogue = QMap<QPair<QString, QString>, Message>;

struct Parsed
{
    Catalogue messages;
    QString language;
    int duplicates = 0;
    QString error;
};

Parsed parse(const QString &path)
{
    Parsed result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("cannot open ") + path;
        return result;
    }
    QDomDocument doc;
    QString message;
    int line = 0;
    if (!doc.setContent(&file, &message, &line)) {
        result.error = QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(message);
        return result;
    }
    const QDomElement ts = doc.documentElement();
    result.language = ts.attribute(QStringLiteral("language"));
    for (QDomElement context = ts.firstChildElement(QStringLiteral("context")); !context.isNull();
         context = context.nextSiblingElement(QStringLiteral("context"))) {
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement m = context.firstChildElement(QStringLiteral("message")); !m.isNull();
             m = m.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement tr = m.firstChildElement(QStringLiteral("translation"));
            const auto key = qMakePair(name, m.firstChildElement(QStringLiteral("source")).text());
            if (result.messages.contains(key))
                ++result.duplicates;
            result.messages.insert(key, {tr.text(), tr.attribute(QStringLiteral("type"))});
        }
    }
    return result;
}

QString tsPath(const QString &lang)
{
    return QStringLiteral(VELLORAN_SOURCE_DIR "/resources/velloran_%1.ts").arg(lang);
}

const QStringList kLanguages = {QStringLiteral("ko"), QStringLiteral("en"), QStringLiteral("zh")};

bool hasHangul(const QString &s)
{
    static const QRegularExpression hangul(QStringLiteral("[\\x{1100}-\\x{11FF}\\x{3130}-\\x{318F}\\x{AC00}-\\x{D7AF}]"));
    return hangul.match(s).hasMatch();
}

bool hasHan(const QString &s)
{
    static const QRegularExpression han(QStringLiteral("[\\x{4E00}-\\x{9FFF}]"));
    return han.match(s).hasMatch();
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyEntryIsFinished_data();
    void everyEntryIsFinished();
    void theThreeCarryTheSameTexts();
    void textsOfEveryFeatureAreThere_data();
    void textsOfEveryFeatureAreThere();
    void eachCatalogueSpeaksItsLanguage();
    void compiledCataloguesTranslateAsTheirSources_data();
    void compiledCataloguesTranslateAsTheirSources();
    void knownTranslations();

private:
    QMap<QString, Parsed> m_catalogues;
};

void TestCatalogues::initTestCase()
{
    for (const QString &lang : kLanguages) {
        const Parsed parsed = parse(tsPath(lang));
        QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
        m_catalogues.insert(lang, parsed);
    }
}

void TestCatalogues::everyEntryIsFinished_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("locale");
    QTest::newRow("Korean") << "ko" << "ko_KR";
    QTest::newRow("English") << "en" << "en_US";
    QTest::newRow("Chinese") << "zh" << "zh_CN";
}

void TestCatalogues::everyEntryIsFinished()
{
    QFETCH(QString, lang);
    QFETCH(QString, locale);
    const Parsed &c = m_catalogues.value(lang);
    QCOMPARE(c.language, locale);
    QCOMPARE(c.duplicates, 0);
    QVERIFY(c.messages.size() > 400);
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (auto it = c.messages.cbegin(); it != c.messages.cend(); ++it) {
        const QString where = it.key().first + QStringLiteral(": ") + it.key().second;
        // No unfinished, obsolete or vanished entry, and a real translation.
        QVERIFY2(it->type.isEmpty(), qPrintable(where + QStringLiteral(" is ") + it->type));
        QVERIFY2(!it->translation.trimmed().isEmpty(), qPrintable(where + QStringLiteral(" has no translation")));
        // Whatever the code puts in or splits at must survive: place markers,
        // the filters of the file dialogs and the line breaks of the notices.
        const QString &s = it.key().second;
        const QString &t = it->translation;
        auto markers = [](const QString &text) {
            QStringList found;
            auto m = placeholder.globalMatch(text);
            while (m.hasNext())
                found << m.next().captured();
            found.sort();
            return found;
        };
        QVERIFY2(markers(s) == markers(t), qPrintable(where));
        QVERIFY2(s.count(QLatin1String(";;")) == t.count(QLatin1String(";;")), qPrintable(where));
        static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.[A-Z0-9*]+\\)"));
        auto patterns = [](const QString &text) {
            QStringList found;
            auto m = pattern.globalMatch(text);
            while (m.hasNext())
                found << m.next().captured();
            return found;
        };
        QVERIFY2(patterns(s) == patterns(t), qPrintable(where));
        QVERIFY2(s.count(QLatin1Char('\n')) == t.count(QLatin1Char('\n')), qPrintable(where));
    }
}

void TestCatalogues::theThreeCarryTheSameTexts()
{
    const QList<QPair<QString, QString>> ko = m_catalogues.value(QStringLiteral("ko")).messages.keys();
    const QList<QPair<QString, QString>> en = m_catalogues.value(QStringLiteral("en")).messages.keys();
    const QList<QPair<QString, QString>> zh = m_catalogues.value(QStringLiteral("zh")).messages.keys();
    for (const auto &key : ko) {
        QVERIFY2(en.contains(key), qPrintable(QStringLiteral("English lacks ") + key.first + QLatin1Char(' ') + key.second));
        QVERIFY2(zh.contains(key), qPrintable(QStringLiteral("Chinese lacks ") + key.first + QLatin1Char(' ') + key.second));
    }
    QCOMPARE(en.size(), ko.size());
    QCOMPARE(zh.size(), ko.size());

    QSet<QString> contexts;
    for (const auto &key : ko)
        contexts.insert(key.first);
    QCOMPARE(contexts, (QSet<QString>{"VelloranClass", "Velloran", "FindDialogClass", "ProgramViewClass"}));
}

// Texts of features whose code may come later than the catalogues: the
// catalogues carry them already, in the context the code will use.
void TestCatalogues::textsOfEveryFeatureAreThere_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    const char *const window[] = {
        // opening a log, the parser, the error code details, the about box
        "Open File Kav", "Open File Lum/Luma", "Select a Kav button.", "It's not a ERR/STP file.",
        "In addition to basic information, Arc information is included.\nPlease, check Arc In/Output Signal tab.",
        "[Code] ", "[Remedy] ", "Velloran",
        // companion files
        "MCH File does not exist.", "INF File does not exist.", "CON File does not exist.",
        "OPR File does not exist.", "Check the next table.",
        // operation flags, keys and menus
        "RunTo\nCmd", "RunTo\nStep", "RunTo\nEnd", "Service - ", "System - ", "Menu", "TP On", "TP Off",
        "Sidebar\nPlay spd", "[BackSpace]", "Record\ncondition", "User key", "1: Monitoring - ",
        "2:  FB1 fieldbus output", "3: Online shift register ", "11: PLC SW Relay (Syetem Memory)",
        "14: Impact detection", "4: Current loop gain", "10: Auto tuning of additional axis",
        // editing and saving the operation history
        "Please enter a number.", "Out of range of seconds.", "Out of range of Time.", "Save OPR File",
        "OPR files(*.OPR);;All files(*.*)",
        // history text, find
        "Please open the ERR file and try again.", "HISTORY.TXT does not exist.", "\"%1\" is Not Found.",
    };
    for (const char *text : window)
        QTest::newRow(text) << "Velloran" << QString::fromUtf8(text);
    QTest::newRow("program view title") << "ProgramViewClass" << "ProgramView";
    QTest::newRow("program view box title") << "ProgramViewClass" << "Velloran";
    QTest::newRow("program view message") << "ProgramViewClass" << "File not found.";
    QTest::newRow("find dialog") << "FindDialogClass" << "   Find What :";
    QTest::newRow("form indicator") << "VelloranClass" << QString::fromUtf8("리밋(Over-Traval)확장");
    QTest::newRow("form combo") << "VelloranClass" << QString::fromUtf8("中國語");
}

void TestCatalogues::textsOfEveryFeatureAreThere()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    for (const QString &lang : kLanguages)
        QVERIFY2(m_catalogues.value(lang).messages.contains(qMakePair(context, source)), qPrintable(lang));
}

void TestCatalogues::eachCatalogueSpeaksItsLanguage()
{
    // The language names of the combo box stay as they are everywhere.
    const QSet<QString> languageNames = {QString::fromUtf8("한국어"), QStringLiteral("English"), QString::fromUtf8("中國語")};
    int koreanSources = 0;
    const Catalogue &en = m_catalogues.value(QStringLiteral("en")).messages;
    const Catalogue &zh = m_catalogues.value(QStringLiteral("zh")).messages;
    const Catalogue &ko = m_catalogues.value(QStringLiteral("ko")).messages;
    for (auto it = en.cbegin(); it != en.cend(); ++it) {
        const QString &source = it.key().second;
        if (languageNames.contains(source)) {
            QCOMPARE(it->translation, source);
            QCOMPARE(zh.value(it.key()).translation, source);
            QCOMPARE(ko.value(it.key()).translation, source);
            continue;
        }
        const QString where = it.key().first + QStringLiteral(": ") + source;
        // English and Chinese give no Korean; English gives no Chinese.
        QVERIFY2(!hasHangul(it->translation) && !hasHan(it->translation), qPrintable(where));
        QVERIFY2(!hasHangul(zh.value(it.key()).translation), qPrintable(where));
        QVERIFY2(!hasHan(ko.value(it.key()).translation), qPrintable(where));
        if (hasHangul(source)) {
            ++koreanSources;
            // The Korean captions of the system indicators keep their text.
            QCOMPARE(ko.value(it.key()).translation, source);
            QVERIFY2(hasHan(zh.value(it.key()).translation), qPrintable(where));
        } else {
            // English sources stand as they are in the English catalogue.
            QCOMPARE(it->translation, source);
        }
    }
    // The 72 indicator labels carry 46 different Korean texts.
    QCOMPARE(koreanSources, 46);

    // Most English texts read differently in Korean and in Chinese; the ones
    // that stay are names: file names, signal names, key caps, the program.
    int sameInKorean = 0, sameInChinese = 0;
    for (auto it = ko.cbegin(); it != ko.cend(); ++it) {
        if (hasHangul(it.key().second))
            continue;
        sameInKorean += it->translation == it.key().second;
        sameInChinese += zh.value(it.key()).translation == it.key().second;
    }
    QVERIFY2(sameInKorean < 60, qPrintable(QString::number(sameInKorean)));
    QVERIFY2(sameInChinese < 60, qPrintable(QString::number(sameInChinese)));
}

void TestCatalogues::compiledCataloguesTranslateAsTheirSources_data()
{
    QTest::addColumn<QString>("lang");
    for (const QString &lang : kLanguages)
        QTest::newRow(qPrintable(lang)) << lang;
}

void TestCatalogues::compiledCataloguesTranslateAsTheirSources()
{
    QFETCH(QString, lang);
    // The .qm lies in the working directory, where the program looks for it.
    QTranslator translator;
    QVERIFY2(translator.load(QStringLiteral("velloran_%1.qm").arg(lang)), "catalogue missing in the build folder");
    const Catalogue &c = m_catalogues.value(lang).messages;
    for (auto it = c.cbegin(); it != c.cend(); ++it) {
        const QByteArray context = it.key().first.toUtf8();
        const QByteArray source = it.key().second.toUtf8();
        QCOMPARE(translator.translate(context.constData(), source.constData()), it->translation);
    }
}

void TestCatalogues::knownTranslations()
{
    QTranslator ko, en, zh;
    QVERIFY(ko.load(QStringLiteral("velloran_ko.qm")));
    QVERIFY(en.load(QStringLiteral("velloran_en.qm")));
    QVERIFY(zh.load(QStringLiteral("velloran_zh.qm")));
    const char *const autoMode = "모드스위치(자동)";

    QCOMPARE(ko.translate("VelloranClass", "Open File"), QString::fromUtf8("파일 열기"));
    QCOMPARE(ko.translate("VelloranClass", autoMode), QString::fromUtf8(autoMode));
    QCOMPARE(ko.translate("Velloran", "Select a Kav button."), QString::fromUtf8("Kav 버튼을 선택하십시오."));
    QCOMPARE(ko.translate("FindDialogClass", "Next"), QString::fromUtf8("다음"));
    QCOMPARE(ko.translate("ProgramViewClass", "File not found."), QString::fromUtf8("파일을 찾을 수 없습니다."));

    QCOMPARE(en.translate("VelloranClass", autoMode), QStringLiteral("Mode Switch(Auto)"));
    QCOMPARE(en.translate("VelloranClass", "비상정지(TP)"), QStringLiteral("Emergency Stop(TP)"));
    QCOMPARE(en.translate("VelloranClass", "Open File"), QStringLiteral("Open File"));

    QCOMPARE(zh.translate("VelloranClass", autoMode), QString::fromUtf8("模式开关(自动)"));
    QCOMPARE(zh.translate("VelloranClass", "Open File"), QString::fromUtf8("打开文件"));
    QCOMPARE(zh.translate("Velloran", "OPR File does not exist."), QString::fromUtf8("OPR 文件不存在。"));

    // The place marker of the find message survives and takes the text.
    QCOMPARE(ko.translate("Velloran", "\"%1\" is Not Found.").arg(QStringLiteral("E-0015")),
             QString::fromUtf8("\"E-0015\"을(를) 찾을 수 없습니다."));
    // A text of another context is not translated by accident.
    QCOMPARE(ko.translate("FindDialogClass", "Open File"), QString());
}

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
