#include "QMScreenTestCase.h"

#include "app/QMDataContext.h"
#include "kit/QMActivityIndicatorView.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMTextField.h"
#include "members/QMLoginViewController.h"
#include "net/QMDataProvider.h"
#include "services/QMImageCache.h"

#include "QMTestRecorders.h"

#include <QCoreApplication>
#include <QDir>

QMTestService *QMScreenTestCase::service = nullptr;

void QMScreenTestCase::SetUpTestSuite()
{
    service = new QMTestService();
}

void QMScreenTestCase::TearDownTestSuite()
{
    delete service;
    service = nullptr;
    QMDataProvider::setBaseAddressForTesting({});
}

void QMScreenTestCase::SetUp()
{
    ASSERT_TRUE(service->isRunning()) << service->log().toStdString();
    QMDataProvider::setBaseAddressForTesting(service->baseUrl());
    window = std::make_unique<QMWindow>();
    window->makeKeyAndVisible();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void QMScreenTestCase::TearDown()
{
    while (QMAlertView *shown = alert())
        shown->clickButton();
    if (window)
        window->setRootViewController(nullptr);
    stack.reset();
    window.reset();
    flush();
    QMDataContext::CloseDataContext();
    QMDataProvider::CloseDataProvider();
    QMImageCache::CloseCache();
    QMDataProvider::setBaseAddressForTesting({});
}

void QMScreenTestCase::signIn()
{
    LoginRecorder recorder;
    QMLoginProvider *provider = QMDataContext::CurrentDataContext()->loginProvider();
    provider->username = QStringLiteral("demo@example.com");
    provider->password = QStringLiteral("demo123");
    provider->loginDelegate = &recorder;
    provider->requestLogin();
    ASSERT_TRUE(recorder.waitForCalls());
    ASSERT_EQ(recorder.successes, 1) << recorder.errorText().toStdString();
}

void QMScreenTestCase::signInOn(QMLoginViewController *login)
{
    ASSERT_TRUE(login);
    typeInto(login->userNameField(), QStringLiteral("demo@example.com"));
    typeInto(login->passwordField(), QStringLiteral("demo123"));
    tap(login->loginButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return isLogged() || alert(); }, 15000));
    ASSERT_FALSE(alert()) << said();
}

bool QMScreenTestCase::isLogged()
{
    return QMDataProvider::DataProvider()->isLogged();
}

void QMScreenTestCase::flush()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void QMScreenTestCase::typeInto(QWidget *target, const QString &text)
{
    tap(target);
    if (auto *field = qobject_cast<QMTextField *>(target)) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
    }
    for (const char32_t codePoint : text.toUcs4()) {
        const QString one = QString::fromUcs4(&codePoint, 1);
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, one, Qt::NoModifier);
    }
}

void QMScreenTestCase::tap(QWidget *widget)
{
    ASSERT_TRUE(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(10, 10));
}

bool QMScreenTestCase::isBusy(const QWidget *view)
{
    return !view->findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly).isEmpty();
}

QMAlertView *QMScreenTestCase::alert()
{
    const QList<QMAlertView *> shown = QMAlertView::visibleAlerts();
    return shown.isEmpty() ? nullptr : shown.last();
}

bool QMScreenTestCase::waitForAlert()
{
    return QTest::qWaitFor([] { return alert(); }, 15000);
}

std::string QMScreenTestCase::said(const QMAlertView *shown)
{
    if (!shown)
        return "no alert";
    return (shown->title() + QLatin1Char('/') + shown->message() + QLatin1Char('/') +
            shown->button()->text())
        .toStdString();
}

void QMScreenTestCase::dismissAlert()
{
    if (QMAlertView *shown = alert())
        QTest::mouseClick(shown->button(), Qt::LeftButton);
}

void QMScreenTestCase::screenshot(const QString &name) const
{
    const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR");
    if (!dir.isEmpty() && window)
        window->saveScreenshot(QDir(dir).filePath(name));
}
