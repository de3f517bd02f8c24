#include "QMArtCatalog.h"
#include "QMArtIcon.h"
#include "QMContactSheet.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

// qm-artwork DIRECTORY                  writes every picture into DIRECTORY
// qm-artwork --sheet FILE.png [NAME...]  writes the contact sheet (of the named pictures only)
// qm-artwork --icons DIRECTORY          writes the application's icon as DIRECTORY/hicolor/...
int main(int argc, char **argv)
{
    // Fonts need a GUI application, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);

    if (args.size() >= 2 && args[0] == QLatin1String("--sheet")) {
        const QStringList names = args.mid(2);
        std::vector<QMArtEntry> chosen;
        for (const QMArtEntry &entry : QMArtCatalog::entries()) {
            if (names.isEmpty() || names.contains(entry.name()))
                chosen.push_back(entry);
        }
        if (QMContactSheet::render(chosen).save(args[1]))
            return 0;
        err << "cannot write " << args[1] << '\n';
        return 1;
    }
    if (args.size() == 2 && args[0] == QLatin1String("--icons")) {
        QString error;
        if (QMArtIcon::save(args[1], &error))
            return 0;
        err << error << '\n';
        return 1;
    }
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-'))) {
        err << "usage: qm-artwork DIRECTORY | qm-artwork --sheet FILE.png [NAME...] | "
               "qm-artwork --icons DIRECTORY\n";
        return 2;
    }
    if (!QDir().mkpath(args[0])) {
        err << "cannot create " << args[0] << '\n';
        return 1;
    }
    for (const QMArtEntry &entry : QMArtCatalog::entries()) {
        QString error;
        if (!entry.save(args[0], &error)) {
            err << error << '\n';
            return 1;
        }
    }
    return 0;
}
