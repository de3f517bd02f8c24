#pragma once

#include "comments/QMAccostTransViewControllerDelegate.h"
#include "kit/QMViewController.h"
#include "net/QMWeakDelegate.h"

#include <QPointer>

#include <memory>

class Comment;
class QMBarButton;
class QMCommentInfoViewController;
class QMPostingForm;
class QMTextView;

// The sheet in which a member replies to a comment (type 0) or re-posts it with a remark
// (type 1). After "搭话成功！" or "转载成功！" it closes and the comment's screen lists the
// replies again.
class QMAccostTransViewController : public QMViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMAccostTransViewController)

public:
    enum Type : int { Reply = 0, Repost = 1 };

    QMAccostTransViewController();
    ~QMAccostTransViewController() override;

    std::shared_ptr<Comment> selectComment;
    int type = Reply;
    QString navTitle;
    // The comment's screen, which lists the replies again after a success.
    QPointer<QMCommentInfoViewController> accostTransView;
    QMWeakDelegate<QMAccostTransViewControllerDelegate> accostTransDelegate;

    QMTextView *textView() const;
    QMBarButton *submitButton() const { return m_submitButton; }
    QMBarButton *returnButton() const { return m_returnButton; }
    QString transshipmentText() const;

    void submitAccost();
    void dismissAccostComment();

protected:
    void viewDidLoad() override;

private:
    void accostWritten();

    QMPostingForm *m_form;
    QMBarButton *m_submitButton = nullptr;
    QMBarButton *m_returnButton = nullptr;
};
