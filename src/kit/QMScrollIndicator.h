#pragma once

#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>

// The thin bars that show, while content moves, which part of it is in view; they fade once
// the movement stops.
class QMScrollIndicator : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMScrollIndicator)

public:
    explicit QMScrollIndicator(QWidget *parent);

    void setShownAxes(bool vertical, bool horizontal);
    // Shows the bars for this offset; they fade a moment after the last call.
    void flash(const QPointF &offset, const QSize &contentSize);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF m_offset;
    QSize m_contentSize;
    qreal m_opacity = 0.0;
    bool m_vertical = true;
    bool m_horizontal = true;
    QTimer m_linger;
    QVariantAnimation m_fade;
};
