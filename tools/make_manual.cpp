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
// The pictures are drawn by tools/render_window at build time. Runs on the
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

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    return makeManual(args);
}
