#include "services/QMImageDecoder.h"

#include <QBuffer>
#include <QImageReader>

QImage QMImageDecoder::decode(const QByteArray &bytes, const QSize &fillSize, QSize *declaredSize)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    return decode(reader, fillSize, declaredSize);
}

QImage QMImageDecoder::decodeFile(const QString &path, const QSize &fillSize)
{
    QImageReader reader(path);
    return decode(reader, fillSize, nullptr);
}

QImage QMImageDecoder::decode(QImageReader &reader, const QSize &fillSize, QSize *declaredSize)
{
    reader.setDecideFormatFromContent(true);
    const QSize declared = reader.size();
    if (declaredSize)
        *declaredSize = declared;
    if (!isAcceptableSize(declared))
        return {};
    const QSize size = decodedSize(declared, fillSize);
    if (size != declared)
        reader.setScaledSize(size);
    const QImage image = reader.read();
    // The header is all we judged; what came out must keep to it too.
    return isAcceptableSize(image.size()) ? image : QImage();
}

bool QMImageDecoder::isAcceptableSize(const QSize &size)
{
    return size.isValid() && !size.isEmpty() && size.width() <= MaximumSide &&
           size.height() <= MaximumSide && qint64(size.width()) * size.height() <= MaximumPixels;
}

QSize QMImageDecoder::decodedSize(const QSize &declared, const QSize &fillSize)
{
    if (fillSize.isEmpty())
        return declared;
    const QSize covering = declared.scaled(fillSize, Qt::KeepAspectRatioByExpanding);
    if (covering.width() >= declared.width() || covering.height() >= declared.height())
        return declared;
    return covering.expandedTo(QSize(1, 1));
}
