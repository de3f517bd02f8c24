#include "QMSPictureMaker.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QFont font(int pixels, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

std::string jpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes.toStdString();
}

} // namespace

std::string QMSPictureMaker::poster(const std::string &title, const std::string &english, int hue)
{
    QImage image(180, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor::fromHsv(hue % 360, 120, 235));
    sky.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 220, 50));
    painter.fillRect(image.rect(), sky);

    // A moon and a skyline, placed by the hue so that no two posters look alike.
    const int moonX = 30 + hue * 7 % 120;
    QRadialGradient glow(moonX, 60, 34);
    glow.setColorAt(0, QColor(255, 250, 230, 230));
    glow.setColorAt(1, QColor(255, 250, 230, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(moonX, 60), 34, 34);
    painter.setBrush(QColor::fromHsv((hue + 200) % 360, 90, 30, 220));
    for (int x = 0, i = 0; x < image.width(); ++i) {
        const int width = 14 + (hue + i * 13) % 22;
        const int height = 30 + (hue * (i + 3)) % 60;
        painter.drawRect(x, 170 - height, width, height + 70);
        x += width + 2;
    }

    painter.setPen(Qt::white);
    painter.setFont(font(title.size() > 18 ? 20 : 24, true));
    painter.drawText(QRect(10, 150, 160, 62), Qt::AlignCenter | Qt::TextWordWrap,
                     QString::fromStdString(title));
    painter.setFont(font(10, false));
    painter.setPen(QColor(255, 255, 255, 200));
    painter.drawText(QRect(10, 212, 160, 20), Qt::AlignCenter, QString::fromStdString(english));
    painter.end();
    return jpeg(image);
}

std::string QMSPictureMaker::cinemaPhoto(const std::string &name, int hue)
{
    QImage image(240, 160, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient dusk(0, 0, 0, image.height());
    dusk.setColorAt(0, QColor::fromHsv(hue % 360, 80, 120));
    dusk.setColorAt(1, QColor::fromHsv(hue % 360, 60, 30));
    painter.fillRect(image.rect(), dusk);

    // The building with its lit marquee.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 48));
    painter.drawRect(30, 40, 180, 120);
    painter.setBrush(QColor::fromHsv((hue + 30) % 360, 200, 255));
    painter.drawRoundedRect(QRectF(40, 52, 160, 34), 6, 6);
    painter.setBrush(QColor(255, 220, 140));
    for (int i = 0; i < 6; ++i)
        painter.drawRect(44 + i * 27, 100, 18, 14 + (hue + i) % 3 * 4);

    painter.setPen(QColor(30, 30, 30));
    painter.setFont(font(name.size() > 24 ? 13 : 15, true));
    painter.drawText(QRect(42, 52, 156, 34), Qt::AlignCenter, QString::fromStdString(name));
    painter.end();
    return jpeg(image);
}

std::string QMSPictureMaker::portrait(const std::string &nickname, int hue)
{
    QImage image(96, 96, QImage::Format_RGB32);
    image.fill(QColor(245, 245, 245));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromHsv(hue % 360, 150, 210));
    painter.drawEllipse(QRectF(4, 4, 88, 88));
    const QString text = QString::fromStdString(nickname);
    const QString initial = text.isEmpty()
                                ? QStringLiteral("?")
                                : text.left(text.at(0).isHighSurrogate() ? 2 : 1).toUpper();
    painter.setPen(Qt::white);
    painter.setFont(font(44, true));
    painter.drawText(QRect(0, 0, 96, 96), Qt::AlignCenter, initial);
    painter.end();
    return jpeg(image);
}
