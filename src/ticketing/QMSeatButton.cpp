#include "ticketing/QMSeatButton.h"

QMSeatButton::QMSeatButton(const QRect &frame, const QString &row, const QString &column,
                           unsigned seatStatus, bool selectable)
    : m_frame(frame)
    , m_row(row)
    , m_column(column)
    , m_selectable(selectable)
{
    setSeatStatus(seatStatus);
}

void QMSeatButton::setSeatStatus(unsigned seatStatus)
{
    m_seatStatus = seatStatus;
    if (seatStatus <= Chosen)
        m_picture = SeatStatus(seatStatus);
}

QString QMSeatButton::pictureName(SeatStatus status)
{
    // The file names do not say what the pictures show; this pairing is the right one.
    switch (status) {
    case Unavailable:
        return QStringLiteral("seat_select.png");
    case Free:
        return QStringLiteral("seat_unavail.png");
    case Chosen:
        return QStringLiteral("seat_avail.png");
    }
    return {};
}
