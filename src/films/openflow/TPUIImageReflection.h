#pragma once

#include <QImage>

// Mirror images for covers.
class TPUIImageReflection
{
public:
    // The picture with a band of floor(height * fraction) points added below it, holding the
    // whole picture upside down, squeezed into the band and fading from half opacity next to
    // the picture to nothing at the band's bottom. Keeps the picture's device pixel ratio.
    static QImage addImageReflection(const QImage &image, qreal fraction);

    // Height in points of the band for a picture of that height.
    static int reflectionHeight(qreal imageHeight, qreal fraction);
};
