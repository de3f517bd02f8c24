#include "QMSCatalogueSeeder.h"

#include "QMSClock.h"
#include "QMSConnection.h"
#include "QMSDice.h"
#include "QMSHallLayout.h"
#include "QMSPictureMaker.h"
#include "QMSPictures.h"
#include "QMSSampleData.h"
#include "QMSStatement.h"

#include <algorithm>

namespace {

using Cinema = QMSCatalogueSeeder::Cinema;
using Film = QMSCatalogueSeeder::Film;
constexpr long long firstCinema = QMSCatalogueSeeder::firstCinema;
constexpr long long firstFilm = QMSCatalogueSeeder::firstFilm;
constexpr long long firstComingFilm = QMSCatalogueSeeder::firstComingFilm;

std::string mark(double value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

void seedCinemas(QMSConnection &db, QMSDice &dice, std::vector<Cinema> &cinemas)
{
    const auto &districts = QMSSampleData::districts();
    const auto &brands = QMSSampleData::brands();
    static const std::vector<const char *> parks = {"商场地下停车场，观影可免费停车3小时",
                                                    "周边有公共停车场", "无停车场，建议公共交通"};
    static const std::vector<const char *> features = {"杜比全景声", "情侣座", "4K激光放映",
                                                       "巨幕厅", "儿童影厅"};
    static const std::vector<const char *> discounts = {"周二半价", "会员日8折", "学生票优惠",
                                                        "早场特惠"};
    static const std::vector<const char *> hours = {"09:00-24:00", "10:00-次日01:00",
                                                    "09:30-23:30"};
    QMSStatement insert(db,
                        "INSERT INTO cinemas (id, district, name, englishname, address, phone, "
                        "transport, opentime, park, content, indexarea, generalmark, "
                        "environmentmark, servicemark, audiomark, pricemark, feature, discount, "
                        "pairseat, visacard, playground, pointx, pointy, open) VALUES "
                        "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    QMSStatement hallInsert(db, "INSERT INTO halls (cinema, name, layout) VALUES (?, ?, ?)");
    long long id = firstCinema;
    int position = 0;
    const int total = [&] {
        int sum = 0;
        for (const auto &district : districts)
            sum += district.cinemas;
        return sum;
    }();
    for (const auto &district : districts) {
        {
            QMSStatement row(db, "INSERT INTO districts (code, name, briefname, position) "
                                 "VALUES (?, ?, ?, ?)");
            row.with(district.code, district.name, district.briefname, position++);
            row.run();
        }
        for (int i = 0; i < district.cinemas; ++i, ++id) {
            const auto &brand = brands[static_cast<size_t>((id - firstCinema) * 5) % brands.size()];
            const std::string area = district.areas[static_cast<size_t>(i)];
            const std::string name = area + brand.name;
            const bool first = id == firstCinema;
            // One new cinema has no position yet: clients leave it off their maps.
            const bool unplaced = id == firstCinema + total - 1;
            const bool open = first || (!unplaced && dice.chance(70));
            const int hallCount = dice.between(3, 7);
            const bool imax = first || dice.chance(30);

            double longitude = district.longitude + dice.real(-0.015, 0.015);
            double latitude = district.latitude + dice.real(-0.012, 0.012);
            if (first) {
                longitude = 121.4752; // People's Square, where the demo walk starts
                latitude = 31.2286;
            } else if (unplaced) {
                longitude = latitude = 0;
            }

            const std::string road = district.roads[static_cast<size_t>(i) % district.roads.size()];
            const std::string address = std::string(district.name) + road +
                                        std::to_string(dice.between(10, 1500)) + "号" +
                                        std::to_string(dice.between(3, 8)) + "楼";
            const std::string transport =
                district.stations.empty()
                    ? std::string("乘公交至") + area + "站下车，步行约5分钟"
                    : "地铁" +
                          std::string(district.stations[static_cast<size_t>(i) %
                                                        district.stations.size()]) +
                          "，步行约" + std::to_string(dice.between(2, 12)) + "分钟";
            const std::string feature = imax ? "IMAX厅" : dice.pick(features);
            const double general = dice.real(6.8, 9.3);
            const std::string content = name + "位于" + district.briefname + area + "，共有" +
                                        std::to_string(hallCount) + "个影厅，" + feature +
                                        "，观影环境舒适。" +
                                        (open ? "支持在线选座购票。" : "暂未开通在线购票。");
            insert.with(
                id, district.code, name, std::string(brand.english) + " " + district.english,
                address, "021-6" + std::to_string(dice.between(1000000, 9999999)), transport,
                dice.pick(hours), dice.pick(parks), content, area, mark(general),
                mark(std::min(9.9, general + dice.real(-0.5, 0.6))),
                mark(std::min(9.9, general + dice.real(-0.6, 0.5))),
                mark(std::min(9.9, general + dice.real(-0.3, 0.7))), mark(dice.real(6.0, 9.0)),
                feature, dice.pick(discounts), dice.chance(60) ? "有" : "无", "可刷卡",
                dice.chance(40) ? "有儿童游乐区" : "无", longitude, latitude, open);
            insert.run();
            insert.reset();
            cinemas.push_back({id, name, area});

            for (int h = 1; h <= hallCount; ++h) {
                const bool big = imax && h == 1;
                const std::string hallName = big ? "IMAX厅" : std::to_string(h) + "号厅";
                hallInsert.with(id, hallName,
                                QMSHallLayout::generate(dice.engine(),
                                                        big ? 12 : dice.between(7, 11),
                                                        big ? 16 : dice.between(10, 15)));
                hallInsert.run();
                hallInsert.reset();
            }
            QMSPictures::store(db, "c" + std::to_string(id) + ".jpg",
                               QMSPictureMaker::cinemaPhoto(name, static_cast<int>(id * 37 % 360)));
        }
    }
}

std::string personName(QMSDice &dice)
{
    return std::string(dice.pick(QMSSampleData::surnames())) +
           dice.pick(QMSSampleData::givenNames());
}

void seedFilms(QMSConnection &db, QMSDice &dice, const QDate &today, std::vector<Film> &showing)
{
    QMSStatement insert(db, "INSERT INTO films (id, name, englishname, language, type, state, "
                            "director, actors, honor, length, content, hotvalue, storymark, "
                            "performmark, audiomark, screenmark, releasedate, generalmark, "
                            "minutes, position) VALUES "
                            "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    auto add = [&](const QMSSampleData::Film &film, long long id, bool now, int position) {
        const std::string director = personName(dice);
        std::vector<std::string> cast;
        const int castSize = id == firstFilm ? 5 : dice.between(2, 4);
        while (static_cast<int>(cast.size()) < castSize) {
            const std::string actor = personName(dice);
            if (std::find(cast.begin(), cast.end(), actor) == cast.end() && actor != director)
                cast.push_back(actor);
        }
        std::string actors;
        for (const std::string &actor : cast)
            actors += (actors.empty() ? "" : ",") + actor;
        const double general =
            now ? std::max(6.0, 9.2 - position * 0.1 + dice.real(-0.3, 0.3)) : dice.real(7.0, 8.8);
        const QDate release =
            now ? today.addDays(-2 - position * 2) : today.addDays(7 + position * 6);
        const std::string content = std::string(film.story) + "影片由" + director + "执导，" +
                                    cast[0] + "、" + cast[1] + "主演。";
        insert.with(id, film.name, film.english, film.language, film.type, now ? "now" : "soon",
                    director, actors, dice.pick(QMSSampleData::honours()),
                    std::to_string(film.minutes) + "分钟", content,
                    std::to_string(now ? dice.between(60, 99) : dice.between(20, 70)),
                    mark(general + dice.real(-0.4, 0.4)), mark(general + dice.real(-0.4, 0.4)),
                    mark(general + dice.real(-0.3, 0.5)), mark(general + dice.real(-0.3, 0.5)),
                    QMSClock::day(release), mark(general), film.minutes, position);
        insert.run();
        insert.reset();
        QMSPictures::store(
            db, "m" + std::to_string(id) + ".jpg",
            QMSPictureMaker::poster(film.name, film.english, static_cast<int>(id * 53 % 360)));
    };
    int position = 0;
    for (const auto &film : QMSSampleData::nowShowing()) {
        const long long id = firstFilm + position;
        add(film, id, true, position++);
        showing.push_back({id, film.name});
    }
    position = 0;
    for (const auto &film : QMSSampleData::comingSoon()) {
        add(film, firstComingFilm + position, false, position);
        ++position;
    }
}

void seedRepertoire(QMSConnection &db, QMSDice &dice, const std::vector<Cinema> &cinemas,
                    const std::vector<Film> &films)
{
    QMSStatement insert(db, "INSERT INTO repertoire (cinema, film) VALUES (?, ?)");
    for (const Cinema &cinema : cinemas) {
        for (size_t i = 0; i < films.size(); ++i) {
            // The three biggest films play everywhere; every cinema shows at least eight.
            if (i < 8 ? (i < 3 || dice.chance(70)) : dice.chance(40)) {
                insert.with(cinema.id, films[i].id);
                insert.run();
                insert.reset();
            }
        }
    }
}

} // namespace

void QMSCatalogueSeeder::seed(QMSConnection &db, QMSDice &dice, const QDate &today,
                              std::vector<Cinema> &cinemas, std::vector<Film> &showing)
{
    seedCinemas(db, dice, cinemas);
    seedFilms(db, dice, today, showing);
    seedRepertoire(db, dice, cinemas, showing);
}
