#pragma once

#include "kit/QMAnnotationView.h"

// The map's pin: a coloured head on a needle whose tip is the annotation's point. It can fall
// into place when it is added to the map.
class QMPinAnnotationView : public QMAnnotationView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMPinAnnotationView)

public:
    // The platform's numbering: red 0, green 1, purple 2.
    enum class PinColor { Red = 0, Green = 1, Purple = 2 };

    static constexpr QSizeF pinSize{20, 36};

    QMPinAnnotationView(std::shared_ptr<QMMapAnnotation> annotation,
                        const QString &reuseIdentifier);

    PinColor pinColor() const { return m_pinColor; }
    void setPinColor(PinColor color);
    bool animatesDrop() const { return m_animatesDrop; }
    void setAnimatesDrop(bool animates) { m_animatesDrop = animates; }

    static QColor colorOf(PinColor color);

    void paint(QPainter *painter, const QRectF &frame) const override;

private:
    PinColor m_pinColor = PinColor::Red;
    bool m_animatesDrop = false;
};
