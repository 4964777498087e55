// Prints a user manual, written as simple HTML, into an A4 PDF.
//
//   make_manual SOURCE.html OUTPUT.pdf [--font FAMILY]... [--mono FAMILY]...
//               [--images FOLDER]... [--version TEXT] [--verbose]
//
// The source is the HTML subset that QTextDocument reads. Before it is laid
// out, the tool
//   - replaces @VERSION@ by the version text,
//   - numbers the <h1> and <h2> headings (1, 1.1, ...) unless a heading has
//     class="nonum",
//   - replaces a paragraph that holds only @TOC@ by a table of contents of the
//     numbered headings, whose page numbers are filled in after pagination,
//   - looks up every <img src="NAME"> in the --images folders, in the order
//     given (a missing picture is an error), and narrows pictures that are
//     wider than the text column.
// --font names the text font families, first choice first (Korean and Chinese
// need a CJK family such as "Noto Sans CJK KR" / "Noto Sans CJK SC"); --mono
// those of <code>. A character that none of the families has is reported on
// standard error (the PDF would show it in some fallback font, or as a box).
//
// Page 1 is the cover and has neither header nor footer; every other page has
// the document's <title> at the top and "page / pages" at the bottom. A
// heading is kept on the page of the paragraph that follows it, a picture
// on the page of the first line of its caption, a paragraph that ends in a
// colon with what follows, and a table shorter than half a page in one piece;
// --verbose lists the page breaks made for that.
//
// Built a second time with VELLORAN_MANUAL_SCREENS defined (the target
// make_manual_screens, which links the program's library), the tool instead
// draws pictures of the window with the sample backups loaded:
//
//   make_manual_screens --screens OUTPUT_FOLDER SAMPLES_FOLDER
//
// It writes one set per language into OUTPUT_FOLDER/ko, /en and /zh: the
// language is chosen in the window's combo box as a user would, so the help
// texts (and, once the translation catalogues lie in the working directory,
// the window's texts) are those of the manual. Run it in the build folder,
// where the help texts, icons and mode pictures lie. Both modes run on the
// offscreen platform without a display.

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <cmath>
#include <cstdio>
#include <vector>

#ifdef VELLORAN_MANUAL_SCREENS
#include "app/velloran.h"
#include "details/helploading.h"
#include "search/finddialog.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#endif

namespace {

void fail(const QString &text)
{
    std::fprintf(stderr, "make_manual: %s\n", qPrintable(text));
}

// ---------------------------------------------------------------------------
// Manual source
// ---------------------------------------------------------------------------

struct Heading
{
    int level = 1;
    QString number;
    QString title; // plain text, without the number
};

QString plainText(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    html.replace(QLatin1String("&amp;"), QLatin1String("&"));
    html.replace(QLatin1String("&lt;"), QLatin1String("<"));
    html.replace(QLatin1String("&gt;"), QLatin1String(">"));
    html.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    return html.simplified();
}

// Numbers the h1/h2 headings and collects them for the table of contents.
QString numberHeadings(const QString &html, std::vector<Heading> &headings)
{
    static const QRegularExpression re(QStringLiteral("<h([12])([^>]*)>(.*?)</h\\1>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    QString out;
    int last = 0;
    int chapter = 0;
    int section = 0;
    auto it = re.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += html.midRef(last, m.capturedStart() - last);
        last = m.capturedEnd();
        const int level = m.captured(1).toInt();
        const QString attributes = m.captured(2);
        if (attributes.contains(QLatin1String("nonum"))) {
            out += m.captured(0);
            continue;
        }
        Heading h;
        h.level = level;
        if (level == 1) {
            ++chapter;
            section = 0;
            h.number = QString::number(chapter) + QLatin1Char('.');
        } else {
            ++section;
            h.number = QStringLiteral("%1.%2").arg(chapter).arg(section);
        }
        h.title = plainText(m.captured(3));
        headings.push_back(h);
        out += QStringLiteral("<h%1%2>%3&nbsp;&nbsp;%4</h%1>")
                   .arg(level)
                   .arg(attributes, h.number, m.captured(3));
    }
    out += html.midRef(last);
    return out;
}

// The page numbers of the table of contents start as this placeholder, as
// wide as a page number, and are filled in after pagination.
const char *const kTocPlaceholder = "@TOCPAGE@";

QString tocHtml(const std::vector<Heading> &headings)
{
    QString html = QStringLiteral("<table class=\"toc\" width=\"100%\" cellspacing=\"0\" cellpadding=\"1\">");
    for (size_t i = 0; i < headings.size(); ++i) {
        const Heading &h = headings[i];
        const bool chapter = h.level == 1;
        const QString style = chapter ? QStringLiteral(" style=\"font-size: 10pt; font-weight: bold; padding-top: 5px;\"")
                                      : QStringLiteral(" style=\"font-size: 9.5pt;\"");
        html += QStringLiteral("<tr><td width=\"7%\"%1>%2</td><td width=\"85%\"%1>%3</td>"
                               "<td width=\"8%\" align=\"right\"%1>%4</td></tr>")
                    .arg(style, chapter ? h.number : QStringLiteral("&nbsp;&nbsp;&nbsp;") + h.number,
                         (chapter ? QString() : QStringLiteral("&nbsp;&nbsp;&nbsp;")) + h.title.toHtmlEscaped(),
                         QString::fromLatin1(i == 0 ? kTocPlaceholder : "00"));
    }
    html += QStringLiteral("</table>");
    return html;
}

const char *const kStyleSheet = R"(
h1 { font-size: 17pt; font-weight: bold; color: #1d3d63; margin-top: 20px; margin-bottom: 8px; }
h2 { font-size: 13pt; font-weight: bold; color: #1d3d63; margin-top: 14px; margin-bottom: 5px; }
h3 { font-size: 11pt; font-weight: bold; color: #333333; margin-top: 10px; margin-bottom: 4px; }
p { margin-top: 0px; margin-bottom: 6px; line-height: 135%; }
li { margin-bottom: 3px; line-height: 135%; }
table.grid { margin-top: 2px; margin-bottom: 8px; }
table.grid th { background-color: #e3eaf2; font-weight: bold; }
table.note { background-color: #fff7dc; margin-top: 4px; margin-bottom: 8px; }
p.caption { color: #555555; font-size: 9pt; margin-top: 2px; margin-bottom: 12px; }
p.figure { margin-top: 6px; margin-bottom: 0px; line-height: 100%; }
p.cover-title { font-size: 34pt; font-weight: bold; color: #1d3d63; }
p.cover-subtitle { font-size: 18pt; color: #1d3d63; }
p.cover-line { font-size: 11pt; color: #444444; }
)";

// ---------------------------------------------------------------------------
// The document
// ---------------------------------------------------------------------------

class ManualDocument : public QTextDocument
{
public:
    QStringList imageFolders;
    QStringList missing;

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type == QTextDocument::ImageResource) {
            const QString file = name.toString();
            for (const QString &folder : qAsConst(imageFolders)) {
                const QString path = QDir(folder).filePath(file);
                if (QFileInfo::exists(path)) {
                    QImage image(path);
                    if (!image.isNull())
                        return image;
                }
            }
            if (!missing.contains(file))
                missing << file;
            return QVariant();
        }
        return QTextDocument::loadResource(type, name);
    }
};

bool isImageBlock(const QTextBlock &block)
{
    bool image = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.charFormat().isImageFormat())
            image = true;
        else if (!f.text().trimmed().isEmpty())
            return false;
    }
    return image;
}

// Narrows the pictures that are wider than the text column (in CSS pixels).
void fitImages(ManualDocument &doc, qreal maxWidth)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = f.charFormat().toImageFormat();
            const QImage image = doc.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
            if (image.isNull())
                continue;
            qreal w = format.width() > 0 ? format.width() : image.width();
            qreal h = format.height() > 0 ? format.height() : image.height() * w / image.width();
            if (w > maxWidth) {
                h = h * maxWidth / w;
                w = maxWidth;
            }
            format.setWidth(w);
            format.setHeight(h);
            QTextCursor c(&doc);
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(format);
        }
    }
}

// Lays the whole document out again. (After an edit the layout only redoes
// the changed part, and in Qt 5.15 that can leave the paragraphs after it
// without lines; a new page size always starts from the beginning.)
void relayout(QTextDocument &doc)
{
    doc.setPageSize(doc.pageSize());
    doc.pageCount();
}

class Paginator
{
public:
    Paginator(QTextDocument &doc, qreal pageHeight)
        : m_doc(doc), m_layout(doc.documentLayout()), m_pageHeight(pageHeight)
    {
    }

    bool verbose = false;

    int pageOf(qreal y) const { return int(std::floor(y / m_pageHeight + 1e-6)); }

    // Top of the first line of a block: a line that does not fit on a page
    // is moved to the next one, below the top of its block.
    qreal top(const QTextBlock &block) const
    {
        const qreal y = m_layout->blockBoundingRect(block).top();
        const QTextLayout *layout = block.layout();
        return layout && layout->lineCount() > 0 ? y + layout->lineAt(0).y() : y;
    }

    // A paragraph that ends in a colon introduces what follows it.
    static bool introducesNext(const QTextBlock &block)
    {
        const QString text = block.text().trimmed();
        return text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xff1a));
    }

    // Keeps headings with the paragraph after them, pictures with their
    // captions, paragraphs that end in a colon with what follows, and tables shorter than half a page in one piece, by breaking
    // the page before the heading, picture or table. The first offence in
    // document order is mended first, then the document is laid out again.
    void keepTogether()
    {
        for (int pass = 0; pass < 500; ++pass) {
            if (!mendFirst())
                return;
            // Only the part from the new page break on changes.
            m_doc.markContentsDirty(m_mended, m_doc.characterCount() - m_mended);
            m_doc.pageCount();
            if (!laidOut())
                relayout(m_doc);
        }
    }

private:
    // Whether every block with text has its lines (see relayout()).
    bool laidOut() const
    {
        for (QTextBlock b = m_doc.begin(); b.isValid(); b = b.next()) {
            if (b.length() > 1 && b.layout()->lineCount() == 0)
                return false;
        }
        return true;
    }

    bool atPageTop(qreal y) const { return y - pageOf(y) * m_pageHeight < 1.0; }

    static bool keptWithNext(const QTextBlock &block)
    {
        return block.blockFormat().headingLevel() > 0 || introducesNext(block);
    }

    // The first of the headings and lead-in paragraphs right before `block`
    // on the same page: a new page starts there, so that they stay together.
    QTextBlock leadIn(QTextBlock block) const
    {
        const int page = pageOf(top(block));
        for (QTextBlock prev = block.previous(); prev.isValid(); prev = prev.previous()) {
            if (m_doc.frameAt(prev.position()) != m_doc.rootFrame() || !keptWithNext(prev)
                || pageOf(top(prev)) != page || breaksBefore(block))
                break;
            block = prev;
        }
        return block;
    }

    static bool breaksBefore(const QTextBlock &block)
    {
        return block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
    }

    // Starts a new page before `block`, unless it is already at the top of one.
    bool breakBefore(const QTextBlock &block, const char *what)
    {
        const qreal y = top(block);
        if (atPageTop(y) || breaksBefore(block))
            return false;
        QTextBlockFormat format;
        format.setPageBreakPolicy(block.blockFormat().pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).mergeBlockFormat(format);
        m_mended = block.position();
        if (verbose)
            std::printf("page %d: new page before %s \"%s\"\n", pageOf(y) + 1, what,
                        qPrintable(block.text().left(40)));
        return true;
    }

    bool mendFirst()
    {
        for (auto it = m_doc.rootFrame()->begin(); !it.atEnd(); ++it) {
            if (QTextFrame *frame = it.currentFrame()) {
                auto *table = qobject_cast<QTextTable *>(frame);
                if (!table)
                    continue;
                const QRectF r = m_layout->frameBoundingRect(table);
                if (r.height() > m_pageHeight / 2 || pageOf(r.top()) == pageOf(r.bottom() - 1) || atPageTop(r.top()))
                    continue;
                const QTextBlock before = m_doc.findBlock(table->firstPosition() - 1);
                if (before.isValid() && m_doc.frameAt(before.position()) == m_doc.rootFrame() && keptWithNext(before)
                    && pageOf(top(before)) == pageOf(r.top())) {
                    if (breakBefore(leadIn(before), "the lead-in of a table"))
                        return true;
                    continue;
                }
                QTextTableFormat format = table->format();
                if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                    continue;
                format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
                table->setFormat(format);
                m_mended = table->firstPosition() - 1;
                if (verbose)
                    std::printf("page %d: new page before a table\n", pageOf(r.top()) + 1);
                return true;
            }
            const QTextBlock b = it.currentBlock();
            const bool image = isImageBlock(b);
            if (!image && !keptWithNext(b))
                continue;
            const QTextBlock next = b.next();
            if (!next.isValid() || pageOf(top(b)) == pageOf(top(next)))
                continue;
            if (breakBefore(image ? b : leadIn(b), image ? "a picture" : "a heading or lead-in"))
                return true;
        }
        return false;
    }

public:
    // Page number (from 1) of every numbered heading, in document order.
    std::vector<int> headingPages(size_t count) const
    {
        static const QRegularExpression numbered(QStringLiteral("^\\d+(\\.|\\.\\d+)\\s"));
        std::vector<int> pages;
        for (QTextBlock b = m_doc.begin(); b.isValid() && pages.size() < count; b = b.next()) {
            const int level = b.blockFormat().headingLevel();
            if ((level == 1 || level == 2) && numbered.match(b.text().replace(QChar::Nbsp, QLatin1Char(' '))).hasMatch())
                pages.push_back(pageOf(top(b)) + 1);
        }
        return pages;
    }

private:
    QTextDocument &m_doc;
    QAbstractTextDocumentLayout *m_layout;
    qreal m_pageHeight;
    int m_mended = 0;
};

QFont familiesFont(const QStringList &families, qreal points)
{
    const QStringList installed = QFontDatabase().families();
    QStringList present;
    for (const QString &family : families) {
        if (installed.contains(family, Qt::CaseInsensitive))
            present << family;
    }
    if (present.isEmpty() && !families.isEmpty())
        fail(QStringLiteral("none of the fonts %1 is installed; using the default font")
                 .arg(families.join(QLatin1String(", "))));
    QFont font;
    if (!present.isEmpty()) {
        font.setFamily(present.first());
        font.setFamilies(present);
    }
    font.setPointSizeF(points);
    // Without shaping, Latin text keeps the glyphs of the font's character map:
    // Noto Sans CJK substitutes its digits otherwise, and the substitutes
    // have no Unicode value in the PDF (its text could not be searched).
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferNoShaping));
    return font;
}

// Reports characters that none of the given font families can show.
void checkGlyphs(const QTextDocument &doc, const QStringList &families)
{
    std::vector<QRawFont> fonts;
    for (const QString &family : families) {
        QFont font(family);
        font.setPixelSize(20);
        const QRawFont raw = QRawFont::fromFont(font);
        if (raw.isValid() && raw.familyName().compare(family, Qt::CaseInsensitive) == 0)
            fonts.push_back(raw);
    }
    if (fonts.empty())
        return;
    QSet<uint> reported;
    const QVector<uint> text = doc.toPlainText().toUcs4();
    for (uint c : text) {
        if (c < 0x20 || c == 0xfffc || c == 0x2028 || c == 0x2029 || QChar::isSpace(c) || reported.contains(c))
            continue;
        bool found = false;
        for (const QRawFont &font : fonts) {
            if (font.supportsCharacter(c)) {
                found = true;
                break;
            }
        }
        if (!found) {
            reported.insert(c);
            fail(QStringLiteral("character U+%1 (%2) is in none of the fonts %3")
                     .arg(c, 4, 16, QLatin1Char('0'))
                     .arg(QString::fromUcs4(&c, 1), families.join(QLatin1String(", "))));
        }
    }
}

int makeManual(const QStringList &args)
{
    QString source;
    QString output;
    QStringList fonts;
    QStringList monoFonts;
    QStringList imageFolders;
    QString version;
    bool verbose = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--verbose"))
            verbose = true;
        else if (a == QLatin1String("--font") && i + 1 < args.size())
            fonts << args[++i];
        else if (a == QLatin1String("--mono") && i + 1 < args.size())
            monoFonts << args[++i];
        else if (a == QLatin1String("--images") && i + 1 < args.size())
            imageFolders << args[++i];
        else if (a == QLatin1String("--version") && i + 1 < args.size())
            version = args[++i];
        else if (source.isEmpty())
            source = a;
        else if (output.isEmpty())
            output = a;
        else {
            fail(QStringLiteral("unexpected argument %1").arg(a));
            return 2;
        }
    }
    if (source.isEmpty() || output.isEmpty()) {
        std::fprintf(stderr, "usage: make_manual SOURCE.html OUTPUT.pdf [--font FAMILY]... [--mono FAMILY]... "
                             "[--images FOLDER]... [--version TEXT] [--verbose]\n");
        return 2;
    }

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1").arg(source));
        return 1;
    }
    QString html = QString::fromUtf8(in.readAll());
    html.replace(QLatin1String("@VERSION@"), version);
    std::vector<Heading> headings;
    html = numberHeadings(html, headings);
    html.replace(QRegularExpression(QStringLiteral("<p>\\s*@TOC@\\s*</p>")), tocHtml(headings));

    // A4 without printer margins; the tool places header, body and footer.
    QPdfWriter writer(output);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Velloran make_manual"));
    const qreal dpmm = writer.resolution() / 25.4;
    const QRectF paper(0, 0, writer.width(), writer.height());
    const QRectF body = paper.adjusted(20 * dpmm, 22 * dpmm, -20 * dpmm, -20 * dpmm);

    ManualDocument doc;
    doc.imageFolders = imageFolders;
    doc.setUndoRedoEnabled(false);
    const QFont textFont = familiesFont(fonts, 10);
    doc.setDefaultFont(textFont);
    QString css = QString::fromLatin1(kStyleSheet);
    if (!monoFonts.isEmpty()) {
        css += QStringLiteral("code { font-family: %1; }\n")
                   .arg(QLatin1Char('"') + monoFonts.join(QLatin1String("\", \"")) + QLatin1Char('"'));
    }
    doc.setDefaultStyleSheet(css);
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDocumentMargin(0);
    doc.setPageSize(body.size());
    doc.setHtml(html);
    doc.setPageSize(body.size());

    // Table borders: thin lines in a soft colour (a style sheet class does not
    // reach the table's own border). Qt 5.15 draws a repeated table header
    // over the text after a table that ends at the foot of a page, so headers
    // are not repeated.
    for (QTextFrame *frame : doc.rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame)) {
            QTextTableFormat format = table->format();
            format.setHeaderRowCount(0);
            if (format.border() > 0) {
                const bool note = format.background().style() != Qt::NoBrush;
                format.setBorderBrush(note ? QColor(0xe0, 0xc0, 0x60) : QColor(0x9a, 0xa8, 0xb8));
                format.setBorderCollapse(true);
            }
            table->setFormat(format);
        }
    }

    // A picture's size in the source is in CSS pixels (96 per inch).
    fitImages(doc, body.width() * 96.0 / writer.resolution());
    relayout(doc);
    if (!doc.missing.isEmpty()) {
        fail(QStringLiteral("%1: pictures not found in %2: %3")
                 .arg(source, imageFolders.join(QLatin1String(", ")), doc.missing.join(QLatin1String(", "))));
        return 1;
    }
    checkGlyphs(doc, fonts + monoFonts);

    // The table of contents: the table whose first page cell holds the placeholder.
    QTextTable *toc = nullptr;
    if (!headings.empty()) {
        const QTextCursor c = doc.find(QString::fromLatin1(kTocPlaceholder));
        toc = c.isNull() ? nullptr : c.currentTable();
        if (toc && (toc->rows() != int(headings.size()) || toc->columns() != 3))
            toc = nullptr;
    }

    // Pagination, then the page numbers; again when the numbers moved a page.
    Paginator paginator(doc, body.height());
    paginator.verbose = verbose;
    std::vector<int> pages;
    for (int round = 0;; ++round) {
        paginator.keepTogether();
        const std::vector<int> now = paginator.headingPages(headings.size());
        if (now.size() != headings.size()) {
            fail(QStringLiteral("%1: found %2 of %3 headings after layout").arg(source).arg(now.size()).arg(headings.size()));
            return 1;
        }
        if (now == pages || !toc)
            break;
        if (round == 5) {
            fail(QStringLiteral("%1: the page numbers of the contents do not settle").arg(source));
            return 1;
        }
        pages = now;
        for (int row = 0; row < toc->rows(); ++row) {
            const QTextTableCell cell = toc->cellAt(row, 2);
            QTextCursor c = cell.firstCursorPosition();
            c.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            c.insertText(QString::number(pages[size_t(row)]));
        }
        relayout(doc);
    }
    const int pageCount = doc.pageCount();

    const QString title = doc.metaInformation(QTextDocument::DocumentTitle);
    writer.setTitle(title);

    QPainter painter;
    if (!painter.begin(&writer)) {
        fail(QStringLiteral("cannot write %1").arg(output));
        return 1;
    }
    QFont small = textFont;
    small.setPointSizeF(8);
    const QColor grey(0x66, 0x66, 0x66);
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        painter.translate(body.left(), body.top() - page * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * body.height(), body.width(), body.height());
        painter.setClipRect(context.clip);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        if (page == 0)
            continue;
        painter.save();
        painter.setFont(small);
        painter.setPen(grey);
        const QRectF header(body.left(), 10 * dpmm, body.width(), 6 * dpmm);
        painter.drawText(header, Qt::AlignLeft | Qt::AlignBottom, title);
        painter.setPen(QPen(QColor(0xb0, 0xb8, 0xc4), 0.25 * dpmm));
        painter.drawLine(QPointF(body.left(), 17 * dpmm), QPointF(body.right(), 17 * dpmm));
        painter.setPen(grey);
        const QRectF footer(body.left(), paper.height() - 14 * dpmm, body.width(), 6 * dpmm);
        painter.drawText(footer, Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("%1 / %2").arg(page + 1).arg(pageCount));
        painter.restore();
    }
    painter.end();
    std::printf("%s: %d pages\n", qPrintable(output), pageCount);
    return 0;
}

#ifdef VELLORAN_MANUAL_SCREENS
// ---------------------------------------------------------------------------
// Pictures of the window with a log loaded
// ---------------------------------------------------------------------------

// Answers the message boxes that loading and the buttons open, and saves a
// picture of each under the name given before.
class BoxCatcher : public QObject
{
public:
    explicit BoxCatcher(const QDir &out) : m_out(out)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(50);
    }

    void setFolder(const QDir &out) { m_out = out; }

    // The next boxes are saved under these names ("" = not saved).
    QStringList names;
    int failures = 0;

private:
    void poll()
    {
        const QWidgetList widgets = QApplication::topLevelWidgets();
        for (QWidget *w : widgets) {
            // Message boxes, and the program view, which runs as a dialog too.
            auto *box = qobject_cast<QDialog *>(w);
            const bool wanted = qobject_cast<QMessageBox *>(w) || w->objectName() == QLatin1String("ProgramViewClass");
            if (!box || !wanted || !box->isVisible())
                continue;
            const QString name = names.isEmpty() ? QString() : names.takeFirst();
            if (!name.isEmpty()) {
                const QString path = m_out.filePath(name);
                if (box->grab().save(path, "PNG"))
                    std::printf("%s\n", qPrintable(path));
                else
                    ++failures;
            }
            box->done(QMessageBox::Ok);
        }
    }

    QDir m_out;
    QTimer m_timer;
};

void settle()
{
    for (int round = 0; round < 6; ++round)
        QApplication::processEvents();
}

class Screens
{
public:
    Screens(const QDir &out, const QDir &samples) : m_out(out), m_samples(samples), m_boxes(out) {}

    // A window as after start-up, with the language chosen in the combo box
    // (help texts follow it; the window texts follow it too once its
    // translation catalogue lies in the working directory).
    std::unique_ptr<Velloran> window()
    {
        auto w = std::make_unique<Velloran>();
        loadHelpAndStopTables(w.get());
        const QString dir = QCoreApplication::applicationDirPath();
        w->setModeImagePaths(dir);
        w->show();
        settle();
        w->findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(m_language);
        w->OnSelectLang(m_language);
        settle();
        return w;
    }

    // Opens a sample log as the open button does after the dialog.
    void open(Velloran &w, const QString &sample, const QStringList &boxNames = {})
    {
        m_boxes.names = boxNames;
        const QString path = m_samples.filePath(sample);
        w.clearAllViews();
        w.findChild<QLineEdit *>(QStringLiteral("file_add"))->setText(path);
        w.loadLog(path);
        settle();
        m_boxes.names.clear();
    }

    void select(Velloran &w, int row)
    {
        w.findChild<QTableWidget *>(QStringLiteral("tableWidget"))->setCurrentCell(row, 0);
        w.OnRowSelect(row, 0);
        settle();
    }

    bool save(QWidget *widget, const QString &name)
    {
        settle();
        const QString path = m_dir.filePath(name);
        if (!widget->grab().save(path, "PNG")) {
            fail(QStringLiteral("cannot write %1").arg(path));
            return false;
        }
        std::printf("%s %dx%d\n", qPrintable(path), widget->width(), widget->height());
        return true;
    }

    bool tab(Velloran &w, int index, const QString &name)
    {
        w.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(index);
        return save(&w, name);
    }

    // One set of pictures per language: ko, en, zh.
    int run()
    {
        bool ok = true;
        const char *const folders[] = {"ko", "en", "zh"};
        for (m_language = 0; m_language < 3; ++m_language) {
            const QString folder = QString::fromLatin1(folders[m_language]);
            if (!m_out.mkpath(folder)) {
                fail(QStringLiteral("cannot create %1").arg(m_out.filePath(folder)));
                return 1;
            }
            m_dir = QDir(m_out.filePath(folder));
            m_boxes.setFolder(m_dir);
            ok &= runLanguage();
        }
        return ok && m_boxes.failures == 0 ? 0 : 1;
    }

private:
    bool runLanguage()
    {
        bool ok = true;
        {
            // Spot-welding robot, error log, first record (E-0015).
            auto w = window();
            open(*w, QStringLiteral("lum_spot/ROBOT.ERR"));
            select(*w, 0);
            ok &= tab(*w, 0, QStringLiteral("loaded_system_input.png"));
            ok &= tab(*w, 2, QStringLiteral("loaded_general_io.png"));
            ok &= tab(*w, 4, QStringLiteral("loaded_statistics.png"));
            ok &= tab(*w, 5, QStringLiteral("loaded_error.png"));
            ok &= save(w->findChild<QGroupBox *>(QStringLiteral("groupBox")), QStringLiteral("details_group.png"));
            m_boxes.names = QStringList{QStringLiteral("box_error_code.png")};
            w->Onclick_Details_Error_Code();
            settle();
        }
        {
            // Arc-welding robot: the arc notice, then the arc page.
            auto w = window();
            open(*w, QStringLiteral("lum_arc/ROBOT.ERR"), {QStringLiteral("notice_arc.png")});
            select(*w, 2);
            ok &= tab(*w, 3, QStringLiteral("loaded_arc.png"));
        }
        {
            // Twelve axes: the notice and the two-line axis cells.
            auto w = window();
            open(*w, QStringLiteral("lum_multiaxis/ROBOT.ERR"), {QStringLiteral("notice_eight_axes.png")});
            select(*w, 0);
            ok &= save(w->findChild<QTableWidget *>(QStringLiteral("tableWidget")), QStringLiteral("table_multiaxis.png"));
        }
        {
            // Kav robot with the Kav family chosen; then a Lum/Luma log with
            // the Kav family still chosen.
            auto w = window();
            w->findChild<QRadioButton *>(QStringLiteral("kav"))->click();
            open(*w, QStringLiteral("kav/ROBOT.E01"));
            select(*w, 0);
            ok &= tab(*w, 0, QStringLiteral("loaded_kav.png"));
            open(*w, QStringLiteral("lum_spot/ROBOT.ERR"),
                 {QStringLiteral("box_not_kav_file.png"), QStringLiteral("box_select_lum.png")});
        }
        {
            // The controller data files of the spot-welding robot, every
            // section opened.
            auto w = window();
            open(*w, QStringLiteral("lum_spot/ROBOT.ERR"));
            for (const char *name : {"treeWidget", "treeWidget_2", "treeWidget_3"})
                w->findChild<QTreeWidget *>(QLatin1String(name))->expandAll();
            ok &= tab(*w, 6, QStringLiteral("loaded_mch.png"));
            ok &= tab(*w, 7, QStringLiteral("loaded_inf.png"));
            ok &= tab(*w, 8, QStringLiteral("loaded_con.png"));
        }
        {
            // The operation history beside the spot-welding log, the cursor
            // on the first menu selection that reaches the fourth level.
            auto w = window();
            open(*w, QStringLiteral("lum_spot/ROBOT.ERR"));
            w->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(9);
            settle();
            auto *text = w->findChild<QTextEdit *>(QStringLiteral("textEdit"));
            const auto *deepest = w->findChild<QLabel *>(QStringLiteral("Menu4"));
            for (int line = 0; line < text->document()->blockCount() && deepest->text().isEmpty(); ++line)
                text->setTextCursor(QTextCursor(text->document()->findBlockByNumber(line)));
            ok &= save(w.get(), QStringLiteral("loaded_opr.png"));
        }
        {
            // The program view of the first record, its step selected.
            auto w = window();
            open(*w, QStringLiteral("lum_spot/ROBOT.ERR"));
            select(*w, 0);
            m_boxes.names = QStringList{QStringLiteral("program_view.png")};
            w->OnClick_Details_Program();
            settle();
        }
        {
            // Find: all cells that contain E-0015.
            auto w = window();
            open(*w, QStringLiteral("lum_spot/ROBOT.ERR"));
            w->OnFind_Dialog();
            settle();
            FindDialog *find = nullptr;
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *dialog = qobject_cast<FindDialog *>(top))
                    find = dialog;
            if (find && find->isVisible()) {
                find->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(QStringLiteral("E-0015"));
                w->OnAll_Button();
                settle();
                const auto *list = find->findChild<QListWidget *>(QStringLiteral("listWidget"));
                if (list->isVisible() && list->count() > 0)
                    ok &= save(find, QStringLiteral("find_dialog.png"));
                else
                    std::printf("find: no matches listed, find_dialog.png not drawn\n");
                find->close();
            } else {
                std::printf("find: the dialog did not open, find_dialog.png not drawn\n");
            }
        }
        return ok;
    }

    QDir m_out;
    QDir m_dir;
    QDir m_samples;
    BoxCatcher m_boxes;
    int m_language = 0;
};

int makeScreens(const QStringList &args)
{
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: make_manual_screens --screens OUTPUT_FOLDER SAMPLES_FOLDER\n");
        return 2;
    }
    const QDir out(args[2]);
    if (!out.exists() && !QDir().mkpath(out.path())) {
        fail(QStringLiteral("cannot create %1").arg(args[2]));
        return 1;
    }
    // The size of the pictures in docs/screens (see tools/render_window.cpp).
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    // The path field shows where the logs lie; a copy of the samples in a
    // short, neutral place reads better than the build machine's folders.
    const QDir samples(args[3]);
    QDir copy(QDir::tempPath() + QStringLiteral("/velloran/samples"));
    copy.removeRecursively();
    for (const QString &sub : samples.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        copy.mkpath(sub);
        for (const QString &file : QDir(samples.filePath(sub)).entryList(QDir::Files))
            QFile::copy(samples.filePath(sub + QLatin1Char('/') + file), copy.filePath(sub + QLatin1Char('/') + file));
    }
    Screens screens(out, copy);
    const int result = screens.run();
    QDir(QDir::tempPath() + QStringLiteral("/velloran")).removeRecursively();
    return result;
}
#endif

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef VELLORAN_MANUAL_SCREENS
    const bool screens = argc > 1 && qstrcmp(argv[1], "--screens") == 0;
    // Pictures in the size of docs/screens; the manual's layout in CSS pixels.
    if (!screens)
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (screens)
        return makeScreens(args);
#else
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
#endif
    return makeManual(args);
}
