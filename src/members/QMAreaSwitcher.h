#pragma once

#include "kit/QMScrollViewDelegate.h"

#include <QStringList>
#include <QWidget>

class QMBarButton;
class QMScrollView;

// A row of titles of which one shows at a time, in a paged scroller between a left and a right
// arrow: the square's and the interest feed's areas ("同一场馆", "我的周边", "同一城市"). The
// member drags it or touches an arrow; once it comes to rest on another page, pageSettled tells
// which. It draws no background: its owner's strip shows through.
class QMAreaSwitcher : public QWidget, public QMScrollViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMAreaSwitcher)

public:
    static constexpr int kArrowSize = 28;

    QMAreaSwitcher(const QStringList &titles, const QRect &frame, QWidget *parent);
    ~QMAreaSwitcher() override;

    static QStringList areaTitles();

    int currentPage() const { return m_page; }
    int pageCount() const { return int(m_titles.size()); }
    QMScrollView *scroller() const { return m_scroller; }
    QMBarButton *leftButton() const { return m_leftButton; }
    QMBarButton *rightButton() const { return m_rightButton; }

    // One page to the left or right, moving.
    void selectLeft();
    void selectRight();

    void scrollViewDidEndDecelerating(QMScrollView *scrollView) override;
    void scrollViewDidEndScrollingAnimation(QMScrollView *scrollView) override;

signals:
    void pageSettled(int page);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void moveToPage(int page);
    void settle();
    void relayout();

    QStringList m_titles;
    QMScrollView *m_scroller;
    QMBarButton *m_leftButton;
    QMBarButton *m_rightButton;
    int m_page = 0;
};
