#include "services/QMGrayText.h"

#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>

QMGrayText::QMGrayText(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , _reply(new QPlainTextEdit(this))
{
    setGeometry(frame);
    _reply->setGeometry(10, 0, frame.width() - 62, 40);
    _reply->setReadOnly(true);
    _reply->setAttribute(Qt::WA_TransparentForMouseEvents);
    _reply->setFrameShape(QFrame::NoFrame);
    _reply->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _reply->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _reply->viewport()->setAutoFillBackground(false);
    _reply->setStyleSheet(QStringLiteral("background: transparent;"));
    QFont font = _reply->font();
    font.setPointSizeF(13);
    _reply->setFont(font);
}

void QMGrayText::paintEvent(QPaintEvent *)
{
    const qreal w = width();
    const qreal h = height();
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(0, 10, w, h - 10), 5, 5);
    QPainterPath pointer;
    pointer.moveTo(w / 4 - 10, 10);
    pointer.lineTo(w / 4 - 5, 0);
    pointer.lineTo(w / 4, 10);
    pointer.closeSubpath();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(bubble.united(pointer), QColor(214, 214, 214));
}
