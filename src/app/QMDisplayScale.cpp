#include "app/QMDisplayScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <vector>

static const char *const scaleKey = "window/scale";

std::optional<int> QMDisplayScale::parse(const QString &text, QString *why)
{
    bool ok = false;
    const int scale = text.trimmed().toInt(&ok);
    if (ok && scale >= 1 && scale <= largest)
        return scale;
    if (why)
        *why = QStringLiteral("a whole number from 1 to %1 is expected").arg(largest);
    return std::nullopt;
}

std::optional<QString> QMDisplayScale::argument(int argc, char **argv)
{
    const QString option = QStringLiteral("--scale");
    for (int i = 1; i < argc; ++i) {
        const QString word = QString::fromLocal8Bit(argv[i]);
        if (word == QLatin1String("--"))
            break;
        if (word == option)
            return i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        if (word.startsWith(option + QLatin1Char('=')))
            return word.mid(option.size() + 1);
    }
    return std::nullopt;
}

int QMDisplayScale::forScreenHeight(int logicalHeight)
{
    return logicalHeight > tallScreen ? 2 : 1;
}

int QMDisplayScale::measurePrimaryScreen(int argc, char **argv)
{
    // The application parses (and removes) its own arguments: it gets a copy.
    std::vector<char *> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    int count = argc;
    QGuiApplication probe(count, arguments.data());
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

bool QMDisplayScale::applyBeforeApplication(int argc, char **argv, QString *why)
{
    QSettings settings;
    if (const std::optional<QString> given = argument(argc, argv)) {
        const std::optional<int> scale = parse(*given, why);
        if (!scale) {
            if (why)
                *why = QStringLiteral("--scale \"%1\": %2").arg(*given, *why);
            return false;
        }
        setScaleFactor(*scale);
        settings.setValue(QLatin1String(scaleKey), *scale);
        return true;
    }
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return true;
    std::optional<int> scale = parse(settings.value(QLatin1String(scaleKey)).toString(), nullptr);
    if (!scale) {
        // Measured once, at the platform's own scale: a screen that already doubles its points
        // reports half its pixels and stays at 1×.
        scale = forScreenHeight(measurePrimaryScreen(argc, argv));
        settings.setValue(QLatin1String(scaleKey), *scale);
    }
    setScaleFactor(*scale);
    return true;
}

void QMDisplayScale::setScaleFactor(int scale)
{
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    s_environmentSet = true;
}

void QMDisplayScale::applicationCreated()
{
    if (s_environmentSet)
        qunsetenv("QT_SCALE_FACTOR");
    s_environmentSet = false;
}
