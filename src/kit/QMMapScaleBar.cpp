#include "kit/QMMapScaleBar.h"

#include "kit/QMKitStyle.h"

#include <QPainter>
#include <QPainterPath>

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
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal x0 = bottomLeft.x();
    const qreal x1 = x0 + scale.width;
    const qreal y = bottomLeft.y();
    QPainterPath bar;
    bar.moveTo(x0, y - 5);
    bar.lineTo(x0, y);
    bar.lineTo(x1, y);
    bar.lineTo(x1, y - 5);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(
        QPen(QColor(255, 255, 255, 220), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->drawPath(bar);
    painter->setPen(QPen(QColor(80, 80, 86), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->drawPath(bar);

    QPainterPath text;
    const QFont font = QMKitStyle::boldSystemFont(10);
    text.addText(QPointF(x0 + 3, y - 4), font, scale.text);
    painter->setPen(
        QPen(QColor(255, 255, 255, 220), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->drawPath(text);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(80, 80, 86));
    painter->drawPath(text);
    painter->restore();
}
