#include "kit/QMBrowser.h"

#include <gtest/gtest.h>

namespace {

TEST(Browser, AddressesGoToTheTestHandlerAndOnlyWebPagesLeave)
{
    QList<QUrl> opened;
    QMBrowser::setHandlerForTesting([&](const QUrl &url) { opened.append(url); });
    const QUrl page(QStringLiteral("http://127.0.0.1:8470/shanghai/pay.xhtml?username=a&encode=b"));
    QMBrowser::openUrl(page);
    QMBrowser::openUrl(QUrl(QStringLiteral("https://example.org/")));
    QMBrowser::openUrl(QUrl(QStringLiteral("file:///etc/passwd")));
    QMBrowser::openUrl(QUrl(QStringLiteral("javascript:alert(1)")));
    QMBrowser::openUrl(QUrl());
    QMBrowser::setHandlerForTesting({});
    EXPECT_EQ(opened, (QList<QUrl>{page, QUrl(QStringLiteral("https://example.org/"))}));
}

} // namespace
