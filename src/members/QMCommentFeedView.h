#pragma once

#include "kit/QMTableViewDataSource.h"

#include <QList>
#include <QWidget>

#include <memory>
#include <vector>

class Comment;
class CommentList;
class QMBarButton;
class QMIndexButton;
class QMPageCounter;
class QMReplyLabel;

// A feed of the signed-in member that grows a page at a time: each post or reply as a bubble
// with its author's head picture, and under the bubbles a row with "更多信息" while a full page
// says there may be more. Touching the text opens the post, touching the head picture its
// author's page. The feeds differ only in their provider, their page counter and the line that
// tells what a reply answered.
class QMCommentFeedView : public QWidget, public QMTableViewDataSource
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCommentFeedView)

public:
    ~QMCommentFeedView() override;

    const QList<std::shared_ptr<Comment>> &commentArray() const { return m_commentArray; }
    QMTableView *tableView() const { return m_tableView; }
    QMPageCounter &pageCounter() const { return m_counter; }
    // While their rows are near the view.
    QMBarButton *moreButton() const;
    QMReplyLabel *bubbleForRow(int row) const;
    QMIndexButton *headButtonForRow(int row) const;
    QMIndexButton *textButtonForRow(int row) const;

    // Asks for the feed again, from its first record, as many as the counter says.
    void loadData();
    // A page more, up to the tenth.
    void nextPage();
    // The touches of a row's text and head picture; the row is checked against the list.
    void selectCommentInfo(int row);
    void selectUserInfo(int row);

    int tableViewNumberOfRows(QMTableView *tableView) override;
    int tableViewHeightForRow(QMTableView *tableView, int row) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;
    void scrollViewDidEndDecelerating(QMScrollView *scrollView) override;

protected:
    QMCommentFeedView(QMPageCounter &counter, QWidget *parent);

    virtual void requestFeed(const QString &memberid, int maxnum) = 0;
    // The grey line under a reply about the post it answered; none by default.
    virtual QString answeredText(const Comment &comment) const;

    // For the provider's two answers.
    void showComments(const std::shared_ptr<CommentList> &list);
    void showFailure();

    void resizeEvent(QResizeEvent *event) override;

private:
    bool isFullPage() const;
    std::unique_ptr<QWidget> moreRow();

    QMPageCounter &m_counter;
    QList<std::shared_ptr<Comment>> m_commentArray;
    std::vector<int> m_rowHeights;
    QMTableView *m_tableView;
    QMReplyLabel *m_measure; // never shown: measures the rows
};
