#pragma once

#include "comments/Comment.h"
#include "kit/QMTableViewDataSource.h"
#include "members/MemberCache.h"
#include "members/QMMyInterestCommentProviderDelegate.h"

#include <QList>
#include <QWidget>

#include <memory>

class QMAreaSwitcher;
class QMBarButton;
class QMCommentRow;
class QMPageCounter;
class QMTableView;

// The hub's "与我相关" section: the posts that concern the member, by area ("同一场馆",
// "我的周边", "同一城市", paged with the arrows or a swipe), and "你在干嘛" to post a status.
// A post's text opens it with its replies; its head picture opens the author's page. The hub
// makes it once with its frame, hands it the member and asks for the feed:
//     attentionListView = new QMAttentionListView(frame, view);
//     attentionListView->selectMember = member;
//     attentionListView->attentionList();
class QMAttentionListView : public QWidget,
                            public QMMyInterestCommentProviderDelegate,
                            public QMTableViewDataSource
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMAttentionListView)

public:
    static constexpr int kHeaderHeight = 36;

    explicit QMAttentionListView(const QRect &frame, QWidget *parent = nullptr);
    ~QMAttentionListView() override;

    // The rows asked for, as long as the process lives; back to one page on another area.
    static QMPageCounter &kattentionCount();

    // The member whose feed it is; the signed-in one when none is given.
    std::shared_ptr<MemberCache> selectMember;
    // The area page: 0 "place", 1 "indexarea", 2 "city".
    unsigned squareType = 0;

    const QList<std::shared_ptr<Comment>> &attentionArray() const { return m_attentionArray; }
    QMTableView *attentionTableView() const { return m_tableView; }
    QMAreaSwitcher *areaSwitcher() const { return m_areaSwitcher; }
    QMBarButton *whatIDoingButton() const { return m_whatIDoingButton; }
    // The row of a post on screen.
    QMCommentRow *rowForPost(int row) const;

    void attentionList();

    void myInterestCommentProviderDidReceiveMyInterestComment(
        QMMyInterestCommentProvider *provider, const std::shared_ptr<CommentList> &list) override;
    void myInterestCommentProviderDidRunIntoError(QMMyInterestCommentProvider *provider,
                                                  const std::optional<QMError> &error) override;
    int tableViewNumberOfRows(QMTableView *tableView) override;
    int tableViewHeightForRow(QMTableView *tableView, int row) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;
    void scrollViewDidEndDecelerating(QMScrollView *scrollView) override;

    void whatIDoing();
    void selectLeft();
    void selectRight();
    void selectCommentInfo(int row);
    void selectUserInfo(int row);

private:
    // The area switcher came to rest on another area.
    void areaSettled(int page);

    QList<std::shared_ptr<Comment>> m_attentionArray;
    QMAreaSwitcher *m_areaSwitcher;
    QMBarButton *m_whatIDoingButton;
    QMTableView *m_tableView;
};
