// The three user manuals that the build prints into the build folder, where
// the program finds them, and their sources in docs/manual.

#include <QFontDatabase>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Manual
{
    const char *pdf;
    const char *source;
    const char *title;
    const char *font; // PostScript name of the CJK text font
};

const Manual kManuals[] = {
    {"Manual_Velloran_ko.pdf", "manual_ko.html", "Velloran 사용자 설명서", "NotoSansCJKkr-Regular"},
    {"Manual_Velloran_en.pdf", "manual_en.html", "Velloran User Manual", nullptr},
    {"Manual_Velloran_ch.pdf", "manual_zh.html", "Velloran 用户手册", "NotoSansCJKsc-Regular"},
};

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

// The document title of the PDF's information dictionary: a literal string,
// in UTF-16 with a byte order mark when it is not plain ASCII.
QString pdfTitle(const QByteArray &pdf)
{
    const int start = pdf.indexOf("/Title (");
    if (start < 0)
        return QString();
    QByteArray bytes;
    for (int i = start + 8; i < pdf.size(); ++i) {
        const char c = pdf.at(i);
        if (c == ')')
            break;
        if (c == '\\' && i + 1 < pdf.size()) {
            const char e = pdf.at(++i);
            if (e >= '0' && e <= '7') {
                int value = 0;
                int digits = 0;
                for (; digits < 3 && i < pdf.size() && pdf.at(i) >= '0' && pdf.at(i) <= '7'; ++digits, ++i)
                    value = value * 8 + (pdf.at(i) - '0');
                --i;
                bytes.append(char(value));
            } else {
                bytes.append(e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e);
            }
            continue;
        }
        bytes.append(c);
    }
    if (bytes.startsWith("\xfe\xff")) {
        QString text;
        for (int i = 2; i + 1 < bytes.size(); i += 2)
            text.append(QChar((uchar(bytes.at(i)) << 8) | uchar(bytes.at(i + 1))));
        return text;
    }
    return QString::fromLatin1(bytes);
}

// Occurrences of `key` not followed by a letter ("/Type /Page", not "/Pages").
int count(const QByteArray &pdf, const QByteArray &key)
{
    int n = 0;
    for (int at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + key.size())) {
        const int after = at + key.size();
        if (after >= pdf.size() || !QChar::isLetter(uchar(pdf.at(after))))
            ++n;
    }
    return n;
}

QStringList headings(const QString &html)
{
    QStringList tags;
    static const QRegularExpression re(QStringLiteral("<h([123])(?![^>]*nonum)[^>]*>"));
    auto it = re.globalMatch(html);
    while (it.hasNext())
        tags << QStringLiteral("h") + it.next().captured(1);
    return tags;
}

QStringList pictures(const QString &html)
{
    QStringList names;
    static const QRegularExpression re(QStringLiteral("<img src=\"([^\"]+)\""));
    auto it = re.globalMatch(html);
    while (it.hasNext())
        names << it.next().captured(1);
    return names;
}

QString sourceText(const char *name)
{
    return QString::fromUtf8(readFile(QStringLiteral(VELLORAN_SOURCE_DIR "/docs/manual/") + QLatin1String(name)));
}

} // namespace

class TestManuals : public QObject
{
    Q_OBJECT

private slots:
    void pdfs_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 3; ++i)
            QTest::newRow(kManuals[i].pdf) << i;
    }

    // Each manual lies beside the program, is a complete PDF of many pages in
    // its own language, with the window pictures in it.
    void pdfs()
    {
        QFETCH(int, index);
        const Manual &m = kManuals[index];
        const QByteArray pdf = readFile(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(m.pdf));
        QVERIFY2(!pdf.isEmpty(), m.pdf);
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        const int pages = count(pdf, "/Type /Page");
        QVERIFY2(pages >= 15, qPrintable(QStringLiteral("%1 pages").arg(pages)));
        QCOMPARE(pdfTitle(pdf), QString::fromUtf8(m.title));
        const int images = count(pdf, "/Subtype /Image");
        QVERIFY2(images >= 10, qPrintable(QStringLiteral("%1 pictures").arg(images)));
        if (m.font) {
            if (!QFontDatabase().families().contains(QStringLiteral("Noto Sans CJK KR")))
                QSKIP("fonts-noto-cjk is not installed");
            QVERIFY2(pdf.contains(m.font), m.font);
        }
    }

    // The three sources have the same chapters and sections and show the
    // same pictures.
    void sourcesAlike()
    {
        const QString en = sourceText("manual_en.html");
        QVERIFY(!en.isEmpty());
        QVERIFY(headings(en).size() > 20);
        for (const char *name : {"manual_ko.html", "manual_zh.html"}) {
            const QString other = sourceText(name);
            QVERIFY2(!other.isEmpty(), name);
            QCOMPARE(headings(other), headings(en));
            QCOMPARE(pictures(other), pictures(en));
        }
    }
};

QTEST_MAIN(TestManuals)
#include "tst_manuals.moc"
