#pragma once

#include <QWidget>

// The bubble over a touched annotation: its title and, under it, its subtitle, with a pointer
// down to the annotation. Touches pass through it to the map.
class QMMapCalloutView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMapCalloutView)

public:
    static constexpr int pointerHeight = 9;

    explicit QMMapCalloutView(QWidget *parent = nullptr);

    QString title() const { return m_title; }
    QString subtitle() const { return m_subtitle; }
    void setTexts(const QString &title, const QString &subtitle);

    // Sizes and places the bubble so that its pointer touches anchor while the bubble stays
    // within bounds (both in the parent's coordinates) as far as it can.
    void placeAt(const QPointF &anchor, const QRectF &bounds);
    // The bubble without the pointer, in the parent's coordinates.
    QRect bubbleGeometry() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSize preferredSize(int maximumWidth) const;

    QString m_title;
    QString m_subtitle;
    qreal m_pointerX = 0;
};
