#include "QMServiceClient.h"

#include "QMBuildConfig.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QUrl>

#include <httplib.h>

namespace {

using Rewrites = QList<QPair<QString, QString>>;

const Rewrites cinemaList = {{"cinema>", "simpleCinema>"},
                             {"<cinemaList>", "<cinemaList><cinemaArray>"},
                             {"</cinemaList>", "</cinemaArray></cinemaList>"}};
const Rewrites commentList = {{"<commentList>", "<commentList><commentArray>"},
                              {"</commentList>", "</commentArray></commentList>"}};
const Rewrites replyList = {{"<reCommentList>", "<commentList><commentArray>"},
                            {"</reCommentList>", "</commentArray></commentList>"},
                            {"recomment>", "comment>"}};
const Rewrites write = {{"<result>", "<data><insertData><result>"},
                        {"</result>", "</result></insertData></data>"}};

QList<QMServiceClient::Kind> makeKinds()
{
    using D = QMServiceClient::Digest;
    const QStringList ke = {"key", "encryptCode"};
    const QStringList paged = {"from", "maxnum", "key", "encryptCode"};
    return {
        {0, "cinema/cinemaList.xhtml", "data", QStringList{"countycode"} + ke, D::Ordinary, false,
         cinemaList, "cinemaArray", "simpleCinema"},
        {1,
         "cinema/nearCinemaList.xhtml",
         "data",
         {"key", "pointx", "pointy", "encryptCode"},
         D::Ordinary,
         false,
         cinemaList,
         "cinemaArray",
         "simpleCinema"},
        {2,
         "movie/playCinemaList.xhtml",
         "data",
         {"key", "movieid", "playdate", "encryptCode"},
         D::Ordinary,
         false,
         cinemaList,
         "cinemaArray",
         "simpleCinema"},
        {3,
         "cinema/cinema.xhtml",
         "data",
         QStringList{"cinemaid", "service", "charging"} + ke,
         D::Ordinary,
         false,
         {},
         {},
         {}},
        {4,
         "cinema/cinemaPlayMovieList.xhtml",
         "data",
         QStringList{"cinemaid"} + ke,
         D::Ordinary,
         false,
         {{"movie>", "mpi>"},
          {"<movieList>", "<mpiList><mpiArray>"},
          {"</movieList>", "</mpiArray></mpiList>"}},
         "mpiArray",
         "mpi"},
        {5,
         "movie/playMovieList.xhtml",
         "data",
         QStringList{"cinemaid", "movieid", "playdate", "charging"} + ke,
         D::Ordinary,
         false,
         {{"<mpiList>", "<mpiList><mpiArray>"}, {"</mpiList>", "</mpiArray></mpiList>"}},
         "mpiArray",
         "mpi"},
        {6,
         "movie/movie.xhtml",
         "data",
         QStringList{"movieid", "service", "charging"} + ke,
         D::Ordinary,
         false,
         {},
         {},
         {}},
        {7,
         "movie/playNowMovieList.xhtml",
         "data",
         ke,
         D::Ordinary,
         false,
         {{"movie>", "simplemovie>"},
          {"<movieList>", "<movieList><movieListArray>"},
          {"</movieList>", "</movieListArray></movieList>"}},
         "movieListArray",
         "simplemovie"},
        {8,
         "movie/futureMovieList.xhtml",
         "data",
         QStringList{"charging"} + paged,
         D::Ordinary,
         false,
         {{"movie>", "Simplemovie>"},
          {"<movieList>", "<movieList><movieListArray>"},
          {"</movieList>", "</movieListArray></movieList>"}},
         "movieListArray",
         "Simplemovie"},
        {9,
         "common/county.xhtml",
         "data",
         QStringList{"citycode"} + ke,
         D::Ordinary,
         false,
         {{"<countyList>", "<countyList><countyArray>"},
          {"</countyList>", "</countyArray></countyList>"}},
         "countyArray",
         "county"},
        {10,
         "order/opiSeatInfo.xhtml",
         "data",
         QStringList{"mpid"} + ke,
         D::Screening,
         false,
         {{"<data>", "<data><bookInfo>"}, {"</data>", "</bookInfo></data>"}},
         "seatList",
         "row"},
        {11,
         "order/addTicketOrder.xhtml",
         "data",
         {"key", "memberEncode", "mpid", "mobile", "seatLabel", "encryptCode"},
         D::Order,
         false,
         {},
         {},
         {}},
        {12,
         "MyQuel/commentList.xhtml",
         "date",
         {"key", "encryptCode", "tag", "relatedid", "from", "maxnum"},
         D::Ordinary,
         false,
         commentList,
         "commentArray",
         "comment"},
        {13,
         "MyQuel/login.xhtml",
         "data",
         {"username", "password", "key", "encryptCode", "pointx", "pointy"},
         D::Ordinary,
         false,
         {{"<memberEncode>", "<user><memberEncode>"}, {"</memberid>", "</memberid></user>"}},
         {},
         {}},
        {14,
         "MyQuel/savereg.xhtml",
         "data",
         QStringList{"email", "password", "nickname", "pointx", "pointy"} + ke,
         D::Ordinary,
         false,
         {{"<data>", "<data><memberCache>"}, {"</data>", "</memberCache></data>"}},
         {},
         {}},
        {15,
         "MyQuel/nearUserList.xhtml",
         "data",
         {"key", "encryptCode", "pointx", "pointy", "R"},
         D::Ordinary,
         false,
         {{"<memberList>", "<memberList><memberArray>"},
          {"</memberList>", "</memberArray></memberList>"},
          {"member>", "nearbyUser>"}},
         "memberArray",
         "nearbyUser"},
        {16,
         "MyQuel/memberAgenda.xhtml",
         "date",
         {"memberid", "key", "encryptCode", "datetype"},
         D::Ordinary,
         false,
         {{"<agendaList>", "<agendaList><agendaArray>"},
          {"</agendaList>", "</agendaArray></agendaList>"}},
         "agendaArray",
         "agenda"},
        {17, "MyQuel/reCommentList.xhtml", "date", QStringList{"commentid"} + paged, D::Ordinary,
         false, replyList, "commentArray", "comment"},
        {18, "MyQuel/userCommentList.xhtml", "date", QStringList{"memberid"} + paged, D::Ordinary,
         false, commentList, "commentArray", "comment"},
        {19, "MyQuel/myInterestComment.xhtml", "date", QStringList{"memberid", "type"} + paged,
         D::Ordinary, false, commentList, "commentArray", "comment"},
        {20,
         "MyQuel/reCommentAdd.xhtml",
         "data",
         QStringList{"commentid", "memberEncode", "body"} + ke,
         D::Ordinary,
         true,
         write,
         {},
         {}},
        {21,
         "MyQuel/commentAdd.xhtml",
         "data",
         QStringList{"relatedid", "memberEncode", "body", "transferid", "tag"} + ke,
         D::Ordinary,
         true,
         write,
         {},
         {}},
        {22,
         "MyQuel/saveMemberInfo.xhtml",
         "data",
         QStringList{"memberEncode", "sex", "mobile"} + ke,
         D::Ordinary,
         true,
         write,
         {},
         {}},
        {23,
         "MyQuel/collectAdd.xhtml",
         "data",
         QStringList{"memberEncode", "relatedid", "tag"} + ke,
         D::Ordinary,
         false,
         write,
         {},
         {}},
        {24,
         "MyQuel/addAgenda.xhtml",
         "data",
         QStringList{"memberEncode", "mpid"} + ke,
         D::Ordinary,
         false,
         write,
         {},
         {}},
        {25,
         "MyQuel/signPoint.xhtml",
         "data",
         {"memberid", "key", "encryptCode", "pointx", "pointy"},
         D::Ordinary,
         false,
         write,
         {},
         {}},
        {26,
         "MyQuel/memberInfo.xhtml",
         "data",
         QStringList{"memberid"} + ke,
         D::Ordinary,
         false,
         {},
         {},
         {}},
        {27,
         "outorder/opcList.xhtml",
         "data",
         QStringList{"playdate"} + ke,
         D::Ordinary,
         false,
         {{"<data>", "<data><cinemaList><cinemaArray>"},
          {"</data>", "</cinemaArray></cinemaList></data>"},
          {"cinema>", "opCinema>"}},
         "cinemaArray",
         "opCinema"},
        {28,
         "MyQuel/squareList.xhtml",
         "date",
         QStringList{"memberid", "type", "pointx", "pointy"} + paged,
         D::Ordinary,
         false,
         {{"<squareList>", "<commentList><commentArray>"},
          {"</squareList>", "</commentArray></commentList>"}},
         "commentArray",
         "comment"},
        {29,
         "MyQuel/collectDel.xhtml",
         "data",
         QStringList{"memberEncode", "relatedid", "tag"} + ke,
         D::Ordinary,
         false,
         write,
         {},
         {}},
        {30,
         "MyQuel/collectList.xhtml",
         "date",
         QStringList{"memberid", "tag"} + paged,
         D::Ordinary,
         false,
         {{"<collectList>", "<collectList><collectArray>"},
          {"</collectList>", "</collectArray></collectList>"}},
         "collectArray",
         "collect"},
        {31, "MyQuel/receiveComment.xhtml", "date", QStringList{"memberid"} + paged, D::Ordinary,
         false, replyList, "commentArray", "comment"},
        {32, "MyQuel/sendComment.xhtml", "date", QStringList{"memberid"} + paged, D::Ordinary,
         false, replyList, "commentArray", "comment"},
        {33, "MyQuel/mentionMe.xhtml", "date", QStringList{"memberid"} + paged, D::Ordinary, false,
         commentList, "commentArray", "comment"},
        {34,
         "MyQuel/comment.xhtml",
         "date",
         QStringList{"commentid"} + ke,
         D::Ordinary,
         false,
         {},
         {},
         {}},
    };
}

// Every byte but A-Z a-z 0-9 - . _ ~ escaped, one value at a time, as the client does.
QByteArray escaped(const QString &value)
{
    return QUrl::toPercentEncoding(value);
}

} // namespace

const QList<QMServiceClient::Kind> &QMServiceClient::kinds()
{
    static const QList<Kind> list = makeKinds();
    return list;
}

const QMServiceClient::Kind &QMServiceClient::kind(int number)
{
    return kinds().at(number);
}

std::optional<QMXmlNode> QMServiceClient::Answer::record() const
{
    QString text = QString::fromUtf8(body);
    if (kind >= 0) {
        for (const auto &[from, to] : QMServiceClient::kind(kind).rewrites)
            text.replace(from, to);
    }
    const auto document = QMXmlNode::parse(text.toUtf8());
    if (!document || kind < 0)
        return std::nullopt;
    const QMXmlNode *root = document->find(QMServiceClient::kind(kind).root);
    if (!root)
        return std::nullopt;
    return *root;
}

QList<QMXmlNode> QMServiceClient::Answer::items() const
{
    const auto mapped = record();
    if (!mapped || kind < 0)
        return {};
    const QMXmlNode *array = mapped->find(QMServiceClient::kind(kind).array);
    return array ? array->children : QList<QMXmlNode>();
}

QString QMServiceClient::Answer::result() const
{
    const auto mapped = record();
    const QMXmlNode *node = mapped ? mapped->find(QStringLiteral("result")) : nullptr;
    return node ? node->text : QString();
}

QString QMServiceClient::Answer::error() const
{
    const auto mapped = record();
    const QMXmlNode *node = mapped ? mapped->find(QStringLiteral("error")) : nullptr;
    return node ? node->text : QString();
}

QByteArray QMServiceClient::target(int number, const Values &values) const
{
    const Kind &k = kind(number);
    Values all = values;
    if (!all.contains("key"))
        all.insert("key", partnerKey());
    if (!all.contains("encryptCode"))
        all.insert("encryptCode", digest(k, all));
    QByteArray query;
    for (const QString &name : k.order) {
        if (!all.contains(name))
            continue;
        if (!query.isEmpty())
            query += '&';
        query += name.toUtf8() + '=';
        query += k.escaped ? escaped(all.value(name)) : all.value(name).toUtf8();
    }
    return "/shanghai/api/" + k.path.toUtf8() + '?' + query;
}

QMServiceClient::Answer QMServiceClient::send(int number, const Values &values) const
{
    return get(target(number, values), number);
}

QMServiceClient::Answer QMServiceClient::get(const QByteArray &target, int number) const
{
    httplib::Client client("127.0.0.1", m_port);
    client.set_url_encode(false); // send the address exactly as built
    client.set_read_timeout(30);
    Answer answer;
    answer.kind = number;
    if (auto response = client.Get(target.toStdString())) {
        answer.status = response->status;
        answer.body = QByteArray::fromStdString(response->body);
    }
    return answer;
}

QMServiceClient::Answer QMServiceClient::post(const QByteArray &path, const QByteArray &form) const
{
    httplib::Client client("127.0.0.1", m_port);
    client.set_url_encode(false);
    Answer answer;
    if (auto response = client.Post(path.toStdString(), form.toStdString(),
                                    "application/x-www-form-urlencoded")) {
        answer.status = response->status;
        answer.body = QByteArray::fromStdString(response->body);
    }
    return answer;
}

QPair<QString, QString> QMServiceClient::signIn(const QString &user, const QString &password) const
{
    const Answer answer = send(
        13,
        {{"username", user}, {"password", password}, {"pointx", "121.474"}, {"pointy", "31.230"}});
    const auto mapped = answer.record();
    if (!mapped)
        return {};
    return {mapped->find("memberEncode") ? mapped->find("memberEncode")->text : QString(),
            mapped->find("memberid") ? mapped->find("memberid")->text : QString()};
}

QString QMServiceClient::digest(const Kind &kind, const Values &values)
{
    QString bound;
    if (kind.digest == Digest::Screening)
        bound = values.value("mpid");
    else if (kind.digest == Digest::Order)
        bound = values.value("mpid") + values.value("mobile") + values.value("seatLabel");
    return md5(bound + partnerKey() + privateKey());
}

QString QMServiceClient::md5(const QString &text)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

QString QMServiceClient::partnerKey()
{
    return QStringLiteral(QM_PARTNER_KEY);
}

QString QMServiceClient::privateKey()
{
    return QStringLiteral(QM_PRIVATE_KEY);
}

QString QMServiceClient::shanghaiDay(int offset)
{
    return QDateTime::currentDateTimeUtc()
        .toOffsetFromUtc(8 * 3600)
        .date()
        .addDays(offset)
        .toString(QStringLiteral("yyyy-MM-dd"));
}
