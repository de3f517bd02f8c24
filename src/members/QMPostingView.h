#pragma once

#include "members/QMMemberPanel.h"

class QMBarButton;
class QMPostingForm;
class QMTextView;

// A page of the member area where the member writes: a post, a post to a member, a reply or a
// re-post. Below the bar: "限140字", the text and the submit button; the posting form holds the
// text to the limit, sends it and tells the answer. After the success alert the page leaves
// (doReturn) the way it came.
class QMPostingView : public QMMemberPanel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMPostingView)

public:
    ~QMPostingView() override;

    QMTextView *textView() const;
    QMBarButton *submitButton() const { return m_submitButton; }
    QMPostingForm *form() const { return m_form; }
    // The last text within the limit.
    QString acceptedText() const;

    // Sends the text as the page's kind of write.
    virtual void submit() = 0;

protected:
    // textHeight: how much of the page the text takes; the submit button stands at submitTop.
    QMPostingView(const QString &title, int textHeight, int submitTop, QWidget *parent);

    void mousePressEvent(QMouseEvent *event) override;

    // The text box and what follows it start here.
    static constexpr int kTextTop = kBarHeight + 30;

private:
    QMPostingForm *m_form;
    QMBarButton *m_submitButton;
};
