#pragma once

#include <QMutex>
#include <QTimer>
#include <QWidget>

class QLabel;

// The launch cover. It stays over the window until three things have happened: the first
// location result (a fix or a failure), the first now-showing answer (a list or a failure) and
// a 3-second timer. A source that never answers does not hold the user forever: after a longer
// grace period the cover goes anyway.
class QMLoadingView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMLoadingView)

public:
    static constexpr int kMinimumMs = 3000;
    static constexpr int kGiveUpMs = 20000;

    explicit QMLoadingView(const QRect &frame, QWidget *parent = nullptr,
                           int minimumMs = kMinimumMs, int giveUpMs = kGiveUpMs);
    ~QMLoadingView() override;

    int waitingCount() const;

signals:
    // The cover has left the screen (it deletes itself afterwards).
    void removed();

private:
    void locationNotification();
    void onPlayListNotification();
    void timeInvoker();
    void checkObtain();
    void removeFromScreen();

    QLabel *_imageView;
    int _waitingCount = 3;
    mutable QMutex _obtainLock;
    QTimer m_timer;
    QTimer m_giveUpTimer;
    bool m_removed = false;
};
