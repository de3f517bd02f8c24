#include "QMArtText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

namespace {

// Outlines are made at this size and scaled, since fonts only take whole pixel sizes.
constexpr int kMasterSize = 200;

QFont masterFont(QMArtText::Weight weight)
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(kMasterSize);
    font.setWeight(weight == QMArtText::Weight::Bold ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

} // namespace

QPainterPath QMArtText::outline(const QString &text, qreal size, Weight weight)
{
    QPainterPath path;
    path.addText(0, 0, masterFont(weight), text);
    return QTransform::fromScale(size / kMasterSize, size / kMasterSize).map(path);
}

qreal QMArtText::advance(const QString &text, qreal size, Weight weight)
{
    return QFontMetricsF(masterFont(weight)).horizontalAdvance(text) * size / kMasterSize;
}

void QMArtText::draw(QPainter &painter, const QRectF &box, const QString &text, qreal size,
                     Weight weight, const QColor &color, Align align, const QColor &shadow)
{
    const QRectF reference = outline(QStringLiteral("国"), size, weight).boundingRect();
    const qreal width = advance(text, size, weight);
    qreal x = box.left();
    if (align == Align::Center)
        x = box.center().x() - width / 2;
    else if (align == Align::Right)
        x = box.right() - width;
    const qreal baseline = box.center().y() - reference.center().y();
    const QPainterPath path = outline(text, size, weight).translated(x, baseline);

    painter.save();
    painter.setPen(Qt::NoPen);
    if (shadow.alpha() > 0) {
        painter.setBrush(shadow);
        painter.drawPath(path.translated(0, 0.5));
    }
    painter.setBrush(color);
    painter.drawPath(path);
    painter.restore();
}
