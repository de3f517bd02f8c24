#include "QMSScreeningPlanner.h"

#include "QMSClock.h"
#include "QMSConnection.h"
#include "QMSStatement.h"
#include "QMSTransaction.h"

#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

struct Film
{
    long long id;
    int minutes;
    std::string language;
    std::string type;
};

struct Hall
{
    long long id;
    long long cinema;
    std::string name;
};

bool suitsThreeD(const std::string &type)
{
    return type == "科幻" || type == "动作" || type == "动画" || type == "冒险" || type == "奇幻" ||
           type == "灾难";
}

std::string clock(int minutes)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60 % 24, minutes % 60);
    return text;
}

} // namespace

int QMSScreeningPlanner::ensureWindow(QMSConnection &db, const QDate &today)
{
    int planned = 0;
    for (int offset = -daysBefore; offset <= daysAfter; ++offset) {
        const QDate day = today.addDays(offset);
        QMSTransaction transaction(db);
        {
            QMSStatement known(db, "SELECT 1 FROM screenings WHERE playdate = ? LIMIT 1");
            known.with(QMSClock::day(day));
            if (known.step())
                continue;
        }
        planDay(db, day);
        transaction.commit();
        ++planned;
    }
    QMSTransaction transaction(db);
    countCinemas(db, today);
    transaction.commit();
    return planned;
}

void QMSScreeningPlanner::planDay(QMSConnection &db, const QDate &day)
{
    std::map<long long, std::vector<Film>> repertoire;
    {
        QMSStatement query(db, "SELECT r.cinema, f.id, f.minutes, f.language, f.type "
                               "FROM repertoire r JOIN films f ON f.id = r.film "
                               "ORDER BY r.cinema, f.position");
        while (query.step())
            repertoire[query.integer(0)].push_back({query.integer(1),
                                                    static_cast<int>(query.integer(2)),
                                                    query.text(3), query.text(4)});
    }
    std::vector<Hall> halls;
    {
        QMSStatement query(db, "SELECT id, cinema, name FROM halls ORDER BY id");
        while (query.step())
            halls.push_back({query.integer(0), query.integer(1), query.text(2)});
    }

    // Screening ids count from 3000001, apart from every other kind of id.
    long long id = 3000000;
    {
        QMSStatement last(db, "SELECT MAX(id) FROM screenings");
        if (last.step() && last.integer(0) > id)
            id = last.integer(0);
    }
    const std::string date = QMSClock::day(day);
    QMSStatement insert(db, "INSERT INTO screenings (id, cinema, hall, film, playdate, playtime, "
                            "language, edition, price, quelprice, open) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const Hall &hall : halls) {
        const std::vector<Film> &films = repertoire[hall.cinema];
        if (films.empty())
            continue;
        // The same day always gets the same programme.
        std::mt19937 random(static_cast<unsigned>(hall.id * 1000003 + day.toJulianDay() * 7));
        const bool imax = hall.name.find("IMAX") != std::string::npos;
        const int basePrice = 50 + static_cast<int>(hall.cinema * 7 % 11) * 5;
        int start = 9 * 60 + 30 + static_cast<int>(random() % 12) * 5;
        while (start <= 22 * 60 + 45) {
            // The first films of a cinema's programme (the biggest) play most often.
            const size_t pick = random() % 2 ? random() % std::min<size_t>(3, films.size())
                                             : random() % films.size();
            const Film &film = films[pick];
            std::string edition;
            int price = basePrice + (start >= 18 * 60 ? 10 : 0);
            if (imax) {
                edition = "IMAX";
                price += 30;
            } else if (suitsThreeD(film.type) && random() % 2) {
                edition = "3D";
                price += 10;
            } else if (random() % 3) {
                edition = "2D";
            }
            int servicePrice = (price * 6 / 10 + 4) / 5 * 5;
            const unsigned oddity = random() % 25;
            if (oddity == 0)
                servicePrice = 0; // sold at the counter only: no service price
            else if (oddity == 1)
                price = 0; // the cinema publishes no price of its own
            std::string language = film.language;
            if (language == "粤语" && random() % 3 == 0)
                language = "国语";

            insert.with(++id, hall.cinema, hall.id, film.id, date, clock(start), language, edition,
                        price, servicePrice, random() % 12 != 0);
            insert.run();
            insert.reset();
            start += film.minutes + 15 + static_cast<int>(random() % 4) * 5;
            start = (start + 4) / 5 * 5;
        }
    }
}

void QMSScreeningPlanner::countCinemas(QMSConnection &db, const QDate &today)
{
    QMSStatement update(
        db, "UPDATE films SET "
            "cinemanum = (SELECT COUNT(DISTINCT cinema) FROM screenings "
            "WHERE film = films.id AND playdate >= ?1), "
            "ordercinemanum = (SELECT COUNT(DISTINCT s.cinema) FROM screenings s "
            "JOIN cinemas c ON c.id = s.cinema WHERE s.film = films.id AND s.playdate >= ?1 "
            "AND c.open = 1)");
    update.with(QMSClock::day(today));
    update.run();
}
