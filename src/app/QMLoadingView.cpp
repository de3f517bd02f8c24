#include "app/QMLoadingView.h"

#include "films/QMOnPlayListProvider.h"
#include "services/QMLocationProvider.h"
#include "services/QMNotificationCenter.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>
#include <QMutexLocker>

QMLoadingView::QMLoadingView(const QRect &frame, QWidget *parent, int minimumMs, int giveUpMs)
    : QWidget(parent)
    , _imageView(new QLabel(this))
{
    setGeometry(frame);
    _imageView->setGeometry(rect());
    _imageView->setScaledContents(true);
    _imageView->setPixmap(
        QPixmap::fromImage(QMResourceImages::named(QStringLiteral("loading.jpg"))));

    QMNotificationCenter &center = QMNotificationCenter::defaultCenter();
    center.addObserver(this, kLocationNotification, [this](QObject *) { locationNotification(); });
    center.addObserver(this, kOnPlayListNotification,
                       [this](QObject *) { onPlayListNotification(); });

    QMViewBusyBee::showBusyBee(this, QRect(width() / 2 - 15, height() / 2 + 30, 30, 30));

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QMLoadingView::timeInvoker);
    m_timer.start(minimumMs);

    m_giveUpTimer.setSingleShot(true);
    connect(&m_giveUpTimer, &QTimer::timeout, this, &QMLoadingView::removeFromScreen);
    m_giveUpTimer.start(giveUpMs);
}

QMLoadingView::~QMLoadingView()
{
    QMNotificationCenter::defaultCenter().removeObserver(this);
}

int QMLoadingView::waitingCount() const
{
    QMutexLocker locker(&_obtainLock);
    return _waitingCount;
}

void QMLoadingView::locationNotification()
{
    // Only the first fix counts; the provider goes on announcing every later one.
    QMNotificationCenter::defaultCenter().removeObserver(this, kLocationNotification);
    checkObtain();
}

void QMLoadingView::onPlayListNotification()
{
    QMNotificationCenter::defaultCenter().removeObserver(this, kOnPlayListNotification);
    checkObtain();
}

void QMLoadingView::timeInvoker()
{
    checkObtain();
}

void QMLoadingView::checkObtain()
{
    bool done;
    {
        QMutexLocker locker(&_obtainLock);
        done = --_waitingCount < 1;
    }
    if (done)
        removeFromScreen();
}

void QMLoadingView::removeFromScreen()
{
    if (m_removed)
        return;
    m_removed = true;
    m_timer.stop();
    m_giveUpTimer.stop();
    QMNotificationCenter::defaultCenter().removeObserver(this);
    QMViewBusyBee::removeBusyBee(this);
    hide();
    emit removed();
    deleteLater();
}
