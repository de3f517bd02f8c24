#include "kit/QMMapScaleBar.h"

#include "kit/QMKitStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

#include <cmath>

QMMapScaleBar::Scale QMMapScaleBar::choose(double metresPerPoint)
{
    if (!(metresPerPoint > 0) || !std::isfinite(metresPerPoint))
        return {};
    const double longest = metresPerPoint * maximumWidth;
    const double power = std::pow(10.0, std::floor(std::log10(longest)));
    double metres = power;
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * power <= longest) {
            metres = step * power;
            break;
        }
    }
    return {metres, metres / metresPerPoint, textFor(metres)};
}

QString QMMapScaleBar::textFor(double metres)
{
    if (metres < 1000)
        return QStringLiteral("%1 米").arg(qRound64(metres));
    return QStringLiteral("%1 公里").arg(metres / 1000, 0, 'g', 6);
}

void QMMapScaleBar::paint(QPainter *painter, const QPointF &bottomLeft, double metresPerPoint)
{
    const Scale scale = choose(metresPerPoint);
    if (scale.width <= 0)
        return;
    // Drawn once per length and width: a pan redraws the same bar at every frame.
    const qreal ratio = painter->device()->devicePixelRatioF();
    const qreal width = std::round(scale.width * 2) / 2;
    const QString key = QStringLiteral("QMScaleBar:%1:%2:%3").arg(scale.text).arg(width).arg(ratio);
    const QSizeF size(width + 12, 22);
    QPixmap bar;
    if (!QPixmapCache::find(key, &bar)) {
        bar = QPixmap((size * ratio).toSize());
        bar.setDevicePixelRatio(ratio);
        bar.fill(Qt::transparent);
        QPainter p(&bar);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal x0 = 3;
        const qreal x1 = x0 + width;
        const qreal y = size.height() - 3;
        QPainterPath line;
        line.moveTo(x0, y - 5);
        line.lineTo(x0, y);
        line.lineTo(x1, y);
        line.lineTo(x1, y - 5);
        p.setPen(QPen(QColor(255, 255, 255, 220), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(line);
        p.setPen(QPen(QColor(80, 80, 86), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(line);

        QPainterPath text;
        text.addText(QPointF(x0 + 3, y - 4), QMKitStyle::boldSystemFont(10), scale.text);
        p.setPen(QPen(QColor(255, 255, 255, 220), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(text);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 80, 86));
        p.drawPath(text);
        p.end();
        QPixmapCache::insert(key, bar);
    }
    painter->drawPixmap(bottomLeft - QPointF(3, size.height() - 3), bar);
}
