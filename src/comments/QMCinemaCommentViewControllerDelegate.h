#pragma once

class QMCinemaCommentViewController;

// The opener of a cinema's comment screen: it closes the sheet when the screen asks.
class QMCinemaCommentViewControllerDelegate
{
public:
    virtual ~QMCinemaCommentViewControllerDelegate() = default;
    virtual void
    cinemaCommentViewControllerWillDismiss(QMCinemaCommentViewController *controller) = 0;
};
