#pragma once

#include "comments/QMCommentListOwner.h"
#include "kit/QMViewController.h"
#include "net/QMWeakDelegate.h"

class QLabel;
class QMBarButton;
class QMPostingForm;
class QMRatingView;
class QMTextView;

// A member's comment on a film or a cinema, shown in a sheet: the subject's name and mark, the
// text held to the limit, a rating of one to ten stars and the submit button. The rating is the
// member's own: the service takes none. After "评论成功！" the sheet closes and the opener
// lists its comments again. The film's and the cinema's screens only say what is commented on
// and whom to ask to close the sheet.
class QMCommentWriteViewController : public QMViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCommentWriteViewController)

public:
    ~QMCommentWriteViewController() override;

    // Lists its comments again after a comment has been written.
    QMWeakDelegate<QMCommentListOwner> commentListOwner;

    QMTextView *textView() const;
    QMRatingView *ratingView() const { return m_ratingView; }
    QLabel *scoreLabel() const { return m_scoreLabel; }
    QMBarButton *submitButton() const { return m_submitButton; }
    // The last text within the limit.
    QString commentText() const;

    void submitComment();
    void dismissComment();

protected:
    // What the comment is about, as the service names it.
    struct Subject
    {
        QString id;
        QString name;
        QString mark;
        unsigned type = 0; // the comment's type: 1 a film, 0 a cinema
    };

    QMCommentWriteViewController();

    virtual Subject subject() const = 0;
    // Asks the opener to close the sheet; false when no opener listens.
    virtual bool askToDismiss() = 0;

    void viewDidLoad() override;

private:
    void commentWritten();

    QMPostingForm *m_form;
    QMRatingView *m_ratingView = nullptr;
    QLabel *m_scoreLabel = nullptr;
    QMBarButton *m_submitButton = nullptr;
};
