#pragma once

#include <QPainterPath>
#include <QRectF>

// Filled outlines of the symbols used across the set. Each is designed on a 24-unit grid and
// fitted, centred and with its proportions kept, into the box it is asked for.
class QMArtGlyphs
{
public:
    enum class Direction { Left, Right };

    static QPainterPath check(const QRectF &box, qreal weight = 3.2);
    static QPainterPath chevron(const QRectF &box, Direction direction, qreal weight = 2.6);
    static QPainterPath pin(const QRectF &box);
    static QPainterPath locate(const QRectF &box);
    static QPainterPath list(const QRectF &box);
    static QPainterPath caretDown(const QRectF &box);
    static QPainterPath pencil(const QRectF &box);
    static QPainterPath star(const QRectF &box);
    static QPainterPath speech(const QRectF &box);
    // The three tab symbols: films, cinemas, the members' chatter.
    static QPainterPath clapper(const QRectF &box);
    static QPainterPath theatre(const QRectF &box);
    static QPainterPath chatter(const QRectF &box);

private:
    static QPainterPath fit(const QPainterPath &design, const QRectF &box);
    static QPainterPath stroked(const QPainterPath &line, qreal weight);
};
