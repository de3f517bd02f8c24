#include "kit/QMScrollView.h"

#include "kit/QMScrollIndicator.h"
#include "kit/QMScrollViewDelegate.h"

#include <QAbstractButton>
#include <QChildEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// The scroll view that took the current drag; nested ones leave it alone.
QPointer<QMScrollView> &dragOwner()
{
    static QPointer<QMScrollView> owner;
    return owner;
}

constexpr qreal dragThreshold = 8;      // points before a press becomes a drag
constexpr qreal maximumVelocity = 4000; // points per second
constexpr qreal wheelNotch = 50;        // points per wheel step
constexpr qreal keyLine = 40;           // points per arrow key
constexpr qreal boundSpring = 16;       // pulls pulled-out content back
constexpr qreal seekSpring = 18;        // carries the content to a chosen offset
constexpr int frameInterval = 16;

// How far content follows a finger that pulls it past its end: less and less.
qreal rubberBand(qreal overshoot, qreal dimension)
{
    dimension = qMax<qreal>(1, dimension);
    return (1.0 - 1.0 / (overshoot * 0.55 / dimension + 1.0)) * dimension;
}

// One step of a critically damped spring towards rest.
void springStep(qreal &position, qreal &velocity, qreal rest, qreal stiffness, qreal seconds)
{
    const qreal acceleration =
        -stiffness * stiffness * (position - rest) - 2.0 * stiffness * velocity;
    velocity += acceleration * seconds;
    position += velocity * seconds;
}

} // namespace

QMScrollView::QMScrollView(QWidget *parent)
    : QWidget(parent)
    , m_content(new QWidget(this))
    , m_indicator(new QMScrollIndicator(this))
{
    m_content->installEventFilter(this);
    // Reached with Tab or by the window's arrow keys; a touch gives it no keyboard.
    setFocusPolicy(Qt::TabFocus);
    m_ticker.setInterval(frameInterval);
    m_ticker.setTimerType(Qt::PreciseTimer);
    connect(&m_ticker, &QTimer::timeout, this, &QMScrollView::tick);
    updateContentGeometry();
}

QMScrollView::~QMScrollView() = default;

void QMScrollView::setContentSize(const QSize &size)
{
    m_contentSize = size.expandedTo(QSize(0, 0));
    updateContentGeometry();
}

QPoint QMScrollView::contentOffset() const
{
    return QPoint(qRound(m_offset.x()), qRound(m_offset.y()));
}

QPoint QMScrollView::maximumContentOffset() const
{
    return QPoint(qMax(0, m_contentSize.width() - width()),
                  qMax(0, m_contentSize.height() - height()));
}

void QMScrollView::setContentOffset(const QPoint &offset, bool animated)
{
    if (animated) {
        seek(offset, false);
        return;
    }
    stopMotion();
    applyOffset(offset);
}

void QMScrollView::setShowsScrollIndicators(bool vertical, bool horizontal)
{
    m_indicator->setShownAxes(vertical, horizontal);
}

bool QMScrollView::canScrollHorizontally() const
{
    return m_contentSize.width() > width();
}

bool QMScrollView::canScrollVertically() const
{
    return m_contentSize.height() > height() || m_alwaysBounceVertical;
}

void QMScrollView::contentPressed(const QPoint &contentPosition, QWidget *target)
{
    Q_UNUSED(contentPosition)
    Q_UNUSED(target)
}

void QMScrollView::contentTapped(const QPoint &contentPosition, QWidget *target)
{
    Q_UNUSED(contentPosition)
    Q_UNUSED(target)
}

void QMScrollView::watch(QObject *object)
{
    object->installEventFilter(this);
    const QList<QWidget *> descendants = object->findChildren<QWidget *>();
    for (QWidget *widget : descendants)
        widget->installEventFilter(this);
}

bool QMScrollView::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded: {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            watch(child);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        // Only what is inside the content now: a widget may have been moved out of it.
        auto *widget = static_cast<QWidget *>(watched);
        if (watched->isWidgetType() && (widget == m_content || m_content->isAncestorOf(widget)))
            return handleMouse(widget, static_cast<QMouseEvent *>(event));
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void QMScrollView::mousePressEvent(QMouseEvent *event)
{
    handleMouse(this, event);
    event->accept();
}

void QMScrollView::mouseMoveEvent(QMouseEvent *event)
{
    handleMouse(this, event);
    event->accept();
}

void QMScrollView::mouseReleaseEvent(QMouseEvent *event)
{
    handleMouse(this, event);
    event->accept();
}

bool QMScrollView::handleMouse(QWidget *receiver, QMouseEvent *event)
{
    // An event ignored by a child climbs to its parents, and this view watches them all: the
    // first sight of it is the one that counts.
    const EventKey key{int(event->type()), event->timestamp(), event->globalPosition()};
    if (key == m_lastEvent)
        return false;
    m_lastEvent = key;

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (event->button() != Qt::LeftButton)
            return false;
        press(receiver, event);
        return m_pressStoppedMotion;
    case QEvent::MouseMove:
        return move(event);
    case QEvent::MouseButtonRelease:
        if (event->button() != Qt::LeftButton)
            return false;
        return release(event);
    default:
        return false;
    }
}

void QMScrollView::press(QWidget *receiver, QMouseEvent *event)
{
    dragOwner() = nullptr; // a new gesture: nobody holds it yet
    // A touch stops gliding content, and is then only that: no tap.
    m_pressStoppedMotion = m_motion != Motion::None;
    stopMotion();
    m_pressed = true;
    m_dragging = false;
    m_pressTarget = receiver;
    m_pressPosition = event->globalPosition();
    m_pressOffset = m_offset;
    m_samples.clear();
    m_samples.push_back({event->timestamp(), m_pressPosition});
    if (!m_pressStoppedMotion)
        contentPressed(m_content->mapFromGlobal(m_pressPosition).toPoint(), receiver);
}

bool QMScrollView::move(QMouseEvent *event)
{
    if (!m_pressed)
        return false;
    if (!(event->buttons() & Qt::LeftButton)) {
        m_pressed = false; // the release went elsewhere
        return false;
    }
    const QPointF position = event->globalPosition();
    if (!m_dragging) {
        const QPointF delta = position - m_pressPosition;
        if (qAbs(delta.x()) < dragThreshold && qAbs(delta.y()) < dragThreshold)
            return false;
        const bool horizontal = qAbs(delta.x()) > qAbs(delta.y());
        const bool mine =
            m_scrollEnabled && (horizontal ? canScrollHorizontally() : canScrollVertically());
        if (!m_pressStoppedMotion)
            contentPressCancelled();
        if (!mine || (dragOwner() && dragOwner() != this)) {
            m_pressed = false; // another scroll view's gesture, or nobody's
            return false;
        }
        m_dragging = true;
        dragOwner() = this;
        for (QWidget *w = m_pressTarget; w && w != this; w = w->parentWidget()) {
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                button->setDown(false); // a drag is no click
        }
        // From here on the content follows the finger, less the threshold: it does not jump.
        auto towards = [](qreal distance) {
            return distance > 0 ? qMin(distance, dragThreshold) : qMax(distance, -dragThreshold);
        };
        m_pressPosition += QPointF(towards(delta.x()), towards(delta.y()));
        m_pressOffset = m_offset;
        if (m_delegate)
            m_delegate->scrollViewWillBeginDragging(this);
    }

    m_samples.push_back({event->timestamp(), position});
    while (m_samples.size() > 2 && m_samples.front().time + 150 < event->timestamp())
        m_samples.pop_front();
    const QPointF delta = position - m_pressPosition;
    QPointF wanted = m_pressOffset - delta;
    if (!canScrollHorizontally())
        wanted.setX(m_offset.x());
    if (!canScrollVertically())
        wanted.setY(m_offset.y());
    applyOffset(rubberBanded(wanted));
    return true;
}

bool QMScrollView::release(QMouseEvent *event)
{
    if (!m_pressed)
        return false;
    m_pressed = false;
    const QPoint max = maximumContentOffset();
    const bool outside =
        m_offset.x() < 0 || m_offset.y() < 0 || m_offset.x() > max.x() || m_offset.y() > max.y();
    if (!m_dragging) {
        if (m_pressStoppedMotion) {
            if (outside)
                startMotion(Motion::Gliding, true);
            return true;
        }
        contentTapped(m_content->mapFromGlobal(event->globalPosition()).toPoint(), m_pressTarget);
        return false; // a button under the pointer gets its click
    }

    m_dragging = false;
    if (dragOwner() == this)
        dragOwner() = nullptr;
    QPointF velocity = dragVelocity(event->timestamp());
    if (!canScrollHorizontally())
        velocity.setX(0);
    if (!canScrollVertically())
        velocity.setY(0);

    if (m_pagingEnabled) {
        auto page = [](qreal position, qreal speed, qreal pageSize, qreal limit) {
            const qreal current = position / qMax<qreal>(1, pageSize);
            const qreal index = speed > 300    ? std::ceil(current)
                                : speed < -300 ? std::floor(current)
                                               : std::round(current);
            return qBound<qreal>(0, index * pageSize, limit);
        };
        const QPointF target(page(m_offset.x(), velocity.x(), width(), max.x()),
                             page(m_offset.y(), velocity.y(), height(), max.y()));
        if (m_delegate)
            m_delegate->scrollViewDidEndDragging(this, true);
        m_velocity = velocity;
        seek(target, true);
        return true;
    }

    const bool willDecelerate = outside || std::hypot(velocity.x(), velocity.y()) > 20;
    if (m_delegate)
        m_delegate->scrollViewDidEndDragging(this, willDecelerate);
    m_velocity = velocity;
    m_motionByUser = true;
    if (willDecelerate)
        startMotion(Motion::Gliding, true);
    else
        comeToRest(); // lifted without a flick: at rest already
    return true;
}

QPointF QMScrollView::dragVelocity(quint64 releaseTime) const
{
    if (m_samples.size() < 2)
        return {};
    const Sample &last = m_samples.back();
    if (releaseTime > last.time + 80)
        return {}; // the finger rested before it was lifted
    auto first = m_samples.begin();
    while (first->time + 100 < last.time)
        ++first;
    const qreal seconds = qMax<qreal>(1, qreal(last.time - first->time)) / 1000.0;
    const QPointF velocity = -(last.position - first->position) / seconds;
    return QPointF(qBound(-maximumVelocity, velocity.x(), maximumVelocity),
                   qBound(-maximumVelocity, velocity.y(), maximumVelocity));
}

QPointF QMScrollView::rubberBanded(const QPointF &offset) const
{
    const QPoint max = maximumContentOffset();
    auto band = [this](qreal value, qreal limit, qreal dimension) {
        if (!m_bounces)
            return qBound<qreal>(0, value, limit);
        if (value < 0)
            return -rubberBand(-value, dimension);
        if (value > limit)
            return limit + rubberBand(value - limit, dimension);
        return value;
    };
    return QPointF(band(offset.x(), max.x(), width()), band(offset.y(), max.y(), height()));
}

void QMScrollView::applyOffset(const QPointF &offset)
{
    if (offset == m_offset)
        return;
    m_offset = offset;
    m_content->move(-qRound(offset.x()), -qRound(offset.y()));
    if (m_dragging || m_motion != Motion::None)
        m_indicator->flash(m_offset, m_contentSize);
    contentOffsetDidChange();
    if (m_delegate)
        m_delegate->scrollViewDidScroll(this);
}

void QMScrollView::startMotion(Motion motion, bool byUser)
{
    m_motion = motion;
    m_motionByUser = byUser;
    m_clock.restart();
    if (!m_ticker.isActive())
        m_ticker.start();
}

void QMScrollView::seek(const QPointF &target, bool byUser)
{
    m_target = target;
    if (m_motion == Motion::Seeking) {
        m_motionByUser = m_motionByUser || byUser;
        return;
    }
    if (m_motion != Motion::Gliding)
        m_velocity = {};
    startMotion(Motion::Seeking, byUser);
}

void QMScrollView::tick()
{
    if (m_motion == Motion::None) {
        m_ticker.stop();
        return;
    }
    const qint64 elapsed = std::clamp<qint64>(m_clock.restart(), 1, 50);
    const QPoint max = maximumContentOffset();
    qreal position[2] = {m_offset.x(), m_offset.y()};
    qreal velocity[2] = {m_velocity.x(), m_velocity.y()};
    const qreal target[2] = {m_target.x(), m_target.y()};
    const qreal limit[2] = {qreal(max.x()), qreal(max.y())};
    bool resting[2] = {false, false};

    for (int axis = 0; axis < 2; ++axis) {
        qreal &x = position[axis];
        qreal &v = velocity[axis];
        for (qint64 done = 0; done < elapsed;) {
            const qint64 step = qMin<qint64>(4, elapsed - done);
            done += step;
            const qreal seconds = step / 1000.0;
            if (m_motion == Motion::Seeking) {
                springStep(x, v, target[axis], seekSpring, seconds);
            } else if (x >= 0 && x <= limit[axis]) {
                v *= std::pow(m_decelerationRate, qreal(step));
                x += v * seconds;
                if (!m_bounces && (x < 0 || x > limit[axis])) {
                    x = qBound<qreal>(0, x, limit[axis]);
                    v = 0;
                }
            } else {
                springStep(x, v, x < 0 ? 0 : limit[axis], boundSpring, seconds);
            }
        }
        const qreal rest =
            m_motion == Motion::Seeking ? target[axis] : qBound<qreal>(0, x, limit[axis]);
        if (m_motion == Motion::Gliding && x == rest && qAbs(v) < 15) {
            v = 0;
            resting[axis] = true;
        } else if (qAbs(x - rest) < 0.5 && qAbs(v) < 20) {
            x = rest;
            v = 0;
            resting[axis] = true;
        }
    }
    m_velocity = QPointF(velocity[0], velocity[1]);
    applyOffset(QPointF(position[0], position[1]));
    if (resting[0] && resting[1])
        comeToRest();
}

void QMScrollView::stopMotion()
{
    m_motion = Motion::None;
    m_motionByUser = false;
    m_velocity = {};
    m_ticker.stop();
}

void QMScrollView::comeToRest()
{
    const bool byUser = m_motionByUser;
    const bool seeking = m_motion == Motion::Seeking;
    stopMotion();
    if (!m_delegate)
        return;
    if (byUser)
        m_delegate->scrollViewDidEndDecelerating(this);
    else if (seeking)
        m_delegate->scrollViewDidEndScrollingAnimation(this);
}

void QMScrollView::wheelEvent(QWheelEvent *event)
{
    const QPointF delta = !event->pixelDelta().isNull()
                              ? QPointF(event->pixelDelta())
                              : QPointF(event->angleDelta()) * (wheelNotch / 120.0);
    const QPointF step(canScrollHorizontally() ? -delta.x() : 0,
                       m_contentSize.height() > height() ? -delta.y() : 0);
    if (!m_scrollEnabled || step.isNull()) {
        event->ignore(); // perhaps an outer scroll view moves that way
        return;
    }
    const QPoint max = maximumContentOffset();
    const QPointF base = m_motion == Motion::Seeking ? m_target : m_offset;
    const QPointF target(qBound<qreal>(0, base.x() + step.x(), max.x()),
                         qBound<qreal>(0, base.y() + step.y(), max.y()));
    seek(target, true);
    event->accept();
}

void QMScrollView::keyPressEvent(QKeyEvent *event)
{
    const QPoint max = maximumContentOffset();
    const QPointF base = m_motion == Motion::Seeking ? m_target : m_offset;
    // Pages and Home/End go along the content's long side.
    const bool vertical = max.y() > 0 || max.x() == 0;
    const qreal page = m_pagingEnabled ? (vertical ? height() : width())
                                       : qMax((vertical ? height() : width()) - keyLine, keyLine);
    const qreal lineX = m_pagingEnabled ? width() : keyLine;
    const qreal lineY = m_pagingEnabled ? height() : keyLine;
    QPointF target = base;
    qreal &along = vertical ? target.ry() : target.rx();
    switch (event->key()) {
    case Qt::Key_Up:
        target.ry() -= lineY;
        break;
    case Qt::Key_Down:
        target.ry() += lineY;
        break;
    case Qt::Key_Left:
        target.rx() -= lineX;
        break;
    case Qt::Key_Right:
        target.rx() += lineX;
        break;
    case Qt::Key_PageUp:
        along -= page;
        break;
    case Qt::Key_PageDown:
        along += page;
        break;
    case Qt::Key_Home:
        along = 0;
        break;
    case Qt::Key_End:
        along = vertical ? max.y() : max.x();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    target = QPointF(qBound<qreal>(0, target.x(), max.x()), qBound<qreal>(0, target.y(), max.y()));
    if (!m_scrollEnabled || target == base) {
        event->ignore(); // an outer scroll view may move that way
        return;
    }
    seek(target, true);
    event->accept();
}

void QMScrollView::resizeEvent(QResizeEvent *)
{
    updateContentGeometry();
}

void QMScrollView::updateContentGeometry()
{
    m_content->setGeometry(-qRound(m_offset.x()), -qRound(m_offset.y()),
                           qMax(m_contentSize.width(), width()),
                           qMax(m_contentSize.height(), height()));
    m_indicator->setGeometry(rect());
    m_indicator->raise();
}
