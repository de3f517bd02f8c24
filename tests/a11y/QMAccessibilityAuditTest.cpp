#include "kit/QMAccessibilityAudit.h"
#include "kit/QMBarButton.h"
#include "kit/QMWindow.h"

#include "KitTestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(AccessibilityAudit, FindsAPictureButtonWithoutAName)
{
    std::unique_ptr<QMWindow> window = shownWindow();
    QImage picture(40, 30, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::red);
    auto *button = new QMBarButton(QString(), picture, window.get());
    button->show();
    const QStringList found = QMAccessibilityAudit::unnamedControls(window.get());
    ASSERT_EQ(found.size(), 1) << found.join('\n').toStdString();
    EXPECT_TRUE(found[0].startsWith(QStringLiteral("Button QMBarButton at QMWindow/")))
        << found[0].toStdString();
}
