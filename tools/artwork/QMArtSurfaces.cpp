#include "QMArtSurfaces.h"

#include "QMArtGlyphs.h"
#include "QMArtPalette.h"
#include "QMArtSeats.h"
#include "QMArtText.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

void fillVertical(QPainter &painter, const QRectF &rect, const QColor &top, const QColor &bottom)
{
    painter.fillRect(rect, QMArtPalette::vertical(rect, top, bottom));
}

} // namespace

void QMArtSurfaces::navigationBar(QPainter &painter, const QRectF &rect)
{
    fillVertical(painter, rect, QMArtPalette::barTop(), QMArtPalette::barBottom());
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 1),
                     QMArtPalette::barHighlight());
    painter.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1),
                     QMArtPalette::barEdge());
}

void QMArtSurfaces::creamStrip(QPainter &painter, const QRectF &rect)
{
    fillVertical(painter, rect, QMArtPalette::cream(), QMArtPalette::creamDeep());
    painter.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1),
                     QMArtPalette::creamLine());
}

void QMArtSurfaces::filterWell(QPainter &painter, const QRectF &rect)
{
    const QRectF body = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.save();
    painter.setBrush(
        QMArtPalette::vertical(body, QColor(0xFC, 0xFC, 0xFC), QColor(0xF0, 0xF0, 0xF0)));
    painter.setPen(QPen(QMArtPalette::line(), 1));
    painter.drawRoundedRect(body, 5, 5);
    painter.restore();
}

void QMArtSurfaces::seatLegend(QPainter &painter, const QRectF &rect)
{
    fillVertical(painter, rect, Qt::white, QColor(0xF7, 0xF7, 0xF7));
    painter.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1), QMArtPalette::line());

    struct Item
    {
        QMArtSeats::State state;
        const char16_t *text;
    };
    const Item items[] = {{QMArtSeats::State::Free, u"可选"},
                          {QMArtSeats::State::Chosen, u"已选"},
                          {QMArtSeats::State::Taken, u"不可选"}};
    const qreal seat = 17;
    const qreal textSize = 12;
    const qreal column = rect.width() / 3;
    for (int i = 0; i < 3; ++i) {
        const QString text = QString::fromUtf16(items[i].text);
        const qreal width =
            seat + 5 + QMArtText::advance(text, textSize, QMArtText::Weight::Regular);
        const qreal x = rect.left() + column * i + (column - width) / 2;
        const qreal middle = rect.center().y() - 0.5;
        QMArtSeats::draw(painter, QRectF(x, middle - seat / 2, seat, seat), items[i].state);
        QMArtText::draw(painter, QRectF(x + seat + 5, rect.top(), width, rect.height() - 1), text,
                        textSize, QMArtText::Weight::Regular, QColor(0x66, 0x66, 0x66),
                        QMArtText::Align::Left);
    }
}

void QMArtSurfaces::hairline(QPainter &painter, const QRectF &rect)
{
    QLinearGradient fill(rect.topLeft(), rect.topRight());
    fill.setColorAt(0, withAlpha(QMArtPalette::orange(), 40));
    fill.setColorAt(0.5, withAlpha(QMArtPalette::orange(), 190));
    fill.setColorAt(1, withAlpha(QMArtPalette::orange(), 40));
    painter.fillRect(rect, fill);
}

void QMArtSurfaces::footerRule(QPainter &painter, const QRectF &rect)
{
    // A soft shadow falling onto the content above, then a firm orange rule.
    fillVertical(painter, QRectF(rect.left(), rect.top(), rect.width(), rect.height() - 1.5),
                 QColor(0, 0, 0, 0), QColor(0, 0, 0, 28));
    painter.fillRect(QRectF(rect.left(), rect.bottom() - 1.5, rect.width(), 1.5),
                     QMArtPalette::orange());
}

void QMArtSurfaces::launchCover(QPainter &painter, const QRectF &rect)
{
    fillVertical(painter, rect, QColor(0xFF, 0xA0, 0x3C), QColor(0xEE, 0x66, 0x00));
    QRadialGradient glow(QPointF(rect.center().x(), rect.top() + 150), 260);
    glow.setColorAt(0, QColor(255, 255, 255, 70));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(rect, glow);

    // A faint film strip running across the lower third.
    painter.save();
    const QRectF strip(rect.left() - 20, rect.top() + 352, rect.width() + 40, 46);
    painter.translate(strip.center());
    painter.rotate(-8);
    painter.translate(-strip.center());
    QPainterPath film;
    film.addRect(strip);
    for (qreal x = strip.left() + 6; x < strip.right(); x += 16) {
        film.addRoundedRect(QRectF(x, strip.top() + 4, 8, 6), 1.5, 1.5);
        film.addRoundedRect(QRectF(x, strip.bottom() - 10, 8, 6), 1.5, 1.5);
    }
    film.setFillRule(Qt::OddEvenFill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 26));
    painter.drawPath(film);
    painter.restore();

    // The mark: a white tile holding the clapper.
    const QRectF tile(rect.center().x() - 44, rect.top() + 86, 88, 88);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 50, 0, 40));
    painter.drawRoundedRect(tile.translated(0, 3), 22, 22);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(tile, 22, 22);
    painter.setBrush(QMArtPalette::orangeFill(tile));
    painter.drawPath(QMArtGlyphs::clapper(tile.adjusted(16, 14, -16, -18)));
    painter.restore();

    const QColor shadow(150, 50, 0, 90);
    QMArtText::draw(painter, QRectF(rect.left(), rect.top() + 184, rect.width(), 44),
                    QStringLiteral("奎玛电影"), 32, QMArtText::Weight::Bold, Qt::white,
                    QMArtText::Align::Center, shadow);
    QMArtText::draw(painter, QRectF(rect.left(), rect.top() + 222, rect.width(), 20),
                    QStringLiteral("看电影 · 买好票 · 聊电影"), 13, QMArtText::Weight::Regular,
                    QColor(255, 255, 255, 225));
    QMArtText::draw(painter, QRectF(rect.left(), rect.bottom() - 36, rect.width(), 20),
                    QStringLiteral("上海"), 12, QMArtText::Weight::Regular,
                    QColor(255, 255, 255, 190));
}

void QMArtSurfaces::shelf(QPainter &painter, const QRectF &rect)
{
    // The stage of the cover flow, warming towards the floor the posters stand on.
    const QRectF stage(rect.left(), rect.top(), rect.width(), 226);
    fillVertical(painter, stage, Qt::white, QColor(0xFB, 0xE6, 0xCF));
    painter.fillRect(
        QRectF(rect.left(), stage.bottom(), rect.width(), rect.bottom() - stage.bottom()),
        QColor(0xF6, 0xF3, 0xF0));
    painter.fillRect(QRectF(rect.left(), stage.bottom() - 1, rect.width(), 1),
                     QMArtPalette::creamLine());

    // The card that holds the chosen film's title and description.
    const QRectF card(rect.left() + 10, stage.bottom() + 6, rect.width() - 20,
                      rect.bottom() - stage.bottom() - 16);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 14));
    painter.drawRoundedRect(card.translated(0, 1), 8, 8);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(0xEC, 0xE4, 0xDC), 1));
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QMArtPalette::orange());
    painter.drawRoundedRect(QRectF(card.left() + 14, card.top() + 14, 4, 18), 2, 2);
    painter.restore();
}

void QMArtSurfaces::posterPlaceholder(QPainter &painter, const QRectF &rect)
{
    fillVertical(painter, rect, QColor(0xF5, 0xF1, 0xEC), QColor(0xE8, 0xE1, 0xD9));
    const qreal size = rect.width() * 0.42;
    const QRectF box(rect.center().x() - size / 2, rect.center().y() - size / 2, size, size);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD3, 0xC7, 0xBA));
    painter.drawPath(QMArtGlyphs::clapper(box));
    painter.restore();
}

void QMArtSurfaces::tabSymbol(QPainter &painter, const QPainterPath &symbol)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QMArtPalette::ink());
    painter.drawPath(symbol);
    painter.restore();
}
