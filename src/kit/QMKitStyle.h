#pragma once

#include "kit/QMLabel.h"

#include <QColor>
#include <QFont>
#include <QImage>

class QWidget;

// The look shared by the kit and the screens: the orange and white theme, and the system fonts
// sized in points (one point is one logical pixel, so QT_SCALE_FACTOR scales everything).
class QMKitStyle
{
public:
    static QColor tintColor();
    static QColor statusStripColor();
    static QColor lightGrayColor(); // 238/238/238, the screens' grey background
    static QColor separatorColor();
    static QColor selectionColor();

    static QFont systemFont(qreal size);
    static QFont boldSystemFont(qreal size);
    static QFont italicSystemFont(qreal size);

    // A label of the screens (plain text, elided or wrapped between words to fit its frame):
    // placed at frame in parent, in that font and colour.
    static QMLabel *addLabel(QWidget *parent, const QRect &frame, const QFont &font,
                             const QColor &color, const QString &text = {});

    // Fills the widget's background with color (and keeps it filled).
    static void setBackgroundColor(QWidget *widget, const QColor &color);

    // A monochrome glyph in color: its alpha channel is kept, its colours are replaced. A
    // picture without transparency is returned unchanged.
    static QImage tinted(const QImage &glyph, const QColor &color);

    // Durations of the platform's movements, in milliseconds.
    static constexpr int slideDuration = 300;
};
