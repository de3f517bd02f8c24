#include <QApplication>

#include <gtest/gtest.h>

// Every test binary runs GoogleTest inside a QApplication, so widgets, timers and network
// replies work as in the client. The offscreen platform keeps tests independent of a display.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qmclient-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
