#include "QMArtSvgPath.h"

#include <QPainterPath>

namespace {

QByteArray number(qreal value)
{
    // Two decimals are far below a pixel at any size an icon is shown.
    QByteArray text = QByteArray::number(value, 'f', 2);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text == "-0" ? QByteArray("0") : text;
}

QByteArray point(const QPainterPath::Element &element)
{
    return number(element.x) + ' ' + number(element.y);
}

} // namespace

QByteArray QMArtSvgPath::data(const QPainterPath &path)
{
    QByteArray d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (!d.isEmpty())
            d += ' ';
        switch (element.type) {
        case QPainterPath::MoveToElement:
            d += 'M' + point(element);
            break;
        case QPainterPath::LineToElement:
            d += 'L' + point(element);
            break;
        case QPainterPath::CurveToElement:
            // A curve is its first control point followed by two data elements.
            d += 'C' + point(element) + ' ' + point(path.elementAt(i + 1)) + ' ' +
                 point(path.elementAt(i + 2));
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return d;
}
