#pragma once

#include "kit/QMScrollViewDelegate.h"

#include <QWidget>

class QLabel;
class QMAtCommentView;
class QMBarButton;
class QMCommentFeedView;
class QMReceiveCommentView;
class QMScrollView;
class QMSendCommentView;

// The replies section ("叽来喳去"): replies sent, replies received and mentions, side by side on
// pages the member swipes between or picks in the header. A list is asked for again each time
// its page is chosen.
class QMResponsionListView : public QWidget, public QMScrollViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMResponsionListView)

public:
    static constexpr int kHeaderHeight = 36;
    enum Page { SendPage, ReceivePage, AtPage };

    explicit QMResponsionListView(QWidget *parent = nullptr);
    ~QMResponsionListView() override;

    QMSendCommentView *sendCommentView() const { return m_sendCommentView; }
    QMReceiveCommentView *receiveCommentView() const { return m_receiveCommentView; }
    QMAtCommentView *atCommentView() const { return m_atCommentView; }
    QMScrollView *pager() const { return m_pager; }
    QMBarButton *pageButton(int page) const;
    QMBarButton *leftButton() const { return m_leftButton; }
    QMBarButton *rightButton() const { return m_rightButton; }
    int currentPage() const { return m_page; }
    QMCommentFeedView *listAt(int page) const;

    void selectSendComment();
    void selectReceiveComment();
    void selectAtComment();
    void selectLeft();
    void selectRight();

    // A swipe came to rest on a page.
    void scrollViewDidEndDecelerating(QMScrollView *scrollView) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Brings a page forward and asks for its list.
    void selectPage(int page, bool animated);
    void showPage(int page, bool animated);

    QLabel *m_header;
    QMBarButton *m_leftButton;
    QMBarButton *m_rightButton;
    QMBarButton *m_pageButtons[3];
    QMScrollView *m_pager;
    QMSendCommentView *m_sendCommentView;
    QMReceiveCommentView *m_receiveCommentView;
    QMAtCommentView *m_atCommentView;
    int m_page = SendPage;
};
