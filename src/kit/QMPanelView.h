#pragma once

#include <QColor>
#include <QWidget>

// A plain box that groups part of a screen: white, inside a one-point grey border.
class QMPanelView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMPanelView)

public:
    QMPanelView(const QRect &frame, QWidget *parent);

    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_borderColor = Qt::gray;
};
