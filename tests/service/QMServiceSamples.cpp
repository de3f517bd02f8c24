#include "QMServiceSamples.h"

QMServiceSamples::QMServiceSamples(const QMServiceClient &client)
    : m_client(client)
{
    token = client.signIn("demo@example.com", "demo123").first;
    for (const QMXmlNode &screening :
         screenings(client, "2001", "1001", QMServiceClient::shanghaiDay(1))) {
        if (screening.value("open") != "true")
            continue;
        const QStringList seats = seatsOf(client, screening.value("mpid"));
        if (seats.size() >= 30) {
            mpid = screening.value("mpid");
            freeSeats = seats;
            break;
        }
    }
    // The demo member's most answered post.
    int most = 0;
    for (const QMXmlNode &post :
         client.send(18, {{"memberid", demo}, {"from", "0"}, {"maxnum", "100"}}).items()) {
        const QString id = post.value("commentid");
        const int replies =
            client.send(17, {{"commentid", id}, {"from", "0"}, {"maxnum", "100"}}).items().size();
        if (replies > most) {
            most = replies;
            thread = id;
        }
    }
}

QList<QMXmlNode> QMServiceSamples::screenings(const QMServiceClient &client, const QString &cinema,
                                              const QString &film, const QString &day)
{
    return client
        .send(5,
              {{"cinemaid", cinema}, {"movieid", film}, {"playdate", day}, {"charging", "times"}})
        .items();
}

QStringList QMServiceSamples::seatsOf(const QMServiceClient &client, const QString &mpid)
{
    QStringList seats;
    for (const QMXmlNode &row : client.send(10, {{"mpid", mpid}}).items()) {
        for (const QString &code : row.value("columns").split(',')) {
            if (!row.value("rowid").isEmpty() && code != "ZL" && code != "LK")
                seats.append(row.value("rowid") + ':' + code);
        }
    }
    return seats;
}

QMServiceClient::Values QMServiceSamples::values(int kind)
{
    const QString n = QString::number(++m_writes);
    const QString tomorrow = QMServiceClient::shanghaiDay(1);
    const QMServiceClient::Values paged = {{"from", "0"}, {"maxnum", "10"}};
    auto with = [](QMServiceClient::Values values, const QMServiceClient::Values &more) {
        for (auto it = more.begin(); it != more.end(); ++it)
            values.insert(it.key(), it.value());
        return values;
    };
    switch (kind) {
    case 0:
        return {{"countycode", "310101"}};
    case 1:
        return {{"pointx", "121.474"}, {"pointy", "31.230"}};
    case 2:
        return {{"movieid", "1001"}, {"playdate", tomorrow}};
    case 3:
        return {{"cinemaid", "2001"}, {"service", "all"}, {"charging", "times"}};
    case 4:
        return {{"cinemaid", "2001"}};
    case 5:
        return {{"cinemaid", "2001"},
                {"movieid", "1001"},
                {"playdate", tomorrow},
                {"charging", "times"}};
    case 6:
        return {{"movieid", "1001"}, {"service", "all"}, {"charging", "times"}};
    case 7:
        return {};
    case 8:
        return with(paged, {{"charging", "times"}});
    case 9:
        return {{"citycode", "310000"}};
    case 10:
        return {{"mpid", mpid}};
    case 11:
        return {{"memberEncode", token},
                {"mpid", mpid},
                {"mobile", "13800138000"},
                {"seatLabel", freeSeats.value(freeSeats.size() - m_writes)}};
    case 12:
        return with(paged, {{"tag", "movie"}, {"relatedid", "1001"}});
    case 13:
        return {{"username", "demo@example.com"},
                {"password", "demo123"},
                {"pointx", "121.474"},
                {"pointy", "31.230"}};
    case 14:
        return {{"email", "sample" + n + "@example.com"},
                {"password", "secret" + n},
                {"nickname", "sample" + n},
                {"pointx", "121.474"},
                {"pointy", "31.230"}};
    case 15:
        return {{"pointx", "121.474"}, {"pointy", "31.230"}, {"R", "100000"}};
    case 16:
        return {{"memberid", demo}, {"datetype", "thisweek"}};
    case 17:
        return with(paged, {{"commentid", thread}});
    case 18:
        return with(paged, {{"memberid", demo}});
    case 19:
        return with(paged, {{"memberid", demo}, {"type", "city"}});
    case 20:
        return {{"commentid", thread}, {"memberEncode", token}, {"body", "好看" + n}};
    case 21:
        return {{"relatedid", "1001"},
                {"memberEncode", token},
                {"body", "这部电影很好看" + n},
                {"tag", "movie"}};
    case 22:
        return {{"memberEncode", token}, {"sex", "女"}};
    case 23:
        return {{"memberEncode", token}, {"relatedid", "5020"}, {"tag", "member"}};
    case 24:
        return {{"memberEncode", token}, {"mpid", mpid}};
    case 25:
        return {{"memberid", demo}, {"pointx", "121.475"}, {"pointy", "31.229"}};
    case 26:
        return {{"memberid", demo}};
    case 27:
        return {{"playdate", QMServiceClient::shanghaiDay()}};
    case 28:
        return with(
            paged,
            {{"memberid", demo}, {"type", "city"}, {"pointx", "121.474"}, {"pointy", "31.230"}});
    case 29:
        return {{"memberEncode", token}, {"relatedid", "5020"}, {"tag", "member"}};
    case 30:
        return with(paged, {{"memberid", demo}, {"tag", "member"}});
    case 31:
    case 32:
    case 33:
        return with(paged, {{"memberid", demo}});
    case 34:
        return {{"commentid", thread}};
    default:
        return {};
    }
}
