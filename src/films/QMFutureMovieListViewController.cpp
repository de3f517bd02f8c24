#include "films/QMFutureMovieListViewController.h"

#include "app/QMDataContext.h"
#include "films/QMMovieInfoProvider.h"
#include "films/movie.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMScrollView.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>

namespace {
// A rating widens to show "10.0分" whole, up to this.
constexpr int kRatingMaximumWidth = 60;
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

    auto *poster = new QLabel(v);
    poster->setGeometry(10, 16, 100, 131);
    poster->setScaledContents(true);
    poster->setPixmap(QPixmap::fromImage(logoImage));

    QMKitStyle::addLabel(v, QRect(116, 20, 120, 26), QMKitStyle::boldSystemFont(18),
                         QMKitStyle::tintColor(), film.moviename);
    QMKitStyle::addLabel(v, QRect(241, 22, 45, 18), QMKitStyle::italicSystemFont(17), Qt::black,
                         QStringLiteral("%1分").arg(film.generalmark))
        ->widenToFitText(kRatingMaximumWidth);
    m_credits =
        QMKitStyle::addLabel(v, QRect(110, 42, 210, 100), QMKitStyle::systemFont(13), Qt::black,
                             QStringLiteral("首映日期：%1\n导演：%2\n主演：%3\n片长：%4")
                                 .arg(film.releasedate, film.director, film.actors, film.length));
    m_credits->setWordWrap(true);
    m_credits->setLineBreaks(QMLabel::LineBreaks::Names);
    m_credits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_credits->setContentsMargins(8, 8, 8, 0);

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
