#include "ticketing/QMSeatsView.h"

#include "kit/QMAlertView.h"
#include "ticketing/QMAccessibleSeatsView.h"
#include "services/QMResourceImages.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStringTokenizer>

#include <algorithm>

namespace {
int clampedCount(qint64 count, int maximum)
{
    return int(std::clamp<qint64>(count, 0, maximum));
}

// The grid place (row or position) whose band holds the coordinate; -1 before the first.
int bandOf(int coordinate, int origin)
{
    return coordinate < origin ? -1 : (coordinate - origin) / QMSeatsView::pitch;
}
} // namespace

QMSeatsView::QMSeatsView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
{
    QMAccessibleSeatsView::install();
    setGeometry(frame);
}

QMSeatsView::~QMSeatsView() = default;

QSize QMSeatsView::gridSize(qint64 linenum, qint64 ranknum)
{
    const qint64 width = qint64(clampedCount(ranknum, maximumPositions)) * pitch;
    const qint64 height = qint64(clampedCount(linenum, maximumRows)) * pitch;
    return QSize(int(width), int(height));
}

void QMSeatsView::setSeatList(const QList<std::shared_ptr<Row>> &seatList)
{
    m_seatList = seatList;
    m_seatButtonArray.clear();
    m_ticketCount = 0;
    m_pressedSeat = -1;
    m_rows = int(qMin<qsizetype>(seatList.size(), maximumRows));
    m_positions = 0;

    // Codes are read lazily: a row of a million commas costs no more than its first 200.
    struct Place
    {
        int row;
        int position;
    };
    std::vector<Place> places;
    for (int i = 0; i < m_rows; ++i) {
        const Row *row = seatList[i].get();
        if (!row || !row->hasSeats() || row->columns.isEmpty())
            continue;
        int j = 0;
        for (const QStringView code : QStringTokenizer(row->columns, u',')) {
            if (j == maximumPositions)
                break;
            const QRect frame(pitch * j, topMargin + pitch * i, seatSize, seatSize);
            switch (Row::positionOf(code)) {
            case Row::Position::Empty:
                break;
            case Row::Position::Locked:
                m_seatButtonArray.emplace_back(frame, row->rowid, QString(), // no name
                                               QMSeatButton::Unavailable, false);
                places.push_back({i, j});
                break;
            case Row::Position::Free:
                m_seatButtonArray.emplace_back(frame, row->rowid, code.toString(),
                                               QMSeatButton::Free, true);
                places.push_back({i, j});
                break;
            }
            ++j;
        }
        m_positions = qMax(m_positions, j);
    }

    m_places.assign(size_t(m_rows) * size_t(m_positions), -1);
    for (size_t k = 0; k < places.size(); ++k)
        m_places[size_t(places[k].row) * size_t(m_positions) + size_t(places[k].position)] =
            qint32(k);
    update();
}

void QMSeatsView::selectSeat(QMSeatButton &button)
{
    const QMSeatButton *first = m_seatButtonArray.data();
    if (&button < first || &button >= first + m_seatButtonArray.size())
        return; // not one of this view's seats
    switch (button.seatStatus()) {
    case QMSeatButton::Unavailable:
        return;
    case QMSeatButton::Free: {
        if (m_ticketCount >= maximumTickets) {
            QMAlertView::show(QString(), QStringLiteral("已经达到最大可选座位数"),
                              QStringLiteral("OK"));
            return;
        }
        button.setSeatStatus(QMSeatButton::Chosen);
        ++m_ticketCount;
        updateSeat(button);
        // The delegate may give the view a new list: nothing of the button is used after this.
        const QString row = button.row();
        const QString column = button.column();
        if (seatDelegate)
            seatDelegate->didSelectSeatAtRowColumn(row, column);
        return;
    }
    default: {
        button.setSeatStatus(QMSeatButton::Free);
        --m_ticketCount;
        updateSeat(button);
        const QString row = button.row();
        const QString column = button.column();
        if (seatDelegate)
            seatDelegate->didDeselectSeatAtRowColumn(row, column);
        return;
    }
    }
}

QRect QMSeatsView::seatRect(const QString &rowid, const QString &column) const
{
    for (const QMSeatButton &button : m_seatButtonArray) {
        if (button.row() == rowid && button.column() == column)
            return button.frame();
    }
    return {};
}

const QMSeatButton *QMSeatsView::seatAt(const QPoint &point) const
{
    const int index = seatIndexAt(point);
    return index < 0 ? nullptr : &m_seatButtonArray[size_t(index)];
}

int QMSeatsView::seatIndexAt(const QPoint &point) const
{
    const int i = bandOf(point.y(), topMargin);
    const int j = bandOf(point.x(), 0);
    if (i < 0 || j < 0 || i >= m_rows || j >= m_positions)
        return -1;
    // Between seats (the 10 points after each) is no seat.
    if ((point.y() - topMargin) % pitch >= seatSize || point.x() % pitch >= seatSize)
        return -1;
    return m_places[size_t(i) * size_t(m_positions) + size_t(j)];
}

void QMSeatsView::paintSeats(QPainter &painter, const QRect &exposed) const
{
    // A seat's band is its 30 points plus the 10 after it, so every seat meeting the exposed
    // area lies between these bands.
    const int firstRow = qMax(0, bandOf(exposed.top(), topMargin));
    const int lastRow = qMin(m_rows - 1, bandOf(exposed.bottom(), topMargin));
    const int firstPosition = qMax(0, bandOf(exposed.left(), 0));
    const int lastPosition = qMin(m_positions - 1, bandOf(exposed.right(), 0));
    const qreal ratio = painter.device()->devicePixelRatioF();
    for (int i = firstRow; i <= lastRow; ++i) {
        const qint32 *place = m_places.data() + size_t(i) * size_t(m_positions);
        for (int j = firstPosition; j <= lastPosition; ++j) {
            if (place[j] < 0)
                continue;
            const QMSeatButton &button = m_seatButtonArray[size_t(place[j])];
            painter.drawPixmap(button.frame().topLeft(), picture(button.picture(), ratio));
        }
    }
}

void QMSeatsView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintSeats(painter, event->rect());
}

void QMSeatsView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int index = seatIndexAt(event->position().toPoint());
    m_pressedSeat = index >= 0 && m_seatButtonArray[size_t(index)].isSelectable() ? index : -1;
    event->accept();
}

void QMSeatsView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const int pressed = m_pressedSeat;
    m_pressedSeat = -1;
    event->accept();
    if (pressed >= 0 && seatIndexAt(event->position().toPoint()) == pressed)
        touchSeat(pressed);
}

void QMSeatsView::touchSeat(int index)
{
    if (index >= 0 && size_t(index) < m_seatButtonArray.size())
        selectSeat(m_seatButtonArray[size_t(index)]);
}

void QMSeatsView::updateSeat(const QMSeatButton &button)
{
    update(button.frame());
}

const QPixmap &QMSeatsView::picture(QMSeatButton::SeatStatus status, qreal devicePixelRatio) const
{
    // Scaled once per screen density: painting then copies pixels, no seat is scaled.
    if (devicePixelRatio != m_picturesRatio) {
        for (unsigned s = QMSeatButton::Unavailable; s <= QMSeatButton::Chosen; ++s) {
            const QImage image =
                QMResourceImages::named(QMSeatButton::pictureName(QMSeatButton::SeatStatus(s)));
            const int side = qRound(seatSize * devicePixelRatio);
            QPixmap scaled;
            if (!image.isNull())
                scaled = QPixmap::fromImage(
                    image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            scaled.setDevicePixelRatio(devicePixelRatio);
            m_pictures[s] = scaled;
        }
        m_picturesRatio = devicePixelRatio;
    }
    return m_pictures[status];
}
