#pragma once

#include "members/QMPostingView.h"

#include <memory>

class MemberInfo;

// A post addressed to a member ("对%@说"), pushed from the member's page.
class QMUserSayView : public QMPostingView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMUserSayView)

public:
    explicit QMUserSayView(std::shared_ptr<MemberInfo> member, QWidget *parent = nullptr);

    std::shared_ptr<MemberInfo> member() const { return m_member; }
    QString sayText() const { return acceptedText(); }

    void submitAccost();
    void submit() override { submitAccost(); }

private:
    std::shared_ptr<MemberInfo> m_member;
};
