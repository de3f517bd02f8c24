#include "QMArtEntry.h"

#include <QDir>
#include <QImageWriter>
#include <QPainter>

#include <cmath>
#include <utility>

namespace {

bool isOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

} // namespace

QMArtEntry::QMArtEntry(QString name, QSizeF points, Backdrop backdrop, Paint paint)
    : m_name(std::move(name))
    , m_points(points)
    , m_backdrop(backdrop)
    , m_paint(std::move(paint))
{}

bool QMArtEntry::isJpeg() const
{
    return m_name.endsWith(QLatin1String(".jpg"));
}

QImage QMArtEntry::render() const
{
    const QSize pixels(int(std::lround(m_points.width() * kScale)),
                       int(std::lround(m_points.height() * kScale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(isJpeg() ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(kScale, kScale);
    m_paint(painter, QRectF(QPointF(0, 0), m_points));
    painter.end();
    return image;
}

QMArtEntry QMArtEntry::withWords(const QString &words) &&
{
    m_words = words;
    return std::move(*this);
}

bool QMArtEntry::save(const QString &directory, QString *error) const
{
    QImage image = render().convertToFormat(QImage::Format_ARGB32);
    QImageWriter writer(QDir(directory).filePath(m_name), isJpeg() ? "jpeg" : "png");
    if (isJpeg()) {
        writer.setQuality(92);
        image = image.convertToFormat(QImage::Format_RGB32);
    } else {
        if (isOpaque(image))
            image = image.convertToFormat(QImage::Format_RGB32);
    }
    if (!m_words.isEmpty())
        writer.setText(QStringLiteral("Description"), m_words);
    if (writer.write(image))
        return true;
    if (error)
        *error = m_name + QStringLiteral(": ") + writer.errorString();
    return false;
}
