#include "QMArtMarks.h"

#include "QMArtButtons.h"
#include "QMArtGlyphs.h"
#include "QMArtPalette.h"

#include <QPainter>

#include <algorithm>

namespace {

QRectF centredSquare(const QRectF &rect, qreal inset)
{
    const qreal side = std::min(rect.width(), rect.height()) - 2 * inset;
    return {rect.center().x() - side / 2, rect.center().y() - side / 2, side, side};
}

void pageArrow(QPainter &painter, const QRectF &rect, QMArtGlyphs::Direction direction)
{
    const QRectF disc = rect.adjusted(2, 2, -2, -2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 60, 0, 50));
    painter.drawEllipse(disc.translated(0, 0.8));
    painter.setPen(QPen(QMArtPalette::orangeEdge(), 0.8));
    painter.setBrush(QMArtPalette::orangeFill(disc));
    painter.drawEllipse(disc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    // The chevron's weight sits on its point; nudge it so it looks centred.
    const qreal shift = direction == QMArtGlyphs::Direction::Right ? 0.8 : -0.8;
    painter.drawPath(
        QMArtGlyphs::chevron(disc.adjusted(6 + shift, 6, -6 + shift, -6), direction, 3.4));
}

} // namespace

void QMArtMarks::tickedBox(QPainter &painter, const QRectF &rect)
{
    const QRectF tile = centredSquare(rect, 0.5);
    painter.setPen(QPen(QMArtPalette::orangeEdge(), 0.8));
    painter.setBrush(QMArtPalette::orangeFill(tile));
    painter.drawRoundedRect(tile.adjusted(0.4, 0.4, -0.4, -0.4), 3.5, 3.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(QMArtGlyphs::check(tile.adjusted(1.5, 1.5, -1.5, -1.5), 3.6));
}

void QMArtMarks::emptyBox(QPainter &painter, const QRectF &rect)
{
    const QRectF tile = centredSquare(rect, 0.5);
    painter.setPen(QPen(QColor(0xB4, 0xB4, 0xB4), 1));
    painter.setBrush(QMArtPalette::vertical(tile, QColor(0xF2, 0xF2, 0xF2), Qt::white));
    painter.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
}

void QMArtMarks::litStar(QPainter &painter, const QRectF &rect)
{
    painter.setPen(QPen(QMArtPalette::orangeEdge(), 0.6));
    painter.setBrush(
        QMArtPalette::vertical(rect, QColor(0xFF, 0xB3, 0x40), QMArtPalette::orangeDark()));
    painter.drawPath(QMArtGlyphs::star(rect.adjusted(0.3, 0.3, -0.3, -0.3)));
}

void QMArtMarks::dimStar(QPainter &painter, const QRectF &rect)
{
    painter.setPen(QPen(QColor(0xC4, 0xC4, 0xC4), 0.6));
    painter.setBrush(QColor(0xE4, 0xE4, 0xE4));
    painter.drawPath(QMArtGlyphs::star(rect.adjusted(0.3, 0.3, -0.3, -0.3)));
}

void QMArtMarks::rowBadge(QPainter &painter, const QRectF &rect)
{
    const QRectF badge = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QMArtPalette::orangeEdge(), 0.6));
    painter.setBrush(QMArtPalette::orangeFill(badge));
    painter.drawRoundedRect(badge, 5, 5);
}

void QMArtMarks::moreArrow(QPainter &painter, const QRectF &rect)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xB0, 0xB0, 0xB0));
    painter.drawPath(QMArtGlyphs::chevron(QRectF(rect.center() - QPointF(8, 8), QSizeF(16, 16)),
                                          QMArtGlyphs::Direction::Right, 3.4));
}

void QMArtMarks::pageLeft(QPainter &painter, const QRectF &rect)
{
    pageArrow(painter, rect, QMArtGlyphs::Direction::Left);
}

void QMArtMarks::pageRight(QPainter &painter, const QRectF &rect)
{
    pageArrow(painter, rect, QMArtGlyphs::Direction::Right);
}

void QMArtMarks::checkIn(QPainter &painter, const QRectF &rect)
{
    QMArtButtons::draw(painter, rect.adjusted(2, 1.5, -2, -1.5), QMArtButtons::Style::OnBar,
                       QMArtButtons::Label{QStringLiteral("签到"), 11, QMArtGlyphs::pin});
}

void QMArtMarks::barButton(QPainter &painter, const QRectF &rect)
{
    QMArtButtons::draw(painter, rect, QMArtButtons::Style::OnBar);
}

void QMArtMarks::backButton(QPainter &painter, const QRectF &rect)
{
    QMArtButtons::back(painter, rect, QStringLiteral("返回"));
}

void QMArtMarks::chosenSection(QPainter &painter, const QRectF &rect)
{
    QMArtButtons::draw(painter, rect.adjusted(3, 2, -3, -1), QMArtButtons::Style::Raised);
}

void QMArtMarks::chosenDay(QPainter &painter, const QRectF &rect)
{
    QMArtButtons::draw(painter, rect, QMArtButtons::Style::Secondary, QMArtButtons::Label{}, 12);
}
