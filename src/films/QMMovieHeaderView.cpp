#include "films/QMMovieHeaderView.h"

#include "kit/QMKitStyle.h"

#include <QLabel>

QMMovieHeaderView::QMMovieHeaderView(const QRect &ratingFrame, const QFont &ratingFont,
                                     QWidget *parent)
    : QWidget(parent)
    , m_poster(new QLabel(this))
    , m_title(QMKitStyle::addLabel(this, QRect(116, 20, 120, 26), QMKitStyle::boldSystemFont(18),
                                   QMKitStyle::tintColor()))
    , m_rating(QMKitStyle::addLabel(this, ratingFrame, ratingFont, Qt::black))
    , m_credits(QMKitStyle::addLabel(this, QRect(110, 42, 210, 100), QMKitStyle::systemFont(13),
                                     Qt::black))
{
    resize(kSize);
    m_poster->setGeometry(10, 16, 100, 131);
    m_poster->setScaledContents(true);
    m_credits->setWordWrap(true);
    m_credits->setLineBreaks(QMLabel::LineBreaks::Names);
    m_credits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_credits->setContentsMargins(8, 8, 8, 0);
}

void QMMovieHeaderView::setPoster(const QImage &poster)
{
    m_poster->setPixmap(QPixmap::fromImage(poster));
}

void QMMovieHeaderView::setTitle(const QString &moviename)
{
    m_title->setText(moviename);
    m_poster->setAccessibleName(moviename);
}

void QMMovieHeaderView::setRating(const QString &generalmark)
{
    m_rating->setText(QStringLiteral("%1分").arg(generalmark));
    m_rating->widenToFitText(kRatingMaximumWidth);
}

void QMMovieHeaderView::setCredits(const QString &credits)
{
    m_credits->setText(credits);
}
