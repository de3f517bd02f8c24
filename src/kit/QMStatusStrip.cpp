#include "kit/QMStatusStrip.h"

#include "kit/QMKitStyle.h"

#include <QPainter>
#include <QTime>

QMStatusStrip::QMStatusStrip(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(320, stripHeight);
    m_minuteTimer.setSingleShot(true);
    connect(&m_minuteTimer, &QTimer::timeout, this, [this] {
        update();
        scheduleNextMinute();
    });
    scheduleNextMinute();
}

QString QMStatusStrip::timeText() const
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm"));
}

void QMStatusStrip::scheduleNextMinute()
{
    const QTime now = QTime::currentTime();
    m_minuteTimer.start((60 - now.second()) * 1000 - now.msec() + 20);
}

void QMStatusStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QMKitStyle::statusStripColor());
    const QColor ink(255, 255, 255);

    // Signal: five bars of rising height.
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (int i = 0; i < 5; ++i) {
        const qreal barHeight = 4 + i * 2;
        painter.drawRoundedRect(QRectF(6 + i * 4, 15 - barHeight, 3, barHeight), 0.8, 0.8);
    }
    painter.setPen(ink);
    painter.setFont(QMKitStyle::boldSystemFont(12));
    painter.drawText(rect(), Qt::AlignCenter, timeText());

    // Battery, nearly full.
    const QRectF body(width() - 32, 5.5, 23, 10);
    painter.setPen(QPen(ink, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(body, 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawRect(QRectF(body.right() + 1, 8.5, 2, 4));
    painter.drawRoundedRect(body.adjusted(2, 2, -4, -2), 1, 1);
}
