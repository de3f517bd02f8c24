#pragma once

#include "kit/QMTableViewDataSource.h"
#include "members/MemberInfo.h"
#include "members/QMCollectAddProviderDelegate.h"
#include "members/QMCollectDelProviderDelegate.h"
#include "members/QMMemberInfoProviderDelegate.h"
#include "members/QMMemberPanel.h"

#include <memory>

class QMCachedImageView;
class QMBarButton;
class QMLabel;
class QMTableView;
class QMTickButton;

// A member's page: head picture, nickname, job and sex from the profile, the way to the
// member's posts ("Ta发表的") and follows ("Ta关注的") and, for a signed-in member looking at
// someone else, "关注" / "取消关注" and "对Ta说". What was known before the profile came (a
// nickname and head picture from a comment, a follow) shows at once.
class QMUserView : public QMMemberPanel,
                   public QMMemberInfoProviderDelegate,
                   public QMCollectAddProviderDelegate,
                   public QMCollectDelProviderDelegate,
                   public QMTableViewDataSource
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMUserView)

public:
    static constexpr QRect kUserInfoTableFrame{10, 140, 303, 89};

    explicit QMUserView(const MemberInfo &member, QWidget *parent = nullptr);
    ~QMUserView() override;

    // The page of that member slid in over the window of from, its profile on the way.
    static QMUserView *showMember(QWidget *from, const MemberInfo &member);

    std::shared_ptr<MemberInfo> selectMemberInfo;

    QMCachedImageView *logoView() const { return m_logoView; }
    QMLabel *nicknameLabel() const { return m_nicknameLabel; }
    QMLabel *positionLabel() const { return m_positionLabel; }
    QMLabel *sexLabel() const { return m_sexLabel; }
    // What only a signed-in member looking at someone else can do.
    QWidget *isLoginView() const { return m_isLoginView; }
    QMTickButton *attentionButton() const { return m_attentionButton; }
    QMTickButton *noAttentionButton() const { return m_noAttentionButton; }
    QMBarButton *sayInfoButton() const { return m_sayInfoButton; }
    QMTableView *userInfoTableView() const { return m_userInfoTableView; }

    void selectUserList();

    void memberInfoProviderDidReceiveMemberInfo(QMMemberInfoProvider *provider,
                                                const std::shared_ptr<MemberInfo> &info) override;
    void memberInfoProviderDidRunIntoError(QMMemberInfoProvider *provider,
                                           const std::optional<QMError> &error) override;
    void collectAddProviderDidReceiveInsertData(QMCollectAddProvider *provider,
                                                const std::shared_ptr<InsertData> &data) override;
    void collectAddProviderDidRunIntoError(QMCollectAddProvider *provider,
                                           const std::optional<QMError> &error) override;
    void collectDelProviderDidReceiveInsertData(QMCollectDelProvider *provider,
                                                const std::shared_ptr<InsertData> &data) override;
    void collectDelProviderDidRunIntoError(QMCollectDelProvider *provider,
                                           const std::optional<QMError> &error) override;
    int tableViewNumberOfRows(QMTableView *tableView) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;
    void tableViewDidSelectRow(QMTableView *tableView, int row) override;

    void selectPublish();
    void selectAttentions();
    void selectUserSay();
    void addLive();
    void delMember();

private:
    // Another page of this window waiting for that member's profile.
    QMUserView *waitingPageOf(const QString &memberid) const;
    void showMemberInfo();
    void showFollowAnswer(const std::shared_ptr<InsertData> &data, const QString &message);
    static void showFollowError(const std::optional<QMError> &error);

    QMCachedImageView *m_logoView;
    QMLabel *m_nicknameLabel;
    QMLabel *m_positionLabel;
    QMLabel *m_sexLabel;
    QMTableView *m_userInfoTableView;
    QWidget *m_isLoginView;
    QMTickButton *m_attentionButton;
    QMTickButton *m_noAttentionButton;
    QMBarButton *m_sayInfoButton;
    bool m_waitingForProfile = false;
};
