#pragma once

#include <QTimer>
#include <QWidget>

// The 20-point strip at the top of the phone: signal, the time, the battery.
class QMStatusStrip : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMStatusStrip)

public:
    static constexpr int stripHeight = 20;

    explicit QMStatusStrip(QWidget *parent = nullptr);

    QString timeText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void scheduleNextMinute();

    QTimer m_minuteTimer;
};
