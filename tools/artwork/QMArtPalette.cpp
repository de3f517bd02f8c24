#include "QMArtPalette.h"

QColor QMArtPalette::orange()
{
    return {255, 128, 0};
}

QColor QMArtPalette::orangeLight()
{
    return {0xFF, 0x9D, 0x3B};
}

QColor QMArtPalette::orangeDark()
{
    return {0xEE, 0x6E, 0x00};
}

QColor QMArtPalette::orangeEdge()
{
    return {0xC9, 0x5A, 0x00};
}

QColor QMArtPalette::barTop()
{
    return orange().lighter(112);
}

QColor QMArtPalette::barBottom()
{
    return orange().darker(104);
}

QColor QMArtPalette::barEdge()
{
    return orange().darker(140);
}

QColor QMArtPalette::barHighlight()
{
    return orange().lighter(130);
}

QColor QMArtPalette::cream()
{
    return {0xFF, 0xF8, 0xF0};
}

QColor QMArtPalette::creamDeep()
{
    return {0xFD, 0xEB, 0xD8};
}

QColor QMArtPalette::creamLine()
{
    return {0xF0, 0xC6, 0x9C};
}

QColor QMArtPalette::screenGrey()
{
    return {238, 238, 238};
}

QColor QMArtPalette::line()
{
    return {0xD2, 0xD2, 0xD2};
}

QColor QMArtPalette::ink()
{
    return {0x33, 0x33, 0x33};
}

QColor QMArtPalette::mute()
{
    return {0x80, 0x80, 0x80};
}

QColor QMArtPalette::seatTaken()
{
    return {0xC9, 0xC9, 0xC9};
}

QLinearGradient QMArtPalette::vertical(const QRectF &over, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(over.topLeft(), over.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

QLinearGradient QMArtPalette::orangeFill(const QRectF &over)
{
    return vertical(over, orangeLight(), orangeDark());
}
