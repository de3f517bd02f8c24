#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

// Fitting pictures into a cover's box. Sizes and rectangles are in points; a picture's device
// pixel ratio says how many pixels a point has.
class UIImageExtras
{
public:
    // A picture of exactly the box's size: scaled to cover the box, then its centre cut out.
    // The result has devicePixelRatio pixels per point; a null picture gives a null one.
    static QImage cropCenterAndScaleImageToSize(const QImage &image, const QSizeF &box,
                                                qreal devicePixelRatio = 1.0);
    // The size the picture is scaled to before the cut: its height fitted to the box for a
    // picture at least as wide as high, else its width, and grown further when the other side
    // would fall short of the box.
    static QSizeF calculateNewSizeForCroppingBox(const QImage &image, const QSizeF &box);
    // The picture stretched to that size.
    static QImage rescaleImageToSize(const QImage &image, const QSizeF &size,
                                     qreal devicePixelRatio = 1.0);
    // The part of the picture inside rect (origin at the top left), of rect's size; what lies
    // outside the picture is transparent.
    static QImage cropImageToRect(const QImage &image, const QRectF &rect);
};
