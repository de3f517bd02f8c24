#pragma once

#include "comments/QMCommentRow.h"

class QMLabel;

// A post of the square: the comment row's bubble and buttons, and for a post written at a
// screening the cinema's name in its lower right corner.
class QMPizzaListCell : public QMCommentRow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMPizzaListCell)

public:
    QMPizzaListCell();

    void setPost(const Comment &post, int row);
    QMLabel *placeLabel() const { return m_place; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QMLabel *m_place;
};
