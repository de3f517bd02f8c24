#pragma once

#include "kit/QMTableViewCell.h"

#include <QPointer>

#include <memory>

class Comment;
class QMIndexButton;
class QMReplyLabelEventTouch;

// One comment in the list of a film's or a cinema's details: its bubble with the text cut to two
// lines, a clear button over the head picture and one over the text. Both tell the table row
// they stand for; the screen checks it against its list before it acts.
class QMCommentRow : public QMTableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCommentRow)

public:
    static constexpr int kRowHeight = 80;
    static inline const QString kReuseIdentifier = QStringLiteral("CommentRowIdentifier");

    QMCommentRow();

    // Shows the comment of that table row.
    void setComment(const Comment &comment, int row);
    int row() const { return m_row; }

    QMReplyLabelEventTouch *bubble() const { return m_bubble; }
    QMIndexButton *headButton() const { return m_headButton; }
    QMIndexButton *textButton() const { return m_textButton; }

signals:
    void headTapped(int row);
    void textTapped(int row);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QMReplyLabelEventTouch *m_bubble;
    QMIndexButton *m_headButton;
    QMIndexButton *m_textButton;
    int m_row = -1;
};
