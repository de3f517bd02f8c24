#include "QMArtGlyphs.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr qreal kGrid = 24.0;

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath rounded(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath circle(const QPointF &centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

} // namespace

QPainterPath QMArtGlyphs::fit(const QPainterPath &design, const QRectF &box)
{
    const qreal scale = std::min(box.width(), box.height()) / kGrid;
    QTransform transform;
    transform.translate(box.center().x() - kGrid * scale / 2, box.center().y() - kGrid * scale / 2);
    transform.scale(scale, scale);
    return transform.map(design);
}

QPainterPath QMArtGlyphs::stroked(const QPainterPath &line, qreal weight)
{
    QPainterPathStroker stroker;
    stroker.setWidth(weight);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath QMArtGlyphs::check(const QRectF &box, qreal weight)
{
    QPainterPath line(QPointF(5, 12.5));
    line.lineTo(10, 17.5);
    line.lineTo(19, 6.5);
    return fit(stroked(line, weight), box);
}

QPainterPath QMArtGlyphs::chevron(const QRectF &box, Direction direction, qreal weight)
{
    const qreal tip = direction == Direction::Right ? 16 : 8;
    const qreal tail = direction == Direction::Right ? 9 : 15;
    QPainterPath line(QPointF(tail, 5));
    line.lineTo(tip, 12);
    line.lineTo(tail, 19);
    return fit(stroked(line, weight), box);
}

QPainterPath QMArtGlyphs::pin(const QRectF &box)
{
    const QPointF centre(12, 9.5);
    const qreal radius = 7;
    const QPointF tip(12, 22.5);
    // Tangent points of the two straight sides on the head circle.
    const qreal cosine = radius / (tip.y() - centre.y());
    const qreal sine = std::sqrt(1 - cosine * cosine);
    const QPointF left(centre.x() - radius * sine, centre.y() + radius * cosine);
    const QPointF right(centre.x() + radius * sine, centre.y() + radius * cosine);
    QPainterPath shape = circle(centre, radius).united(polygon({tip, left, centre, right}));
    return fit(shape.subtracted(circle(centre, 2.8)), box);
}

QPainterPath QMArtGlyphs::locate(const QRectF &box)
{
    QPainterPath arrow = polygon({{20, 4}, {3.5, 11}, {11, 13}, {13, 20.5}});
    return fit(arrow.united(stroked(arrow, 1.2)), box);
}

QPainterPath QMArtGlyphs::list(const QRectF &box)
{
    QPainterPath lines;
    QPainterPath dots;
    for (qreal y : {6.5, 12.0, 17.5}) {
        lines.moveTo(9.5, y);
        lines.lineTo(20, y);
        dots.addEllipse(QPointF(4.8, y), 1.6, 1.6);
    }
    return fit(stroked(lines, 2.4).united(dots), box);
}

QPainterPath QMArtGlyphs::caretDown(const QRectF &box)
{
    QPainterPath caret = polygon({{6.5, 9}, {17.5, 9}, {12, 15.5}});
    return fit(caret.united(stroked(caret, 1.0)), box);
}

QPainterPath QMArtGlyphs::pencil(const QRectF &box)
{
    QPainterPath body = rounded(QRectF(9.3, 2.5, 5.4, 14), 1.2);
    body = body.subtracted(rounded(QRectF(8, 6.2, 8, 1.2), 0));
    QPainterPath tip = polygon({{9.3, 17.6}, {14.7, 17.6}, {12, 22}});
    QTransform turn;
    turn.translate(12, 12);
    turn.rotate(45);
    turn.translate(-12, -12);
    return fit(turn.map(body.united(tip)), box);
}

QPainterPath QMArtGlyphs::star(const QRectF &box)
{
    QPolygonF points;
    const QPointF centre(12, 12.8);
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? 11.2 : 4.7;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        points << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath shape;
    shape.addPolygon(points);
    shape.closeSubpath();
    // Slightly rounded points read softer at 16 points.
    return fit(shape.united(stroked(shape, 1.1)), box);
}

QPainterPath QMArtGlyphs::speech(const QRectF &box)
{
    QPainterPath bubble = rounded(QRectF(2.5, 3.5, 19, 13), 4.5);
    bubble = bubble.united(polygon({{6.5, 15}, {11.5, 15}, {5.5, 21}}));
    for (qreal x : {7.5, 12.0, 16.5})
        bubble = bubble.subtracted(circle(QPointF(x, 10), 1.45));
    return fit(bubble, box);
}

QPainterPath QMArtGlyphs::clapper(const QRectF &box)
{
    // The arm and the board's top band carry the same slanted stripes inside a thin frame.
    const auto striped = [](QPainterPath shape, const QRectF &band) {
        QPainterPath stripes;
        for (qreal x = band.left() + 1.2; x < band.right(); x += 4.6)
            stripes.addPolygon(QPolygonF({{x + 1.2, band.top()},
                                          {x + 3.6, band.top()},
                                          {x + 2.4, band.bottom()},
                                          {x, band.bottom()}}));
        QPainterPath inner;
        inner.addRect(band);
        return shape.subtracted(inner.intersected(stripes));
    };
    const QPainterPath body =
        striped(rounded(QRectF(3, 10.5, 18, 11), 1.8), QRectF(4.2, 11.7, 15.6, 2.2));
    QPainterPath arm = striped(rounded(QRectF(3, 4.6, 18, 4.4), 1.2), QRectF(4.2, 5.8, 15.6, 2.0));
    QTransform lift;
    lift.translate(3, 9);
    lift.rotate(-14);
    lift.translate(-3, -9);
    return fit(body.united(lift.map(arm).translated(0, 0.2)), box);
}

QPainterPath QMArtGlyphs::theatre(const QRectF &box)
{
    QPainterPath roof = polygon({{2.2, 9}, {12, 2.6}, {21.8, 9}});
    roof = roof.united(stroked(roof, 1.0)).subtracted(circle(QPointF(12, 6.4), 1.3));
    QPainterPath body = rounded(QRectF(4, 10.3, 16, 9.7), 0);
    body = body.subtracted(rounded(QRectF(6.6, 12.2, 10.8, 3.4), 0.6));
    body = body.subtracted(rounded(QRectF(10.2, 16.8, 3.6, 4), 0.6));
    QPainterPath ground = rounded(QRectF(2, 20, 20, 2), 0.8);
    return fit(roof.united(body).united(ground), box);
}

QPainterPath QMArtGlyphs::chatter(const QRectF &box)
{
    QPainterPath front = rounded(QRectF(8.8, 9.6, 13.2, 9.4), 3.6);
    front = front.united(polygon({{16.5, 18}, {20, 18}, {20.8, 22}}));
    QPainterPath back = rounded(QRectF(2, 2.6, 15, 11), 4);
    back = back.united(polygon({{4.6, 12.5}, {9, 12.5}, {3.6, 17.5}}));
    // A clear gap where the front bubble overlaps the back one.
    back = back.subtracted(front.united(stroked(front, 3.2)));
    for (qreal x : {12.6, 15.4, 18.2})
        front = front.subtracted(circle(QPointF(x, 14.3), 1.2));
    return fit(back.united(front), box);
}
