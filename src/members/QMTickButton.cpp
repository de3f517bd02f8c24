#include "members/QMTickButton.h"

#include "kit/QMKitStyle.h"
#include "services/QMResourceImages.h"

#include <QPainter>

namespace {
constexpr int kGap = 6;
}

QMTickButton::QMTickButton(const QString &title, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(title);
    setFont(QMKitStyle::systemFont(15));
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
}

QMTickButton::~QMTickButton() = default;

void QMTickButton::setTicked(bool ticked)
{
    if (ticked == m_ticked)
        return;
    m_ticked = ticked;
    update();
}

QSize QMTickButton::sizeHint() const
{
    return QSize(kTickSize + kGap + fontMetrics().horizontalAdvance(text()) + 2,
                 qMax(kTickSize, fontMetrics().height()) + 8);
}

void QMTickButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage tick =
        QMResourceImages::named(m_ticked ? QStringLiteral("btn_relating_movie.png")
                                         : QStringLiteral("btn_relating_cinema.png"));
    const QRect box(0, (height() - kTickSize) / 2, kTickSize, kTickSize);
    if (isDown())
        painter.setOpacity(0.6);
    painter.drawImage(box, tick);
    painter.setOpacity(1);
    painter.setPen(Qt::black);
    painter.drawText(QRect(kTickSize + kGap, 0, width() - kTickSize - kGap, height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
}
