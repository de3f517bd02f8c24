#pragma once

#include <QRect>
#include <QString>

// One seat of a seat map: where it stands, whose row it is, its name and its state. A plain
// value that its QMSeatsView draws and hit-tests, so that a hall of any size costs no widget per
// seat.
class QMSeatButton
{
public:
    enum SeatStatus : unsigned {
        Unavailable = 0, // "LK": shown, never chosen
        Free = 1,
        Chosen = 2,
    };

    QMSeatButton(const QRect &frame, const QString &row, const QString &column, unsigned seatStatus,
                 bool selectable);

    QRect frame() const { return m_frame; }
    const QString &row() const { return m_row; }       // the row's rowid
    const QString &column() const { return m_column; } // the seat's name within its row
    // Whether touching it chooses or releases it: only seats that were free when made.
    bool isSelectable() const { return m_selectable; }

    unsigned seatStatus() const { return m_seatStatus; }
    // Stores any value; only the three states change the picture.
    void setSeatStatus(unsigned seatStatus);
    // The state whose picture is shown.
    SeatStatus picture() const { return m_picture; }
    static QString pictureName(SeatStatus status);

private:
    QRect m_frame;
    QString m_row;
    QString m_column;
    unsigned m_seatStatus = Free;
    SeatStatus m_picture = Free;
    bool m_selectable = false;
};
