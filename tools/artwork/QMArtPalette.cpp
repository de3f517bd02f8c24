#include "QMArtPalette.h"

QColor QMArtPalette::orange()
{
    return {0xF5, 0x7C, 0x00};
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
    return {0xFF, 0x98, 0x30};
}
QColor QMArtPalette::barBottom()
{
    return {0xF2, 0x74, 0x00};
}
QColor QMArtPalette::barEdge()
{
    return {0xCC, 0x5E, 0x00};
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
