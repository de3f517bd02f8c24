#include "ticketing/QMRowLabel.h"

#include "kit/QMKitStyle.h"
#include "services/QMResourceImages.h"

#include <QLabel>
#include <QPainter>

QMRowLabel::QMRowLabel(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , m_indexLabel(QMKitStyle::addLabel(this, {}, QMKitStyle::systemFont(12), Qt::white))
{
    m_indexLabel->setAlignment(Qt::AlignCenter);
    m_indexLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(frame);
    m_indexLabel->setGeometry(rect().adjusted(2, 2, -2, -2));
}

QMRowLabel::~QMRowLabel() = default;

void QMRowLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()), QMResourceImages::named(QStringLiteral("row_back.png")));
}

void QMRowLabel::resizeEvent(QResizeEvent *)
{
    m_indexLabel->setGeometry(rect().adjusted(2, 2, -2, -2));
}
