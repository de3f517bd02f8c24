#pragma once

#include <QRect>
#include <QWidget>

class QMBarButton;
class QMLabel;
class QMMemberBar;

// A page of the member area that slides in over the whole window, tab bar included: the orange
// bar ("btn_myQuelm_bar.png") with its return button ("btn_return.png", doReturn) and title
// (doLabel), the page's own content below. Pages open further pages over the same window, so
// returning from each goes back one page at a time.
class QMMemberPanel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMemberPanel)

public:
    // Where a page lies in its window: below the status strip, over everything else.
    static constexpr QRect kFrame{0, 20, 320, 460};
    static constexpr int kBarHeight = 44;

    explicit QMMemberPanel(QWidget *parent = nullptr);
    ~QMMemberPanel() override;

    QMMemberBar *bar() const { return m_bar; }
    QMLabel *doLabel() const;
    QMBarButton *returnButton() const;
    QString title() const;
    void setTitle(const QString &title);

    // Slides this page out the way it came (to the right, or down when it was raised); it is
    // deleted when it has gone.
    void doReturn();
    // From doReturn on.
    bool isLeaving() const { return m_leaving; }

    // Slides a page in from the right over the window that holds from (any widget of it).
    static void pushView(QWidget *from, QMMemberPanel *page);
    // Raises a page from the bottom over the window that holds from.
    static void presentView(QWidget *from, QWidget *page);
    // The page on top of the window that holds widget, if any; one sliding away is no more.
    static QMMemberPanel *topPanel(const QWidget *widget);

protected:
    // The area below the bar, in the page's coordinates.
    QRect contentRect() const;

private:
    QMMemberBar *m_bar;
    bool m_leaving = false;
    bool m_presented = false;
};
