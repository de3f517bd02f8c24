#pragma once

#include "comments/Comment.h"
#include "comments/QMAccostTransViewControllerDelegate.h"
#include "comments/QMReCommentListProviderDelegate.h"
#include "comments/QMCommentThreadView.h"
#include "kit/QMViewController.h"
#include "members/QMSignInGate.h"

#include <QList>
#include <QPointer>

#include <memory>

class QMAccostTransViewController;
class QMBarButton;
class QMReplyLabel;

// One comment with its replies, as bubbles: the comment first, with the buttons to reply to it
// ("搭话") and to re-post it ("转载"), then the replies, oldest first. Replying and re-posting
// need a member and happen in a sheet; after either the replies are asked for again.
class QMCommentInfoViewController : public QMViewController,
                                    public QMReCommentListProviderDelegate,
                                    public QMAccostTransViewControllerDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCommentInfoViewController)

public:
    // Replies asked for, and shown, at most.
    static constexpr int kReplyCount = QMCommentThreadView::kReplyCount;

    QMCommentInfoViewController();
    ~QMCommentInfoViewController() override;

    std::shared_ptr<Comment> selectComment;

    // The rows: the comment, then its replies.
    const QList<std::shared_ptr<Comment>> &commentArray() const;
    QMCommentThreadView *mySayInfoTableView() const { return m_tableView; }
    // The buttons under the comment, while its row is on screen.
    QMBarButton *accostButton() const;
    QMBarButton *transshipmentButton() const;
    // The bubble of a row on screen.
    QMReplyLabel *bubbleForRow(int row) const;
    QMAccostTransViewController *accostViewController() const;

    void commentInfoList();

    void
    reCommentListProviderDidReceiveCommentList(QMReCommentListProvider *provider,
                                               const std::shared_ptr<CommentList> &list) override;
    void reCommentListProviderDidRunIntoError(QMReCommentListProvider *provider,
                                              const std::optional<QMError> &error) override;
    void accostTransViewControllerWillDismiss(QMAccostTransViewController *controller) override;

    void selectAccosts();
    void selectTransshipments();
    void presentCommentView();
    // A touch on the head picture of a row.
    void selectUserInfo(int row);

protected:
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;

private:
    void isLogin(int type, const QString &title);

    QMCommentThreadView *m_tableView = nullptr;
    QMSignInGate m_gate{this};
    // Made by a button, shown once a member is signed in.
    std::unique_ptr<QMAccostTransViewController> m_pendingAccost;
    QPointer<QMAccostTransViewController> m_accostViewController;
};
