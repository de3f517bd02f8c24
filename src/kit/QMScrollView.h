#pragma once

#include "kit/QMScrollViewDelegate.h"
#include "net/QMWeakDelegate.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>

class QMScrollIndicator;

// A view onto larger content, moved like a phone's: dragged with the mouse as with a finger
// (flicks glide and slow down, pulling past an end springs back), or scrolled with the wheel.
// Children of contentView() move with the content. Buttons inside the content still get their
// clicks; a drag that starts on one scrolls and cancels the click instead. Nested scroll views
// share a drag by direction: the one that can move along it takes it.
class QMScrollView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMScrollView)

public:
    static constexpr qreal normalDecelerationRate = 0.998; // velocity kept per millisecond
    static constexpr qreal fastDecelerationRate = 0.99;

    explicit QMScrollView(QWidget *parent = nullptr);
    ~QMScrollView() override;

    QWidget *contentView() const { return m_content; }

    QSize contentSize() const { return m_contentSize; }
    void setContentSize(const QSize &size);

    QPoint contentOffset() const;
    void setContentOffset(const QPoint &offset, bool animated = false);
    // The largest offset that keeps the content's far end in view.
    QPoint maximumContentOffset() const;

    QMScrollViewDelegate *delegate() const { return m_delegate.get(); }
    void setDelegate(QMScrollViewDelegate *delegate) { m_delegate = delegate; }

    bool bounces() const { return m_bounces; }
    void setBounces(bool bounces) { m_bounces = bounces; }
    // Lets short content still be pulled vertically (tables do).
    bool alwaysBounceVertical() const { return m_alwaysBounceVertical; }
    void setAlwaysBounceVertical(bool bounce) { m_alwaysBounceVertical = bounce; }
    bool isScrollEnabled() const { return m_scrollEnabled; }
    void setScrollEnabled(bool enabled) { m_scrollEnabled = enabled; }
    // Comes to rest only on multiples of the view's size.
    bool isPagingEnabled() const { return m_pagingEnabled; }
    void setPagingEnabled(bool enabled) { m_pagingEnabled = enabled; }
    qreal decelerationRate() const { return m_decelerationRate; }
    void setDecelerationRate(qreal rate) { m_decelerationRate = qBound(0.5, rate, 0.9999); }
    void setShowsScrollIndicators(bool vertical, bool horizontal);

    bool isDragging() const { return m_dragging; }
    // Moving on its own: gliding, springing back or animating to an offset.
    bool isDecelerating() const { return m_motion != Motion::None; }

protected:
    // For subclasses, after the content has moved.
    virtual void contentOffsetDidChange() {}
    // A press on the content that may become a tap, its cancellation by a drag, and the tap.
    // target is the widget under the pointer.
    virtual void contentPressed(const QPoint &contentPosition, QWidget *target);
    virtual void contentPressCancelled() {}
    virtual void contentTapped(const QPoint &contentPosition, QWidget *target);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    // Arrows by a line (a page when paging), Page Up/Down by a screen, Home/End to the ends.
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Motion { None, Gliding, Seeking };
    struct Sample
    {
        quint64 time;
        QPointF position;
    };

    void watch(QObject *object);
    bool handleMouse(QWidget *receiver, QMouseEvent *event);
    void press(QWidget *receiver, QMouseEvent *event);
    bool move(QMouseEvent *event);
    bool release(QMouseEvent *event);
    bool canScrollHorizontally() const;
    bool canScrollVertically() const;
    QPointF dragVelocity(quint64 releaseTime) const;
    QPointF rubberBanded(const QPointF &offset) const;
    void applyOffset(const QPointF &offset);
    void startMotion(Motion motion, bool byUser);
    void seek(const QPointF &target, bool byUser);
    void tick();
    void stopMotion();
    void comeToRest();
    void updateContentGeometry();

    QWidget *m_content;
    QMScrollIndicator *m_indicator;
    QMWeakDelegate<QMScrollViewDelegate> m_delegate;
    QSize m_contentSize;
    QPointF m_offset;

    bool m_bounces = true;
    bool m_alwaysBounceVertical = false;
    bool m_scrollEnabled = true;
    bool m_pagingEnabled = false;
    qreal m_decelerationRate = normalDecelerationRate;

    // The pointer.
    bool m_pressed = false;
    bool m_dragging = false;
    bool m_pressStoppedMotion = false;
    QPointer<QWidget> m_pressTarget;
    QPointF m_pressPosition;
    QPointF m_pressOffset;
    std::deque<Sample> m_samples;
    struct EventKey
    {
        int type = 0;
        quint64 time = 0;
        QPointF position;
        bool operator==(const EventKey &) const = default;
    } m_lastEvent;

    // Movement on its own.
    Motion m_motion = Motion::None;
    bool m_motionByUser = false;
    QPointF m_velocity; // points per second, in offset terms
    QPointF m_target;
    QTimer m_ticker;
    QElapsedTimer m_clock;
};
