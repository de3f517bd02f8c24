#pragma once

#include "comments/Comment.h"
#include "xml/QMRecord.h"

#include <QList>

#include <memory>

// Comments, posts or replies, in the order of the answer.
class CommentList : public QMRecord
{
    QM_RECORD(CommentList)

public:
    QList<std::shared_ptr<Comment>> commentArray;
};
