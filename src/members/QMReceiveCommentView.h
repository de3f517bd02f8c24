#pragma once

#include "members/QMCommentFeedView.h"
#include "members/QMReceiveCommentProviderDelegate.h"

// The replies others wrote to the member's posts ("我收到的"), each over the post.
class QMReceiveCommentView final : public QMCommentFeedView, public QMReceiveCommentProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMReceiveCommentView)

public:
    explicit QMReceiveCommentView(QWidget *parent = nullptr);
    ~QMReceiveCommentView() override;

    // How many records the feed asks for, for the process's life.
    static QMPageCounter &KreceiveCount();

    const QList<std::shared_ptr<Comment>> &receiveCommentArray() const { return commentArray(); }

    void
    receiveCommentProviderDidReceiveCommentList(QMReceiveCommentProvider *provider,
                                                const std::shared_ptr<CommentList> &list) override;
    void receiveCommentProviderDidRunIntoError(QMReceiveCommentProvider *provider,
                                               const std::optional<QMError> &error) override;

protected:
    void requestFeed(const QString &memberid, int maxnum) override;
    QString answeredText(const Comment &reply) const override;
};
