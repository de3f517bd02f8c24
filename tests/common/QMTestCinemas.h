#pragma once

#include "cinemas/CinemaList.h"
#include "cinemas/CountyList.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <utility>

// Cinema and district answers made up for screen tests, as records or as the service's XML.
struct QMTestCinema
{
    QString cinemaid;
    bool open = false;
    qint32 distance = 0;
    double pointy = 31.2286; // People's Square
    double pointx = 121.4752;

    QString name() const { return QStringLiteral("影院") + cinemaid; }
    QString address() const { return QStringLiteral("地址") + cinemaid; }
};

std::shared_ptr<CinemaList> testCinemaList(const QList<QMTestCinema> &cinemas);
QByteArray testCinemaListXml(const QList<QMTestCinema> &cinemas);

// (briefname, countycode) pairs, in order.
using QMTestDistricts = QList<std::pair<QString, QString>>;
std::shared_ptr<CountyList> testCountyList(const QMTestDistricts &districts);
QByteArray testCountyListXml(const QMTestDistricts &districts);

// The cinemaids of a list, in order.
QStringList cinemaIds(const QList<std::shared_ptr<SimpleCinema>> &cinemas);
