#include "cinemas/QMCinemaFilmStrip.h"

#include "kit/QMKitStyle.h"
#include "kit/QMScrollView.h"
#include "services/QMImageCache.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>
#include <QPainter>

namespace {
constexpr QRect kPosterFrame(10, 8, 62, 82);
constexpr int kBusySize = 20;

QLabel *centredLabel(QWidget *parent, int y, const QColor &color, const QString &text)
{
    const QFont font = QMKitStyle::systemFont(12);
    constexpr int width = 60;
    // Centred text too long for the slot would lose both its ends: it loses its tail instead.
    QLabel *label =
        QMKitStyle::addLabel(parent, QRect(11, y, width, 18), font, color,
                             QFontMetrics(font).elidedText(text, Qt::ElideRight, width));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

QMCinemaFilmStrip::QMCinemaFilmStrip(QWidget *parent)
    : QWidget(parent)
    , m_scrollView(new QMScrollView(this))
{
    QMKitStyle::setBackgroundColor(this, Qt::white);
    m_scrollView->setDecelerationRate(QMScrollView::fastDecelerationRate);
    m_scrollView->setShowsScrollIndicators(false, true);
    resize(kSize);
}

QMCinemaFilmStrip::~QMCinemaFilmStrip() = default;

void QMCinemaFilmStrip::setMpiArray(const QList<std::shared_ptr<Mpi>> &films)
{
    // Later: the touch that led here may still be inside an old poster.
    for (QWidget *old : slotViews()) {
        old->hide();
        old->setParent(nullptr);
        old->deleteLater();
    }
    m_posters.clear();
    _viewDict.clear();
    m_movieCount = 1;
    for (int i = 0; i < films.size(); ++i) {
        QWidget *slot = addSlot(*films[i], i);
        slot->move((m_movieCount - 1) * kSlotWidth, 0);
        slot->show();
        ++m_movieCount;
    }
    m_scrollView->setContentSize(QSize(m_movieCount * kSlotWidth, m_scrollView->height()));
    m_scrollView->setContentOffset(QPoint(0, 0));
}

QList<QWidget *> QMCinemaFilmStrip::slotViews() const
{
    return m_scrollView->contentView()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
}

QMIndexButton *QMCinemaFilmStrip::posterButton(int index) const
{
    return m_posters.value(index);
}

bool QMCinemaFilmStrip::isLoadingPoster(int index) const
{
    const QMIndexButton *button = posterButton(index);
    return button && !button->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).isEmpty();
}

void QMCinemaFilmStrip::didRecievedImageForUrl(const QImage &image, const QString &url)
{
    for (const QPointer<QMIndexButton> &button : _viewDict.take(url)) {
        if (!button)
            continue;
        showPoster(button, image);
        QMViewBusyBee::removeBusyBee(button);
    }
}

void QMCinemaFilmStrip::didRunIntoErrorForUrl(const std::optional<QMError> &, const QString &url)
{
    for (const QPointer<QMIndexButton> &button : _viewDict.take(url)) {
        if (button)
            QMViewBusyBee::removeBusyBee(button);
    }
}

void QMCinemaFilmStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void QMCinemaFilmStrip::resizeEvent(QResizeEvent *)
{
    // Inside the one-point border; as high as the strip, so it moves sideways only.
    m_scrollView->setGeometry(rect().adjusted(1, 1, -1, -1));
    m_scrollView->setContentSize(QSize(m_movieCount * kSlotWidth, m_scrollView->height()));
}

QWidget *QMCinemaFilmStrip::addSlot(const Mpi &film, int index)
{
    auto *slot = new QWidget(m_scrollView->contentView());
    slot->resize(kSlotWidth, kSize.height() - 2);
    auto *poster = new QMIndexButton(QImage(), slot);
    poster->setGeometry(kPosterFrame);
    poster->index = index;
    poster->setAccessibleName(film.moviename);
    connect(poster, &QAbstractButton::clicked, this,
            [this, poster] { emit filmChosen(poster->index); });
    m_posters.append(poster);

    const QImage cached =
        film.smalllogo.isEmpty()
            ? QImage()
            : QMImageCache::defaultCache()->requestorImageUrl(this, film.smalllogo);
    if (!cached.isNull()) {
        showPoster(poster, cached);
    } else {
        showPoster(poster, QMResourceImages::named(QStringLiteral("default.jpg")));
        if (!film.smalllogo.isEmpty()) {
            _viewDict[film.smalllogo].append(poster);
            QMViewBusyBee::showBusyBee(poster, QRect((kPosterFrame.width() - kBusySize) / 2,
                                                     (kPosterFrame.height() - kBusySize) / 2,
                                                     kBusySize, kBusySize));
        }
    }
    centredLabel(slot, 94, QMKitStyle::tintColor(), film.moviename);
    centredLabel(slot, 112, Qt::black, QStringLiteral("[%1]").arg(film.generalmark));
    return slot;
}

void QMCinemaFilmStrip::showPoster(QMIndexButton *button, const QImage &poster)
{
    // A new picture would give the button the picture's own size: the poster keeps its frame.
    const QRect frame = button->geometry();
    button->setBackgroundImage(poster);
    button->setGeometry(frame);
}
