#pragma once

#include "comments/Comment.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewDataSource.h"

#include <QList>

#include <memory>
#include <vector>

class QMBarButton;
class QMReplyLabel;

// A comment (or post) and its replies as bubbles, each row as high as all of its text and any
// grey box; under the first one the buttons to reply to it ("搭话") and to re-post it ("转载").
// A touch on a head picture tells the row it stands for. The comment's screen and a post's page
// both show their thread with it.
class QMCommentThreadView : public QMTableView, public QMTableViewDataSource
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCommentThreadView)

public:
    // Replies shown at most, and asked for.
    static constexpr int kReplyCount = 20;

    explicit QMCommentThreadView(QWidget *parent = nullptr);
    ~QMCommentThreadView() override;

    // The comment, then the replies in the order given (no more than kReplyCount).
    void setThread(const std::shared_ptr<Comment> &comment,
                   const QList<std::shared_ptr<Comment>> &replies = {});
    const QList<std::shared_ptr<Comment>> &rows() const { return m_rows; }
    // The row's comment, or null for a row that is not there (any more).
    std::shared_ptr<Comment> commentAtRow(int row) const;

    // Whether the comment's row carries "搭话" and "转载".
    void setShowsActions(bool shows);
    bool showsActions() const { return m_showsActions; }

    // The buttons under the comment, while its row is on screen.
    QMBarButton *accostButton() const;
    QMBarButton *transshipmentButton() const;
    // The bubble of a row on screen.
    QMReplyLabel *bubbleForRow(int row) const;

    int tableViewNumberOfRows(QMTableView *tableView) override;
    int tableViewHeightForRow(QMTableView *tableView, int row) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;

signals:
    void headTapped(int row);
    void accostTapped();
    void transshipmentTapped();

private:
    void measureRows();

    QList<std::shared_ptr<Comment>> m_rows;
    std::vector<int> m_rowHeights;
    QMReplyLabel *m_measure; // never shown: measures the rows
    bool m_showsActions = true;
};
