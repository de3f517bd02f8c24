#include "services/QMResourceImages.h"
#include "ticketing/BookInfo.h"
#include "ticketing/QMBookInfoProvider.h"
#include "ticketing/QMRowIndexView.h"
#include "ticketing/QMSeatsView.h"

#include <QNetworkRequest>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "QMFrameTimes.h"

// The seat map at scale 2: built from a hall's rows and painted whole, area by area as the
// seat selection screen shows it (320 x 240), beside copying one plain 30 x 30 picture (the free
// seat's) to every seat's place in the same areas. And the way from a seat map answer's bytes to
// its first paint.
//
// Halls: the service's largest (12 rows of 16 seats with two aisles: 18 positions) and a
// 200 x 200 hall, the most the view draws.

namespace {

constexpr QSize kArea(320, 240);
constexpr qreal kScale = 2;

// A hall as the service lays one out: narrower front rows, two aisles, a seat in forty
// unavailable.
struct Hall
{
    int rows;
    int positions;
};

QString columnsOf(const Hall &hall, int r)
{
    const bool aisles = hall.positions >= 14;
    const int seats = aisles ? hall.positions - 2 : hall.positions;
    const int trim = r == 0 ? 2 : r == 1 ? 1 : 0;
    QStringList codes;
    int name = 0;
    for (int s = 0; s < seats; ++s) {
        if (aisles && (s == 3 || s == seats - 3))
            codes.append(QStringLiteral("ZL"));
        if (s < trim || s >= seats - trim) {
            codes.append(QStringLiteral("ZL"));
            continue;
        }
        ++name;
        codes.append((r * 31 + s * 17) % 40 == 0 ? QStringLiteral("LK") : QString::number(name));
    }
    return codes.join(QLatin1Char(','));
}

QList<std::shared_ptr<Row>> rowsOf(const Hall &hall)
{
    QList<std::shared_ptr<Row>> rows;
    for (int r = 0; r < hall.rows; ++r) {
        auto row = std::make_shared<Row>();
        row->rownum = r + 1;
        row->rowid = QString::number(r + 1);
        row->columns = columnsOf(hall, r);
        rows.append(row);
    }
    return rows;
}

// The answer's bytes, as the service writes them.
QByteArray answerOf(const Hall &hall)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<data><mpid>3000123</mpid>"
                     "<linenum>" +
                     QByteArray::number(hall.rows) + "</linenum><ranknum>" +
                     QByteArray::number(hall.positions) +
                     "</ranknum><costprice>60</costprice><quelprice>45</quelprice><seatList>";
    for (int r = 0; r < hall.rows; ++r)
        xml += "<row><rownum>" + QByteArray::number(r + 1) + "</rownum><rowid>" +
               QByteArray::number(r + 1) + "</rowid><columns>" + columnsOf(hall, r).toUtf8() +
               "</columns></row>";
    return xml + "</seatList></data>";
}

Hall hallOf(const benchmark::State &state)
{
    return {int(state.range(0)), int(state.range(1))};
}

// Calls paint(painter, area) for each screen-sized area of the grid, each on a cleared frame.
template<class Paint> void paintByAreas(QImage &frame, const QSize &grid, Paint &&paint)
{
    for (int y = 0; y < grid.height(); y += kArea.height()) {
        for (int x = 0; x < grid.width(); x += kArea.width()) {
            frame.fill(Qt::white);
            QPainter painter(&frame);
            painter.translate(-x, -y);
            paint(painter, QRect(QPoint(x, y), kArea));
        }
    }
}

QImage screenFrame()
{
    QImage frame(kArea * kScale, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(kScale);
    return frame;
}

class FirstPaint : public QObject, public QMBookInfoProviderDelegate
{
public:
    // What the seat selection screen does with the map, then its first frame.
    void bookInfoProviderDidReceivedSeatInfo(QMBookInfoProvider *,
                                             const std::shared_ptr<BookInfo> &info) override
    {
        seats = std::make_unique<QMSeatsView>(
            QRect(QPoint(), QMSeatsView::gridSize(info->linenum, info->ranknum)));
        rowNames = std::make_unique<QMRowIndexView>(
            QRect(QPoint(), QMRowIndexView::columnSize(info->linenum)));
        rowNames->setSeatList(info->seatList);
        seats->setSeatList(info->seatList);

        frame.fill(Qt::white);
        QPainter painter(&frame);
        seats->paintSeats(painter, QRect(QPoint(), kArea));
        painter.end();
        rowNames->render(&names, QPoint(),
                         QRegion(0, 0, QMRowIndexView::columnWidth, kArea.height()));
    }
    void bookInfoProviderDidRunIntoError(QMBookInfoProvider *,
                                         const std::optional<QMError> &) override
    {
        failed = true;
    }

    std::unique_ptr<QMSeatsView> seats;
    std::unique_ptr<QMRowIndexView> rowNames;
    QImage frame = screenFrame();
    QImage names = [] {
        QImage image(QSize(QMRowIndexView::columnWidth, kArea.height()) * kScale,
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(kScale);
        image.fill(Qt::white);
        return image;
    }();
    bool failed = false;
};

} // namespace

static void BM_SeatMapBuild(benchmark::State &state)
{
    const Hall hall = hallOf(state);
    const QList<std::shared_ptr<Row>> rows = rowsOf(hall);
    size_t seats = 0;
    for (auto _ : state) {
        QMSeatsView view(QRect(QPoint(), QMSeatsView::gridSize(hall.rows, hall.positions)));
        view.setSeatList(rows);
        seats = view.seatButtonArray().size();
    }
    state.counters["seats"] = double(seats);
}
BENCHMARK(BM_SeatMapBuild)->Args({12, 18})->Args({200, 200})->Unit(benchmark::kMicrosecond);

static void BM_SeatMapBuildAndPaint(benchmark::State &state)
{
    const Hall hall = hallOf(state);
    const QList<std::shared_ptr<Row>> rows = rowsOf(hall);
    const QSize grid = QMSeatsView::gridSize(hall.rows, hall.positions);
    QImage frame = screenFrame();
    size_t seats = 0;
    for (auto _ : state) {
        QMSeatsView view(QRect(QPoint(), grid));
        view.setSeatList(rows);
        paintByAreas(frame, grid,
                     [&](QPainter &painter, const QRect &area) { view.paintSeats(painter, area); });
        seats = view.seatButtonArray().size();
    }
    state.counters["seats"] = double(seats);
}
BENCHMARK(BM_SeatMapBuildAndPaint)->Args({12, 18})->Args({200, 200})->Unit(benchmark::kMicrosecond);

// Painting alone, the seats already built (what scrolling costs).
static void BM_SeatMapPaint(benchmark::State &state)
{
    const Hall hall = hallOf(state);
    const QSize grid = QMSeatsView::gridSize(hall.rows, hall.positions);
    QMSeatsView view(QRect(QPoint(), grid));
    view.setSeatList(rowsOf(hall));
    QImage frame = screenFrame();
    for (auto _ : state)
        paintByAreas(frame, grid,
                     [&](QPainter &painter, const QRect &area) { view.paintSeats(painter, area); });
    state.counters["seats"] = double(view.seatButtonArray().size());
}
BENCHMARK(BM_SeatMapPaint)->Args({12, 18})->Args({200, 200})->Unit(benchmark::kMicrosecond);

// One frame of a drag across the hall: the screen's area moved diagonally by 7 points a frame,
// bouncing at the edges, the seats painted into it.
static void BM_SeatMapDragFrame(benchmark::State &state)
{
    const Hall hall = hallOf(state);
    const QSize grid = QMSeatsView::gridSize(hall.rows, hall.positions);
    QMSeatsView view(QRect(QPoint(), grid));
    view.setSeatList(rowsOf(hall));
    QImage frame = screenFrame();
    const QPoint room(qMax(1, grid.width() - kArea.width()),
                      qMax(1, grid.height() - kArea.height()));
    QMFrameTimes times;
    int step = 0;
    for (auto _ : state) {
        const auto timed = times.frame();
        const int travel = 7 * step++;
        const auto bounce = [](int at, int span) {
            const int phase = at % (2 * span);
            return phase < span ? phase : 2 * span - phase;
        };
        const QRect area(QPoint(bounce(travel, room.x()), bounce(travel, room.y())), kArea);
        frame.fill(Qt::white);
        QPainter painter(&frame);
        painter.translate(-area.topLeft());
        view.paintSeats(painter, area);
    }
    times.report(state);
}
BENCHMARK(BM_SeatMapDragFrame)->Args({12, 18})->Args({200, 200})->Unit(benchmark::kMicrosecond);

// The floor: one ready picture copied to every seat's place of the same hall, area by area,
// the places of an area found by the grid's arithmetic.
static void BM_PlainPicturesPaint(benchmark::State &state)
{
    const Hall hall = hallOf(state);
    const QSize grid = QMSeatsView::gridSize(hall.rows, hall.positions);
    QMSeatsView view(QRect(QPoint(), grid));
    view.setSeatList(rowsOf(hall));
    constexpr int pitch = QMSeatsView::pitch;
    constexpr int top = QMSeatsView::topMargin;
    std::vector<char> seatAt(size_t(hall.rows) * size_t(hall.positions), 0);
    for (const QMSeatButton &seat : view.seatButtonArray())
        seatAt[size_t(seat.frame().y() / pitch) * size_t(hall.positions) +
               size_t(seat.frame().x() / pitch)] = 1;

    // The free seat's own picture (60 x 60 pixels: 30 points at scale 2), ready to copy.
    QPixmap plain = QPixmap::fromImage(QMResourceImages::named(QStringLiteral("seat_unavail.png")));
    plain.setDevicePixelRatio(kScale);
    QImage frame = screenFrame();
    for (auto _ : state) {
        paintByAreas(frame, grid, [&](QPainter &painter, const QRect &area) {
            const int lastRow = qMin(hall.rows - 1, qMax(0, area.bottom() - top) / pitch);
            const int lastPosition = qMin(hall.positions - 1, area.right() / pitch);
            for (int i = qMax(0, area.top() - top) / pitch; i <= lastRow; ++i) {
                for (int j = area.left() / pitch; j <= lastPosition; ++j) {
                    if (seatAt[size_t(i) * size_t(hall.positions) + size_t(j)])
                        painter.drawPixmap(QPoint(pitch * j, top + pitch * i), plain);
                }
            }
        });
    }
    state.counters["seats"] = double(view.seatButtonArray().size());
}
BENCHMARK(BM_PlainPicturesPaint)->Args({12, 18})->Args({200, 200})->Unit(benchmark::kMicrosecond);

// From the answer's bytes (rewritten, mapped, judged) to the first frame of the seat area and
// of the row names.
static void BM_SeatMapAnswerToFirstPaint(benchmark::State &state)
{
    const QByteArray answer = answerOf(hallOf(state));
    QMBookInfoProvider provider;
    FirstPaint screen;
    provider.bookInfoDelegate = &screen;
    const QNetworkRequest request;
    for (auto _ : state)
        provider.requestSucceededWithData(request, answer);
    if (screen.failed || !screen.seats)
        state.SkipWithError("the answer was not a seat map");
    state.SetBytesProcessed(state.iterations() * answer.size());
}
BENCHMARK(BM_SeatMapAnswerToFirstPaint)
    ->Args({12, 18})
    ->Args({200, 200})
    ->Unit(benchmark::kMicrosecond);
