#pragma once

#include "comments/Comment.h"
#include "comments/QMCommentInfoProviderDelegate.h"
#include "comments/QMReCommentListProviderDelegate.h"
#include "members/QMMemberPanel.h"

#include <memory>

class QMCommentThreadView;

// One post with its replies, fetched by the post's identifier: the post first, with "搭话" and
// "转载" for a signed-in member, then up to 20 replies. Every head picture opens its member's
// page.
class QMMySayInfoView : public QMMemberPanel,
                        public QMCommentInfoProviderDelegate,
                        public QMReCommentListProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMySayInfoView)

public:
    explicit QMMySayInfoView(const QString &commentId, QWidget *parent = nullptr);
    ~QMMySayInfoView() override;

    // The post slid in over the window of from, on its way from the service.
    static QMMySayInfoView *showPost(QWidget *from, const QString &commentId);

    QString commentId;
    std::shared_ptr<Comment> selectComment;
    QMCommentThreadView *mySayInfoTableView() const { return m_tableView; }

    // Fetches the post, then its replies.
    void mySayList();

    void commentInfoProviderDidReceivedComment(QMCommentInfoProvider *provider,
                                               const std::shared_ptr<Comment> &comment) override;
    void commentInfoProviderDidRunIntoError(QMCommentInfoProvider *provider,
                                            const std::optional<QMError> &error) override;
    void
    reCommentListProviderDidReceiveCommentList(QMReCommentListProvider *provider,
                                               const std::shared_ptr<CommentList> &list) override;
    void reCommentListProviderDidRunIntoError(QMReCommentListProvider *provider,
                                              const std::optional<QMError> &error) override;

    void selectAccost();
    void selectTransshipment();
    // The post's author.
    void selectUser();
    // The author of a row: the post's or a reply's.
    void selectUserInfo(int row);

private:
    void requestReplies();

    QMCommentThreadView *m_tableView;
};
