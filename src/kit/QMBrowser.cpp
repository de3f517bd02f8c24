#include "kit/QMBrowser.h"

#include <QDesktopServices>

static QMBrowser::Handler &testHandler()
{
    static QMBrowser::Handler handler;
    return handler;
}

void QMBrowser::openUrl(const QUrl &url)
{
    // Only web pages leave the application; anything else in an address is refused.
    if (!url.isValid() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return;
    if (testHandler()) {
        testHandler()(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

void QMBrowser::setHandlerForTesting(Handler handler)
{
    testHandler() = std::move(handler);
}
