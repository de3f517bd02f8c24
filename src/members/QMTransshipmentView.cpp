#include "members/QMTransshipmentView.h"

#include "comments/Comment.h"
#include "comments/QMPostingForm.h"

namespace {
// A re-post is about what the post is about, and always goes as a film's.
constexpr unsigned kRepostType = 1;
} // namespace

QMTransshipmentView::QMTransshipmentView(std::shared_ptr<Comment> post, QWidget *parent)
    : QMPostingView(QStringLiteral("转载理由"), 150, 240, parent)
    , m_selectComment(std::move(post))
{
    form()->setSuccessMessage(QStringLiteral("转载成功！"));
    form()->setBusyView(this);
}

void QMTransshipmentView::submitTransshipment()
{
    if (m_selectComment && !m_selectComment->commentid.isEmpty())
        form()->sendComment(m_selectComment->relatedid, kRepostType, m_selectComment->commentid);
}
