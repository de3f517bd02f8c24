#include "comments/QMCinemaCommentViewController.h"

#include "cinemas/Cinema.h"

QMCinemaCommentViewController::QMCinemaCommentViewController() = default;

QMCinemaCommentViewController::~QMCinemaCommentViewController() = default;

QMCommentWriteViewController::Subject QMCinemaCommentViewController::subject() const
{
    if (!selectCinema)
        return {{}, {}, {}, 0};
    return {selectCinema->cinemaid, selectCinema->cinemaname, selectCinema->generalmark, 0};
}

bool QMCinemaCommentViewController::askToDismiss()
{
    if (!cinemaCommentDelegate)
        return false;
    cinemaCommentDelegate->cinemaCommentViewControllerWillDismiss(this);
    return true;
}
