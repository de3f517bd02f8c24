#pragma once

#include "members/QMPostingView.h"

#include <QPointer>

#include <memory>

class Comment;
class QMMySayInfoView;

// A reply to a post ("与%@搭话"), pushed from the post's details (sayInfoView), which list the
// replies again once it has gone through.
class QMAccostView : public QMPostingView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMAccostView)

public:
    explicit QMAccostView(std::shared_ptr<Comment> post, QWidget *parent = nullptr);

    std::shared_ptr<Comment> selectComment() const { return m_selectComment; }
    QString accostText() const { return acceptedText(); }

    // The post's details that opened this page.
    QPointer<QMMySayInfoView> sayInfoView;

    void submitAccost();
    void submit() override { submitAccost(); }

private:
    std::shared_ptr<Comment> m_selectComment;
};
