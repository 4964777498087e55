// The three user manuals that the build prints into the build folder, where
// the program finds them: complete PDFs of many pages with the window
// pictures, the Korean and Chinese ones in their CJK font.

#include <QFontDatabase>
#include <QtTest>

class TestManuals : public QObject
{
    Q_OBJECT

private slots:
    void pdfs()
    {
        const bool cjk = QFontDatabase().families().contains(QStringLiteral("Noto Sans CJK KR"));
        for (const char *language : {"ko", "en", "ch"}) {
            QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/Manual_Velloran_%1.pdf").arg(QLatin1String(language)));
            QVERIFY2(file.open(QIODevice::ReadOnly), language);
            const QByteArray pdf = file.readAll();
            QVERIFY(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF") && pdf.contains("/Title ("));
            QVERIFY2(pdf.count("/Type /Page") - pdf.count("/Type /Pages") >= 15 && pdf.count("/Subtype /Image") >= 10, language);
            const QByteArray font = language[0] == 'k' ? "NotoSansCJKkr-Regular" : language[0] == 'c' ? "NotoSansCJKsc-Regular" : "";
            QVERIFY2(!cjk || pdf.contains(font), language);
        }
    }
};

QTEST_MAIN(TestManuals)
#include "tst_manuals.moc"
