#include "comments/QMMovieCommentViewController.h"

#include "films/movie.h"

QMMovieCommentViewController::QMMovieCommentViewController() = default;

QMMovieCommentViewController::~QMMovieCommentViewController() = default;

QMCommentWriteViewController::Subject QMMovieCommentViewController::subject() const
{
    if (!selectMovie)
        return {{}, {}, {}, 1};
    return {selectMovie->movieid, selectMovie->moviename, selectMovie->generalmark, 1};
}

bool QMMovieCommentViewController::askToDismiss()
{
    if (!movieCommentDelegate)
        return false;
    movieCommentDelegate->movieCommentViewControllerWillDismiss(this);
    return true;
}
