#include "comments/QMCommentRow.h"

#include "comments/Comment.h"
#include "comments/QMReplyLabelEventTouch.h"
#include "kit/QMIndexButton.h"
#include "kit/QMKitStyle.h"

#include <QLabel>

namespace {
constexpr int kBubbleTop = 2;
constexpr int kBubbleHeight = 76;
constexpr int kBubbleWidth = 310;

QMIndexButton *clearButton(QWidget *parent)
{
    auto *button = new QMIndexButton(QImage(), parent);
    button->setShape(QMBarButton::Shape::Plain);
    return button;
}
} // namespace

QMCommentRow::QMCommentRow()
    : QMTableViewCell(CellStyle::Default, kReuseIdentifier)
    , m_bubble(new QMReplyLabelEventTouch(this))
    , m_headButton(clearButton(this))
    , m_textButton(clearButton(this))
{
    setSelectionStyle(SelectionStyle::None);
    setBackgroundColor(QMKitStyle::lightGrayColor());
    m_bubble->setMaximumLines(2);
    connect(m_headButton, &QAbstractButton::clicked, this,
            [this] { emit headTapped(m_headButton->index); });
    connect(m_textButton, &QAbstractButton::clicked, this,
            [this] { emit textTapped(m_textButton->index); });
    resize(320, kRowHeight);
}

void QMCommentRow::setComment(const Comment &comment, int row)
{
    m_row = row;
    m_headButton->index = row;
    m_textButton->index = row;
    m_headButton->setAccessibleName(comment.nickname);
    m_textButton->setAccessibleName(comment.body);
    m_bubble->setComment(comment);
    // The row is too low for the grey box: a re-post shows its own words, the details the rest.
    m_bubble->setTransferText(QString());
}

void QMCommentRow::resizeEvent(QResizeEvent *event)
{
    QMTableViewCell::resizeEvent(event);
    m_bubble->setGeometry(0, kBubbleTop, qMin(kBubbleWidth, width()), kBubbleHeight);
    const QRect logo = QMReplyLabel::kLogoFrame.translated(m_bubble->pos());
    m_headButton->setGeometry(logo);
    m_textButton->setGeometry(QMReplyLabel::kReplyLeft, kBubbleTop + QMReplyLabel::kReplyTop,
                              m_bubble->width() - QMReplyLabel::kReplyLeft - 2, 50);
    m_headButton->raise();
    m_textButton->raise();
}
