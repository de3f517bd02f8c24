#include "QMMemberViewsTestSupport.h"

#include "kit/QMActivityIndicatorView.h"
#include "kit/QMAlertView.h"
#include "kit/QMTextView.h"
#include "kit/QMWindow.h"

#include <QDir>
#include <QTest>

QMAlertView *topAlert()
{
    const QList<QMAlertView *> shown = QMAlertView::visibleAlerts();
    return shown.isEmpty() ? nullptr : shown.last();
}

std::string alertText()
{
    const QMAlertView *shown = topAlert();
    return shown ? (shown->title() + QLatin1Char('/') + shown->message()).toStdString()
                 : "no alert";
}

void typeText(QMTextView *text, const QString &typed)
{
    QTest::mouseClick(text->viewport(), Qt::LeftButton);
    for (const char32_t codePoint : typed.toUcs4())
        QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QString::fromUcs4(&codePoint, 1),
                            Qt::NoModifier);
}

bool waitUntilIdle(const QWidget *view, int timeoutMs)
{
    return QTest::qWaitFor(
        [&] {
            return view->findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly)
                .isEmpty();
        },
        timeoutMs);
}

void saveScreenshot(QMWindow *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window->saveScreenshot(QDir(dir).filePath(name));
}
