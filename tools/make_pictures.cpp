// Draws the pictures that the program shows and writes them as PNG files into
// the folder given as the first argument:
//   bookmark.png, information.png  the icons of the manual and about buttons (20 x 20)
//   Auto.png, Manual.png, Remote.png  the mode pictures of the operation history (83 x 75)
// The mode pictures differ in colour, symbol and word, so that the mode is
// clear at a glance. Runs without a display (offscreen platform).
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

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_FOLDER\n");
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
        const QString path = out.filePath(QString::fromLatin1(picture.name));
        if (!picture.image.save(path, "PNG")) {
            std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
