#include "QMArtButtons.h"

#include "QMArtPalette.h"
#include "QMArtText.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace {

struct Look
{
    QColor top;
    QColor bottom;
    QColor rim;
    QColor edge;  // the lower edge one point below the face
    QColor gloss; // inner highlight along the top
    QColor text;
    QColor textShadow;
};

Look lookOf(QMArtButtons::Style style)
{
    switch (style) {
    case QMArtButtons::Style::Primary:
        return {QMArtPalette::orangeLight(), QMArtPalette::orangeDark(),
                QMArtPalette::orangeEdge(),  QColor(0xB8, 0x52, 0x00, 150),
                QColor(255, 255, 255, 110),  Qt::white,
                QColor(150, 60, 0, 120)};
    case QMArtButtons::Style::Secondary:
        return {Qt::white,           QMArtPalette::cream(),    QColor(0xF2, 0x94, 0x3C),
                QColor(0, 0, 0, 28), QColor(255, 255, 255, 0), QMArtPalette::orangeDark(),
                Qt::transparent};
    case QMArtButtons::Style::Quiet:
        return {QColor(0xFB, 0xFB, 0xFB),  QColor(0xEA, 0xEA, 0xEA),   QColor(0xCC, 0xCC, 0xCC),
                QColor(0, 0, 0, 22),       QColor(255, 255, 255, 160), QColor(0x74, 0x74, 0x74),
                QColor(255, 255, 255, 200)};
    case QMArtButtons::Style::OnBar: // shaded like the client's own bar buttons
        return {QMArtPalette::orange().lighter(112),
                QMArtPalette::orange().darker(112),
                QMArtPalette::orange().darker(150),
                QColor(255, 255, 255, 60),
                QColor(255, 255, 255, 70),
                Qt::white,
                QColor(120, 45, 0, 130)};
    case QMArtButtons::Style::Raised:
        return {Qt::white,
                QColor(0xFF, 0xF0, 0xE0),
                QColor(160, 70, 0, 70),
                QColor(120, 45, 0, 70),
                QColor(255, 255, 255, 0),
                QMArtPalette::ink(),
                Qt::transparent};
    }
    return {};
}

} // namespace

void QMArtButtons::fillFace(QPainter &painter, const QPainterPath &body, Style style)
{
    const Look look = lookOf(style);
    const QRectF bounds = body.boundingRect();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.edge);
    painter.drawPath(body.translated(0, 1));

    painter.setBrush(QMArtPalette::vertical(bounds, look.top, look.bottom));
    painter.setPen(QPen(look.rim, 1));
    painter.drawPath(body);

    if (look.gloss.alpha() > 0) {
        // A hairline of light just inside the top rim, fading out by mid-height.
        QLinearGradient gloss(bounds.topLeft(), QPointF(bounds.left(), bounds.center().y()));
        gloss.setColorAt(0, look.gloss);
        QColor clear = look.gloss;
        clear.setAlpha(0);
        gloss.setColorAt(1, clear);
        painter.setClipPath(body);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QBrush(gloss), 1));
        painter.drawPath(body.translated(0, 1));
    }
    painter.restore();
}

void QMArtButtons::drawLabel(QPainter &painter, const QRectF &box, Style style, const Label &label)
{
    if (label.text.isEmpty())
        return;
    const Look look = lookOf(style);
    const auto weight = style == Style::Quiet || style == Style::Secondary
                            ? QMArtText::Weight::Regular
                            : QMArtText::Weight::Bold;
    const qreal glyphSize = label.size * 1.05;
    const qreal gap = label.size * 0.3;
    const qreal textWidth = QMArtText::advance(label.text, label.size, weight);
    const qreal total = textWidth + (label.leading ? glyphSize + gap : 0) +
                        (label.trailing ? label.size * 0.7 + gap * 0.6 : 0);
    qreal x = box.center().x() - total / 2;
    const qreal middle = box.center().y();

    painter.save();
    painter.setPen(Qt::NoPen);
    if (label.leading) {
        const QPainterPath glyph =
            label.leading(QRectF(x, middle - glyphSize / 2, glyphSize, glyphSize));
        if (look.textShadow.alpha() > 0) {
            painter.setBrush(look.textShadow);
            painter.drawPath(glyph.translated(0, 0.5));
        }
        painter.setBrush(look.text);
        painter.drawPath(glyph);
        x += glyphSize + gap;
    }
    QMArtText::draw(painter, QRectF(x, box.top(), textWidth, box.height()), label.text, label.size,
                    weight, look.text, QMArtText::Align::Left, look.textShadow);
    x += textWidth + gap * 0.6;
    if (label.trailing) {
        const qreal size = label.size * 0.7;
        painter.setBrush(look.text);
        painter.drawPath(label.trailing(QRectF(x, middle - size / 2 + 0.5, size, size)));
    }
    painter.restore();
}

void QMArtButtons::draw(QPainter &painter, const QRectF &bounds, Style style, const Label &label,
                        qreal radius)
{
    const QRectF body = bounds.adjusted(0.5, 0.5, -0.5, -1.5);
    if (radius < 0)
        radius = std::clamp(body.height() * 0.2, 3.0, 7.0);
    QPainterPath path;
    path.addRoundedRect(body, radius, radius);
    fillFace(painter, path, style);
    drawLabel(painter, body, style, label);
}

void QMArtButtons::draw(QPainter &painter, const QRectF &bounds, Style style)
{
    draw(painter, bounds, style, Label{});
}

void QMArtButtons::tab(QPainter &painter, const QRectF &bounds, bool chosen, const QString &text)
{
    const QRectF body = bounds.adjusted(0.5, 0.5, -0.5, 0.5);
    const qreal r = 6;
    QPainterPath path(body.bottomLeft());
    path.lineTo(body.left(), body.top() + r);
    path.arcTo(QRectF(body.left(), body.top(), 2 * r, 2 * r), 180, -90);
    path.lineTo(body.right() - r, body.top());
    path.arcTo(QRectF(body.right() - 2 * r, body.top(), 2 * r, 2 * r), 90, -90);
    path.lineTo(body.bottomRight());
    path.closeSubpath();

    const Style style = chosen ? Style::Primary : Style::Quiet;
    painter.save();
    painter.setClipRect(bounds); // no lower edge: the tab sits on the panel below it
    fillFace(painter, path, style);
    painter.restore();
    drawLabel(painter, body.adjusted(0, 0, 0, -0.5), style, {text, 15});
}

void QMArtButtons::back(QPainter &painter, const QRectF &bounds, const QString &text)
{
    const QRectF body = bounds.adjusted(0.5, 0.5, -0.5, -1.5);
    const qreal r = 4;
    const qreal point = body.height() * 0.36;
    const qreal mid = body.center().y();
    QPainterPath path(QPointF(body.left() + point, body.top()));
    path.lineTo(body.right() - r, body.top());
    path.arcTo(QRectF(body.right() - 2 * r, body.top(), 2 * r, 2 * r), 90, -90);
    path.lineTo(body.right(), body.bottom() - r);
    path.arcTo(QRectF(body.right() - 2 * r, body.bottom() - 2 * r, 2 * r, 2 * r), 0, -90);
    path.lineTo(body.left() + point, body.bottom());
    path.lineTo(body.left() + 0.8, mid + 1);
    path.quadTo(body.left(), mid, body.left() + 0.8, mid - 1);
    path.closeSubpath();
    fillFace(painter, path, Style::OnBar);
    drawLabel(painter, body.adjusted(point * 0.7, 0, 0, 0), Style::OnBar, {text, 13});
}
