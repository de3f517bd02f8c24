#pragma once

#include <QRectF>

class QPainter;

// The armchair of the seat map in its three looks; also used small in the seat legend.
class QMArtSeats
{
public:
    enum class State { Free, Chosen, Taken };

    static void draw(QPainter &painter, const QRectF &box, State state);
};
