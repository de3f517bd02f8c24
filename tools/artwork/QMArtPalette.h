#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QRectF>

// The colours of the whole set: one warm orange family, white surfaces and neutral greys.
// The bar colours follow the navigation bar of the client, which is shaded from its tint.
class QMArtPalette
{
public:
    static QColor orange();      // the tint: accents, text, filled buttons
    static QColor orangeLight(); // top of filled buttons
    static QColor orangeDark();  // bottom of filled buttons
    static QColor orangeEdge();  // borders and the pressed edge of filled buttons
    static QColor barTop();
    static QColor barBottom();
    static QColor barEdge();      // the bar's bottom line
    static QColor barHighlight(); // the bar's top line
    static QColor cream();        // tinted strips
    static QColor creamDeep();    // bottom of tinted strips
    static QColor creamLine();    // rules on tinted strips
    static QColor screenGrey();   // the screens' 238 grey
    static QColor line();         // neutral borders
    static QColor ink();          // dark text and glyphs
    static QColor mute();         // secondary text
    static QColor seatTaken();    // seats nobody can choose

    // A top-to-bottom gradient over the rectangle.
    static QLinearGradient vertical(const QRectF &over, const QColor &top, const QColor &bottom);
    // The fill of every orange surface: light at the top, deeper at the bottom.
    static QLinearGradient orangeFill(const QRectF &over);
};
