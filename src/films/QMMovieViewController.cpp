#include "films/QMMovieViewController.h"

#include "app/QMDataContext.h"
#include "films/MovieList.h"
#include "films/QMMovieOpenFlowView.h"
#include "films/QMOnPlayListProvider.h"
#include "films/QMToPlayInfoViewController.h"
#include "films/QMToPlayListViewController.h"
#include "films/movie.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "services/QMImageCache.h"
#include "services/QMResourceImages.h"

#include <QWidget>

QMMovieViewController::QMMovieViewController() = default;

QMMovieViewController::~QMMovieViewController() = default;

void QMMovieViewController::viewDidLoad()
{
    m_shelfView = new QMMovieOpenFlowView(QRect(0, 0, 320, 440), view());
    m_shelfView->movieInfoDelegate = this;
    m_shelfView->show();
    if (!m_movieArray.isEmpty()) // the launch's answer may come before the view
        m_shelfView->setMovieArray(m_movieArray);

    auto button = std::make_unique<QMBarButton>(
        QStringLiteral("即将上映 "),
        QMResourceImages::named(QStringLiteral("btn_index_right.png")));
    button->setFixedSize(70, 27);
    button->setFont(QMKitStyle::boldSystemFont(13));
    button->setTitleColor(Qt::white);
    connect(button.get(), &QAbstractButton::clicked, this, &QMMovieViewController::toPlayList);
    navigationItem()->setRightBarButton(std::move(button));
    navigationItem()->setBackBarButtonTitle(QStringLiteral("正在热映"));
}

void QMMovieViewController::viewWillAppear(bool)
{
    navigationItem()->setTitle(QStringLiteral("上海正在放映影片查询"));
    navigationItem()->setTitleFont(QMKitStyle::boldSystemFont(18));
    if (m_movieArray.isEmpty())
        loadData();
}

void QMMovieViewController::loadData()
{
    QMOnPlayListProvider *provider = QMDataContext::CurrentDataContext()->onPlayListProvider();
    provider->playListDelegate = this;
    provider->sendRequest();
}

QList<std::shared_ptr<Simplemovie>>
QMMovieViewController::shelfOrder(const QList<std::shared_ptr<Simplemovie>> &films)
{
    QList<std::shared_ptr<Simplemovie>> ordered = films;
    if (ordered.size() > 2) {
        for (int i = 0; i < 2; ++i)
            ordered.prepend(ordered.takeLast());
    }
    return ordered;
}

void QMMovieViewController::onPlayListProviderDidReceivedMovieList(
    QMOnPlayListProvider *, const std::shared_ptr<MovieList> &list)
{
    m_movieArray = shelfOrder(list->movieListArray);
    if (m_shelfView)
        m_shelfView->setMovieArray(m_movieArray);
}

void QMMovieViewController::onPlayListProviderDidRunIntoError(QMOnPlayListProvider *,
                                                              const std::optional<QMError> &)
{
    // The shelf keeps what it shows; the next appearance tries again while it is empty.
    if (m_shelfView)
        m_shelfView->setMovieArray(std::nullopt);
}

void QMMovieViewController::toPlayList()
{
    if (QMNavigationController *stack = navigationController())
        stack->push(std::make_unique<QMToPlayListViewController>(), true);
}

void QMMovieViewController::switchToMovieForIndex(int index)
{
    if (index < 0 || index >= m_movieArray.size())
        return;
    const Simplemovie &film = *m_movieArray[index];
    auto details = std::make_unique<QMToPlayInfoViewController>();
    details->selectsMovie = std::make_shared<movie>(film);
    // A poster still on its way reaches the details screen itself.
    details->logoImage =
        QMImageCache::defaultCache()->requestorImageUrl(details.get(), film.smalllogo);
    if (details->logoImage.isNull())
        details->logoImage = QMResourceImages::named(QStringLiteral("default.jpg"));
    if (QMNavigationController *stack = navigationController())
        stack->push(std::move(details), true);
}
