#pragma once

#include "members/QMCommentFeedView.h"
#include "members/QMSendCommentListProviderDelegate.h"

// The replies the member wrote ("我发送的"), each over the post it answered.
class QMSendCommentView final : public QMCommentFeedView, public QMSendCommentListProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMSendCommentView)

public:
    explicit QMSendCommentView(QWidget *parent = nullptr);
    ~QMSendCommentView() override;

    // How many records the feed asks for, for the process's life.
    static QMPageCounter &KsendCount();

    const QList<std::shared_ptr<Comment>> &sendCommentArray() const { return commentArray(); }

    void
    sendCommentListProviderDidReceiveCommentList(QMSendCommentListProvider *provider,
                                                 const std::shared_ptr<CommentList> &list) override;
    void sendCommentListProviderDidRunIntoError(QMSendCommentListProvider *provider,
                                                const std::optional<QMError> &error) override;

protected:
    void requestFeed(const QString &memberid, int maxnum) override;
    QString answeredText(const Comment &reply) const override;
};
