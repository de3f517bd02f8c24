#include "QMSSeeder.h"

#include "QMSClock.h"
#include "QMSConnection.h"
#include "QMSHallLayout.h"
#include "QMSPasswords.h"
#include "QMSPictureMaker.h"
#include "QMSSampleData.h"
#include "QMSScreeningPlanner.h"
#include "QMSSchema.h"
#include "QMSStatement.h"
#include "QMSTransaction.h"

#include <algorithm>
#include <random>
#include <set>

namespace {

constexpr long long firstCinema = 2001;
constexpr long long firstFilm = 1001;
constexpr long long firstComingFilm = 1101;
constexpr long long demoMember = 5001;
constexpr long long firstComment = 7001;

class Dice
{
public:
    explicit Dice(unsigned seed)
        : m_random(seed)
    {}

    int between(int low, int high) // inclusive
    {
        return low + static_cast<int>(m_random() % static_cast<unsigned>(high - low + 1));
    }
    double real(double low, double high)
    {
        return low + (high - low) * (m_random() % 100000) / 100000.0;
    }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template<typename T> const T &pick(const std::vector<T> &list)
    {
        return list[m_random() % list.size()];
    }
    std::mt19937 &engine() { return m_random; }

private:
    std::mt19937 m_random;
};

std::string replaced(std::string text, const std::string &field, const std::string &value)
{
    for (size_t at = text.find(field); at != std::string::npos; at = text.find(field, at))
        text.replace(at, field.size(), value), at += value.size();
    return text;
}

std::string mark(double value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

void storePicture(QMSConnection &db, const std::string &name, const std::string &jpeg)
{
    QMSStatement insert(db, "INSERT OR REPLACE INTO pictures (name, data) VALUES (?, ?)");
    insert.with(name).withBlob(jpeg);
    insert.run();
}

struct Cinema
{
    long long id;
    std::string name;
    std::string area;
};

struct Film
{
    long long id;
    std::string name;
};

void seedCinemas(QMSConnection &db, Dice &dice, std::vector<Cinema> &cinemas)
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
            storePicture(db, "c" + std::to_string(id) + ".jpg",
                         QMSPictureMaker::cinemaPhoto(name, static_cast<int>(id * 37 % 360)));
        }
    }
}

std::string personName(Dice &dice)
{
    return std::string(dice.pick(QMSSampleData::surnames())) +
           dice.pick(QMSSampleData::givenNames());
}

void seedFilms(QMSConnection &db, Dice &dice, const QDate &today, std::vector<Film> &showing)
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
        storePicture(
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

void seedRepertoire(QMSConnection &db, Dice &dice, const std::vector<Cinema> &cinemas,
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

struct Member
{
    long long id;
    std::string nickname;
};

void seedMembers(QMSConnection &db, Dice &dice, const QDateTime &now, std::vector<Member> &members)
{
    QMSStatement insert(db, "INSERT INTO members (id, email, mobile, nickname, password, sex, "
                            "position, body, pointvalue, balance, pointx, pointy, created) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const auto &districts = QMSSampleData::districts();
    long long id = demoMember;
    for (const auto &person : QMSSampleData::people()) {
        const int n = static_cast<int>(id - demoMember) + 1;
        const bool demo = id == demoMember;
        char email[32];
        std::snprintf(email, sizeof email, "user%02d@example.com", n);
        char mobile[16];
        std::snprintf(mobile, sizeof mobile, "1390000%04d", n);
        // Most members live in the centre, near the demo member; a few across the city.
        double latitude = 31.2304 + dice.real(-0.03, 0.03);
        double longitude = 121.4737 + dice.real(-0.035, 0.035);
        if (demo) {
            latitude = 31.2304;
            longitude = 121.4737;
        } else if (n > 24) {
            const auto &district = districts[static_cast<size_t>(n) % districts.size()];
            latitude = district.latitude + dice.real(-0.01, 0.01);
            longitude = district.longitude + dice.real(-0.01, 0.01);
        }
        insert.with(id, demo ? "demo@example.com" : email, demo ? "13800138000" : mobile,
                    person.nickname, QMSPasswords::hash(demo ? "demo123" : "member123"), person.sex,
                    person.position, person.body, dice.between(0, 600), dice.between(0, 200),
                    longitude, latitude, QMSClock::stamp(now.addDays(-dice.between(60, 400))));
        insert.run();
        insert.reset();
        storePicture(db, "u" + std::to_string(id) + ".jpg",
                     QMSPictureMaker::portrait(person.nickname, static_cast<int>(id * 47 % 360)));
        members.push_back({id, person.nickname});
        ++id;
    }
}

void seedFollows(QMSConnection &db, Dice &dice, const QDateTime &now,
                 const std::vector<Member> &members)
{
    QMSStatement insert(db, "INSERT OR IGNORE INTO follows (member, tag, relatedid, time) "
                            "VALUES (?, ?, ?, ?)");
    auto follow = [&](long long member, const char *tag, long long target) {
        insert.with(member, tag, std::to_string(target),
                    QMSClock::stamp(now.addSecs(-60LL * dice.between(30, 60 * 24 * 60))));
        insert.run();
        insert.reset();
    };
    for (long long target = demoMember + 1; target <= demoMember + 14; ++target)
        follow(demoMember, "member", target);
    follow(demoMember, "cinema", firstCinema);
    follow(demoMember, "cinema", firstCinema + 4);
    follow(demoMember, "movie", firstFilm);
    follow(demoMember, "movie", firstFilm + 3);
    for (const Member &member : members) {
        if (member.id == demoMember)
            continue;
        const int count = dice.between(2, 7);
        for (int i = 0; i < count; ++i) {
            const long long target = dice.pick(members).id;
            if (target != member.id)
                follow(member.id, "member", target);
        }
        if (dice.chance(50))
            follow(member.id, "member", demoMember);
    }
}

void seedCheckIns(QMSConnection &db, Dice &dice, const QDateTime &now,
                  const std::vector<Member> &members, const std::vector<Cinema> &cinemas)
{
    QMSStatement insert(db,
                        "INSERT INTO checkins (member, cinema, time, points) VALUES (?, ?, ?, 5)");
    // Members 5001 to 5014 were last seen at the People's Square cinema: its "place" feed.
    for (const Member &member : members) {
        const int visits = dice.between(1, 3);
        for (int v = 0; v < visits; ++v) {
            const bool last = v == visits - 1;
            const long long cinema =
                last && member.id <= demoMember + 13 ? firstCinema : dice.pick(cinemas).id;
            insert.with(member.id, cinema,
                        QMSClock::stamp(now.addDays(-(visits - v) * dice.between(1, 6))));
            insert.run();
            insert.reset();
        }
    }
}

struct Draft
{
    long long member;
    int parent = -1;
    int transfer = -1;
    std::string tag;
    std::string relatedid;
    std::string body;
    long long screening = 0;
    int minutesAgo = 0;
    long long id = 0;
};

void seedComments(QMSConnection &db, Dice &dice, const QDateTime &now,
                  const std::vector<Member> &members, const std::vector<Cinema> &cinemas,
                  const std::vector<Film> &films)
{
    std::vector<Draft> drafts;
    const std::string demoNick = members.front().nickname;
    auto someone = [&] {
        return dice.pick(members).id;
    };
    auto other = [&] {
        long long id = demoMember;
        while (id == demoMember)
            id = someone();
        return id;
    };
    auto fill = [&](std::string text) {
        text = replaced(text, "{film}", dice.pick(films).name);
        return replaced(text, "{cinema}", dice.pick(cinemas).name);
    };
    auto post = [&](long long member, std::string tag, std::string related, std::string body) {
        Draft draft;
        draft.member = member;
        draft.tag = std::move(tag);
        draft.relatedid = std::move(related);
        draft.body = std::move(body);
        draft.minutesAgo = dice.between(90, 30 * 24 * 60);
        drafts.push_back(draft);
        return static_cast<int>(drafts.size() - 1);
    };
    auto reply = [&](long long member, int parent) {
        Draft draft;
        draft.member = member;
        draft.parent = parent;
        draft.body = dice.pick(QMSSampleData::replies());
        const int span = std::min(2 * 24 * 60, drafts[static_cast<size_t>(parent)].minutesAgo - 2);
        draft.minutesAgo = drafts[static_cast<size_t>(parent)].minutesAgo - dice.between(1, span);
        drafts.push_back(draft);
    };

    // Reviews: plenty on the leading film and the People's Square cinema, a few elsewhere.
    for (const Film &film : films) {
        const int count = film.id == firstFilm ? 24 : dice.between(2, 8);
        for (int i = 0; i < count; ++i) {
            const long long member = film.id == firstFilm && i < 2 ? demoMember : someone();
            post(member, "movie", std::to_string(film.id),
                 replaced(dice.pick(QMSSampleData::filmComments()), "{film}", film.name));
        }
    }
    for (const Cinema &cinema : cinemas) {
        const int count =
            cinema.id == firstCinema ? 15 : (dice.chance(50) ? dice.between(1, 4) : 0);
        for (int i = 0; i < count; ++i)
            post(someone(), "cinema", std::to_string(cinema.id),
                 dice.pick(QMSSampleData::cinemaComments()));
    }
    // Status posts, some about a film or cinema, some addressed to a member.
    std::vector<int> demoPosts;
    for (int i = 0; i < 70; ++i) {
        const long long member = i < 10 ? demoMember : someone();
        std::string body = fill(dice.pick(QMSSampleData::statusPosts()));
        int at;
        if (i % 5 == 1)
            at = post(member, "movie", std::to_string(dice.pick(films).id), body);
        else if (i % 5 == 2)
            at = post(member, "cinema", std::to_string(dice.pick(cinemas).id), body);
        else if (i % 5 == 3 && member != demoMember)
            at = post(member, "member", std::to_string(i % 2 ? demoMember : other()), body);
        else
            at = post(member, "member", "", body);
        if (member == demoMember)
            demoPosts.push_back(at);
    }
    // Posts written right after a screening (the square shows where and what).
    {
        QMSStatement screenings(db, "SELECT s.id, s.film, f.name FROM screenings s "
                                    "JOIN films f ON f.id = s.film WHERE s.playdate = ? "
                                    "ORDER BY s.id LIMIT 400");
        screenings.with(QMSClock::day(now.date().addDays(-1)));
        std::vector<std::tuple<long long, long long, std::string>> yesterday;
        while (screenings.step())
            yesterday.emplace_back(screenings.integer(0), screenings.integer(1),
                                   screenings.text(2));
        for (int i = 0; i < 16 && !yesterday.empty(); ++i) {
            const auto &[screening, film, name] = dice.pick(yesterday);
            const int at =
                post(someone(), "movie", std::to_string(film),
                     "刚看完《" + name + "》，" + dice.pick(QMSSampleData::filmComments()));
            drafts[static_cast<size_t>(at)].screening = screening;
            drafts[static_cast<size_t>(at)].minutesAgo = dice.between(60, 20 * 60);
        }
    }
    // Mentions: thirteen of the demo member, a few of others.
    for (int i = 0; i < 17; ++i) {
        const std::string nick = i < 13 ? demoNick : dice.pick(members).nickname;
        long long author = other();
        if (members[static_cast<size_t>(author - demoMember)].nickname == nick)
            author = demoMember;
        post(author, "member", "",
             fill(replaced(dice.pick(QMSSampleData::mentions()), "{nick}", nick)));
    }
    const size_t posts = drafts.size();

    // Replies: a long thread on the demo member's first post, replies both ways, and others.
    for (int i = 0; i < 22; ++i)
        reply(other(), demoPosts.front());
    for (size_t i = 1; i < demoPosts.size(); ++i)
        reply(other(), demoPosts[i]);
    for (int i = 0; i < 16; ++i) {
        int target = -1;
        while (target < 0 || drafts[static_cast<size_t>(target)].member == demoMember)
            target = static_cast<int>(dice.engine()() % posts);
        reply(demoMember, target);
    }
    for (int i = 0; i < 40; ++i)
        reply(someone(), static_cast<int>(dice.engine()() % posts));
    // Re-posts keep the original's topic.
    for (int i = 0; i < 12; ++i) {
        const int original = static_cast<int>(dice.engine()() % posts);
        const Draft &source = drafts[static_cast<size_t>(original)];
        Draft draft;
        draft.member = i < 2 ? demoMember : someone();
        draft.transfer = original;
        draft.tag = source.tag;
        draft.relatedid = source.relatedid;
        draft.body = dice.pick(QMSSampleData::repostReasons());
        draft.minutesAgo = source.minutesAgo - dice.between(1, std::max(1, source.minutesAgo - 2));
        drafts.push_back(draft);
    }

    // Ids follow time, so "newest first" is "highest id first".
    std::vector<size_t> order(drafts.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return drafts[a].minutesAgo > drafts[b].minutesAgo;
    });
    long long id = firstComment;
    for (size_t index : order)
        drafts[index].id = id++;

    QMSStatement insert(db, "INSERT INTO comments (id, member, parent, tag, relatedid, transfer, "
                            "body, mark, flowernum, comefrom, screening, addtime) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (size_t index : order) {
        const Draft &draft = drafts[index];
        insert.with(draft.id, draft.member);
        if (draft.parent >= 0)
            insert.with(drafts[static_cast<size_t>(draft.parent)].id, nullptr, nullptr);
        else
            insert.with(nullptr, draft.tag, draft.relatedid);
        if (draft.transfer >= 0)
            insert.with(drafts[static_cast<size_t>(draft.transfer)].id);
        else
            insert.with(nullptr);
        insert.with(draft.body, dice.between(6, 10), dice.between(0, 30),
                    dice.chance(80) ? "手机" : "网站");
        if (draft.screening)
            insert.with(draft.screening);
        else
            insert.with(nullptr);
        insert.with(QMSClock::stamp(now.addSecs(-60LL * draft.minutesAgo)));
        insert.run();
        insert.reset();
    }
}

void seedPlans(QMSConnection &db, Dice &dice, const QDateTime &now,
               const std::vector<Cinema> &cinemas, const std::vector<Film> &films)
{
    QMSStatement insert(db, "INSERT INTO agendas (member, body, time) VALUES (?, ?, ?)");
    const QDate monday = now.date().addDays(1 - now.date().dayOfWeek());
    // Last week, this week and next week, for the demo member and a few others.
    for (long long member = demoMember; member <= demoMember + 4; ++member) {
        for (int week = -1; week <= 1; ++week) {
            const int count = member == demoMember ? (week == 0 ? 3 : 2) : dice.between(0, 2);
            for (int i = 0; i < count; ++i) {
                const QDate day = monday.addDays(week * 7 + dice.between(0, 6));
                char time[16];
                std::snprintf(time, sizeof time, " %02d:%02d", dice.between(10, 21),
                              dice.between(0, 11) * 5);
                insert.with(member,
                            "在" + dice.pick(cinemas).name + " " +
                                std::to_string(dice.between(1, 5)) + "号厅 看《" +
                                dice.pick(films).name + "》",
                            QMSClock::day(day) + time);
                insert.run();
                insert.reset();
            }
        }
    }
}

} // namespace

bool QMSSeeder::isSeeded(QMSConnection &db)
{
    QMSStatement query(db, "SELECT 1 FROM meta WHERE key = 'seeded'");
    return query.step();
}

void QMSSeeder::seed(QMSConnection &db, const QDateTime &now)
{
    Dice dice(20261205);
    std::vector<Cinema> cinemas;
    std::vector<Film> films;
    std::vector<Member> members;
    {
        QMSTransaction transaction(db);
        QMSSchema::clear(db);
        seedCinemas(db, dice, cinemas);
        seedFilms(db, dice, now.date(), films);
        seedRepertoire(db, dice, cinemas, films);
        transaction.commit();
    }
    QMSScreeningPlanner::ensureWindow(db, now.date());

    QMSTransaction transaction(db);
    seedMembers(db, dice, now, members);
    seedFollows(db, dice, now, members);
    seedCheckIns(db, dice, now, members, cinemas);
    seedComments(db, dice, now, members, cinemas, films);
    seedPlans(db, dice, now, cinemas, films);
    QMSStatement done(db, "INSERT INTO meta (key, value) VALUES ('seeded', ?)");
    done.with(QMSClock::stamp(now));
    done.run();
    transaction.commit();
}
