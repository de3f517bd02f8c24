#pragma once

#include <QPainterPath>
#include <QRectF>

class QPainter;

// Backgrounds, bars, strips and rules: the pictures that carry other things on top of them.
class QMArtSurfaces
{
public:
    static void navigationBar(QPainter &painter, const QRectF &rect);
    static void creamStrip(QPainter &painter, const QRectF &rect);
    static void filterWell(QPainter &painter, const QRectF &rect);
    static void seatLegend(QPainter &painter, const QRectF &rect);
    static void hairline(QPainter &painter, const QRectF &rect);
    static void footerRule(QPainter &painter, const QRectF &rect);
    static void launchCover(QPainter &painter, const QRectF &rect);
    static void shelf(QPainter &painter, const QRectF &rect);
    static void posterPlaceholder(QPainter &painter, const QRectF &rect);
    // A tab bar symbol: one dark colour on a clear ground, for the tab bar to tint.
    static void tabSymbol(QPainter &painter, const QPainterPath &symbol);
};
