#pragma once

class QMScrollView;

// What a scroll view tells about its movement. Every operation is optional.
class QMScrollViewDelegate
{
public:
    virtual ~QMScrollViewDelegate() = default;
    // The content offset changed, by a finger, the wheel or the program.
    virtual void scrollViewDidScroll(QMScrollView *scrollView) { (void)scrollView; }
    virtual void scrollViewWillBeginDragging(QMScrollView *scrollView) { (void)scrollView; }
    virtual void scrollViewDidEndDragging(QMScrollView *scrollView, bool willDecelerate)
    {
        (void)scrollView;
        (void)willDecelerate;
    }
    // Scrolling by the user (a drag, a flick, the wheel) came to rest.
    virtual void scrollViewDidEndDecelerating(QMScrollView *scrollView) { (void)scrollView; }
    // An animated setContentOffset arrived.
    virtual void scrollViewDidEndScrollingAnimation(QMScrollView *scrollView) { (void)scrollView; }
};
