#include "members/QMPizzaListCell.h"

#include "comments/Comment.h"
#include "comments/QMReplyLabelEventTouch.h"
#include "kit/QMKitStyle.h"

QMPizzaListCell::QMPizzaListCell()
    : m_place(
          QMKitStyle::addLabel(this, QRect(), QMKitStyle::systemFont(11), QColor(130, 130, 134)))
{
    m_place->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_place->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void QMPizzaListCell::setPost(const Comment &post, int row)
{
    setComment(post, row);
    m_place->setText(post.cinemaname);
    m_place->setVisible(!post.cinemaname.isEmpty());
}

void QMPizzaListCell::resizeEvent(QResizeEvent *event)
{
    QMCommentRow::resizeEvent(event);
    const QRect bubble = this->bubble()->geometry();
    m_place->setGeometry(bubble.left() + 70, bubble.bottom() - 18, bubble.width() - 82, 14);
    m_place->raise();
}
