#pragma once

#include <QPointer>
#include <QVariantAnimation>
#include <QWidget>

#include <deque>
#include <map>

class QMWheelPicker;

// One wheel of a picker. Its rows turn under the picker's selection band: dragged like a finger
// (a flick keeps turning and slows down), a row at a time with the mouse wheel, or to a row that
// is tapped. It always comes to rest with one row in the band. Only the rows near the band have
// views.
class QMWheelPickerColumn : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMWheelPickerColumn)

public:
    QMWheelPickerColumn(QMWheelPicker *picker, int component);
    ~QMWheelPickerColumn() override;

    QMWheelPicker *picker() const { return m_picker; }
    int component() const { return m_component; }
    int numberOfRows() const { return m_rows; }
    int rowHeight() const { return m_rowHeight; }

    // Forgets the row views and takes the new shape; the selected row stays while it exists.
    void reload(int rows, int rowHeight);

    // -1 without rows. While turning: the row the wheel will stop on.
    int selectedRow() const { return m_selectedRow; }
    void selectRow(int row, bool animated);
    // Turns as the user would (keys): the delegate hears of the row it rests on.
    void turnToByUser(int row);
    bool isTurning() const;
    // Turns to the row as a tap on it does; the delegate hears of it when the wheel rests.
    void tapRow(int row);

    QWidget *viewForRow(int row) const;
    // Where the row is now, in the wheel's coordinates.
    QRect rectForRow(int row) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Sample
    {
        quint64 time;
        qreal y;
    };

    int rowAtY(qreal y) const;
    int clampedRow(qreal position) const;
    qreal rubberBanded(qreal position) const;
    // Rows per second along the position, from the last moments of the drag.
    qreal dragVelocity(quint64 releaseTime) const;
    void setPosition(qreal position);
    void layoutRows();
    void turnTo(int row, int durationMs, bool byUser);
    void comeToRest();

    QMWheelPicker *m_picker;
    int m_component;
    int m_rows = 0;
    int m_rowHeight = 40;
    qreal m_position = 0;   // the row centred in the band; fractional while turning
    int m_selectedRow = -1; // where the wheel rests, or will
    int m_restedRow = -1;   // the row the delegate last heard of
    bool m_turnByUser = false;
    QVariantAnimation m_animation;
    std::map<int, QPointer<QWidget>> m_rowViews;

    bool m_pressed = false;
    bool m_dragging = false;
    bool m_pressStoppedTurn = false;
    qreal m_pressY = 0;
    qreal m_pressPosition = 0;
    std::deque<Sample> m_samples;
    int m_wheelDelta = 0;
};
