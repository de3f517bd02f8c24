#pragma once

// A screen that lists comments and opens the comment screens (a film's or a cinema's details):
// after a comment has been written it asks for its list again, from the first page.
class QMCommentListOwner
{
public:
    virtual ~QMCommentListOwner() = default;
    virtual void selectCommentList() = 0;
};
