#include "app/QMDataContext.h"
#include "cinemas/QMMovieOnFSCProvider.h"
#include "cinemas/QMMovieToFSCProvider.h"
#include "cinemas/QMNearbyCinemaProvider.h"
#include "cinemas/QMTDCinemaProvider.h"
#include "cinemas/QMTMCinemaProvider.h"
#include "comments/QMReCommentListProvider.h"
#include "films/MovieList.h"
#include "films/QMMovieInfoProvider.h"
#include "films/QMOnPlayListProvider.h"
#include "films/QMToPlayListProvider.h"
#include "films/movie.h"
#include "members/QMAgendaAddProvider.h"
#include "members/QMAtCommentProvider.h"
#include "members/QMCollectAddProvider.h"
#include "members/QMCollectDelProvider.h"
#include "members/QMCollectListProvider.h"
#include "members/QMLoginProvider.h"
#include "members/QMMemberInfoProvider.h"
#include "members/QMMyInterestCommentProvider.h"
#include "members/QMMyLiveListProvider.h"
#include "members/QMNearbyUserProvider.h"
#include "members/QMReceiveCommentProvider.h"
#include "members/QMRegisterInfoProvider.h"
#include "members/QMSaveMemberInfoProvider.h"
#include "members/QMSendCommentListProvider.h"
#include "members/QMSignPointProvider.h"
#include "members/QMSquareListProvider.h"
#include "members/QMUserCommentListProvider.h"
#include "net/QMDataProvider.h"
#include "net/QMEncoderProvider.h"
#include "net/QMServiceAddress.h"
#include "services/QMLocationProvider.h"
#include "ticketing/QMBookInfoProvider.h"
#include "ticketing/QMTicketBookProvider.h"

#include "QMTestDocuments.h"
#include "QMTestRecorders.h"
#include "QMTestService.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUuid>

#include <gtest/gtest.h>

// Every request kind, read back from the real stand-in service through the client's own
// providers as the screens use them.
namespace {

const QString kDemoUser = QStringLiteral("demo@example.com");
const QString kDemoPassword = QStringLiteral("demo123");
const QMLocationProvider::Coordinate kPeoplesSquare{31.2290, 121.4750};

class ServiceReadback : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { service = new QMTestService; }
    static void TearDownTestSuite()
    {
        delete service;
        service = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(service->isRunning());
        QMDataProvider::setBaseAddressForTesting(service->baseUrl());
        context()->locationProvider()->setCurrentLocation(kPeoplesSquare);
    }
    void TearDown() override
    {
        QMDataContext::CloseDataContext();
        QMDataProvider::CloseDataProvider();
        QMDataProvider::setBaseAddressForTesting({});
    }

    static QMDataContext *context() { return QMDataContext::CurrentDataContext(); }

    // Sends one request and waits for its outcome.
    template<class Recorder, class Send> static void ask(Recorder &recorder, Send &&send)
    {
        const int before = recorder.calls;
        send();
        ASSERT_TRUE(recorder.waitForCalls(before + 1)) << "no answer";
    }

    static std::shared_ptr<MemberCache> signIn(const QString &user, const QString &password)
    {
        LoginRecorder recorder;
        QMLoginProvider *login = context()->loginProvider();
        login->loginDelegate = &recorder;
        login->username = user;
        login->password = password;
        ask(recorder, [&] { login->requestLogin(); });
        return recorder.record;
    }
    static QString memberEncode() { return context()->loginProvider()->loginMemeber->memberEncode; }
    static QString memberid() { return context()->loginProvider()->loginMemeber->memberid; }

    // A text no other test writes.
    static QString unique(const char *prefix)
    {
        return QString::fromUtf8(prefix) + QUuid::createUuid().toString(QUuid::Id128).left(8);
    }

    // The day after today: every screening on it is still ahead.
    static QDate tomorrow() { return QDate::currentDate().addDays(1); }

    static QMTestService *service;
    QMTestDocuments documents;
};

QMTestService *ServiceReadback::service = nullptr;

bool hasComment(const CommentList &list, const QString &body)
{
    return std::any_of(list.commentArray.begin(), list.commentArray.end(),
                       [&](const auto &comment) { return comment->body == body; });
}
} // namespace

TEST_F(ServiceReadback, FilmsCinemasAndScreenings)
{
    NowShowingRecorder nowShowing;
    context()->onPlayListProvider()->playListDelegate = &nowShowing;
    ask(nowShowing, [] { context()->onPlayListProvider()->sendRequest(); });
    ASSERT_TRUE(nowShowing.record);
    ASSERT_GE(nowShowing.record->movieListArray.size(), 3);
    const Simplemovie &first = *nowShowing.record->movieListArray[0];
    EXPECT_FALSE(first.moviename.isEmpty());
    EXPECT_FALSE(first.smalllogo.isEmpty());
    EXPECT_GT(first.cinemanum, 0);

    ComingSoonRecorder comingSoon;
    context()->toPlayListProvider()->playListDelegate = &comingSoon;
    context()->toPlayListProvider()->maxnum = 10;
    ask(comingSoon, [] { context()->toPlayListProvider()->sendRequest(); });
    ASSERT_TRUE(comingSoon.record);
    EXPECT_EQ(comingSoon.record->movieListArray.size(), 10);

    FilmRecorder film;
    context()->movieInfoProvider()->movieInfoDelegate = &film;
    ask(film, [&] { context()->movieInfoProvider()->requestForMovie(first.movieid); });
    ASSERT_TRUE(film.record);
    EXPECT_EQ(film.record->moviename, first.moviename);
    EXPECT_FALSE(film.record->content.isEmpty());

    DistrictRecorder districts;
    context()->districtInfoProvider()->districtDelegate = &districts;
    ask(districts, [] {
        context()->districtInfoProvider()->requestDistrictsOfRegion(QMDataProvider::regionCode());
    });
    ASSERT_TRUE(districts.record);
    ASSERT_FALSE(districts.record->countyArray.isEmpty());
    EXPECT_FALSE(districts.record->countyArray[0]->briefname.isEmpty());

    CinemaListRecorder cinemas;
    context()->tdCinemaProvider()->cinemaDelegate = &cinemas;
    ask(cinemas, [&] {
        context()->tdCinemaProvider()->requestCinemaListForDistrict(
            districts.record->countyArray[0]->countycode);
    });
    ASSERT_TRUE(cinemas.record);
    EXPECT_FALSE(cinemas.record->cinemaArray.isEmpty());

    context()->nearbyCinemaProvider()->cinemaDelegate = &cinemas;
    ask(cinemas,
        [] { context()->nearbyCinemaProvider()->requestForCinemasNearby(kPeoplesSquare); });
    ASSERT_TRUE(cinemas.record);
    ASSERT_FALSE(cinemas.record->cinemaArray.isEmpty());
    EXPECT_LT(cinemas.record->cinemaArray[0]->shownDistance(kPeoplesSquare), 5000);

    context()->tmCinemaProvider()->cinemaDelegate = &cinemas;
    ask(cinemas,
        [&] { context()->tmCinemaProvider()->requestCinemasForMovie(first.movieid, tomorrow()); });
    ASSERT_TRUE(cinemas.record);
    ASSERT_FALSE(cinemas.record->cinemaArray.isEmpty());
    const SimpleCinema showing = *cinemas.record->cinemaArray[0];
    EXPECT_GT(showing.pointy, 30);
    EXPECT_GT(showing.pointx, 120);

    CinemaRecorder cinema;
    context()->cinemaInfoProvider()->cinemaInfoDelegate = &cinema;
    ask(cinema, [&] { context()->cinemaInfoProvider()->requestInfoForCinema(showing.cinemaid); });
    ASSERT_TRUE(cinema.record);
    EXPECT_EQ(cinema.record->cinemaname, showing.cinemaname);
    EXPECT_EQ(cinema.record->open, showing.open);
    EXPECT_FALSE(cinema.record->content.isEmpty());

    ScreeningRecorder screenings;
    context()->movieOnFSCProvider()->fscDelegate = &screenings;
    ask(screenings, [&] {
        context()->movieOnFSCProvider()->requestOnPlayMovieListForCinema(showing.cinemaid);
    });
    ASSERT_TRUE(screenings.record);
    ASSERT_FALSE(screenings.record->mpiArray.isEmpty());
    const movie fromScreening(*screenings.record->mpiArray[0]);
    EXPECT_FALSE(fromScreening.moviename.isEmpty());

    context()->movieToFSCProvider()->fscDelegate = &screenings;
    ask(screenings, [&] {
        context()->movieToFSCProvider()->requestToPlayInfoForCinema(showing.cinemaid, first.movieid,
                                                                    tomorrow());
    });
    ASSERT_TRUE(screenings.record);
    ASSERT_FALSE(screenings.record->mpiArray.isEmpty());
    const Mpi &screening = *screenings.record->mpiArray[0];
    EXPECT_FALSE(screening.mpid.isEmpty());
    EXPECT_EQ(screening.playdate, QMCommonProvider::convertDateToString(tomorrow()));
    EXPECT_FALSE(screening.playtime.isEmpty());
    EXPECT_FALSE(screening.playroom.isEmpty());

    OpcRecorder ofTheDay;
    context()->opcListProvider()->opcListDelegate = &ofTheDay;
    ask(ofTheDay, [] { context()->opcListProvider()->requestOpcList(); });
    ASSERT_TRUE(ofTheDay.record);
    ASSERT_FALSE(ofTheDay.record->cinemaArray.isEmpty());
    EXPECT_FALSE(ofTheDay.record->cinemaArray[0]->relatedid.isEmpty());
    EXPECT_FALSE(ofTheDay.record->cinemaArray[0]->cinemaname.isEmpty());
}

TEST_F(ServiceReadback, SeatMapOrderAndPaymentPage)
{
    ASSERT_TRUE(signIn(kDemoUser, kDemoPassword));

    // An open screening tomorrow at a cinema that sells through the service.
    CinemaListRecorder cinemas;
    context()->nearbyCinemaProvider()->cinemaDelegate = &cinemas;
    ask(cinemas,
        [] { context()->nearbyCinemaProvider()->requestForCinemasNearby(kPeoplesSquare); });
    ASSERT_TRUE(cinemas.record);
    std::shared_ptr<Mpi> screening;
    ScreeningRecorder screenings;
    context()->movieToFSCProvider()->fscDelegate = &screenings;
    for (const auto &cinema : cinemas.record->cinemaArray) {
        if (!cinema->open || screening)
            continue;
        ask(screenings, [&] {
            context()->movieToFSCProvider()->requestToPlayInfoForCinema(cinema->cinemaid, {},
                                                                        tomorrow());
        });
        for (const auto &candidate : screenings.record->mpiArray) {
            if (candidate->open && candidate->quelprice > 0 && !screening)
                screening = candidate;
        }
    }
    ASSERT_TRUE(screening);

    SeatMapRecorder seatMap;
    context()->bookInfoProvider()->bookInfoDelegate = &seatMap;
    ask(seatMap, [&] { context()->bookInfoProvider()->requestForMpi(screening->mpid); });
    ASSERT_TRUE(seatMap.record);
    EXPECT_EQ(seatMap.record->linenum, seatMap.record->seatList.size());
    // Two free seats, and where the first one stands in the grid.
    QStringList seats;
    qsizetype firstRow = -1;
    qsizetype firstPosition = -1;
    for (qsizetype r = 0; r < seatMap.record->seatList.size() && seats.size() < 2; ++r) {
        const Row &row = *seatMap.record->seatList[r];
        const QStringList codes = row.positionCodes();
        for (qsizetype p = 0; p < codes.size() && seats.size() < 2 && row.hasSeats(); ++p) {
            if (Row::positionOf(codes[p]) != Row::Position::Free)
                continue;
            if (seats.isEmpty()) {
                firstRow = r;
                firstPosition = p;
            }
            seats.append(row.rowid + QLatin1Char(':') + codes[p]);
        }
    }
    ASSERT_EQ(seats.size(), 2);

    OrderRecorder order;
    QMTicketBookProvider *booking = context()->ticketBookProvider();
    booking->orderDelegate = &order;
    booking->mpid = screening->mpid;
    booking->mobile = QStringLiteral("13800138000");
    booking->seatLabel = seats.join(QLatin1Char(','));
    ask(order, [&] { booking->requestBookInfo(); });
    ASSERT_TRUE(order.record) << order.errorText().toStdString();
    EXPECT_EQ(order.record->quantity, 2);
    EXPECT_EQ(order.record->amount, 2 * screening->quelprice);

    // The payment page accepts the credentials and digest the client appends.
    const QUrl page = QMTicketBookProvider::paymentAddress(*order.record);
    ASSERT_TRUE(page.isValid());
    QNetworkAccessManager browser;
    std::unique_ptr<QNetworkReply> reply(browser.get(QNetworkRequest(page)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return reply->isFinished(); }, 15000));
    EXPECT_EQ(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    EXPECT_TRUE(QString::fromUtf8(reply->readAll()).contains(order.record->tradeno));

    // The seats are held: the map shows them taken, and a second order for them is refused.
    ask(seatMap, [&] { context()->bookInfoProvider()->requestForMpi(screening->mpid); });
    ASSERT_TRUE(seatMap.record);
    ASSERT_GT(seatMap.record->seatList.size(), firstRow);
    const QStringList codesNow = seatMap.record->seatList[firstRow]->positionCodes();
    EXPECT_EQ(Row::positionOf(codesNow.value(firstPosition)), Row::Position::Locked);
    ask(order, [&] { booking->requestBookInfo(); });
    EXPECT_FALSE(order.record);
    ASSERT_TRUE(order.error);
    EXPECT_EQ(order.error->code(), -1);
    EXPECT_FALSE(order.errorText().isEmpty());
}

TEST_F(ServiceReadback, RegistrationSignInAndMemberData)
{
    const QString email = unique("e2e") + QStringLiteral("@example.com");
    RegisterRecorder registered;
    QMRegisterInfoProvider *registration = context()->registerInfoProvider();
    registration->registerDelegate = &registered;
    registration->email = email;
    registration->password = QStringLiteral("p&ss 1%");
    registration->nickname = unique("新人");
    ask(registered, [&] { registration->requestForRegister(); });
    ASSERT_TRUE(registered.record) << registered.errorText().toStdString();
    EXPECT_FALSE(registered.record->memberid.isEmpty());
    const QString newMember = registered.record->memberid;
    EXPECT_FALSE(QMDataProvider::DataProvider()->isLogged());
    ask(registered, [&] { registration->requestForRegister(); });
    EXPECT_EQ(registered.failures, 1);
    EXPECT_FALSE(registered.errorText().isEmpty());

    // The new member signs in with the password exactly as typed.
    const auto member = signIn(email, QStringLiteral("p&ss 1%"));
    ASSERT_TRUE(member);
    EXPECT_EQ(member->memberid, newMember);
    EXPECT_TRUE(QMDataProvider::DataProvider()->isLogged());
    const auto remembered = context()->loginProvider()->readCache();
    ASSERT_TRUE(remembered);
    EXPECT_EQ(remembered->passWord, QStringLiteral("p&ss 1%"));

    SaveRecorder saved;
    QMSaveMemberInfoProvider *save = context()->saveMemberInfoProvider();
    save->saveMemberInfoDelegate = &saved;
    save->memberEncode = memberEncode();
    save->sex = QStringLiteral("女");
    save->mobile = QStringLiteral("13912345678");
    ask(saved, [&] { save->requestSaveMemberInfo(); });
    ASSERT_TRUE(saved.record) << saved.errorText().toStdString();
    EXPECT_TRUE(saved.record->isDone());

    MemberInfoRecorder profile;
    QMMemberInfoProvider *info = context()->memberInfoProvider();
    info->memberInfoProvieDelegate = &profile;
    info->memberid = memberid();
    ask(profile, [&] { info->requestMemberInfo(); });
    ASSERT_TRUE(profile.record);
    EXPECT_EQ(profile.record->nickname, registration->nickname);
    // The service shows anybody's number only in part.
    EXPECT_EQ(profile.record->mobile, QStringLiteral("139****5678"));
    EXPECT_TRUE(profile.record->isFemale());

    // A wrong password signs the member out again, with the service's reason.
    EXPECT_FALSE(signIn(email, QStringLiteral("wrong")));
    EXPECT_FALSE(QMDataProvider::DataProvider()->isLogged());
    EXPECT_FALSE(context()->loginProvider()->loginMemeber->error.isEmpty());
}

TEST_F(ServiceReadback, CommentsRepliesAndFeedsShowWhatWasWritten)
{
    ASSERT_TRUE(signIn(kDemoUser, kDemoPassword));
    const QString demoEncode = memberEncode();
    const QString demoId = memberid();

    MemberInfoRecorder profile;
    context()->memberInfoProvider()->memberInfoProvieDelegate = &profile;
    context()->memberInfoProvider()->memberid = demoId;
    ask(profile, [] { context()->memberInfoProvider()->requestMemberInfo(); });
    ASSERT_TRUE(profile.record);
    const QString demoNickname = profile.record->nickname;

    // A film comment with typed punctuation arrives whole and heads the film's comments.
    const QString body = unique("好看 & 100%=满分 #") + QStringLiteral(" @") + demoNickname;
    CommentAddRecorder added;
    QMCommentAddProvider *add = context()->commentAddProvider();
    add->commentAddDelegate = &added;
    add->memberEncode = demoEncode;
    add->relatedid = QStringLiteral("1001");
    add->transferid.clear();
    add->type = 1;
    add->body = body;
    ask(added, [&] { add->requestCommentAdd(); });
    ASSERT_TRUE(added.record) << added.errorText().toStdString();
    EXPECT_TRUE(added.record->isDone());

    CommentsRecorder comments;
    QMCommentProvider *list = context()->commentProvider();
    list->commentDelegate = &comments;
    list->targetId = QStringLiteral("1001");
    list->type = 1;
    list->startIndex = 0;
    list->maxReturn = 10;
    ask(comments, [&] { list->requestComments(); });
    ASSERT_TRUE(comments.record);
    ASSERT_FALSE(comments.record->commentArray.isEmpty());
    const Comment written = *comments.record->commentArray[0];
    EXPECT_EQ(written.body, body);
    EXPECT_EQ(written.memberid, demoId);
    EXPECT_FALSE(written.addtime.isEmpty());

    CommentRecorder single;
    context()->commentInfoProvider()->commentInfoDelegate = &single;
    context()->commentInfoProvider()->commentId = written.commentid;
    ask(single, [] { context()->commentInfoProvider()->requestCommentInfo(); });
    ASSERT_TRUE(single.record);
    EXPECT_EQ(single.record->body, body);

    // Another member replies; the reply shows under the comment, in the replies the other
    // member sent and in those the demo member received.
    const QString otherEmail = unique("reply") + QStringLiteral("@example.com");
    RegisterRecorder registered;
    context()->registerInfoProvider()->registerDelegate = &registered;
    context()->registerInfoProvider()->email = otherEmail;
    context()->registerInfoProvider()->password = QStringLiteral("secret9");
    context()->registerInfoProvider()->nickname = unique("回复者");
    ask(registered, [] { context()->registerInfoProvider()->requestForRegister(); });
    ASSERT_TRUE(signIn(otherEmail, QStringLiteral("secret9")));
    const QString reply = unique("同感 & 好评");
    ReplyAddRecorder replied;
    QMReCommentAddProvider *replyAdd = context()->reCommentAddProvider();
    replyAdd->reCommentAddDelegate = &replied;
    replyAdd->commentid = written.commentid;
    replyAdd->memberEncode = memberEncode();
    replyAdd->body = reply;
    ask(replied, [&] { replyAdd->requestReCommentAdd(); });
    ASSERT_TRUE(replied.record) << replied.errorText().toStdString();
    EXPECT_TRUE(replied.record->isDone());

    RepliesRecorder replies;
    context()->reCommentListProvider()->reCommentListDelegate = &replies;
    context()->reCommentListProvider()->commentid = written.commentid;
    ask(replies, [] { context()->reCommentListProvider()->requestReCommentList(); });
    ASSERT_TRUE(replies.record);
    EXPECT_TRUE(hasComment(*replies.record, reply));

    SentRecorder sent;
    context()->sendCommentListProvider()->sendCommentListDelegate = &sent;
    context()->sendCommentListProvider()->memberid = memberid();
    ask(sent, [] { context()->sendCommentListProvider()->requestSendCommentList(); });
    ASSERT_TRUE(sent.record);
    EXPECT_TRUE(hasComment(*sent.record, reply));

    ReceivedRecorder received;
    context()->receiveCommentProvider()->receiveCommentDelegate = &received;
    context()->receiveCommentProvider()->memberid = demoId;
    ask(received, [] { context()->receiveCommentProvider()->requestReceiveComment(); });
    ASSERT_TRUE(received.record);
    ASSERT_TRUE(hasComment(*received.record, reply));

    // The demo member's own post list and mentions hold the new comment; the square and the
    // interest feed read back as lists of posts.
    UserCommentsRecorder posts;
    context()->userCommentListProvider()->userCommentListDelegate = &posts;
    context()->userCommentListProvider()->memberid = demoId;
    ask(posts, [] { context()->userCommentListProvider()->requestUserCommentList(); });
    ASSERT_TRUE(posts.record);
    ASSERT_FALSE(posts.record->commentArray.isEmpty());
    EXPECT_EQ(posts.record->commentArray[0]->body, body);

    MentionRecorder mentions;
    context()->atCommentProvider()->atCommentDelegate = &mentions;
    context()->atCommentProvider()->memberid = demoId;
    ask(mentions, [] { context()->atCommentProvider()->requestAtComment(); });
    ASSERT_TRUE(mentions.record);
    EXPECT_TRUE(hasComment(*mentions.record, body));

    SquareRecorder square;
    context()->squareListProvider()->squareListDelegate = &square;
    context()->squareListProvider()->memberid = demoId;
    context()->squareListProvider()->type = 2;
    ask(square, [] { context()->squareListProvider()->requestSquareList(); });
    ASSERT_TRUE(square.record);
    ASSERT_FALSE(square.record->commentArray.isEmpty());
    EXPECT_LE(square.record->commentArray.size(), 10);
    EXPECT_FALSE(square.record->commentArray[0]->nickname.isEmpty());

    InterestRecorder interest;
    context()->myInterestCommentProvider()->myInterestCommentDelegate = &interest;
    context()->myInterestCommentProvider()->memberid = demoId;
    context()->myInterestCommentProvider()->type = 2;
    ask(interest, [] { context()->myInterestCommentProvider()->requestMyInterestComment(); });
    ASSERT_TRUE(interest.record);
    EXPECT_FALSE(interest.record->commentArray.isEmpty());
}

TEST_F(ServiceReadback, PlansFollowsCheckInAndMembersNearby)
{
    ASSERT_TRUE(signIn(kDemoUser, kDemoPassword));

    // A plan for a screening tomorrow shows in this week's plans or next week's.
    ScreeningRecorder screenings;
    context()->movieToFSCProvider()->fscDelegate = &screenings;
    ask(screenings, [] {
        context()->movieToFSCProvider()->requestToPlayInfoForCinema(QStringLiteral("2001"), {},
                                                                    tomorrow());
    });
    ASSERT_TRUE(screenings.record);
    ASSERT_FALSE(screenings.record->mpiArray.isEmpty());
    const QString mpid = screenings.record->mpiArray.last()->mpid;

    PlansRecorder plans;
    QMMyLiveListProvider *live = context()->myLiveListProvider();
    live->myLiveDelegate = &plans;
    live->memberid = memberid();
    auto countPlans = [&] {
        qsizetype count = 0;
        for (unsigned week : {0u, 1u}) {
            live->type = week;
            ask(plans, [&] { live->requestMyLive(); });
            count += plans.record ? plans.record->agendaArray.size() : -1000;
        }
        return count;
    };
    const qsizetype before = countPlans();
    EXPECT_GE(before, 0);
    AgendaAddRecorder planned;
    context()->agendaAddProvider()->agendaAddDelegate = &planned;
    context()->agendaAddProvider()->memberEncode = memberEncode();
    context()->agendaAddProvider()->mpid = mpid;
    ask(planned, [] { context()->agendaAddProvider()->requestAgendaAdd(); });
    ASSERT_TRUE(planned.record) << planned.errorText().toStdString();
    EXPECT_TRUE(planned.record->isDone());
    EXPECT_EQ(countPlans(), before + 1);
    live->type = 7;
    ask(plans, [&] { live->requestMyLive(); });
    EXPECT_TRUE(plans.record);

    // Following a member shows in the follows list; unfollowing takes it out again.
    const QString followed = QStringLiteral("5030");
    FollowsRecorder follows;
    QMCollectListProvider *followList = context()->collectListProvider();
    followList->collectListDelegate = &follows;
    followList->memberid = memberid();
    followList->type = 0;
    followList->maxnum = 100;
    auto isFollowed = [&] {
        ask(follows, [&] { followList->requestCollectList(); });
        return follows.record &&
               std::any_of(follows.record->collectArray.begin(), follows.record->collectArray.end(),
                           [&](const auto &c) { return c->relatedid == followed; });
    };
    FollowRecorder follow;
    context()->collectAddProvider()->collectAddDelegate = &follow;
    context()->collectAddProvider()->memberEncode = memberEncode();
    context()->collectAddProvider()->relatedid = followed;
    context()->collectAddProvider()->type = 0;
    ask(follow, [] { context()->collectAddProvider()->requestCollectAdd(); });
    ASSERT_TRUE(follow.record) << follow.errorText().toStdString();
    EXPECT_TRUE(follow.record->isDone());
    EXPECT_TRUE(isFollowed());
    UnfollowRecorder unfollow;
    context()->collectDelProvider()->collectDelDelegate = &unfollow;
    context()->collectDelProvider()->memberEncode = memberEncode();
    context()->collectDelProvider()->relatedid = followed;
    context()->collectDelProvider()->type = 0;
    ask(unfollow, [] { context()->collectDelProvider()->requestCollectDel(); });
    ASSERT_TRUE(unfollow.record);
    EXPECT_TRUE(unfollow.record->isDone());
    EXPECT_FALSE(isFollowed());

    CheckInRecorder checkIn;
    context()->signPointProvider()->singPointDelegate = &checkIn;
    context()->signPointProvider()->memberid = memberid();
    ask(checkIn, [] { context()->signPointProvider()->requestSingPoint(); });
    ASSERT_TRUE(checkIn.record) << checkIn.errorText().toStdString();
    EXPECT_TRUE(checkIn.record->isDone());

    NearbyRecorder nearby;
    context()->nearbyUserProvider()->userDelegate = &nearby;
    ask(nearby, [] { context()->nearbyUserProvider()->requestNearbyMemberInDistance(100000); });
    ASSERT_TRUE(nearby.record);
    ASSERT_FALSE(nearby.record->memberArray.isEmpty());
    EXPECT_GT(nearby.record->memberArray[0]->pointy, 30);
    EXPECT_FALSE(nearby.record->memberArray[0]->nickname.isEmpty());
}

TEST_F(ServiceReadback, RequestsWithAWrongSignatureAreRefused)
{
    // The cinema provider receives an answer to an address signed with another key.
    CinemaRecorder cinema;
    QMCinemaInfoProvider *info = context()->cinemaInfoProvider();
    info->cinemaInfoDelegate = &cinema;
    const QString wrongDigest = QMEncoderProvider::GetMD5EncodeString(
        QStringLiteral("not-our-key") + QMEncoderProvider::PrivateKey());
    const QUrl forged = QMServiceAddress(3)
                            .add(QLatin1StringView("cinemaid"), QStringLiteral("2001"))
                            .addKey()
                            .addEncryptCode(wrongDigest)
                            .toUrl();
    ask(cinema, [&] {
        QMDataProvider::DataProvider()->issueRequestWithDelegate(QNetworkRequest(forged),
                                                                 info->shared_from_this());
    });
    EXPECT_EQ(cinema.failures, 1);
    EXPECT_FALSE(cinema.record);
    // The same request signed properly is answered.
    ask(cinema, [&] { info->requestInfoForCinema(QStringLiteral("2001")); });
    EXPECT_TRUE(cinema.record);

    // A sign-in whose digest is wrong is refused with the service's reason.
    LoginRecorder login;
    QMLoginProvider *provider = context()->loginProvider();
    provider->loginDelegate = &login;
    const QUrl forgedLogin = QMServiceAddress(13)
                                 .addUserText(QLatin1StringView("username"), kDemoUser)
                                 .addUserText(QLatin1StringView("password"), kDemoPassword)
                                 .addKey()
                                 .addEncryptCode(wrongDigest)
                                 .toUrl();
    ask(login, [&] {
        QMDataProvider::DataProvider()->issueRequestWithDelegate(QNetworkRequest(forgedLogin),
                                                                 provider->shared_from_this());
    });
    EXPECT_FALSE(login.record);
    EXPECT_FALSE(login.errorText().isEmpty());
    EXPECT_FALSE(QMDataProvider::DataProvider()->isLogged());
}
