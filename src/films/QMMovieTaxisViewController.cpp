#include "films/QMMovieTaxisViewController.h"

#include "app/QMDataContext.h"
#include "cinemas/MpiList.h"
#include "cinemas/QMMapViewController.h"
#include "cinemas/QMTicketLegend.h"
#include "films/QMMovieTaxisCell.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMMapView.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMPanelView.h"
#include "kit/QMTableView.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"
#include "ticketing/QMMovieBuyTicketViewController.h"

#include <QLabel>
#include <QLocale>

namespace {
constexpr QSize kViewSize(320, 367);
constexpr int kBusySize = 40;

QImage chosenDayImage()
{
    return QMResourceImages::named(QStringLiteral("btn_selectDate.png"));
}
} // namespace

QMMovieTaxisViewController::QMMovieTaxisViewController() = default;

QMMovieTaxisViewController::~QMMovieTaxisViewController() = default;

std::unique_ptr<QWidget> QMMovieTaxisViewController::loadView()
{
    auto view = std::make_unique<QWidget>();
    view->resize(kViewSize);
    QMKitStyle::setBackgroundColor(view.get(), QMKitStyle::lightGrayColor());
    return view;
}

void QMMovieTaxisViewController::viewDidLoad()
{
    if (!selectCinema)
        selectCinema = std::make_shared<SimpleCinema>();
    if (!selectMovie)
        selectMovie = std::make_shared<movie>();
    QWidget *v = view();
    navigationItem()->setTitle(selectMovie->moviename);
    navigationItem()->setTitleFont(QMKitStyle::systemFont(18));
    navigationItem()->setBackBarButtonTitle(QStringLiteral("返回"));

    QMKitStyle::addLabel(v, QRect(10, 8, 150, 33), QMKitStyle::systemFont(18), Qt::black,
                         QStringLiteral("影片排片"));
    new QMTicketLegend(QPoint(180, 10), v);

    // Ends two points above the tab bar.
    auto *panel = new QMPanelView(QRect(10, 40, 300, 325), v);
    auto *strip = new QLabel(panel);
    strip->setGeometry(1, 1, 298, 35);
    strip->setScaledContents(true);
    strip->setPixmap(
        QPixmap::fromImage(QMResourceImages::named(QStringLiteral("img_taxis_border.png"))));
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    for (int tag = Today; tag <= AfterTomorrow; ++tag) {
        auto *button =
            new QMBarButton(chinese.toString(dateOfDay(tag), QStringLiteral("MM月dd日")), panel);
        button->setShape(QMBarButton::Shape::Plain);
        button->setFont(QMKitStyle::systemFont(14));
        button->setGeometry(10 + 90 * (tag - Today), 5, 78, 26);
        connect(button, &QAbstractButton::clicked, this, [this, tag] { selectMovieByDate(tag); });
        m_dayButtons[tag - Today] = button;
    }
    highlightDay(Today);

    // A long name ends before the map link.
    QMKitStyle::addLabel(panel, QRect(1, 36, 228, 30), QMKitStyle::systemFont(16), Qt::black,
                         QStringLiteral("   ") + selectCinema->cinemaname);
    QMKitStyle::addLabel(panel, QRect(1, 67, 296, 22), QMKitStyle::systemFont(12), Qt::black,
                         QStringLiteral("    ") + selectCinema->address);

    m_mapButton = new QMBarButton(QStringLiteral("【地图】"), panel);
    m_mapButton->setShape(QMBarButton::Shape::Plain);
    m_mapButton->setFont(QMKitStyle::systemFont(12));
    m_mapButton->setGeometry(230, 40, 60, 15);
    m_mapButton->raise();
    connect(m_mapButton, &QAbstractButton::clicked, this, &QMMovieTaxisViewController::gotoMap);

    auto *line = new QLabel(panel);
    line->setGeometry(1, 89, 298, 1);
    line->setScaledContents(true);
    line->setPixmap(QPixmap::fromImage(QMResourceImages::named(QStringLiteral("img_taline.png"))));
    m_tableView = new QMTableView(panel);
    m_tableView->setGeometry(1, 90, 298, 234);
    m_tableView->setRowHeight(QMMovieTaxisCell::rowHeight);
    m_tableView->setSeparatorStyle(QMTableView::SeparatorStyle::None);
    m_tableView->setDataSource(this);

    requestDay(Today);
}

int QMMovieTaxisViewController::tableViewNumberOfRows(QMTableView *)
{
    return int(m_playMovieArray.size());
}

int QMMovieTaxisViewController::tableViewHeightForRow(QMTableView *, int)
{
    return QMMovieTaxisCell::rowHeight;
}

std::unique_ptr<QWidget> QMMovieTaxisViewController::tableViewCellForRow(QMTableView *tableView,
                                                                         int row)
{
    std::unique_ptr<QMTableViewCell> reused =
        tableView->dequeueReusableCell(QMMovieTaxisCell::kReuseIdentifier);
    std::unique_ptr<QMMovieTaxisCell> cell(qobject_cast<QMMovieTaxisCell *>(reused.get()));
    if (cell) {
        reused.release();
    } else {
        cell = std::make_unique<QMMovieTaxisCell>();
        connect(cell.get(), &QMMovieTaxisCell::checkMarkClicked, this,
                &QMMovieTaxisViewController::selectBuyTicket);
    }
    cell->setScreening(*m_playMovieArray.at(row), row, selectCinema->open);
    return cell;
}

void QMMovieTaxisViewController::tableViewDidSelectRow(QMTableView *tableView, int row)
{
    // No row stays marked: the next touch on it chooses it again.
    tableView->deselectRow(row, false);
    selectBuyTicket(row);
}

void QMMovieTaxisViewController::fscProviderDidReceivedMovieList(
    QMMovieFSCProvider *provider, const std::shared_ptr<MpiList> &list)
{
    if (!isAnswerToLastRequest(provider))
        return;
    m_playMovieArray = list->mpiArray;
    m_shownDay = m_askedDay;
    highlightDay(m_shownDay);
    if (m_tableView) {
        m_tableView->reloadData();
        m_tableView->setContentOffset(QPoint(0, 0));
    }
    QMViewBusyBee::removeBusyBee(view());
}

void QMMovieTaxisViewController::fscProviderDidRunIntoError(QMMovieFSCProvider *provider,
                                                            const std::optional<QMError> &)
{
    if (!isAnswerToLastRequest(provider))
        return;
    // The rows of the day before stay, and so the mark goes back to that day.
    highlightDay(m_shownDay);
    QMViewBusyBee::removeBusyBee(view());
}

void QMMovieTaxisViewController::selectMovieByDate(int tag)
{
    if (tag != Tomorrow && tag != AfterTomorrow)
        tag = Today;
    highlightDay(tag);
    requestDay(tag);
}

void QMMovieTaxisViewController::selectBuyTicket(int row)
{
    if (row < 0 || row >= m_playMovieArray.size())
        return;
    m_indexRow = row;
    // The screening itself waits for the sign-in: the rows may change meanwhile.
    const std::shared_ptr<Mpi> screening = m_playMovieArray.at(row);
    m_gate.requireMember([this, screening] { presentCommentView(screening); });
}

void QMMovieTaxisViewController::gotoMap()
{
    if (QMNavigationController *stack = navigationController())
        stack->push(QMMapViewController::forCinema(*selectCinema), true);
}

QDate QMMovieTaxisViewController::dateOfDay(int tag) const
{
    const int hours = tag == Tomorrow ? 24 : tag == AfterTomorrow ? 48 : 0;
    return m_builtAt.addSecs(qint64(hours) * 3600).date();
}

QMBarButton *QMMovieTaxisViewController::dayButton(int tag) const
{
    if (tag < Today || tag > AfterTomorrow)
        return nullptr;
    return m_dayButtons[tag - Today];
}

QMMovieTaxisCell *QMMovieTaxisViewController::cellForRow(int row) const
{
    return m_tableView ? qobject_cast<QMMovieTaxisCell *>(m_tableView->cellForRow(row)) : nullptr;
}

void QMMovieTaxisViewController::requestDay(int tag)
{
    m_askedDay = tag;
    m_asked = {selectCinema->cinemaid, selectMovie->movieid, dateOfDay(tag)};
    QMViewBusyBee::removeBusyBee(view());
    if (m_asked.cinemaid.isEmpty()) // nothing would be sent, and no answer come
        return;
    QMViewBusyBee::showBusyBeeAtCenter(view(), kBusySize);
    QMMovieToFSCProvider *provider = QMDataContext::CurrentDataContext()->movieToFSCProvider();
    provider->fscDelegate = this;
    provider->requestToPlayInfoForCinema(m_asked.cinemaid, m_asked.movieid, m_asked.date);
}

bool QMMovieTaxisViewController::isAnswerToLastRequest(QMMovieFSCProvider *provider) const
{
    auto *schedules = dynamic_cast<QMMovieToFSCProvider *>(provider);
    return schedules && schedules->answered() == m_asked;
}

void QMMovieTaxisViewController::highlightDay(int tag)
{
    m_highlightedDay = tag;
    for (int day = Today; day <= AfterTomorrow; ++day) {
        QMBarButton *button = dayButton(day);
        if (!button)
            continue;
        // A picture would give the button the picture's own size: the buttons keep theirs.
        const QRect frame = button->geometry();
        button->setBackgroundImage(day == tag ? chosenDayImage() : QImage());
        button->setGeometry(frame);
    }
}

void QMMovieTaxisViewController::presentCommentView(const std::shared_ptr<Mpi> &screening)
{
    QMNavigationController *stack = navigationController();
    if (!stack)
        return;
    auto buyTicket = std::make_unique<QMMovieBuyTicketViewController>();
    buyTicket->selectCiname = selectCinema;
    buyTicket->selectMpi = screening;
    stack->push(std::move(buyTicket), true);
}
