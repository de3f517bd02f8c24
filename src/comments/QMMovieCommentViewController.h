#pragma once

#include "comments/QMCommentWriteViewController.h"
#include "comments/QMMovieCommentViewControllerDelegate.h"

#include <memory>

class movie;

// A member's comment on a film.
class QMMovieCommentViewController : public QMCommentWriteViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMovieCommentViewController)

public:
    QMMovieCommentViewController();
    ~QMMovieCommentViewController() override;

    std::shared_ptr<movie> selectMovie;
    QMWeakDelegate<QMMovieCommentViewControllerDelegate> movieCommentDelegate;

protected:
    Subject subject() const override;
    bool askToDismiss() override;
};
