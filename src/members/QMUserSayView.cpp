#include "members/QMUserSayView.h"

#include "comments/QMPostingForm.h"
#include "members/MemberInfo.h"

namespace {
// A post about a member.
constexpr unsigned kMemberType = 2;
} // namespace

QMUserSayView::QMUserSayView(std::shared_ptr<MemberInfo> member, QWidget *parent)
    : QMPostingView(QStringLiteral("对%1说").arg(member ? member->nickname : QString()), 150, 240,
                    parent)
    , m_member(std::move(member))
{
    form()->setSuccessMessage(QStringLiteral("发表成功！"));
}

void QMUserSayView::submitAccost()
{
    if (m_member && !m_member->memberid.isEmpty())
        form()->sendComment(m_member->memberid, kMemberType);
}
