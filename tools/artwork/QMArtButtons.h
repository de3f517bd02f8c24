#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// Button faces. Every face keeps its last point row for a soft lower edge, so buttons of all
// sizes sit on the screen the same way.
class QMArtButtons
{
public:
    enum class Style {
        Primary,   // filled orange, white text: the main action of a screen
        Secondary, // white with an orange rim and orange text
        Quiet,     // light grey, grey text: an unchosen tab
        OnBar,     // set into the orange navigation bar, white text
        Raised,    // a white pill standing on the orange bar (the chosen section)
    };
    using Glyph = QPainterPath (*)(const QRectF &box);

    struct Label
    {
        QString text;
        qreal size = 14;
        Glyph leading = nullptr;  // symbol before the text
        Glyph trailing = nullptr; // symbol after the text
    };

    // A rounded button with a label; radius < 0 picks one from the height.
    static void draw(QPainter &painter, const QRectF &bounds, Style style, const Label &label,
                     qreal radius = -1);
    // A bare face, for buttons whose title the screen sets.
    static void draw(QPainter &painter, const QRectF &bounds, Style style);
    // A tab of the two-tab strips: rounded on top, square at the bottom.
    static void tab(QPainter &painter, const QRectF &bounds, bool chosen, const QString &text);
    // A back button: an OnBar face whose left end is a point.
    static void back(QPainter &painter, const QRectF &bounds, const QString &text);

private:
    static void fillFace(QPainter &painter, const QPainterPath &body, Style style);
    static void drawLabel(QPainter &painter, const QRectF &box, Style style, const Label &label);
};
