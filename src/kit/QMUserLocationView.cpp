#include "kit/QMUserLocationView.h"

#include <QPainter>
#include <QPixmapCache>

QColor QMUserLocationView::dotColor()
{
    return QColor(38, 124, 240);
}

QMUserLocationView::QMUserLocationView(std::shared_ptr<QMMapAnnotation> annotation)
    : QMAnnotationView(std::move(annotation), QStringLiteral("QMUserLocation"))
{
    setSize(QSizeF(30, 30));
    setCanShowCallout(true);
}

void QMUserLocationView::paint(QPainter *painter, const QRectF &frame) const
{
    const qreal ratio = painter->device()->devicePixelRatioF();
    const QString key = QStringLiteral("QMUserDot:%1").arg(ratio);
    QPixmap dot;
    if (!QPixmapCache::find(key, &dot)) {
        dot = QPixmap((size() * ratio).toSize());
        dot.setDevicePixelRatio(ratio);
        dot.fill(Qt::transparent);
        QPainter p(&dot);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c(size().width() / 2, size().height() / 2);
        QColor halo = dotColor();
        halo.setAlpha(45);
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(c, 14.0, 14.0);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawEllipse(c + QPointF(0, 0.8), 8.2, 8.2);
        p.setBrush(Qt::white);
        p.drawEllipse(c, 8.0, 8.0);
        p.setBrush(dotColor());
        p.drawEllipse(c, 5.6, 5.6);
        p.end();
        QPixmapCache::insert(key, dot);
    }
    painter->drawPixmap(frame.topLeft(), dot);
}
