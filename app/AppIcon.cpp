#include "app/AppIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace {

// Colours of the classic 16-colour palette, so the icon looks at home beside the old one.
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kGray(0x80, 0x80, 0x80);

// The picture is laid out on a 32 × 32 grid; the 16-pixel image halves it and leaves out the
// details a small icon cannot show.
constexpr qreal kGrid = 32.0;

void DrawClock(QPainter& p, bool small) {
    const QPointF centre(12, 12);
    p.setPen(QPen(kNavy, small ? 2.5 : 2.0));
    p.setBrush(kWhite);
    p.drawEllipse(centre, 10.5, 10.5);
    if (!small) {
        // Marks at 12, 3, 6 and 9 o'clock.
        p.setPen(QPen(kGray, 1.5));
        p.drawLine(QPointF(12, 3.5), QPointF(12, 5.5));
        p.drawLine(QPointF(20.5, 12), QPointF(18.5, 12));
        p.drawLine(QPointF(12, 20.5), QPointF(12, 18.5));
        p.drawLine(QPointF(3.5, 12), QPointF(5.5, 12));
    }
    // Hands at ten past ten: a short hour hand, a long minute hand.
    p.setPen(QPen(kBlack, small ? 2.5 : 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, QPointF(8.0, 9.5));
    p.drawLine(centre, QPointF(18.0, 7.0));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(centre, small ? 2.0 : 1.5, small ? 2.0 : 1.5);
}

void DrawLoudspeaker(QPainter& p, bool small) {
    const QPen outline(kBlack, small ? 2.0 : 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    // The magnet behind the cone, then the cone.
    p.setBrush(kGray);
    p.drawRect(QRectF(14, 21, 4, 6));
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF({QPointF(18, 21), QPointF(23, 16.5), QPointF(23, 31.5), QPointF(18, 27)}));
    // Sound waves.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kNavy, small ? 2.0 : 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(21, 19.5, 6, 9), -55 * 16, 110 * 16);
    if (!small) p.drawArc(QRectF(20.5, 16, 10, 16), -55 * 16, 110 * 16);
}

}  // namespace

QImage AppIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    const bool small = size < kGrid;
    DrawClock(p, small);
    DrawLoudspeaker(p, small);
    return image;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32}) icon.addPixmap(QPixmap::fromImage(AppIconImage(size)));
    return icon;
}
