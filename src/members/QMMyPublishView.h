#pragma once

#include "comments/Comment.h"
#include "kit/QMTableViewDataSource.h"
#include "members/MemberInfo.h"
#include "members/QMMemberPanel.h"
#include "members/QMUserCommentListProviderDelegate.h"

#include <QList>

#include <memory>
#include <vector>

class QMLabel;
class QMPageCounter;

// A member's posts, newest first: "#about#text(age)" beside the author's head picture. A row
// opens the post with its replies; the list grows a page at a time as it is scrolled to its end.
class QMMyPublishView : public QMMemberPanel,
                        public QMUserCommentListProviderDelegate,
                        public QMTableViewDataSource
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMyPublishView)

public:
    static constexpr int kTextWidth = 200;

    explicit QMMyPublishView(const MemberInfo &member, QWidget *parent = nullptr);
    ~QMMyPublishView() override;

    // The rows asked for, for every member's posts, as long as the process lives.
    static QMPageCounter &kmyPublishCount();
    // "#objectname#body(age)", the body without its surrounding white space.
    static QString rowText(const Comment &post);

    std::shared_ptr<MemberInfo> selectMemberInfo;
    const QList<std::shared_ptr<Comment>> &myPublishArray() const { return m_myPublishArray; }
    QMTableView *myPublishTableView() const { return m_tableView; }

    void myPublishList();

    void userCommentListProviderDidReceiveUserCommentList(
        QMUserCommentListProvider *provider, const std::shared_ptr<CommentList> &list) override;
    void userCommentListProviderDidRunIntoError(QMUserCommentListProvider *provider,
                                                const std::optional<QMError> &error) override;
    int tableViewNumberOfRows(QMTableView *tableView) override;
    int tableViewHeightForRow(QMTableView *tableView, int row) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;
    void tableViewDidSelectRow(QMTableView *tableView, int row) override;
    void scrollViewDidEndDecelerating(QMScrollView *scrollView) override;

    void selectCommentInfo(int row);
    void selectUserInfo(int row);

private:
    QList<std::shared_ptr<Comment>> m_myPublishArray;
    std::vector<int> m_rowHeights;
    QMTableView *m_tableView;
    QMLabel *m_measure; // never shown: measures the rows
};
