#pragma once

#include <QColor>

// The colours of the whole set: one warm orange family, white surfaces and neutral greys.
// The navigation bar gradient is barTop() to barBottom(); text orange is orange().
class QMArtPalette
{
public:
    static QColor orange();      // accents, text, filled buttons
    static QColor orangeLight(); // top of filled buttons
    static QColor orangeDark();  // bottom of filled buttons
    static QColor orangeEdge();  // borders and the pressed edge of filled buttons
    static QColor barTop();
    static QColor barBottom();
    static QColor barEdge();
    static QColor cream();      // tinted strips
    static QColor creamDeep();  // bottom of tinted strips
    static QColor creamLine();  // rules on tinted strips
    static QColor screenGrey(); // the screens' 238 grey
    static QColor line();       // neutral borders
    static QColor ink();        // dark text and glyphs
    static QColor mute();       // secondary text
    static QColor seatTaken();  // seats nobody can choose
};
