#pragma once

#include "kit/QMLabel.h"

#include <QWidget>

class QLabel;

// The top of a film's details: its poster, its name in orange, its mark and its credits.
class QMMovieHeaderView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMovieHeaderView)

public:
    static constexpr QSize kSize{320, 160};

    // A rating widens to show "10.0分" whole, up to this.
    static constexpr int kRatingMaximumWidth = 60;

    // The mark stands at ratingFrame, in ratingFont, written "%@分".
    QMMovieHeaderView(const QRect &ratingFrame, const QFont &ratingFont, QWidget *parent = nullptr);

    void setPoster(const QImage &poster);
    void setTitle(const QString &moviename);
    void setRating(const QString &generalmark);
    void setCredits(const QString &credits);

    QLabel *posterView() const { return m_poster; }
    QMLabel *titleLabel() const { return m_title; }
    QMLabel *ratingLabel() const { return m_rating; }
    QMLabel *creditsLabel() const { return m_credits; }

private:
    QLabel *m_poster;
    QMLabel *m_title;
    QMLabel *m_rating;
    QMLabel *m_credits;
};
