#pragma once

#include <QAbstractButton>

// A tick box with its title on the right: "btn_relating_cinema.png" unticked,
// "btn_relating_movie.png" ticked. A touch anywhere on it clicks; whether that ticks it is the
// screen's decision.
class QMTickButton : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMTickButton)

public:
    static constexpr int kTickSize = 20;

    explicit QMTickButton(const QString &title, QWidget *parent = nullptr);
    ~QMTickButton() override;

    bool isTicked() const { return m_ticked; }
    void setTicked(bool ticked);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_ticked = false;
};
