#include "kit/QMKitStyle.h"

#include "kit/QMLabel.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWidget>

QColor QMKitStyle::tintColor()
{
    return QColor(255, 128, 0);
}

QColor QMKitStyle::statusStripColor()
{
    return QColor(18, 18, 20);
}

QColor QMKitStyle::lightGrayColor()
{
    return QColor(238, 238, 238);
}

QColor QMKitStyle::separatorColor()
{
    return QColor(220, 220, 222);
}

QColor QMKitStyle::selectionColor()
{
    return QColor(255, 226, 196);
}

static QFont fontOfSize(qreal size)
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans")});
    // Sizes are points of the phone, i.e. logical pixels; QFont wants typographic points.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    font.setPointSizeF(qMax<qreal>(1.0, size) * 72.0 / dpi);
    return font;
}

QFont QMKitStyle::systemFont(qreal size)
{
    return fontOfSize(size);
}

QFont QMKitStyle::boldSystemFont(qreal size)
{
    QFont font = fontOfSize(size);
    font.setBold(true);
    return font;
}

QFont QMKitStyle::italicSystemFont(qreal size)
{
    QFont font = fontOfSize(size);
    font.setItalic(true);
    return font;
}

QMLabel *QMKitStyle::addLabel(QWidget *parent, const QRect &frame, const QFont &font,
                              const QColor &color, const QString &text)
{
    auto *label = new QMLabel(text, parent);
    label->setGeometry(frame);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

void QMKitStyle::setBackgroundColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(color.alpha() > 0);
}

QImage QMKitStyle::tinted(const QImage &glyph, const QColor &color)
{
    if (glyph.isNull() || !glyph.hasAlphaChannel())
        return glyph;
    QImage result = glyph.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(result.rect(), color);
    return result;
}
