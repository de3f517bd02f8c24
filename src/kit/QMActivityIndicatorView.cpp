#include "kit/QMActivityIndicatorView.h"

#include <QPainter>

static constexpr int spokes = 12;

QMActivityIndicatorView::QMActivityIndicatorView(Style style, QWidget *parent)
    : QWidget(parent)
    , m_style(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(20, 20);
    m_timer.setInterval(1000 / spokes);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_phase = (m_phase + 1) % spokes;
        update();
    });
    setVisible(!m_hidesWhenStopped);
}

void QMActivityIndicatorView::setIndicatorStyle(Style style)
{
    m_style = style;
    update();
}

void QMActivityIndicatorView::startAnimating()
{
    m_timer.start();
    show();
}

void QMActivityIndicatorView::stopAnimating()
{
    m_timer.stop();
    if (m_hidesWhenStopped)
        hide();
    update();
}

void QMActivityIndicatorView::setHidesWhenStopped(bool hides)
{
    m_hidesWhenStopped = hides;
    if (hides && !isAnimating())
        hide();
}

QSize QMActivityIndicatorView::sizeHint() const
{
    return QSize(20, 20);
}

void QMActivityIndicatorView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    const QColor base = m_style == Style::White ? QColor(255, 255, 255) : QColor(110, 110, 115);
    const qreal inner = side * 0.22;
    const qreal outer = side * 0.47;
    QPen pen(base, qMax<qreal>(1.5, side * 0.085), Qt::SolidLine, Qt::RoundCap);
    for (int i = 0; i < spokes; ++i) {
        // The lit spoke leads; those behind it fade.
        const int age = (m_phase - i + spokes) % spokes;
        QColor color = base;
        color.setAlphaF(isAnimating() ? 1.0 - 0.75 * age / (spokes - 1) : 0.35);
        pen.setColor(color);
        painter.setPen(pen);
        painter.save();
        painter.rotate(i * 360.0 / spokes - 90.0);
        painter.drawLine(QPointF(inner, 0), QPointF(outer, 0));
        painter.restore();
    }
}
