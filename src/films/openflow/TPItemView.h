#pragma once

#include "films/openflow/TPEaseOutAnimation.h"

#include <QImage>
#include <QPointF>
#include <QRectF>

// One cover of the cover flow: its picture (with reflection), its index in the row and where
// it stands. Covers are not widgets: the view draws them in perspective and recycles them.
class TPItemView
{
public:
    // Where a cover stands: its centre in row coordinates (relative to the middle of the row
    // at offset 0), its turn about the vertical axis in radians and its depth (0 = in front).
    struct Placement
    {
        QPointF position;
        qreal angle = 0;
        qreal depth = 0;

        friend Placement operator+(const Placement &a, const Placement &b)
        {
            return {a.position + b.position, a.angle + b.angle, a.depth + b.depth};
        }
        friend Placement operator-(const Placement &a, const Placement &b)
        {
            return {a.position - b.position, a.angle - b.angle, a.depth - b.depth};
        }
        friend Placement operator*(const Placement &a, qreal k)
        {
            return {a.position * k, a.angle * k, a.depth * k};
        }
    };

    static constexpr qreal CoverSpacing = 40;

    TPItemView() = default;
    TPItemView(const TPItemView &) = delete;
    TPItemView &operator=(const TPItemView &) = delete;

    void setImageOriginalImageHeightReflectionFraction(const QImage &image,
                                                       qreal originalImageHeight,
                                                       qreal reflectionFraction);
    const QImage &image() const { return m_image; }

    int number() const { return m_number; }
    void setNumber(int number);
    qreal horizontalPosition() const { return m_horizontalPosition; }
    qreal verticalPosition() const { return m_verticalPosition; }
    qreal originalImageHeight() const { return m_originalImageHeight; }

    // The picture's rectangle in points, at the origin.
    QRectF frame() const { return m_frame; }

    const Placement &placement() const { return m_placement.value(); }
    void setPlacement(const Placement &placement, bool animated, qint64 nowMs, int durationMs);
    bool isAnimating() const { return m_placement.isRunning(); }
    // False once the cover has reached its place.
    bool advance(qint64 nowMs) { return m_placement.advance(nowMs); }

private:
    QImage m_image;
    int m_number = 0;
    qreal m_horizontalPosition = 0;
    qreal m_verticalPosition = 0;
    qreal m_originalImageHeight = 0;
    QRectF m_frame;
    TPEaseOutAnimation<Placement> m_placement;
};
