#pragma once

#include "comments/QMReplyLabel.h"

// The bubble of a list row that carries buttons over its head picture and its text: the text is
// 45 points high, so that the button over it ends inside the bubble.
class QMReplyLabelEventTouch : public QMReplyLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMReplyLabelEventTouch)

public:
    static constexpr int kReplyHeight = 45;

    using QMReplyLabel::QMReplyLabel;

protected:
    int replyHeight() const override { return kReplyHeight; }
};
