#include "QMLoadWorker.h"

#include "QMServiceSamples.h"

namespace {

using Clock = std::chrono::steady_clock;
using Values = QMServiceClient::Values;

// How often each kind comes in the mix (orders send the seat map, kind 10, first).
constexpr int weights[QMLoadStats::kinds] = {
    3, 3, 3, 3, 3, 3, 3, 8, 2, 2, // 0-9: cinemas, films, districts
    3, 4, 4, 1, 1, 2, 2, 3, 3, 2, // 10-19: seat map, order, comments, sign-in, registration, feeds
    3, 4, 1, 1, 1, 1, 2, 2, 2, 1, // 20-29: reply, post, member writes, check-in, profile, feeds
    2, 2, 2, 2, 3,                // 30-34: follows, replies, mentions, one post
};

const QString seatTaken = QStringLiteral("所选座位已被占用，请重新选择");

bool isWrite(int kind)
{
    return (kind >= 20 && kind <= 25) || kind == 29;
}

} // namespace

QMLoadWorker::QMLoadWorker(int index, int port, QString run)
    : m_index(index)
    , m_client(port)
    , m_run(std::move(run))
    , m_http("127.0.0.1", port)
    , m_random(static_cast<unsigned>(index) * 7919u + 17u)
{
    m_http.set_keep_alive(true);
    m_http.set_url_encode(false); // the address goes exactly as the client builds it
    m_http.set_connection_timeout(10);
    m_http.set_read_timeout(30);
}

bool QMLoadWorker::prepare()
{
    const int member = 2 + m_index % 30;
    const auto [token, id] =
        m_client.signIn(QStringLiteral("user%1@example.com").arg(member, 2, 10, QLatin1Char('0')),
                        QStringLiteral("member123"));
    m_token = token;
    m_member = id;
    for (const QMXmlNode &district : m_client.send(9, {{"citycode", "310000"}}).items())
        m_districts.append(district.value("countycode"));
    QList<QMXmlNode> open;
    for (const QMXmlNode &cinema :
         m_client.send(1, {{"pointx", "0.000"}, {"pointy", "0.000"}}).items()) {
        if (cinema.value("open") == "true")
            open.append(cinema);
    }
    for (const QMXmlNode &cinema : open)
        m_cinemas.append(cinema.value("cinemaid"));
    if (!open.isEmpty()) {
        // Check-ins happen at the worker's own cinema.
        const QMXmlNode &own = open.at(m_index % open.size());
        m_pointx = own.value("pointx");
        m_pointy = own.value("pointy");
    }
    for (const QMXmlNode &film : m_client.send(7, {}).items())
        m_films.append(film.value("movieid"));
    if (!m_films.isEmpty()) {
        for (const QMXmlNode &post : m_client
                                         .send(12, {{"tag", "movie"},
                                                    {"relatedid", m_films.first()},
                                                    {"from", "0"},
                                                    {"maxnum", "20"}})
                                         .items())
            m_posts.append(post.value("commentid"));
    }
    if (!m_cinemas.isEmpty())
        findScreenings(m_index);

    if (m_token.isEmpty())
        m_why = QStringLiteral("cannot sign in as member %1").arg(5000 + member);
    else if (m_districts.isEmpty() || m_cinemas.isEmpty() || m_films.isEmpty())
        m_why = QStringLiteral("no districts, cinemas or films");
    else if (m_posts.isEmpty())
        m_why = QStringLiteral("no posts about film %1").arg(m_films.first());
    else if (m_screenings.isEmpty() || m_pointx.isEmpty())
        m_why = QStringLiteral("no screenings on sale");
    return m_why.isEmpty();
}

void QMLoadWorker::run(const Limits &limits)
{
    std::discrete_distribution<int> kinds(std::begin(weights), std::end(weights));
    m_counting = true;
    m_untilGone = limits.untilGone;
    while (!m_gone && Clock::now() < limits.deadline && limits.budget->fetch_sub(1) > 0) {
        const int kind = kinds(m_random);
        if (kind == 11)
            order();
        else
            sendKind(kind);
        // Without a kill planned, a dropped connection was counted as an error: go on.
        if (!m_untilGone)
            m_gone = false;
    }
}

QMServiceClient::Answer QMLoadWorker::send(int kind, const Values &values)
{
    const std::string target = m_client.target(kind, values).toStdString();
    const Clock::time_point start = Clock::now();
    const auto response = m_http.Get(target);
    m_latency = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    QMServiceClient::Answer answer;
    answer.kind = kind;
    if (response) {
        answer.status = response->status;
        answer.body = QByteArray::fromStdString(response->body);
    } else {
        m_gone = true;
        answer.body = QByteArray("no answer: ") + httplib::to_string(response.error()).c_str();
    }
    return answer;
}

bool QMLoadWorker::judge(const QMServiceClient::Answer &answer, bool expected, bool contended)
{
    if (!m_counting)
        return expected;
    // A request the killed service never answered may or may not have been carried out: it is
    // neither an error nor acknowledged.
    if (answer.status == 0 && m_untilGone)
        return false;
    using Outcome = QMLoadStats::Outcome;
    const Outcome outcome = expected    ? Outcome::Answered
                            : contended ? Outcome::Contended
                                        : Outcome::Error;
    m_stats.record(answer.kind, outcome, m_latency);
    if (outcome == Outcome::Error)
        m_stats.describeError(QStringLiteral("kind %1: status %2: %3")
                                  .arg(answer.kind)
                                  .arg(answer.status)
                                  .arg(QString::fromUtf8(answer.body.left(200)).simplified())
                                  .toStdString());
    return expected;
}

void QMLoadWorker::sendKind(int kind)
{
    const Values values = valuesFor(kind);
    const QMServiceClient::Answer answer = send(kind, values);
    const QByteArray &body = answer.body;
    bool succeeded = answer.status == 200 && body.startsWith("<?xml") && !body.contains("<error>");
    if (isWrite(kind))
        succeeded = succeeded && body.contains("<result>ture</result>");
    else if (kind == 13 || kind == 14)
        succeeded = succeeded && body.contains("<memberEncode>");
    if (!judge(answer, succeeded))
        return;
    if (kind == 20 || kind == 21)
        m_ledger.comment(values.value("body"));
    else if (kind == 14)
        m_ledger.member(values.value("email"));
}

void QMLoadWorker::order()
{
    if (m_screenings.isEmpty())
        findScreenings(m_index + 1 + static_cast<int>(m_random() % 40));
    if (m_screenings.isEmpty())
        return;
    const QString mpid = pick(m_screenings);
    const QMServiceClient::Answer map = send(10, {{"mpid", mpid}});
    const bool mapped =
        map.status == 200 && map.body.startsWith("<?xml") && !map.body.contains("<error>");
    if (!judge(map, mapped))
        return;
    QStringList free;
    for (const QMXmlNode &row : map.items()) {
        for (const QString &code : row.value("columns").split(',')) {
            if (code != "ZL" && code != "LK" && !code.isEmpty())
                free.append(row.value("rowid") + ':' + code);
        }
    }
    if (free.size() < 2) {
        m_screenings.removeAll(mpid); // sold out: another screening next time
        return;
    }
    // One seat or two side by side, somewhere in the hall.
    const int first = static_cast<int>(m_random() % (free.size() - 1));
    const QStringList seats = free.mid(first, 1 + static_cast<int>(m_random() % 2));
    const QMServiceClient::Answer answer =
        send(11, {{"memberEncode", m_token},
                  {"mpid", mpid},
                  {"mobile", QStringLiteral("139%1").arg(10000000 + m_random() % 90000000)},
                  {"seatLabel", seats.join(',')}});
    const auto record = answer.record();
    const QString tradeno = record ? record->value("tradeno") : QString();
    const bool ordered = answer.status == 200 && !tradeno.isEmpty();
    if (judge(answer, ordered, answer.error() == seatTaken))
        m_ledger.order(tradeno, mpid, seats);
}

Values QMLoadWorker::valuesFor(int kind)
{
    const Values paged = {{"from", QString::number(m_random() % 3 * 10)}, {"maxnum", "10"}};
    auto with = [](Values values, const Values &more) {
        values.insert(more);
        return values;
    };
    const QString day = QMServiceClient::shanghaiDay(1 + static_cast<int>(m_random() % 3));
    const QString someone = QString::number(5001 + m_random() % 31);
    // Around People's Square, within a few kilometres.
    auto near = [&](double centre) {
        return QString::number(centre + (static_cast<int>(m_random() % 600) - 300) / 10000.0, 'f',
                               4);
    };
    const QString x = near(121.474);
    const QString y = near(31.230);
    switch (kind) {
    case 0:
        return {{"countycode", pick(m_districts)}};
    case 1:
        return {{"pointx", x}, {"pointy", y}};
    case 2:
        return {{"movieid", pick(m_films)}, {"playdate", day}};
    case 3:
        return {{"cinemaid", pick(m_cinemas)}, {"service", "all"}, {"charging", "times"}};
    case 4:
        return {{"cinemaid", pick(m_cinemas)}};
    case 5:
        return {{"cinemaid", pick(m_cinemas)},
                {"movieid", pick(m_films)},
                {"playdate", day},
                {"charging", "times"}};
    case 6:
        return {{"movieid", pick(m_films)}, {"service", "all"}, {"charging", "times"}};
    case 7:
        return {};
    case 8:
        return with(paged, {{"charging", "times"}});
    case 9:
        return {{"citycode", "310000"}};
    case 10:
        return {{"mpid", pick(m_screenings)}};
    case 12:
        return with(paged, {{"tag", "movie"}, {"relatedid", pick(m_films)}});
    case 13:
        return {
            {"username",
             QStringLiteral("user%1@example.com").arg(2 + m_index % 30, 2, 10, QLatin1Char('0'))},
            {"password", "member123"},
            {"pointx", x},
            {"pointy", y}};
    case 14: {
        const QString name = unique();
        return {{"email", name + "@example.com"},
                {"password", "secret" + name},
                {"nickname", name},
                {"pointx", x},
                {"pointy", y}};
    }
    case 15:
        return {{"pointx", x}, {"pointy", y}, {"R", "5000"}};
    case 16:
        return {{"memberid", someone}, {"datetype", "thisweek"}};
    case 17:
    case 34:
        return with(kind == 17 ? paged : Values(), {{"commentid", pick(m_posts)}});
    case 19:
        return with(paged, {{"memberid", someone}, {"type", "city"}});
    case 20:
        return {{"commentid", pick(m_posts)},
                {"memberEncode", m_token},
                {"body", "回复 " + unique() + " &%=#+"}};
    case 21:
        return {{"relatedid", pick(m_films)},
                {"memberEncode", m_token},
                {"body", "负载测试 " + unique() + " 好看 &%=#+"},
                {"tag", "movie"}};
    case 22:
        return {{"memberEncode", m_token}, {"sex", m_random() % 2 ? "男" : "女"}};
    case 23:
    case 29: {
        QString other = someone;
        if (other == m_member)
            other = "5001";
        return {{"memberEncode", m_token}, {"relatedid", other}, {"tag", "member"}};
    }
    case 24:
        return {{"memberEncode", m_token}, {"mpid", pick(m_screenings)}};
    case 25:
        return {{"memberid", m_member}, {"pointx", m_pointx}, {"pointy", m_pointy}};
    case 26:
        return {{"memberid", someone}};
    case 27:
        return {{"playdate", QMServiceClient::shanghaiDay()}};
    case 28: {
        static const char *const areas[] = {"city", "indexarea", "place"};
        return with(paged, {{"memberid", m_member},
                            {"type", areas[m_random() % 3]},
                            {"pointx", x},
                            {"pointy", y}});
    }
    case 30:
        return with(paged, {{"memberid", someone}, {"tag", "member"}});
    default: // 18, 31, 32, 33: a member's posts, replies and mentions
        return with(paged, {{"memberid", someone}});
    }
}

QString QMLoadWorker::pick(const QStringList &values)
{
    return values.isEmpty() ? QString() : values.at(static_cast<int>(m_random() % values.size()));
}

QString QMLoadWorker::unique()
{
    // Short enough for a nickname (16 characters), unique across runs and connections.
    return QStringLiteral("L%1w%2n%3").arg(m_run).arg(m_index).arg(++m_written);
}

void QMLoadWorker::findScreenings(int first)
{
    const bool counting = m_counting;
    m_counting = false;
    for (int c = 0; c < m_cinemas.size() && m_screenings.size() < 4; ++c) {
        const QString cinema = m_cinemas.at((first + c) % m_cinemas.size());
        for (const QMXmlNode &film : m_client.send(4, {{"cinemaid", cinema}}).items()) {
            for (int day = 1; day <= 3; ++day) {
                for (const QMXmlNode &screening :
                     QMServiceSamples::screenings(m_client, cinema, film.value("movieid"),
                                                  QMServiceClient::shanghaiDay(day))) {
                    if (screening.value("open") == "true")
                        m_screenings.append(screening.value("mpid"));
                }
            }
        }
    }
    m_counting = counting;
}
