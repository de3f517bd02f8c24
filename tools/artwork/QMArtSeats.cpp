#include "QMArtSeats.h"

#include "QMArtGlyphs.h"
#include "QMArtPalette.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Designed on a 30-unit square: back, two arms and the cushion.
QPainterPath silhouette()
{
    QPainterPath back;
    back.addRoundedRect(QRectF(6, 3, 18, 16), 4.5, 4.5);
    QPainterPath arms;
    arms.addRoundedRect(QRectF(2.5, 12, 5.5, 14), 2.75, 2.75);
    arms.addRoundedRect(QRectF(22, 12, 5.5, 14), 2.75, 2.75);
    QPainterPath cushion;
    cushion.addRoundedRect(QRectF(5.5, 17, 19, 9), 3.5, 3.5);
    return back.united(arms).united(cushion).simplified();
}

} // namespace

void QMArtSeats::draw(QPainter &painter, const QRectF &box, State state)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 30.0, box.height() / 30.0);
    const QPainterPath shape = silhouette();
    QPainterPath cushionEdge(QPointF(8, 19.2));
    cushionEdge.quadTo(15, 17.6, 22, 19.2);

    switch (state) {
    case State::Free:
        painter.setPen(QPen(QMArtPalette::orange(), 1.6));
        painter.setBrush(Qt::white);
        painter.drawPath(shape);
        painter.setPen(QPen(QMArtPalette::orange(), 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(cushionEdge);
        break;
    case State::Chosen: {
        painter.setPen(QPen(QMArtPalette::orangeEdge(), 1.0));
        painter.setBrush(QMArtPalette::orangeFill(QRectF(0, 3, 30, 23)));
        painter.drawPath(shape);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPath(QMArtGlyphs::check(QRectF(8.5, 4.2, 13, 13), 3.6));
        break;
    }
    case State::Taken:
        painter.setPen(QPen(QMArtPalette::seatTaken().darker(112), 1.0));
        painter.setBrush(QMArtPalette::seatTaken());
        painter.drawPath(shape);
        painter.setPen(
            QPen(QMArtPalette::seatTaken().darker(125), 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(cushionEdge);
        break;
    }
    painter.restore();
}
