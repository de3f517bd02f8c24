#pragma once

#include "members/QMCommentFeedView.h"
#include "members/QMAtCommentProviderDelegate.h"

// The posts that name the member ("@提到我的").
class QMAtCommentView final : public QMCommentFeedView, public QMAtCommentProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMAtCommentView)

public:
    explicit QMAtCommentView(QWidget *parent = nullptr);
    ~QMAtCommentView() override;

    // How many records the feed asks for, for the process's life.
    static QMPageCounter &katCommentCount();

    const QList<std::shared_ptr<Comment>> &atCommentArray() const { return commentArray(); }

    void
    atCommentProviderDidReceiveAtCommentList(QMAtCommentProvider *provider,
                                             const std::shared_ptr<CommentList> &list) override;
    void atCommentProviderDidRunIntoError(QMAtCommentProvider *provider,
                                          const std::optional<QMError> &error) override;

protected:
    void requestFeed(const QString &memberid, int maxnum) override;
};
