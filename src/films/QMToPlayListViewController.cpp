#include "films/QMToPlayListViewController.h"

#include "app/QMDataContext.h"
#include "films/MovieList.h"
#include "films/QMFutureMovieListViewController.h"
#include "films/QMToPlayListProvider.h"
#include "films/movie.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMPageCounter.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "services/QMImageCache.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>
#include <QPushButton>

namespace {
QMPageCounter gPlayCount;

const char *const kPosterName = "poster";
// A rating widens to show "10.0分" whole, up to this.
constexpr int kRatingMaximumWidth = 60;

void showPoster(QLabel *poster, const QImage &image)
{
    poster->setPixmap(QPixmap::fromImage(image));
    poster->setProperty("image", image);
}
} // namespace

QMToPlayListViewController::QMToPlayListViewController() = default;

QMToPlayListViewController::~QMToPlayListViewController() = default;

int QMToPlayListViewController::playCount()
{
    return gPlayCount.count();
}

void QMToPlayListViewController::setPlayCount(int count)
{
    gPlayCount.setCount(count);
}

void QMToPlayListViewController::viewDidLoad()
{
    navigationItem()->setTitle(QStringLiteral("即将上映"));
    navigationItem()->setTitleFont(QMKitStyle::boldSystemFont(18));
    navigationItem()->setBackBarButtonTitle(QStringLiteral("即将上映"));

    m_tableView = new QMTableView(view());
    m_tableView->setGeometry(view()->rect());
    m_tableView->setSeparatorStyle(QMTableView::SeparatorStyle::None);
    m_tableView->setRowHeight(kRowHeight);
    m_tableView->setDataSource(this);
    m_tableView->show();
    loadData();
}

void QMToPlayListViewController::loadData()
{
    QWidget *v = view();
    QMViewBusyBee::showBusyBee(v, QRect(v->width() / 2 - 20, v->height() / 2 - 80, 40, 40));
    QMToPlayListProvider *provider = QMDataContext::CurrentDataContext()->toPlayListProvider();
    provider->from = 0;
    provider->maxnum = gPlayCount.maxReturn();
    provider->playListDelegate = this;
    provider->sendRequest();
}

void QMToPlayListViewController::nextPage()
{
    if (gPlayCount.nextPage())
        loadData();
}

void QMToPlayListViewController::listProviderDidReceivedMovieList(
    QMToPlayListProvider *, const std::shared_ptr<MovieList> &list)
{
    m_movieArray = list->movieListArray;
    m_pendingPosters.clear();
    for (int i = 0; i < m_movieArray.size(); ++i)
        m_pendingPosters.insert(m_movieArray[i]->smalllogo, i);
    if (m_tableView)
        m_tableView->reloadData();
    QMViewBusyBee::removeBusyBee(view());
}

void QMToPlayListViewController::listProviderDidRunIntoError(QMToPlayListProvider *,
                                                             const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(view());
}

int QMToPlayListViewController::tableViewNumberOfRows(QMTableView *)
{
    return int(m_movieArray.size()) + 1; // the last row offers more films
}

int QMToPlayListViewController::tableViewHeightForRow(QMTableView *, int)
{
    return kRowHeight;
}

std::unique_ptr<QWidget> QMToPlayListViewController::tableViewCellForRow(QMTableView *, int row)
{
    return row < m_movieArray.size() ? filmRow(row) : moreRow();
}

std::unique_ptr<QWidget> QMToPlayListViewController::filmRow(int row)
{
    const Simplemovie &film = *m_movieArray[row];
    // Every row is built afresh, on a reused row when there is one.
    std::unique_ptr<QMTableViewCell> cell = m_tableView->dequeueReusableCell(kReuseIdentifier);
    if (cell)
        qDeleteAll(cell->findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
    else
        cell = std::make_unique<QMTableViewCell>(QMTableViewCell::CellStyle::Default,
                                                 kReuseIdentifier);
    cell->setSelectionStyle(QMTableViewCell::SelectionStyle::None);
    cell->setBackgroundColor(row % 2 ? Qt::white : QMKitStyle::lightGrayColor());

    auto *poster = new QLabel(cell.get());
    poster->setObjectName(QLatin1String(kPosterName));
    poster->setGeometry(10, 10, 100, 131);
    poster->setScaledContents(true);
    poster->setAccessibleName(film.moviename);
    const QImage cached = QMImageCache::defaultCache()->requestorImageUrl(
        this, film.smalllogo, (QSizeF(poster->size()) * poster->devicePixelRatioF()).toSize());
    if (cached.isNull()) {
        showPoster(poster, QMResourceImages::named(QStringLiteral("default.jpg")));
        QMViewBusyBee::showBusyBee(poster, QRect(40, 55, 20, 20));
    } else {
        showPoster(poster, cached);
    }

    QMKitStyle::addLabel(cell.get(), QRect(120, 14, 120, 20), QMKitStyle::boldSystemFont(15),
                         QMKitStyle::tintColor(), film.moviename);
    QMKitStyle::addLabel(cell.get(), QRect(250, 14, 40, 20), QMKitStyle::italicSystemFont(15),
                         Qt::black, QStringLiteral("%1分").arg(film.generalmark))
        ->widenToFitText(kRatingMaximumWidth);
    const QFont small = QMKitStyle::systemFont(12.5);
    QMKitStyle::addLabel(cell.get(), QRect(120, 36, 200, 20), small, Qt::black,
                         QStringLiteral("首映日期:%1").arg(film.openingdate));
    QMKitStyle::addLabel(cell.get(), QRect(120, 56, 200, 20), small, Qt::black,
                         QStringLiteral("导演:%1").arg(film.director));
    QMLabel *actors = QMKitStyle::addLabel(cell.get(), QRect(120, 74, 180, 40), small, Qt::black,
                                           QStringLiteral("主演:%1").arg(film.actors));
    actors->setWordWrap(true);
    actors->setLineBreaks(QMLabel::LineBreaks::Names);
    actors->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QMKitStyle::addLabel(cell.get(), QRect(120, 110, 200, 20), small, Qt::black,
                         QStringLiteral("片长:%1").arg(film.length));
    return cell;
}

std::unique_ptr<QWidget> QMToPlayListViewController::moreRow()
{
    auto cell = std::make_unique<QMTableViewCell>();
    cell->setSelectionStyle(QMTableViewCell::SelectionStyle::None);
    auto *more = new QPushButton(QStringLiteral("更多影片"), cell.get());
    more->setGeometry(110, 10, 100, 30);
    more->setFont(QMKitStyle::systemFont(15));
    more->setFlat(true);
    more->setStyleSheet(QStringLiteral("color: rgb(255,128,0); border: none;"));
    // Less than a full page means there is no more.
    const bool full = gPlayCount.isFull(m_movieArray.size());
    more->setVisible(full);
    more->setEnabled(full);
    connect(more, &QPushButton::clicked, this, &QMToPlayListViewController::nextPage);
    return cell;
}

QLabel *QMToPlayListViewController::posterOfRow(int row) const
{
    QWidget *cell = m_tableView ? m_tableView->cellForRow(row) : nullptr;
    return cell ? cell->findChild<QLabel *>(QLatin1String(kPosterName)) : nullptr;
}

void QMToPlayListViewController::setPosterBorder(int row, int width)
{
    if (QLabel *poster = posterOfRow(row)) {
        poster->setStyleSheet(width > 0
                                  ? QStringLiteral("border: %1px solid rgb(255,128,0);").arg(width)
                                  : QString());
    }
}

void QMToPlayListViewController::tableViewDidSelectRow(QMTableView *, int row)
{
    if (row < 0 || row >= m_movieArray.size())
        return;
    setPosterBorder(row, 2);
    auto details = std::make_unique<QMFutureMovieListViewController>();
    details->selectsMovie = std::make_shared<movie>(*m_movieArray[row]);
    if (QLabel *poster = posterOfRow(row))
        details->logoImage = poster->property("image").value<QImage>();
    if (QMNavigationController *stack = navigationController())
        stack->push(std::move(details), true);
}

void QMToPlayListViewController::tableViewDidDeselectRow(QMTableView *, int row)
{
    setPosterBorder(row, 0);
}

void QMToPlayListViewController::scrollViewDidEndDecelerating(QMScrollView *)
{
    if (!m_tableView)
        return;
    if (m_tableView->contentOffset().y() + 470 >= m_tableView->contentSize().height())
        nextPage();
}

void QMToPlayListViewController::didRecievedImageForUrl(const QImage &image, const QString &url)
{
    const auto it = m_pendingPosters.constFind(url);
    if (it == m_pendingPosters.constEnd())
        return;
    const int row = *it;
    m_pendingPosters.erase(it);
    // A row off screen shows the picture from the cache when it is next built.
    if (QLabel *poster = posterOfRow(row)) {
        showPoster(poster, image);
        QMViewBusyBee::removeBusyBee(poster);
    }
}

void QMToPlayListViewController::didRunIntoErrorForUrl(const std::optional<QMError> &,
                                                       const QString &)
{}
