#include "kit/QMWheelPickerColumn.h"

#include "kit/QMAccessibleFactory.h"

#include "kit/QMWheelPicker.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr qreal kDragThreshold = 4;  // points before a press becomes a drag
constexpr qreal kRubberBand = 0.35;  // how far past an end a drag still pulls
constexpr qreal kGlideSeconds = 0.3; // how far a flick carries: its speed for this long
constexpr quint64 kVelocityWindowMs = 100;
} // namespace

QMWheelPickerColumn::QMWheelPickerColumn(QMWheelPicker *picker, int component)
    : QWidget(picker)
    , m_picker(picker)
    , m_component(component)
{
    QMAccessibleFactory::install();
    m_animation.setEasingCurve(QEasingCurve::OutCubic);
    connect(&m_animation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) { setPosition(value.toReal()); });
    connect(&m_animation, &QVariantAnimation::finished, this, &QMWheelPickerColumn::comeToRest);
}

QMWheelPickerColumn::~QMWheelPickerColumn()
{
    m_animation.disconnect(this);
    m_animation.stop();
}

void QMWheelPickerColumn::reload(int rows, int rowHeight)
{
    m_animation.stop();
    m_pressed = m_dragging = false;
    for (auto &[row, view] : m_rowViews)
        delete view.data();
    m_rowViews.clear();
    m_rows = qMax(0, rows);
    m_rowHeight = qMax(1, rowHeight);
    m_selectedRow = m_rows == 0 ? -1 : qBound(0, m_selectedRow, m_rows - 1);
    m_restedRow = m_selectedRow;
    m_position = qMax(0, m_selectedRow);
    layoutRows();
}

void QMWheelPickerColumn::selectRow(int row, bool animated)
{
    if (m_rows == 0)
        return;
    row = qBound(0, row, m_rows - 1);
    turnTo(row, animated ? 300 : 0, false);
}

bool QMWheelPickerColumn::isTurning() const
{
    return m_dragging || m_animation.state() == QAbstractAnimation::Running;
}

QWidget *QMWheelPickerColumn::viewForRow(int row) const
{
    const auto it = m_rowViews.find(row);
    return it == m_rowViews.end() ? nullptr : it->second.data();
}

QRect QMWheelPickerColumn::rectForRow(int row) const
{
    const qreal top = height() / 2.0 - m_rowHeight / 2.0 + (row - m_position) * m_rowHeight;
    return QRect(0, qRound(top), width(), m_rowHeight);
}

int QMWheelPickerColumn::rowAtY(qreal y) const
{
    return int(std::lround(m_position + (y - height() / 2.0) / m_rowHeight));
}

int QMWheelPickerColumn::clampedRow(qreal position) const
{
    return qBound(0, int(std::lround(position)), m_rows - 1);
}

qreal QMWheelPickerColumn::rubberBanded(qreal position) const
{
    const qreal last = m_rows - 1;
    if (position < 0)
        return position * kRubberBand;
    if (position > last)
        return last + (position - last) * kRubberBand;
    return position;
}

void QMWheelPickerColumn::setPosition(qreal position)
{
    m_position = position;
    layoutRows();
}

void QMWheelPickerColumn::layoutRows()
{
    if (m_rows == 0)
        return;
    const qreal halfRows = height() / 2.0 / m_rowHeight;
    const int first = qMax(0, int(std::floor(m_position - halfRows)) - 1);
    const int last = qMin(m_rows - 1, int(std::ceil(m_position + halfRows)) + 1);
    for (auto it = m_rowViews.begin(); it != m_rowViews.end();) {
        if (it->first < first - 2 || it->first > last + 2 || !it->second) {
            delete it->second.data();
            it = m_rowViews.erase(it);
        } else {
            ++it;
        }
    }
    for (int row = first; row <= last; ++row) {
        QPointer<QWidget> &view = m_rowViews[row];
        if (!view) {
            std::unique_ptr<QWidget> made = m_picker->makeRowView(row, m_component);
            made->setParent(this);
            made->setAttribute(Qt::WA_TransparentForMouseEvents);
            view = made.release();
            view->show();
        }
        view->setGeometry(rectForRow(row));
    }
}

void QMWheelPickerColumn::turnTo(int row, int durationMs, bool byUser)
{
    m_animation.stop();
    m_selectedRow = row;
    m_turnByUser = byUser;
    if (durationMs <= 0 || qFuzzyCompare(m_position + 1, row + 1)) {
        setPosition(row);
        comeToRest();
        return;
    }
    m_animation.setDuration(durationMs);
    m_animation.setStartValue(m_position);
    m_animation.setEndValue(qreal(row));
    m_animation.start();
}

void QMWheelPickerColumn::comeToRest()
{
    if (m_rows == 0)
        return;
    setPosition(m_selectedRow);
    const int row = m_selectedRow;
    const bool tell = m_turnByUser && row != m_restedRow;
    m_restedRow = row;
    m_turnByUser = false;
    if (tell)
        m_picker->columnDidComeToRest(m_component, row); // last: the delegate may reload us
}

qreal QMWheelPickerColumn::dragVelocity(quint64 releaseTime) const
{
    if (m_samples.size() < 2 || releaseTime - m_samples.back().time > kVelocityWindowMs)
        return 0;
    const Sample &newest = m_samples.back();
    const Sample *oldest = &m_samples.front();
    for (const Sample &sample : m_samples) {
        if (newest.time - sample.time <= kVelocityWindowMs) {
            oldest = &sample;
            break;
        }
    }
    const quint64 elapsed = newest.time - oldest->time;
    if (elapsed == 0)
        return 0;
    return -(newest.y - oldest->y) / m_rowHeight * 1000.0 / qreal(elapsed);
}

void QMWheelPickerColumn::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || m_rows == 0)
        return;
    m_pressStoppedTurn = m_animation.state() == QAbstractAnimation::Running;
    m_animation.stop();
    m_pressed = true;
    m_dragging = false;
    m_pressY = event->position().y();
    m_pressPosition = m_position;
    m_samples.clear();
    m_samples.push_back({event->timestamp(), m_pressY});
}

void QMWheelPickerColumn::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (!m_pressed)
        return;
    const qreal y = event->position().y();
    if (!m_dragging && std::abs(y - m_pressY) < kDragThreshold)
        return;
    m_dragging = true;
    setPosition(rubberBanded(m_pressPosition - (y - m_pressY) / m_rowHeight));
    m_samples.push_back({event->timestamp(), y});
    while (m_samples.size() > 2 &&
           event->timestamp() - m_samples.front().time > 4 * kVelocityWindowMs)
        m_samples.pop_front();
}

void QMWheelPickerColumn::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (!m_pressed || event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    if (m_dragging) {
        m_dragging = false;
        const qreal projected = m_position + dragVelocity(event->timestamp()) * kGlideSeconds;
        const int target = clampedRow(projected);
        const qreal distance = std::abs(target - m_position);
        turnTo(target, qBound(200, 200 + int(distance * 70), 1200), true);
        return;
    }
    if (m_pressStoppedTurn) { // a touch that stops a turning wheel only stops it
        turnTo(clampedRow(m_position), 200, true);
        return;
    }
    tapRow(rowAtY(event->position().y()));
}

void QMWheelPickerColumn::tapRow(int row)
{
    if (row >= 0 && row < m_rows)
        turnTo(row, qBound(200, 200 + int(std::abs(row - m_position) * 40), 500), true);
}

void QMWheelPickerColumn::turnToByUser(int row)
{
    if (m_rows > 0 && !m_pressed)
        turnTo(qBound(0, row, m_rows - 1), 180, true);
}

void QMWheelPickerColumn::wheelEvent(QWheelEvent *event)
{
    event->accept();
    if (m_rows == 0 || m_pressed)
        return;
    m_wheelDelta += event->angleDelta().y();
    const int steps = m_wheelDelta / 120;
    if (steps == 0)
        return;
    m_wheelDelta -= steps * 120;
    // Turning the wheel away from the user brings the rows above into the band.
    turnTo(qBound(0, m_selectedRow - steps, m_rows - 1), 180, true);
}

void QMWheelPickerColumn::resizeEvent(QResizeEvent *)
{
    layoutRows();
}
