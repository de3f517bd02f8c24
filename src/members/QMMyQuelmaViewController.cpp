#include "members/QMMyQuelmaViewController.h"

QMMyQuelmaViewController::QMMyQuelmaViewController()
{
    setTitle(QStringLiteral("叽喳"));
}
