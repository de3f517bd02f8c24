#pragma once

#include <QUrl>

#include <functional>

// Opens an address in the system browser. Tests put a handler of their own in its place.
class QMBrowser
{
public:
    using Handler = std::function<void(const QUrl &)>;

    static void openUrl(const QUrl &url);
    // An empty handler restores the system browser.
    static void setHandlerForTesting(Handler handler);
};
