#include "kit/QMPanelView.h"

#include "kit/QMKitStyle.h"

#include <QPainter>

QMPanelView::QMPanelView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
{
    setGeometry(frame);
    QMKitStyle::setBackgroundColor(this, Qt::white);
}

void QMPanelView::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    update();
}

void QMPanelView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_borderColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
