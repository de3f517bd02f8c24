#include "QMArtIcon.h"

#include "QMArtGlyphs.h"
#include "QMArtPalette.h"
#include "QMArtSvgPath.h"

#include <QDir>
#include <QPainter>
#include <QSaveFile>

namespace {

constexpr qreal kSvgSize = 256;

QByteArray hex(const QColor &color)
{
    return color.name(QColor::HexRgb).toLatin1();
}

QByteArray fillRule(const QPainterPath &path)
{
    return path.fillRule() == Qt::OddEvenFill ? QByteArray("evenodd") : QByteArray("nonzero");
}

} // namespace

const QString &QMArtIcon::name()
{
    static const QString icon = QStringLiteral("qmclient");
    return icon;
}

const QList<int> &QMArtIcon::sizes()
{
    static const QList<int> all = {16, 32, 48, 64, 128, 256};
    return all;
}

QRectF QMArtIcon::tile(qreal size)
{
    // A thin margin, as desktop icon sets leave, so the tile does not touch its neighbours.
    const qreal margin = size / 32;
    return QRectF(margin, margin, size - 2 * margin, size - 2 * margin);
}

QPainterPath QMArtIcon::tileShape(qreal size)
{
    const QRectF box = tile(size);
    QPainterPath shape;
    shape.addRoundedRect(box, box.width() * 0.22, box.width() * 0.22);
    return shape;
}

QPainterPath QMArtIcon::mark(qreal size)
{
    const QRectF box = tile(size);
    // Small sizes give the clapper more of the tile, so that its stripes keep a pixel or two.
    const qreal inset = box.width() * (size <= 32 ? 0.11 : 0.17);
    // The clapper sits a little low in its 24-unit grid: lift it to the tile's optical centre.
    return QMArtGlyphs::clapper(box.adjusted(inset, inset, -inset, -inset))
        .translated(0, -box.height() * 0.02);
}

QImage QMArtIcon::render(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF box = tile(pixels);
    painter.setBrush(QMArtPalette::orangeFill(box));
    painter.drawPath(tileShape(pixels));
    painter.setBrush(Qt::white);
    painter.drawPath(mark(pixels));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray QMArtIcon::svg()
{
    const QRectF box = tile(kSvgSize);
    const QPainterPath shape = tileShape(kSvgSize);
    const QPainterPath clapper = mark(kSvgSize);
    const QByteArray size = QByteArray::number(int(kSvgSize));
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           size + "\" height=\"" + size + "\" viewBox=\"0 0 " + size + ' ' + size +
           "\">\n"
           "  <defs>\n"
           "    <linearGradient id=\"fill\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" +
           QByteArray::number(box.top()) + "\" x2=\"0\" y2=\"" + QByteArray::number(box.bottom()) +
           "\">\n"
           "      <stop offset=\"0\" stop-color=\"" +
           hex(QMArtPalette::orangeLight()) +
           "\"/>\n"
           "      <stop offset=\"1\" stop-color=\"" +
           hex(QMArtPalette::orangeDark()) +
           "\"/>\n"
           "    </linearGradient>\n"
           "  </defs>\n"
           "  <path fill=\"url(#fill)\" fill-rule=\"" +
           fillRule(shape) + "\" d=\"" + QMArtSvgPath::data(shape) +
           "\"/>\n"
           "  <path fill=\"#ffffff\" fill-rule=\"" +
           fillRule(clapper) + "\" d=\"" + QMArtSvgPath::data(clapper) +
           "\"/>\n"
           "</svg>\n";
}

bool QMArtIcon::save(const QString &directory, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QDir root(directory);
    for (const int pixels : sizes()) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(pixels);
        const QString file = root.filePath(folder + QLatin1Char('/') + name() + ".png");
        if (!root.mkpath(folder) || !render(pixels).save(file, "PNG"))
            return fail(QStringLiteral("cannot write ") + file);
    }
    const QString folder = QStringLiteral("hicolor/scalable/apps");
    QSaveFile file(root.filePath(folder + QLatin1Char('/') + name() + ".svg"));
    if (!root.mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(svg()) < 0 ||
        !file.commit())
        return fail(QStringLiteral("cannot write ") + file.fileName());
    return true;
}
