#include "QMAppTestCase.h"

#include "app/QMDataContext.h"
#include "cinemas/CinemaList.h"
#include "cinemas/QMNearbyCinemaProvider.h"
#include "kit/QMAlertView.h"
#include "kit/QMTabBar.h"
#include "kit/QMTabBarController.h"
#include "kit/QMWindow.h"
#include "net/QMDataProvider.h"
#include "services/QMLocationProvider.h"

#include "QMTestRecorders.h"

#include <QDir>
#include <QTest>

QMTestService *QMAppTestCase::service = nullptr;

void QMAppTestCase::SetUpTestSuite()
{
    service = new QMTestService();
}

void QMAppTestCase::TearDownTestSuite()
{
    delete service;
    service = nullptr;
}

void QMAppTestCase::SetUp()
{
    ASSERT_TRUE(service->isRunning()) << service->log().toStdString();
    QMDataProvider::setBaseAddressForTesting(service->baseUrl());
    delegate = std::make_unique<QMMainAppDelegate>();
    ASSERT_TRUE(delegate->applicationDidFinishLaunching());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !delegate->loadingView(); }, 20000));
    ASSERT_TRUE(QMDataContext::CurrentDataContext()->locationProvider()->hasLocation());
}

void QMAppTestCase::TearDown()
{
    for (QMAlertView *alert : QMAlertView::visibleAlerts())
        alert->clickButton();
    delegate.reset();
    QMDataProvider::setBaseAddressForTesting({});
}

void QMAppTestCase::tapTab(int index)
{
    QMTabBar *bar = delegate->tabController()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->itemRect(index).center());
}

void QMAppTestCase::screenshot(const QString &name)
{
    const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR");
    if (!dir.isEmpty() && delegate && delegate->window())
        delegate->window()->saveScreenshot(QDir(dir).filePath(name));
}

QList<std::shared_ptr<SimpleCinema>> QMAppTestCase::serviceCatalogue()
{
    CinemaListRecorder recorder;
    QMNearbyCinemaProvider *provider = QMDataContext::CurrentDataContext()->nearbyCinemaProvider();
    provider->cinemaDelegate = &recorder;
    provider->requestForCinemasNearby({0, 0});
    if (!recorder.waitForCalls() || !recorder.record)
        return {};
    return recorder.record->cinemaArray;
}

QMViewController *QMAppTestCase::sheet() const
{
    return delegate->tabController()->modalViewController();
}

QMNavigationController *QMAppTestCase::tab() const
{
    return qobject_cast<QMNavigationController *>(
        delegate->tabController()->selectedViewController());
}
