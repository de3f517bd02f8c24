#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// Text as outlines in Noto Sans CJK, at any size in points (fractional sizes included), so that
// every picture is laid out the same way whatever the screen's font settings.
class QMArtText
{
public:
    enum class Weight { Regular, Bold };
    enum class Align { Left, Center, Right };

    // Outline of the text with its baseline at y = 0 and its pen start at x = 0.
    static QPainterPath outline(const QString &text, qreal size, Weight weight);
    static qreal advance(const QString &text, qreal size, Weight weight);

    // Draws the text vertically centred in the box (on the centre of a full-height CJK glyph, so
    // neighbouring labels share one baseline), aligned horizontally as asked. A shadow colour
    // with alpha > 0 draws a soft copy half a point lower first.
    static void draw(QPainter &painter, const QRectF &box, const QString &text, qreal size,
                     Weight weight, const QColor &color, Align align = Align::Center,
                     const QColor &shadow = Qt::transparent);
};
