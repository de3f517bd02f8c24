#include "films/QMFutureMovieListViewController.h"

#include "app/QMDataContext.h"
#include "films/QMMovieHeaderView.h"
#include "films/QMMovieInfoProvider.h"
#include "films/movie.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMScrollView.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>

namespace {
const QMargins kSynopsisInset(8, 4, 8, 8);
} // namespace

QMFutureMovieListViewController::QMFutureMovieListViewController() = default;

QMFutureMovieListViewController::~QMFutureMovieListViewController() = default;

void QMFutureMovieListViewController::viewDidLoad()
{
    const movie &film = selectsMovie ? *selectsMovie : movie();
    QWidget *v = view();
    QMKitStyle::setBackgroundColor(v, QMKitStyle::lightGrayColor());
    navigationItem()->setTitle(film.moviename);
    navigationItem()->setTitleFont(QMKitStyle::boldSystemFont(18));
    navigationItem()->setBackBarButtonTitle(QStringLiteral("影片介绍"));

    auto *header =
        new QMMovieHeaderView(QRect(241, 22, 45, 18), QMKitStyle::italicSystemFont(17), v);
    header->setPoster(logoImage);
    header->setTitle(film.moviename);
    header->setRating(film.generalmark);
    header->setCredits(QStringLiteral("首映日期：%1\n导演：%2\n主演：%3\n片长：%4")
                           .arg(film.releasedate, film.director, film.actors, film.length));
    m_credits = header->creditsLabel();

    auto *panel = new QWidget(v);
    panel->setGeometry(10, 160, 300, 216);
    panel->setObjectName(QStringLiteral("synopsisPanel"));
    panel->setStyleSheet(QStringLiteral(
        "#synopsisPanel { border: 1px solid rgb(160,160,160); background: white; }"));
    panel->setAttribute(Qt::WA_StyledBackground);
    QMKitStyle::addLabel(panel, QRect(0, 0, 300, 30), QMKitStyle::systemFont(17), Qt::black,
                         QStringLiteral("  剧情简介"));

    // The synopsis scrolls inside the panel when it is long.
    auto *area = new QMScrollView(panel);
    area->setGeometry(1, 32, 298, 183);
    m_synopsisArea = area;
    // Inset by its position: the panel's style sheet would reset a label's own margins.
    m_synopsis =
        QMKitStyle::addLabel(area->contentView(),
                             QRect(kSynopsisInset.left(), kSynopsisInset.top(),
                                   298 - kSynopsisInset.left() - kSynopsisInset.right(), 0),
                             QMKitStyle::systemFont(14), Qt::black, QString());
    m_synopsis->setWordWrap(true);
    m_synopsis->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QMViewBusyBee::showBusyBee(panel, QRect(150 - 15, 32 + 92 - 15, 30, 30));
    QMMovieInfoProvider *provider = QMDataContext::CurrentDataContext()->movieInfoProvider();
    provider->movieInfoDelegate = this;
    provider->requestForMovie(film.movieid);
}

void QMFutureMovieListViewController::movieInfoProviderDidReceivedMovieInfo(
    QMMovieInfoProvider *, const std::shared_ptr<movie> &info)
{
    selectsMovie = info;
    if (m_synopsis) {
        m_synopsis->setText(info->content);
        const int height = m_synopsis->heightForWidth(m_synopsis->width());
        m_synopsis->resize(m_synopsis->width(), height);
        if (auto *area = qobject_cast<QMScrollView *>(m_synopsisArea.data()))
            area->setContentSize(
                QSize(area->width(), height + kSynopsisInset.top() + kSynopsisInset.bottom()));
    }
    if (m_synopsisArea)
        QMViewBusyBee::removeBusyBee(m_synopsisArea->parentWidget());
}

void QMFutureMovieListViewController::movieInfoProviderDidRunInfoError(
    QMMovieInfoProvider *, const std::optional<QMError> &)
{
    if (m_synopsisArea)
        QMViewBusyBee::removeBusyBee(m_synopsisArea->parentWidget());
}
