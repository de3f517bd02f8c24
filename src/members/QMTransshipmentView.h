#pragma once

#include "members/QMPostingView.h"

#include <memory>

class Comment;

// A re-post of a post with the member's remark ("转载理由"), pushed from the post's details.
class QMTransshipmentView : public QMPostingView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMTransshipmentView)

public:
    explicit QMTransshipmentView(std::shared_ptr<Comment> post, QWidget *parent = nullptr);

    std::shared_ptr<Comment> selectComment() const { return m_selectComment; }
    QString transshipmentText() const { return acceptedText(); }

    void submitTransshipment();
    void submit() override { submitTransshipment(); }

private:
    std::shared_ptr<Comment> m_selectComment;
};
