#include "cinemas/QMCinemaViewController.h"

QMCinemaViewController::QMCinemaViewController()
{
    setTitle(QStringLiteral("影院"));
}
