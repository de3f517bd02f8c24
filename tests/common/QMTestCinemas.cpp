#include "QMTestCinemas.h"

std::shared_ptr<CinemaList> testCinemaList(const QList<QMTestCinema> &cinemas)
{
    auto list = std::make_shared<CinemaList>();
    for (const QMTestCinema &made : cinemas) {
        auto cinema = std::make_shared<SimpleCinema>();
        cinema->cinemaid = made.cinemaid;
        cinema->cinemaname = made.name();
        cinema->address = made.address();
        cinema->pointx = made.pointx;
        cinema->pointy = made.pointy;
        cinema->distance = made.distance;
        cinema->open = made.open;
        list->cinemaArray.append(cinema);
    }
    return list;
}

QByteArray testCinemaListXml(const QList<QMTestCinema> &cinemas)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><data><cinemaList>";
    for (const QMTestCinema &c : cinemas) {
        xml += "<cinema><cinemaid>" + c.cinemaid.toUtf8() + "</cinemaid><cinemaname>" +
               c.name().toUtf8() + "</cinemaname><address>" + c.address().toUtf8() +
               "</address><pointx>" + QByteArray::number(c.pointx, 'f', 4) + "</pointx><pointy>" +
               QByteArray::number(c.pointy, 'f', 4) + "</pointy><distance>" +
               QByteArray::number(c.distance) + "</distance><open>" + (c.open ? "true" : "false") +
               "</open></cinema>";
    }
    return xml + "</cinemaList></data>";
}

std::shared_ptr<CountyList> testCountyList(const QMTestDistricts &districts)
{
    auto list = std::make_shared<CountyList>();
    for (const auto &[name, code] : districts) {
        auto county = std::make_shared<County>();
        county->briefname = name;
        county->countycode = code;
        list->countyArray.append(county);
    }
    return list;
}

QByteArray testCountyListXml(const QMTestDistricts &districts)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><data><countyList>";
    for (const auto &[name, code] : districts)
        xml += "<county><countycode>" + code.toUtf8() + "</countycode><briefname>" + name.toUtf8() +
               "</briefname></county>";
    return xml + "</countyList></data>";
}

QStringList cinemaIds(const QList<std::shared_ptr<SimpleCinema>> &cinemas)
{
    QStringList ids;
    for (const auto &cinema : cinemas)
        ids.append(cinema->cinemaid);
    return ids;
}
