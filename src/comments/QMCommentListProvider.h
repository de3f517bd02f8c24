#pragma once

#include "comments/CommentList.h"
#include "net/QMRecordProvider.h"

// How a list answer of comments is shaped: comments in a commentList, replies (recomment) in a
// reCommentList, or square posts in a squareList. Each becomes a CommentList of Comment.
enum class QMCommentListShape { Comments, Replies, Square };

// A provider whose answer is a list of comments, rooted at "date".
template<class Self, class Delegate>
class QMCommentListProvider : public QMRecordProvider<Self, Delegate, CommentList>
{
    using Base = QMRecordProvider<Self, Delegate, CommentList>;

public:
    QByteArray trimXML(const QByteArray &text) const override
    {
        switch (m_shape) {
        case QMCommentListShape::Comments:
            return QMCommonProvider::replacing(
                text, {{"<commentList>", "<commentList><commentArray>"},
                       {"</commentList>", "</commentArray></commentList>"}});
        case QMCommentListShape::Replies:
            return QMCommonProvider::replacing(
                text, {{"<reCommentList>", "<commentList><commentArray>"},
                       {"</reCommentList>", "</commentArray></commentList>"},
                       {"recomment>", "comment>"}});
        case QMCommentListShape::Square:
            return QMCommonProvider::replacing(
                text, {{"<squareList>", "<commentList><commentArray>"},
                       {"</squareList>", "</commentArray></commentList>"}});
        }
        return text;
    }

protected:
    QMCommentListProvider(QMCommentListShape shape, typename Base::DelegateField delegate,
                          typename Base::Success success, typename Base::Failure failure)
        : Base(delegate, success, failure, QLatin1StringView("date"))
        , m_shape(shape)
    {}

private:
    QMCommentListShape m_shape;
};
