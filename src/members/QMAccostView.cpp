#include "members/QMAccostView.h"

#include "comments/Comment.h"
#include "comments/QMPostingForm.h"
#include "members/QMMySayInfoView.h"

QMAccostView::QMAccostView(std::shared_ptr<Comment> post, QWidget *parent)
    : QMPostingView(QStringLiteral("与%1搭话").arg(post ? post->nickname : QString()), 150, 240,
                    parent)
    , m_selectComment(std::move(post))
{
    form()->setSuccessMessage(QStringLiteral("搭话成功！"));
    form()->setBusyView(this);
    form()->setSuccessAction([this] {
        if (sayInfoView)
            sayInfoView->mySayList();
        doReturn();
    });
}

void QMAccostView::submitAccost()
{
    if (m_selectComment)
        form()->sendReply(m_selectComment->commentid);
}
