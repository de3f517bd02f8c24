#include "comments/QMRatingView.h"

#include "comments/QMRatingButton.h"

#include <QLabel>

QMRatingView::QMRatingView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
{
    setGeometry(frame);
    for (int i = 0; i < buttonCount; ++i) {
        auto *button = new QMRatingButton(i, this);
        button->setGeometry(2 + 18 * i, 1, 16, 16);
        // A star answers the touch as it lands, like the platform's rating rows.
        connect(button, &QAbstractButton::pressed, this, [this, button] { buttonPressed(button); });
        m_buttons.append(button);
    }
}

void QMRatingView::setRatingScore(float score)
{
    m_ratingScore = score;
    for (QMRatingButton *button : std::as_const(m_buttons))
        button->setShining(button->index() <= score - 1);
}

void QMRatingView::buttonPressed(QMRatingButton *button)
{
    setRatingScore(float(button->index() + 1));
    if (m_ratingLable)
        m_ratingLable->setText(QString::asprintf("%g", double(m_ratingScore)));
}
