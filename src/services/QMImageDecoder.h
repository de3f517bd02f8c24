#pragma once

#include <QImage>
#include <QSize>

class QByteArray;
class QImageReader;
class QString;

// Turns the bytes of a downloaded or cached picture into an image, looking at the size a picture
// declares before decoding it: a small file may declare a huge picture, and decoding it would
// take hundreds of megabytes. A picture is decoded no larger than its screen shows it.
class QMImageDecoder
{
public:
    // Far beyond any poster, portrait, cinema photo or map tile the client shows.
    static constexpr int MaximumSide = 4096;
    static constexpr qint64 MaximumPixels = 2048 * 2048;

    // The picture at the smallest size that still covers fillSize (pixels), keeping its shape;
    // at its own size when fillSize is empty or not smaller. Null when the bytes are no picture,
    // or declare no size or one beyond the limits: then nothing is decoded. declaredSize, when
    // given, receives the size the picture declares.
    static QImage decode(const QByteArray &bytes, const QSize &fillSize = {},
                         QSize *declaredSize = nullptr);
    static QImage decodeFile(const QString &path, const QSize &fillSize = {});

    static bool isAcceptableSize(const QSize &size);
    // The size a picture declaring declared is decoded at to cover fillSize.
    static QSize decodedSize(const QSize &declared, const QSize &fillSize);

private:
    static QImage decode(QImageReader &reader, const QSize &fillSize, QSize *declaredSize);
};
