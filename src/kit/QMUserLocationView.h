#pragma once

#include "kit/QMAnnotationView.h"

// The user's own position: a blue dot in a white ring with a pale halo.
class QMUserLocationView : public QMAnnotationView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMUserLocationView)

public:
    static QColor dotColor();

    explicit QMUserLocationView(std::shared_ptr<QMMapAnnotation> annotation);

    void paint(QPainter *painter, const QRectF &frame) const override;
};
