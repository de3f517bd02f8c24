#pragma once

#include "comments/Comment.h"
#include "comments/QMCommentProviderDelegate.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QRect>

#include <memory>

class QMPageCounter;
class QMTableView;

class QWidget;

// The comments on a film or a cinema as rows of its details screen's table: one QMCommentRow per
// comment from a given table row on, then the "更多评论" row. Comments are always asked for from
// the first one, as many as the screen kind's page counter says; "更多评论", or the table
// coming to rest at its end after a full page, asks for a page more.
class QMCommentRows : public QObject, public QMCommentProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCommentRows)

public:
    static constexpr int kMoreRowHeight = 50;
    static inline const QString kMoreReuseIdentifier = QStringLiteral("MoreCommentsIdentifier");

    // type: 0 a cinema's comments, 1 a film's.
    QMCommentRows(QMTableView *table, int firstRow, QMPageCounter &counter, unsigned type,
                  QObject *parent);
    ~QMCommentRows() override;

    void setTargetId(const QString &targetId) { m_targetId = targetId; }
    // Where the busy indicator stands while comments are on their way.
    void setBusyFrame(QWidget *host, const QRect &frame);

    // From the first comment, as many as the counter says.
    void requestComments();

    const QList<std::shared_ptr<Comment>> &commentArray() const { return m_commentArray; }
    QMPageCounter &pageCounter() const { return m_counter; }

    // The comments' rows and the "更多评论" row.
    int rowCount() const { return int(m_commentArray.size()) + 1; }
    int heightForRow(int row) const;
    std::unique_ptr<QWidget> cellForRow(int row);
    // The comment shown at a row of the table; null for any other row.
    std::shared_ptr<Comment> commentAtRow(int row) const;
    // The live "更多评论" button, if its row is built.
    QPushButton *moreButton() const { return m_moreButton; }

    // "更多评论": a page more, or the alert past the last one.
    void moreComments();
    // The table came to rest; at its end after a full page, a page more.
    void tableDidEndDecelerating();

    void commentProviderDidReceivedCommentList(QMCommentProvider *provider,
                                               const std::shared_ptr<CommentList> &list) override;
    void commentProviderDidRunIntoError(QMCommentProvider *provider,
                                        const std::optional<QMError> &error) override;

signals:
    // A comment row's head picture or text was touched; row is the table row.
    void headTapped(int row);
    void textTapped(int row);

private:
    std::unique_ptr<QWidget> moreRow();
    void stopBusy();

    QPointer<QMTableView> m_table;
    const int m_firstRow;
    QMPageCounter &m_counter;
    const unsigned m_type;
    QString m_targetId;
    QList<std::shared_ptr<Comment>> m_commentArray;
    bool m_full = false; // the last answer filled what was asked for
    QPointer<QWidget> m_busyHost;
    QRect m_busyFrame;
    QPointer<QPushButton> m_moreButton;
};
