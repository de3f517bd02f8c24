#include "films/QMMovieOpenFlowView.h"

#include "films/openflow/TPOpenFlowView.h"
#include "films/openflow/UIImageExtras.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "services/QMImageCache.h"
#include "services/QMResourceImages.h"

#include <QMutexLocker>
#include <QPainter>

#include <algorithm>

namespace {
const QColor kTitleColor(193, 56, 2);
constexpr int kTitleGap = 10;   // between the title and the rating
constexpr int kScoreWidth = 30; // the rating's frame, widened for "10.0"
constexpr int kScoreMaximumWidth = 60;
constexpr int kUnitOverlap = 6; // "分" starts this far inside the rating's frame
constexpr int kScoreTop = 235;

QMLabel *label(QWidget *parent, const QRect &frame, const QFont &font, const QColor &color)
{
    QMLabel *label = QMKitStyle::addLabel(parent, frame, font, color);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}
} // namespace

QMMovieOpenFlowView::QMMovieOpenFlowView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , m_openFlowView(new TPOpenFlowView(this))
    , m_background(QMResourceImages::named(QStringLiteral("listBack.png")))
{
    setGeometry(frame);
    m_openFlowView->setGeometry(10, 0, 300, 225);
    m_openFlowView->setDataSource(this);
    m_openFlowView->setViewDelegate(this);
    m_openFlowView->setDefaultImage(defaultImage());

    m_titleLabel =
        label(this, QRect(40, 240, 100, 40), QMKitStyle::boldSystemFont(20), kTitleColor);
    m_scoreLabel = label(this, QRect(150, 240, kScoreWidth, 30), QMKitStyle::italicSystemFont(15),
                         QMKitStyle::tintColor());
    m_scoreUnitLabel = label(this, QRect(175, 240, 30, 30), QMKitStyle::boldSystemFont(15),
                             QMKitStyle::tintColor());
    m_scoreUnitLabel->setText(QStringLiteral("分"));
    m_scoreUnitLabel->hide(); // until there is a film to rate
    m_descriptionLabel =
        label(this, QRect(30, 260, 300, 0), QMKitStyle::boldSystemFont(15), Qt::black);
    m_descriptionLabel->setWordWrap(true);
    m_descriptionLabel->setLineBreaks(QMLabel::LineBreaks::Names);
    m_descriptionLabel->setContentsMargins(8, 8, 8, 8);
    m_descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QMMovieOpenFlowView::~QMMovieOpenFlowView() = default;

void QMMovieOpenFlowView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawImage(rect(), m_background);
}

void QMMovieOpenFlowView::setMovieArray(
    const std::optional<QList<std::shared_ptr<Simplemovie>>> &list)
{
    if (!list) {
        m_scoreUnitLabel->hide();
        return;
    }
    m_movieArray = *list;
    QStringList titles;
    for (const std::shared_ptr<Simplemovie> &film : std::as_const(m_movieArray))
        titles.append(film ? film->moviename : QString());
    m_openFlowView->setCoverTitles(titles);
    m_openFlowView->setNumberOfImages(int(m_movieArray.size()));
    // "分" belongs to a film's rating: without a film it would stand alone.
    m_scoreUnitLabel->setVisible(!m_movieArray.isEmpty());
    if (m_movieArray.isEmpty())
        return;
    // The service's first film stands third on the shelf; it is the one selected.
    const int selected = m_movieArray.size() <= 2 ? int(m_movieArray.size()) - 1 : 2;
    setMovieInfoForIndex(selected);
    m_openFlowView->setSelectedCover(selected);
    m_openFlowView->centerOnSelectedCover(false);
}

QString QMMovieOpenFlowView::descriptionText(const Simplemovie &film)
{
    const QString actors =
        film.actors.size() >= 16 ? film.actors.left(15) + QStringLiteral("....") : film.actors;
    return QStringLiteral("导演：%1\n主演：%2\n片长：%3\n%4家影院上映，%5家可以在线购票")
        .arg(film.director, actors, film.length)
        .arg(film.cinemanum)
        .arg(film.ordercinemanum);
}

void QMMovieOpenFlowView::setMovieInfoForIndex(int index)
{
    if (index < 0 || index >= m_movieArray.size())
        return;
    const Simplemovie &film = *m_movieArray[index];

    // The rating follows the title and "分" nestles against the rating. "10.0" widens the
    // rating so that "分" still follows the figures; a long title ends in "…" rather than
    // pushing the two off the shelf.
    m_scoreLabel->setText(film.generalmark);
    m_scoreLabel->resize(std::clamp(m_scoreLabel->sizeHint().width() + kUnitOverlap, kScoreWidth,
                                    kScoreMaximumWidth),
                         m_scoreLabel->height());
    m_titleLabel->setText(film.moviename);
    m_titleLabel->adjustSize();
    const int room = width() - m_titleLabel->x() - kTitleGap - m_scoreLabel->width() +
                     kUnitOverlap - m_scoreUnitLabel->width();
    if (m_titleLabel->width() > room) {
        m_titleLabel->resize(std::max(0, room), m_titleLabel->height());
        m_titleLabel->resize(m_titleLabel->displayedWidth(), m_titleLabel->height());
    }

    const auto rightEdge = [](const QWidget *label) {
        return label->x() + label->width();
    };
    m_scoreLabel->move(rightEdge(m_titleLabel) + kTitleGap, kScoreTop);
    m_scoreUnitLabel->move(rightEdge(m_scoreLabel) - kUnitOverlap, kScoreTop);

    m_descriptionLabel->setText(descriptionText(film));
    const int width = m_descriptionLabel->width();
    m_descriptionLabel->resize(width, m_descriptionLabel->heightForWidth(width));
}

void QMMovieOpenFlowView::openFlowViewRequestImageForIndex(TPOpenFlowView *, int index)
{
    if (index < 0 || index >= m_movieArray.size())
        return;
    const QString path = m_movieArray[index]->smalllogo;
    m_pendingPosters.insert(path, index);
    // Decoded just large enough for the cover's crop at this screen's density: sharp, and no
    // full-size poster held for a 150 x 200 cover.
    const QSize coverPixels = (QSizeF(kPosterSize) * devicePixelRatioF()).toSize();
    QImage poster = QMImageCache::defaultCache()->requestorImageUrl(this, path, coverPixels);
    if (poster.isNull())
        poster = defaultImage();
    else
        m_pendingPosters.remove(path);
    setCoverImage(poster, index);
}

QImage QMMovieOpenFlowView::defaultImage()
{
    return QMResourceImages::named(QStringLiteral("default.jpg"));
}

void QMMovieOpenFlowView::openFlowViewSelectionDidChange(TPOpenFlowView *, int index)
{
    setMovieInfoForIndex(index);
}

void QMMovieOpenFlowView::openFlowViewDidWannaCheckIndex(TPOpenFlowView *, int index)
{
    if (auto *delegate = movieInfoDelegate.get())
        delegate->switchToMovieForIndex(index);
}

void QMMovieOpenFlowView::didRecievedImageForUrl(const QImage &image, const QString &url)
{
    const auto it = m_pendingPosters.constFind(url);
    if (it == m_pendingPosters.constEnd())
        return;
    const int index = *it;
    m_pendingPosters.erase(it);
    setCoverImage(image, index);
}

void QMMovieOpenFlowView::didRunIntoErrorForUrl(const std::optional<QMError> &, const QString &)
{
    // The cover keeps its placeholder.
}

void QMMovieOpenFlowView::setCoverImage(const QImage &image, int index)
{
    const QImage cover = UIImageExtras::cropCenterAndScaleImageToSize(image, QSizeF(kPosterSize),
                                                                      devicePixelRatioF());
    QMutexLocker locker(&m_coverLock);
    m_openFlowView->setImageForIndex(cover, index);
}
