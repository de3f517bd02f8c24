#pragma once

#include "net/QMWeakDelegate.h"
#include "ticketing/QMSeatButton.h"
#include "ticketing/QMSeatViewDelegate.h"
#include "ticketing/Row.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

// The seat map of one screening: a grid of 30 x 30 seats on a 40-point pitch, the first row 5
// points below the top. The user chooses up to five free seats; each choice and release is
// reported to seatDelegate after ticketCount has followed it.
//
// Seats are values (QMSeatButton) drawn by this one widget, only within the exposed area, and
// touched like buttons: a press and a release on the same free seat.
class QMSeatsView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMSeatsView)

public:
    static constexpr int pitch = 40;
    static constexpr int seatSize = 30;
    static constexpr int topMargin = 5;
    static constexpr int maximumTickets = 5;
    // A hall larger than this is an answer to distrust: the rest is not drawn.
    static constexpr int maximumRows = 200;
    static constexpr int maximumPositions = 200;

    explicit QMSeatsView(const QRect &frame = {}, QWidget *parent = nullptr);
    ~QMSeatsView() override;

    // The grid's size for an answer's counts (linenum, ranknum), each taken as 0 to 200.
    static QSize gridSize(qint64 linenum, qint64 ranknum);

    QMWeakDelegate<QMSeatViewDelegate> seatDelegate;

    const QList<std::shared_ptr<Row>> &seatList() const { return m_seatList; }
    // Builds the seats of the list. A second list replaces the first entirely: its seats start
    // free or unavailable and ticketCount starts again at 0, without telling the delegate.
    void setSeatList(const QList<std::shared_ptr<Row>> &seatList);

    // Every seat made from the list, row by row, left to right.
    const std::vector<QMSeatButton> &seatButtonArray() const { return m_seatButtonArray; }
    int ticketCount() const { return m_ticketCount; }

    // The action of a free seat's touch: chooses it (up to five) or releases it.
    void selectSeat(QMSeatButton &button);
    // The same as a touch on the seat of that index of seatButtonArray.
    void touchSeat(int index);

    // The frame of the first seat of that name in that row; empty when there is none.
    QRect seatRect(const QString &rowid, const QString &column) const;
    // The seat at a point of the view, or null.
    const QMSeatButton *seatAt(const QPoint &point) const;

    // Draws the seats that meet the exposed rectangle (view coordinates).
    void paintSeats(QPainter &painter, const QRect &exposed) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int seatIndexAt(const QPoint &point) const;
    void updateSeat(const QMSeatButton &button);
    const QPixmap &picture(QMSeatButton::SeatStatus status, qreal devicePixelRatio) const;

    QList<std::shared_ptr<Row>> m_seatList;
    std::vector<QMSeatButton> m_seatButtonArray;
    int m_ticketCount = 0;

    // Which seat stands at each place of the grid (-1: none), rows x positions.
    std::vector<qint32> m_places;
    int m_rows = 0;
    int m_positions = 0;

    int m_pressedSeat = -1;

    mutable std::array<QPixmap, 3> m_pictures;
    mutable qreal m_picturesRatio = 0;
};
