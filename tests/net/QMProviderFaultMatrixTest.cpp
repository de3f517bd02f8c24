#include "cinemas/QMMovieOnFSCProvider.h"
#include "cinemas/QMMovieToFSCProvider.h"
#include "cinemas/QMNearbyCinemaProvider.h"
#include "cinemas/QMTDCinemaProvider.h"
#include "cinemas/QMTMCinemaProvider.h"
#include "net/QMConnectionRequestor.h"
#include "net/QMRequestData.h"

#include "QMProviderTestCase.h"
#include "QMTestRecorders.h"
#include "QMTransportFault.h"

#include <QDeadlineTimer>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

// Every request kind under every transport fault, through the registry's own providers: each
// request ends in exactly one delegate call, a delegate gone before the end hears nothing, and
// the next request of the kind works.
namespace {

// Short time-outs for the faults that only end by timing out; a trickle keeps the silence
// time-out from firing, so only the deadline ends it.
constexpr int kSilenceMs = 40;
constexpr int kDeadlineMs = 80;
constexpr int kTrickleMs = 10;
constexpr int kWaitMs = 15000;

QMDataContext *context()
{
    return QMDataContext::CurrentDataContext();
}

// What one delegate was told.
struct Outcome
{
    int calls = 0;
    int successes = 0;
    bool record = false;
};

// A delegate of some provider that sends one request of its kind.
class Probe
{
public:
    virtual ~Probe() = default;
    virtual void send() = 0;
    virtual Outcome outcome() const = 0;
};

template<class Recorder> class ProbeOf final : public Probe
{
public:
    explicit ProbeOf(std::function<void(Recorder *)> send)
        : m_send(std::move(send))
    {}
    void send() override { m_send(&m_recorder); }
    Outcome outcome() const override
    {
        return {m_recorder.calls, m_recorder.successes, m_recorder.record != nullptr};
    }

private:
    Recorder m_recorder;
    std::function<void(Recorder *)> m_send;
};

struct KindCase
{
    QByteArray goodAnswer;
    std::function<std::unique_ptr<Probe>()> probe;
    // The seat map takes an answer it cannot read as a success without a record.
    bool unreadableIsSuccess = false;
};

template<class Recorder, class Send> std::function<std::unique_ptr<Probe>()> probe(Send send)
{
    return [send] {
        return std::make_unique<ProbeOf<Recorder>>(send);
    };
}

const QByteArray kCinemas = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><data><cinemaList><cinema>"
                            "<cinemaid>2001</cinemaid><cinemaname>人民广场影城</cinemaname>"
                            "<pointx>121.4752</pointx><pointy>31.2286</pointy><open>true</open>"
                            "</cinema></cinemaList></data>";
const QByteArray kFilms = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><data><movieList><movie>"
                          "<movieid>1001</movieid><moviename>星际归途</moviename>"
                          "<generalmark>8.4</generalmark><cinemanum>120</cinemanum>"
                          "</movie></movieList></data>";
const QByteArray kComments =
    "<date><commentList><comment><commentid>7001</commentid>"
    "<body>特效非常震撼</body><memberid>5001</memberid>"
    "<addtime>2026-12-05 10:20:30</addtime></comment></commentList></date>";
const QByteArray kReplies = "<date><reCommentList><recomment><commentid>7101</commentid>"
                            "<body>同感</body><memberid>5002</memberid></recomment>"
                            "</reCommentList></date>";
const QByteArray kSquare = "<date><squareList><comment><commentid>7401</commentid>"
                           "<body>3号厅的音响太棒了</body></comment></squareList></date>";
const QByteArray kDone = "<data><result>ture</result></data>";
const QByteArray kMember = "<data><memberEncode>a7f3c9e2b1d04f6e</memberEncode>"
                           "<memberid>5001</memberid></data>";

// One case per request kind, in kind order.
const QList<KindCase> &kinds()
{
    static const QList<KindCase> all = {
        {kCinemas, probe<CinemaListRecorder>([](auto *r) {
             context()->tdCinemaProvider()->cinemaDelegate = r;
             context()->tdCinemaProvider()->requestCinemaListForDistrict("310101");
         })},
        {kCinemas, probe<CinemaListRecorder>([](auto *r) {
             context()->nearbyCinemaProvider()->cinemaDelegate = r;
             context()->nearbyCinemaProvider()->requestForCinemasNearby({31.2304, 121.4737});
         })},
        {kCinemas, probe<CinemaListRecorder>([](auto *r) {
             context()->tmCinemaProvider()->cinemaDelegate = r;
             context()->tmCinemaProvider()->requestCinemasForMovie("1001");
         })},
        {"<data><cinema><cinemaid>2001</cinemaid><cinemaname>人民广场影城</cinemaname>"
         "<open>true</open></cinema></data>",
         probe<CinemaRecorder>([](auto *r) {
             context()->cinemaInfoProvider()->cinemaInfoDelegate = r;
             context()->cinemaInfoProvider()->requestInfoForCinema("2001");
         })},
        {kFilms, probe<ScreeningRecorder>([](auto *r) {
             context()->movieOnFSCProvider()->fscDelegate = r;
             context()->movieOnFSCProvider()->requestOnPlayMovieListForCinema("2001");
         })},
        {"<data><mpiList><mpi><mpid>3000123</mpid><movieid>1001</movieid>"
         "<playtime>19:30</playtime><price>80</price></mpi></mpiList></data>",
         probe<ScreeningRecorder>([](auto *r) {
             context()->movieToFSCProvider()->fscDelegate = r;
             context()->movieToFSCProvider()->requestToPlayInfoForCinema("2001", "1001");
         })},
        {"<data><movie><movieid>1001</movieid><moviename>星际归途</moviename>"
         "<director>林远</director></movie></data>",
         probe<FilmRecorder>([](auto *r) {
             context()->movieInfoProvider()->movieInfoDelegate = r;
             context()->movieInfoProvider()->requestForMovie("1001");
         })},
        {kFilms, probe<NowShowingRecorder>([](auto *r) {
             context()->onPlayListProvider()->playListDelegate = r;
             context()->onPlayListProvider()->sendRequest();
         })},
        {kFilms, probe<ComingSoonRecorder>([](auto *r) {
             context()->toPlayListProvider()->playListDelegate = r;
             context()->toPlayListProvider()->sendRequest();
         })},
        {"<data><countyList><county><countycode>310101</countycode><briefname>黄浦</briefname>"
         "</county></countyList></data>",
         probe<DistrictRecorder>([](auto *r) {
             context()->districtInfoProvider()->districtDelegate = r;
             context()->districtInfoProvider()->requestDistrictsOfRegion("310000");
         })},
        {"<data><mpid>3000123</mpid><linenum>1</linenum><ranknum>2</ranknum><seatList><row>"
         "<rownum>1</rownum><rowid>1</rowid><columns>1,2</columns></row></seatList></data>",
         probe<SeatMapRecorder>([](auto *r) {
             context()->bookInfoProvider()->bookInfoDelegate = r;
             context()->bookInfoProvider()->requestForMpi("3000123");
         }),
         true},
        {"<data><mpid>3000123</mpid><tradeno>T1</tradeno><amount>70</amount>"
         "<payurl>http://pay.example.com/pay.xhtml?tradeno=T1</payurl></data>",
         probe<OrderRecorder>([](auto *r) {
             QMTicketBookProvider *p = context()->ticketBookProvider();
             p->orderDelegate = r;
             p->mpid = "3000123";
             p->mobile = "13800138000";
             p->seatLabel = "3:5";
             p->requestBookInfo();
         })},
        {kComments, probe<CommentsRecorder>([](auto *r) {
             context()->commentProvider()->commentDelegate = r;
             context()->commentProvider()->targetId = "1001";
             context()->commentProvider()->requestComments();
         })},
        {kMember, probe<LoginRecorder>([](auto *r) {
             QMLoginProvider *p = context()->loginProvider();
             p->loginDelegate = r;
             p->username = "demo@example.com";
             p->password = "demo123";
             p->requestLogin();
         })},
        {"<data><memberEncode>c81d4e0b9a2f7765</memberEncode><memberid>5003</memberid></data>",
         probe<RegisterRecorder>([](auto *r) {
             QMRegisterInfoProvider *p = context()->registerInfoProvider();
             p->registerDelegate = r;
             p->email = "new@example.com";
             p->password = "secret1";
             p->nickname = "新人";
             p->requestForRegister();
         })},
        {"<data><memberList><member><memberid>5002</memberid><nickname>阿杰</nickname>"
         "</member></memberList></data>",
         probe<NearbyRecorder>([](auto *r) {
             context()->nearbyUserProvider()->userDelegate = r;
             context()->nearbyUserProvider()->requestNearbyMemberInDistance(1000);
         })},
        {"<date><agendaList><agenda><body>看《星际归途》</body><time>2026-12-05 19:30</time>"
         "</agenda></agendaList></date>",
         probe<PlansRecorder>([](auto *r) {
             context()->myLiveListProvider()->myLiveDelegate = r;
             context()->myLiveListProvider()->memberid = "5001";
             context()->myLiveListProvider()->requestMyLive();
         })},
        {kReplies, probe<RepliesRecorder>([](auto *r) {
             context()->reCommentListProvider()->reCommentListDelegate = r;
             context()->reCommentListProvider()->commentid = "7001";
             context()->reCommentListProvider()->requestReCommentList();
         })},
        {kComments, probe<UserCommentsRecorder>([](auto *r) {
             context()->userCommentListProvider()->userCommentListDelegate = r;
             context()->userCommentListProvider()->memberid = "5001";
             context()->userCommentListProvider()->requestUserCommentList();
         })},
        {kComments, probe<InterestRecorder>([](auto *r) {
             context()->myInterestCommentProvider()->myInterestCommentDelegate = r;
             context()->myInterestCommentProvider()->memberid = "5001";
             context()->myInterestCommentProvider()->requestMyInterestComment();
         })},
        {kDone, probe<ReplyAddRecorder>([](auto *r) {
             QMReCommentAddProvider *p = context()->reCommentAddProvider();
             p->reCommentAddDelegate = r;
             p->commentid = "7001";
             p->memberEncode = "a7f3c9e2b1d04f6e";
             p->body = "同感";
             p->requestReCommentAdd();
         })},
        {kDone, probe<CommentAddRecorder>([](auto *r) {
             QMCommentAddProvider *p = context()->commentAddProvider();
             p->commentAddDelegate = r;
             p->memberEncode = "a7f3c9e2b1d04f6e";
             p->relatedid = "1001";
             p->type = 1;
             p->body = "好看";
             p->requestCommentAdd();
         })},
        {kDone, probe<SaveRecorder>([](auto *r) {
             QMSaveMemberInfoProvider *p = context()->saveMemberInfoProvider();
             p->saveMemberInfoDelegate = r;
             p->memberEncode = "a7f3c9e2b1d04f6e";
             p->sex = "男";
             p->requestSaveMemberInfo();
         })},
        {kDone, probe<FollowRecorder>([](auto *r) {
             QMCollectAddProvider *p = context()->collectAddProvider();
             p->collectAddDelegate = r;
             p->memberEncode = "a7f3c9e2b1d04f6e";
             p->relatedid = "5002";
             p->requestCollectAdd();
         })},
        {kDone, probe<AgendaAddRecorder>([](auto *r) {
             QMAgendaAddProvider *p = context()->agendaAddProvider();
             p->agendaAddDelegate = r;
             p->memberEncode = "a7f3c9e2b1d04f6e";
             p->mpid = "3000123";
             p->requestAgendaAdd();
         })},
        {kDone, probe<CheckInRecorder>([](auto *r) {
             context()->signPointProvider()->singPointDelegate = r;
             context()->signPointProvider()->memberid = "5001";
             context()->signPointProvider()->requestSingPoint();
         })},
        {"<data><memberInfo><memberid>5001</memberid><nickname>小林</nickname></memberInfo>"
         "</data>",
         probe<MemberInfoRecorder>([](auto *r) {
             context()->memberInfoProvider()->memberInfoProvieDelegate = r;
             context()->memberInfoProvider()->memberid = "5001";
             context()->memberInfoProvider()->requestMemberInfo();
         })},
        {"<data><cinema><relatedid>2001</relatedid><cinemaid>2001</cinemaid>"
         "<cinemaname>人民广场影城</cinemaname></cinema></data>",
         probe<OpcRecorder>([](auto *r) {
             context()->opcListProvider()->opcListDelegate = r;
             context()->opcListProvider()->requestOpcList();
         })},
        {kSquare, probe<SquareRecorder>([](auto *r) {
             context()->squareListProvider()->squareListDelegate = r;
             context()->squareListProvider()->memberid = "5001";
             context()->squareListProvider()->requestSquareList();
         })},
        {kDone, probe<UnfollowRecorder>([](auto *r) {
             QMCollectDelProvider *p = context()->collectDelProvider();
             p->collectDelDelegate = r;
             p->memberEncode = "a7f3c9e2b1d04f6e";
             p->relatedid = "5002";
             p->requestCollectDel();
         })},
        {"<date><collectList><collect><tag>member</tag><relatedid>5002</relatedid>"
         "<name>阿杰</name></collect></collectList></date>",
         probe<FollowsRecorder>([](auto *r) {
             context()->collectListProvider()->collectListDelegate = r;
             context()->collectListProvider()->memberid = "5001";
             context()->collectListProvider()->requestCollectList();
         })},
        {kReplies, probe<ReceivedRecorder>([](auto *r) {
             context()->receiveCommentProvider()->receiveCommentDelegate = r;
             context()->receiveCommentProvider()->memberid = "5001";
             context()->receiveCommentProvider()->requestReceiveComment();
         })},
        {kReplies, probe<SentRecorder>([](auto *r) {
             context()->sendCommentListProvider()->sendCommentListDelegate = r;
             context()->sendCommentListProvider()->memberid = "5001";
             context()->sendCommentListProvider()->requestSendCommentList();
         })},
        {kComments, probe<MentionRecorder>([](auto *r) {
             context()->atCommentProvider()->atCommentDelegate = r;
             context()->atCommentProvider()->memberid = "5001";
             context()->atCommentProvider()->requestAtComment();
         })},
        {"<date><comment><commentid>7201</commentid><body>今晚去看星际归途！</body></comment></"
         "date>",
         probe<CommentRecorder>([](auto *r) {
             context()->commentInfoProvider()->commentInfoDelegate = r;
             context()->commentInfoProvider()->commentId = "7201";
             context()->commentInfoProvider()->requestCommentInfo();
         })},
    };
    return all;
}

using Fault = QMTransportFault::Kind;

class ProviderUnderFault : public QMProviderTestCase,
                           public ::testing::WithParamInterface<std::tuple<int, Fault>>
{
protected:
    int kind() const { return std::get<0>(GetParam()); }
    Fault fault() const { return std::get<1>(GetParam()); }
    const KindCase &kindCase() const { return kinds().at(kind()); }
    QString path() const { return QUrl(QMDataProvider::urlForRequest(kind())).path(); }

    static QMConnectionRequestor &transport()
    {
        return QMDataProvider::DataProvider()->connectionRequestor();
    }

    void serveTheFault()
    {
        if (fault() == QMTransportFault::Refused) {
            QMDataProvider::setBaseAddressForTesting(QMTransportFault::closedPortBaseUrl());
            return;
        }
        server.setAnswer(path(),
                         QMTransportFault::answer(fault(), kindCase().goodAnswer, kTrickleMs));
        // Only the stalls need short time-outs: on a busy machine a bad answer may take longer
        // than they allow, and must still arrive as the answer it is.
        const bool stalls = fault() == QMTransportFault::SilenceAfterHeaders ||
                            fault() == QMTransportFault::Trickle;
        transport().setTimeouts(stalls ? kSilenceMs : QMRequestData::kSilenceTimeoutMs,
                                stalls ? kDeadlineMs : QMRequestData::kDeadlineMs);
    }
    void serveTheGoodAnswer()
    {
        QMDataProvider::setBaseAddressForTesting(server.baseUrl());
        server.setAnswer(path(), {200, kindCase().goodAnswer});
        transport().setTimeouts(QMRequestData::kSilenceTimeoutMs, QMRequestData::kDeadlineMs);
    }

    // Runs the loop until nothing is in flight. Woken by every event rather than polling, since
    // the server shares this thread and a request takes several turns of the loop.
    static bool waitForTheEnd()
    {
        QDeadlineTimer deadline(kWaitMs);
        QTimer tick;
        tick.start(5);
        while (transport().requestsInFlight() > 0) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QCoreApplication::processEvents();
        return true;
    }
    static bool sendAndWaitForTheEnd(Probe &probe)
    {
        probe.send();
        return waitForTheEnd();
    }
};

TEST_P(ProviderUnderFault, EndsInOneCallTellsNoGoneDelegateAndRecovers)
{
    ASSERT_EQ(kinds().size(), 35);
    serveTheFault();

    // Exactly one delegate call: the failure, or what the kind makes of an unreadable answer.
    auto asker = kindCase().probe();
    ASSERT_TRUE(sendAndWaitForTheEnd(*asker));
    const Outcome outcome = asker->outcome();
    EXPECT_EQ(outcome.calls, 1);
    const bool success = kindCase().unreadableIsSuccess && QMTransportFault::isAnswer(fault());
    EXPECT_EQ(outcome.successes, success ? 1 : 0);
    EXPECT_FALSE(outcome.record);

    // A delegate gone before the end hears nothing (under ASan: nothing touches its memory).
    auto gone = kindCase().probe();
    gone->send();
    gone.reset();
    ASSERT_TRUE(waitForTheEnd());

    // The next request of the kind works.
    serveTheGoodAnswer();
    auto next = kindCase().probe();
    ASSERT_TRUE(sendAndWaitForTheEnd(*next));
    EXPECT_EQ(next->outcome().calls, 1);
    EXPECT_EQ(next->outcome().successes, 1);
    EXPECT_TRUE(next->outcome().record);
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, ProviderUnderFault,
    ::testing::Combine(::testing::Range(0, 35), ::testing::ValuesIn(QMTransportFault::all())),
    [](const ::testing::TestParamInfo<std::tuple<int, Fault>> &info) {
        return QStringLiteral("Kind%1_%2")
            .arg(std::get<0>(info.param), 2, 10, QLatin1Char('0'))
            .arg(QLatin1StringView(QMTransportFault::name(std::get<1>(info.param))))
            .toStdString();
    });

} // namespace
