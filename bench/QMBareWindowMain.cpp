#include "app/QMFirstPaintProbe.h"

#include <QApplication>
#include <QWidget>

// The yardstick of the launch benchmark: the plainest Qt Widgets window of the client's size,
// timed to its first paint by the same probe as the client.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMFirstPaintProbe::installIfAsked();
    QWidget window;
    window.setWindowTitle(QStringLiteral("qm-bare-window"));
    window.resize(320, 480);
    window.show();
    return QApplication::exec();
}
