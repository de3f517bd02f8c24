#include "kit/QMPinAnnotationView.h"

#include <QPainter>
#include <QPixmapCache>
#include <QRadialGradient>

namespace {

// One picture per colour and pixel density, drawn on first use.
QPixmap pinPicture(QMPinAnnotationView::PinColor color, qreal ratio)
{
    const QString key = QStringLiteral("QMPin:%1:%2").arg(int(color)).arg(ratio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;

    const QSizeF size = QMPinAnnotationView::pinSize;
    QPixmap picture((size * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal midX = size.width() / 2;
    const qreal tipY = size.height() - 1;
    // A soft shadow where the needle meets the ground.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawEllipse(QPointF(midX + 1, tipY - 0.5), 3.0, 1.2);
    // The needle.
    QPen needle(QColor(110, 110, 115), 1.6, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(needle);
    painter.drawLine(QPointF(midX, 14), QPointF(midX, tipY - 0.5));
    // The head, lit from the upper left.
    const QColor base = QMPinAnnotationView::colorOf(color);
    const QPointF head(midX, 8);
    const qreal radius = 7;
    QRadialGradient light(head - QPointF(2.5, 2.5), radius * 1.6);
    light.setColorAt(0, base.lighter(160));
    light.setColorAt(0.45, base);
    light.setColorAt(1, base.darker(150));
    painter.setBrush(light);
    painter.setPen(QPen(base.darker(180), 0.8));
    painter.drawEllipse(head, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(head - QPointF(2.6, 2.6), 1.8, 1.5);
    painter.end();

    QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace

QMPinAnnotationView::QMPinAnnotationView(std::shared_ptr<QMMapAnnotation> annotation,
                                         const QString &reuseIdentifier)
    : QMAnnotationView(std::move(annotation), reuseIdentifier)
{
    setSize(pinSize);
    // The needle's tip, not the view's centre, is on the point.
    setCenterOffset(QPointF(0, 1 - pinSize.height() / 2));
}

void QMPinAnnotationView::setPinColor(PinColor color)
{
    if (m_pinColor == color)
        return;
    m_pinColor = color;
    setNeedsDisplay();
}

QColor QMPinAnnotationView::colorOf(PinColor color)
{
    switch (color) {
    case PinColor::Green:
        return QColor(46, 160, 67);
    case PinColor::Purple:
        return QColor(142, 88, 200);
    case PinColor::Red:
        break;
    }
    return QColor(214, 55, 48);
}

void QMPinAnnotationView::paint(QPainter *painter, const QRectF &frame) const
{
    painter->drawPixmap(frame.topLeft(),
                        pinPicture(m_pinColor, painter->device()->devicePixelRatioF()));
}
