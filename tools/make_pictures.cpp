// Draws the pictures that the program shows and writes them as PNG files into
// the folder given as the first argument:
//   bookmark.png, information.png  the icons of the manual and about buttons (20 x 20)
//   Auto.png, Manual.png, Remote.png  the mode pictures of the operation history (83 x 75)
// The mode pictures differ in colour, symbol and word, so that the mode is
// clear at a glance. Given a second folder and sizes, it also draws the
// program's icon for the desktop there, in the layout of an icon theme:
//   hicolor/<size>x<size>/apps/velloran.png  for each size given
// Runs without a display (offscreen platform).
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>

namespace {

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A closed book seen from the front, with a red ribbon hanging out of it.
QImage bookmarkIcon()
{
    QImage image = blank(20, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Page block at the right and bottom edge.
    p.setPen(QPen(QColor(120, 110, 90), 1));
    p.setBrush(QColor(250, 244, 226));
    p.drawRoundedRect(QRectF(4.5, 3.5, 12, 15), 1, 1);
    // Cover.
    p.setPen(QPen(QColor(22, 48, 100), 1));
    p.setBrush(QColor(44, 92, 170));
    p.drawRoundedRect(QRectF(2.5, 1.5, 12, 15), 1.5, 1.5);
    // Spine.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 62, 124));
    p.drawRect(QRectF(3, 2, 2.5, 14));
    // Ribbon with a notched end, reaching below the book.
    QPainterPath ribbon;
    ribbon.moveTo(10, 0.5);
    ribbon.lineTo(12.6, 0.5);
    ribbon.lineTo(12.6, 19.5);
    ribbon.lineTo(11.3, 18);
    ribbon.lineTo(10, 19.5);
    ribbon.closeSubpath();
    p.setPen(QPen(QColor(130, 10, 10), 0.8));
    p.setBrush(QColor(220, 30, 30));
    p.drawPath(ribbon);
    return image;
}

// The round information sign: a white "i" on a blue disc.
QImage informationIcon()
{
    QImage image = blank(20, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(12, 70, 150), 1));
    p.setBrush(QColor(30, 110, 215));
    p.drawEllipse(QRectF(0.5, 0.5, 19, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10, 5.3), 1.8, 1.8);
    QPainterPath stem;
    stem.setFillRule(Qt::WindingFill);
    stem.addRect(QRectF(8.8, 8.2, 2.6, 7.4));   // stem
    stem.addRect(QRectF(7.6, 8.2, 2, 1.5));     // upper serif
    stem.addRect(QRectF(7.4, 14.4, 5.4, 1.6));  // foot
    p.drawPath(stem.simplified());
    return image;
}

// Background, frame and word of a mode picture; returns the area left for the symbol.
QRectF modeFrame(QPainter &p, const QColor &colour, const QString &word)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(colour.darker(160), 2));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1, 1, 81, 73), 8, 8);

    // The word on a darker band at the bottom.
    QPainterPath band;
    band.setFillRule(Qt::WindingFill);
    band.addRoundedRect(QRectF(2, 52, 79, 21), 7, 7);
    band.addRect(QRectF(2, 52, 79, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(150));
    p.drawPath(band.simplified());

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 52, 79, 21), Qt::AlignCenter, word);
    return QRectF(2, 4, 79, 47);
}

// Automatic mode: green, a circular arrow (the program runs by itself).
QImage autoPicture()
{
    QImage image = blank(83, 75);
    QPainter p(&image);
    const QRectF area = modeFrame(p, QColor(34, 150, 64), QStringLiteral("AUTO"));
    const QPointF c = area.center();
    const qreal r = 16;
    QPen pen(Qt::white, 6, Qt::SolidLine, Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // Arc from 60 degrees round to 340 degrees (counter-clockwise in Qt's angles).
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 70 * 16, 280 * 16);
    // Arrow head at the end of the arc (at 350 degrees), pointing along the turn.
    const qreal end = qDegreesToRadians(350.0);
    const QPointF tip(c.x() + r * qCos(end), c.y() - r * qSin(end));
    const QPointF along(-qSin(end), -qCos(end)); // direction of the turn in screen coordinates
    const QPointF out(qCos(end), -qSin(end));    // radial direction in screen coordinates
    QPolygonF head;
    head << tip + along * 9 << tip + out * 8 - along * 2 << tip - out * 8 - along * 2;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(head);
    // A play triangle in the middle.
    QPolygonF play;
    play << QPointF(c.x() - 5, c.y() - 7) << QPointF(c.x() + 7, c.y()) << QPointF(c.x() - 5, c.y() + 7);
    p.drawPolygon(play);
    return image;
}

// Manual mode: orange, an open hand (the operator moves the robot).
QImage manualPicture()
{
    QImage image = blank(83, 75);
    QPainter p(&image);
    const QRectF area = modeFrame(p, QColor(230, 130, 0), QStringLiteral("MANUAL"));
    const qreal x0 = area.center().x() - 13;
    const qreal bottom = area.bottom() - 2;
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(x0, bottom - 20, 26, 20), 6, 6);             // palm
    const qreal fingerTops[4] = {14, 6, 4, 9};
    for (int i = 0; i < 4; ++i)                                              // fingers
        hand.addRoundedRect(QRectF(x0 + 0.5 + i * 6.5, area.top() + fingerTops[i], 5.5, 30), 2.75, 2.75);
    QTransform turn;                                                         // thumb, tilted outwards
    turn.translate(x0 - 1, bottom - 12);
    turn.rotate(-40);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-3, -16, 6, 18), 3, 3);
    hand.addPath(turn.map(thumb));
    p.setPen(QPen(QColor(120, 60, 0), 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand.simplified());
    return image;
}

// Remote mode: blue, an antenna sending waves (the robot is driven from outside).
QImage remotePicture()
{
    QImage image = blank(83, 75);
    QPainter p(&image);
    const QRectF area = modeFrame(p, QColor(40, 90, 200), QStringLiteral("REMOTE"));
    const QPointF top(area.center().x(), area.top() + 20);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = 6.0 * i;
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(top.x() - r, top.y() - r, 2 * r, 2 * r), 35 * 16, 110 * 16);
    }
    // Mast and foot.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(top, 3.5, 3.5);
    QPolygonF mast;
    mast << QPointF(top.x() - 1.5, top.y()) << QPointF(top.x() + 1.5, top.y())
         << QPointF(top.x() + 9, area.bottom() - 2) << QPointF(top.x() - 9, area.bottom() - 2);
    p.drawPolygon(mast);
    return image;
}

// The program's icon: a log sheet with one record selected, and the arm of
// an industrial robot pointing at it, on a rounded square. Drawn on a grid of
// 256 units and scaled, so that every size comes from the same shapes.
QImage applicationIcon(int size)
{
    QImage image = blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    QLinearGradient background(0, 8, 0, 248);
    background.setColorAt(0, QColor(50, 110, 175));
    background.setColorAt(1, QColor(24, 56, 98));
    p.setPen(Qt::NoPen);
    p.setBrush(background);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // The sheet: a header row, record rows, the selected record in blue.
    const QRectF sheet(36, 40, 140, 176);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(sheet.translated(5, 6), 10, 10);
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, 10, 10);
    p.setBrush(QColor(208, 220, 234));
    p.drawRect(QRectF(sheet.left(), sheet.top() + 18, sheet.width(), 22));
    p.setBrush(QColor(40, 130, 225));
    p.drawRect(QRectF(sheet.left(), sheet.top() + 86, sheet.width(), 26));
    p.setPen(QPen(QColor(150, 165, 185), 6, Qt::SolidLine, Qt::RoundCap));
    for (const qreal y : {64.0, 136.0, 158.0})
        p.drawLine(QPointF(sheet.left() + 16, sheet.top() + y), QPointF(sheet.right() - 26, sheet.top() + y));
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(sheet.left() + 16, sheet.top() + 99), QPointF(sheet.right() - 26, sheet.top() + 99));

    // The robot: a base on the floor at the right, two links and a gripper
    // whose jaws reach down towards the selected record.
    const QColor orange(240, 140, 20);
    const QColor dark(46, 46, 52);
    const QPointF shoulder(200, 186), elbow(222, 102), wrist(170, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawRoundedRect(QRectF(166, 200, 68, 22), 6, 6);
    p.drawRect(QRectF(186, 184, 28, 20));
    p.setPen(QPen(orange.darker(150), 30, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({shoulder, elbow, wrist}));
    p.setPen(QPen(orange, 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({shoulder, elbow, wrist}));
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    for (const QPointF &joint : {shoulder, elbow, wrist})
        p.drawEllipse(joint, 8, 8);
    // Gripper: a stem from the wrist, a crossbar and two jaws.
    p.setPen(QPen(dark, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(wrist, QPointF(166, 98));
    p.drawLine(QPointF(152, 100), QPointF(180, 100));
    p.drawLine(QPointF(153, 100), QPointF(156, 118));
    p.drawLine(QPointF(179, 100), QPointF(176, 118));
    return image;
}

bool save(const QImage &image, const QString &path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_FOLDER [ICON_THEME_FOLDER SIZE...]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "make_pictures: cannot create %s\n", argv[1]);
        return 1;
    }
    const struct { const char *name; QImage image; } pictures[] = {
        {"bookmark.png", bookmarkIcon()}, {"information.png", informationIcon()},
        {"Auto.png", autoPicture()},     {"Manual.png", manualPicture()},
        {"Remote.png", remotePicture()},
    };
    for (const auto &picture : pictures) {
        if (!save(picture.image, out.filePath(QString::fromLatin1(picture.name))))
            return 1;
    }
    if (argc < 3)
        return 0;
    const QDir icons(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "make_pictures: no icon size: %s\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!icons.mkpath(folder)) {
            std::fprintf(stderr, "make_pictures: cannot create %s\n", qPrintable(icons.filePath(folder)));
            return 1;
        }
        if (!save(applicationIcon(size), icons.filePath(folder + QStringLiteral("/velloran.png"))))
            return 1;
    }
    return 0;
}
