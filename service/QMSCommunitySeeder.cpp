#include "QMSCommunitySeeder.h"

#include "QMSClock.h"
#include "QMSConnection.h"
#include "QMSDice.h"
#include "QMSPasswords.h"
#include "QMSPictureMaker.h"
#include "QMSPictures.h"
#include "QMSSampleData.h"
#include "QMSStatement.h"

#include <algorithm>
#include <tuple>

namespace {

using Cinema = QMSCatalogueSeeder::Cinema;
using Film = QMSCatalogueSeeder::Film;
constexpr long long firstCinema = QMSCatalogueSeeder::firstCinema;
constexpr long long firstFilm = QMSCatalogueSeeder::firstFilm;
constexpr long long demoMember = QMSCommunitySeeder::demoMember;
constexpr long long firstComment = QMSCommunitySeeder::firstComment;

std::string replaced(std::string text, const std::string &field, const std::string &value)
{
    for (size_t at = text.find(field); at != std::string::npos; at = text.find(field, at))
        text.replace(at, field.size(), value), at += value.size();
    return text;
}

struct Member
{
    long long id;
    std::string nickname;
};

void seedMembers(QMSConnection &db, QMSDice &dice, const QDateTime &now,
                 std::vector<Member> &members)
{
    QMSStatement insert(db, "INSERT INTO members (id, email, mobile, nickname, password, sex, "
                            "position, body, pointvalue, balance, pointx, pointy, created) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const auto &districts = QMSSampleData::districts();
    long long id = demoMember;
    for (const auto &person : QMSSampleData::people()) {
        const int n = static_cast<int>(id - demoMember) + 1;
        const bool demo = id == demoMember;
        char email[48];
        std::snprintf(email, sizeof email, "user%02d@example.com", n);
        char mobile[24];
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
        QMSPictures::store(
            db, "u" + std::to_string(id) + ".jpg",
            QMSPictureMaker::portrait(person.nickname, static_cast<int>(id * 47 % 360)));
        members.push_back({id, person.nickname});
        ++id;
    }
}

void seedFollows(QMSConnection &db, QMSDice &dice, const QDateTime &now,
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

void seedCheckIns(QMSConnection &db, QMSDice &dice, const QDateTime &now,
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

void seedComments(QMSConnection &db, QMSDice &dice, const QDateTime &now,
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
                     "刚看完《" + name + "》，"
                         + replaced(dice.pick(QMSSampleData::filmComments()), "{film}", name));
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

void seedPlans(QMSConnection &db, QMSDice &dice, const QDateTime &now,
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

void QMSCommunitySeeder::seed(QMSConnection &db, QMSDice &dice, const QDateTime &now,
                              const std::vector<Cinema> &cinemas, const std::vector<Film> &films)
{
    std::vector<Member> members;
    seedMembers(db, dice, now, members);
    seedFollows(db, dice, now, members);
    seedCheckIns(db, dice, now, members, cinemas);
    seedComments(db, dice, now, members, cinemas, films);
    seedPlans(db, dice, now, cinemas, films);
}
