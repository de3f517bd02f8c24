#pragma once

#include "comments/QMCinemaCommentViewControllerDelegate.h"
#include "comments/QMCommentWriteViewController.h"

#include <memory>

class Cinema;

// A member's comment on a cinema.
class QMCinemaCommentViewController : public QMCommentWriteViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCinemaCommentViewController)

public:
    QMCinemaCommentViewController();
    ~QMCinemaCommentViewController() override;

    std::shared_ptr<Cinema> selectCinema;
    QMWeakDelegate<QMCinemaCommentViewControllerDelegate> cinemaCommentDelegate;

protected:
    Subject subject() const override;
    bool askToDismiss() override;
};
