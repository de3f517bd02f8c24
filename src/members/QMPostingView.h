#pragma once

#include <QWidget>

class QMBarButton;
class QMMemberBar;
class QMPostingForm;
class QMTextView;

// A view over the member area where the member writes: a post, a post to a member, a reply or
// a re-post. It has the member bar (return and title), "限140字", the text and the submit
// button; the posting form holds the text to the limit, sends it and tells the answer. After
// the success alert the view closes (doReturn). Made for the window's frame below the status
// strip and slid in with QMViewNavigation over the window (QMWindow::windowOf(opener)).
class QMPostingView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMPostingView)

public:
    // Where the member views stand in the window: everything below the status strip.
    static constexpr QRect kWindowFrame{0, 20, 320, 460};

    ~QMPostingView() override;

    QMMemberBar *bar() const { return m_bar; }
    QMBarButton *returnButton() const;
    QMTextView *textView() const;
    QMBarButton *submitButton() const { return m_submitButton; }
    QMPostingForm *form() const { return m_form; }
    // The last text within the limit.
    QString acceptedText() const;

    // Sends the text as the view's kind of write.
    virtual void submit() = 0;
    // Leaves the view the way it came: a pushed view slides out to the right, a raised one
    // sinks; then it goes.
    void doReturn();

protected:
    enum class Arrival { Pushed, Presented };

    // textHeight: how much of the view the text takes; the submit button goes below it, at
    // submitTop.
    QMPostingView(const QString &title, int textHeight, int submitTop, Arrival arrival,
                  QWidget *parent);

    void mousePressEvent(QMouseEvent *event) override;

    // The text box and what follows it start here.
    static constexpr int kTextTop = 74;

private:
    QMPostingForm *m_form;
    QMMemberBar *m_bar;
    QMBarButton *m_submitButton;
    Arrival m_arrival;
    bool m_leaving = false;
};
