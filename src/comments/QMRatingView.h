#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QLabel;
class QMRatingButton;

// Ten stars in a row: pressing the i-th lights the first i and writes i into the score label.
class QMRatingView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMRatingView)

public:
    static constexpr int buttonCount = 10;

    explicit QMRatingView(const QRect &frame, QWidget *parent = nullptr);

    float ratingScore() const { return m_ratingScore; }
    // Lights the buttons up to the score, without touching the label.
    void setRatingScore(float score);
    // The label the score is written into; not owned.
    void setRatingLable(QLabel *label) { m_ratingLable = label; }

    const QList<QMRatingButton *> &buttons() const { return m_buttons; }

    void buttonPressed(QMRatingButton *button);

private:
    QList<QMRatingButton *> m_buttons;
    QPointer<QLabel> m_ratingLable;
    float m_ratingScore = 0;
};
