#pragma once

class QMMovieCommentViewController;

// The opener of a film's comment screen: it closes the sheet when the screen asks.
class QMMovieCommentViewControllerDelegate
{
public:
    virtual ~QMMovieCommentViewControllerDelegate() = default;
    virtual void
    movieCommentViewControllerWillDismiss(QMMovieCommentViewController *controller) = 0;
};
