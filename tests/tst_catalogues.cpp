// The translation catalogues: the three .ts sources carry the same texts,
// keep what the code puts in or splits at, and the compiled .qm files in the
// working directory translate exactly what the sources say. That every text
// of the code is in each catalogue is the CTest "catalogues_cover_sources".

#include <QDomDocument>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

namespace {

struct Catalogue
{
    QMap<QPair<QString, QString>, QPair<QString, QString>> messages;   // (context, source) -> (translation, type)
    QString language;
    int duplicates = 0;
};

Catalogue parse(const QString &lang)
{
    Catalogue result;
    QFile file(QStringLiteral(VELLORAN_SOURCE_DIR "/resources/velloran_%1.ts").arg(lang));
    QDomDocument doc;
    if (!file.open(QIODevice::ReadOnly) || !doc.setContent(&file))
        return result;
    const QDomElement ts = doc.documentElement();
    result.language = ts.attribute(QStringLiteral("language"));
    const QDomNodeList messages = ts.elementsByTagName(QStringLiteral("message"));
    for (int i = 0; i < messages.size(); ++i) {
        const QDomElement m = messages.at(i).toElement();
        const QString context = m.parentNode().firstChildElement(QStringLiteral("name")).text();
        const auto key = qMakePair(context, m.firstChildElement(QStringLiteral("source")).text());
        result.duplicates += result.messages.contains(key);
        const QDomElement tr = m.firstChildElement(QStringLiteral("translation"));
        result.messages.insert(key, qMakePair(tr.text(), tr.attribute(QStringLiteral("type"))));
    }
    return result;
}

// What the code puts in or splits at: place markers, file-dialog filters and patterns, line breaks.
QStringList structure(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%\\d|;;|\\(\\*\\.[A-Z0-9*]+\\)|\n"));
    QStringList found;
    for (auto m = re.globalMatch(text); m.hasNext();)
        found << m.next().captured();
    found.sort();
    return found;
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryIsFinishedAndKeepsItsMarkers_data();
    void everyEntryIsFinishedAndKeepsItsMarkers();
};

void TestCatalogues::everyEntryIsFinishedAndKeepsItsMarkers_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("locale");
    QTest::newRow("Korean") << "ko" << "ko_KR";
    QTest::newRow("English") << "en" << "en_US";
    QTest::newRow("Chinese") << "zh" << "zh_CN";
}

void TestCatalogues::everyEntryIsFinishedAndKeepsItsMarkers()
{
    QFETCH(QString, lang);
    QFETCH(QString, locale);
    const Catalogue c = parse(lang);
    QCOMPARE(c.language, locale);
    QCOMPARE(c.duplicates, 0);
    QVERIFY(c.messages.size() > 400);
    QCOMPARE(c.messages.keys(), parse(QStringLiteral("ko")).messages.keys());   // the three carry the same texts
    // The .qm lies in the working directory, where the program looks for it.
    QTranslator translator;
    QVERIFY2(translator.load(QStringLiteral("velloran_%1.qm").arg(lang)), "catalogue missing in the build folder");
    for (auto it = c.messages.cbegin(); it != c.messages.cend(); ++it) {
        const QString where = it.key().first + QStringLiteral(": ") + it.key().second;
        QVERIFY2(it->second.isEmpty() && !it->first.trimmed().isEmpty(), qPrintable(where + QStringLiteral(" is unfinished")));
        QVERIFY2(structure(it.key().second) == structure(it->first), qPrintable(where));
        QCOMPARE(translator.translate(it.key().first.toUtf8().constData(), it.key().second.toUtf8().constData()), it->first);
    }
}

// Texts of features whose code may come later than the catalogues: the
// catalogues carry them already, in the context the code will use.
QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
