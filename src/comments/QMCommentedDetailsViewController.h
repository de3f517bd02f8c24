#pragma once

#include "comments/QMCommentListOwner.h"
#include "comments/QMCommentRows.h"
#include "kit/QMBarButton.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "kit/QMTableViewDataSource.h"
#include "kit/QMViewController.h"
#include "members/QMSignInGate.h"

#include <QPointer>

#include <memory>

class QMPageCounter;

// The details of something members comment on (a film, a cinema): one table whose first two rows
// are the screen's own, a header and a row of two tabs, followed on the first tab by the comments
// page by page; a comment button floating over the table's foot, behind the sign-in gate. A
// comment's text opens its details.
class QMCommentedDetailsViewController : public QMViewController,
                                         public QMTableViewDataSource,
                                         public QMCommentListOwner
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCommentedDetailsViewController)

public:
    static constexpr int kFirstCommentRow = 2;

    ~QMCommentedDetailsViewController() override;

    const QList<std::shared_ptr<Comment>> &commentArray() const;
    QMTableView *tableView() const { return m_tableView; }
    QMCommentRows *commentRows() const { return m_commentRows; }
    QMBarButton *commentButton() const { return m_commentButton; }

    void selectCommentList() override;
    // "更多评论".
    void moreCiname();
    // The comment button: the comment sheet, once a member is signed in.
    virtual void userComment();
    virtual void presentCommentView() = 0;
    // Row actions: the table row of a comment's text or head picture.
    void selectCommentInfo(int row);
    void selectUserInfo(int row);

    int tableViewNumberOfRows(QMTableView *tableView) override;
    int tableViewHeightForRow(QMTableView *tableView, int row) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;
    void scrollViewDidEndDecelerating(QMScrollView *scrollView) override;

protected:
    // type: the comments' kind, 0 a cinema's, 1 a film's; counter: the screen kind's pages.
    QMCommentedDetailsViewController(unsigned type, QMPageCounter &counter);

    std::unique_ptr<QWidget> loadView() override;
    // The table, the comments of targetId (busy indicator at busyFrame while they come), the
    // comment button; then the first page is asked for.
    void setUpDetails(const QString &targetId, const QRect &busyFrame);

    // False while the second tab is chosen: the table is then its two rows, standing still.
    virtual bool showsComments() const = 0;
    virtual int headerHeight() const = 0;
    virtual int tabRowHeight() const = 0;
    virtual std::unique_ptr<QWidget> headerRow() = 0;
    virtual std::unique_ptr<QWidget> tabRow() = 0;

    // Shows the first or the second tab.
    void showTab(bool comments);
    // A row on the grey, built afresh each time and let go when it leaves the screen.
    static std::unique_ptr<QMTableViewCell> greyRow();
    static QMBarButton *imageButton(const char *image, const QRect &frame, QWidget *parent);

    QMSignInGate m_gate{this};

private:
    const unsigned m_type;
    QMPageCounter &m_counter;
    QPointer<QMTableView> m_tableView;
    QPointer<QMCommentRows> m_commentRows;
    QPointer<QMBarButton> m_commentButton;
};
