#pragma once

#include <QRectF>

class QPainter;

// Small pictures that are neither plain buttons nor surfaces: tick boxes, rating stars, arrows
// and the faces of buttons whose titles the screens set themselves.
class QMArtMarks
{
public:
    static void tickedBox(QPainter &painter, const QRectF &rect);
    static void emptyBox(QPainter &painter, const QRectF &rect);
    static void litStar(QPainter &painter, const QRectF &rect);
    static void dimStar(QPainter &painter, const QRectF &rect);
    static void rowBadge(QPainter &painter, const QRectF &rect);
    static void moreArrow(QPainter &painter, const QRectF &rect);
    static void pageLeft(QPainter &painter, const QRectF &rect);
    static void pageRight(QPainter &painter, const QRectF &rect);
    static void checkIn(QPainter &painter, const QRectF &rect);
    static void barButton(QPainter &painter, const QRectF &rect);
    static void backButton(QPainter &painter, const QRectF &rect);
    static void chosenSection(QPainter &painter, const QRectF &rect);
    static void chosenDay(QPainter &painter, const QRectF &rect);
};
