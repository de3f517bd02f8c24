#include "comments/Comment.h"
#include "comments/CommentList.h"
#include "comments/InsertData.h"
#include "members/AgendaList.h"
#include "members/CollectList.h"
#include "members/MemberInfo.h"
#include "members/MemberList.h"
#include "members/QMAtCommentProvider.h"
#include "members/QMCollectAddProvider.h"
#include "members/QMCollectDelProvider.h"
#include "members/QMCollectListProvider.h"
#include "members/QMMyInterestCommentProvider.h"
#include "members/QMMyLiveListProvider.h"
#include "members/QMNearbyUserProvider.h"
#include "members/QMReceiveCommentProvider.h"
#include "members/QMSendCommentListProvider.h"
#include "members/QMSignPointProvider.h"
#include "members/QMSquareListProvider.h"

#include "QMProviderTestCase.h"
#include "QMTestRecorders.h"

namespace {

class CommunityProviders : public QMProviderTestCase
{
};

const QByteArray kReplies = "<date><reCommentList><recomment><commentid>7101</commentid>"
                            "<body>同感</body><commentbody>特效</commentbody></recomment>"
                            "</reCommentList></date>";
} // namespace

TEST_F(CommunityProviders, SquareSendsItsAreaAndPositionBetweenMemberAndPaging)
{
    placeDeviceAt(31.2304, 121.4737);
    answer("MyQuel/squareList.xhtml",
           "<date><squareList><comment><commentid>7401</commentid><cinemaname>甲</cinemaname>"
           "<starttime>19:30</starttime></comment></squareList></date>");
    SquareRecorder recorder;
    auto *provider = context()->squareListProvider();
    provider->squareListDelegate = &recorder;
    provider->memberid = QStringLiteral("5001");
    provider->type = 5;
    provider->maxnum = 30;
    provider->requestSquareList();
    ASSERT_TRUE(recorder.waitForCalls());
    EXPECT_TRUE(sentQuery().startsWith(QStringLiteral(
        "memberid=5001&type=place&pointx=121.474&pointy=31.230&from=0&maxnum=30&key=")));
    ASSERT_EQ(recorder.record->commentArray.size(), 1);
    EXPECT_EQ(recorder.record->commentArray[0]->cinemaname, QStringLiteral("甲"));
    EXPECT_EQ(recorder.record->commentArray[0]->starttime, QStringLiteral("19:30"));

    EXPECT_EQ(QMSquareListProvider::areaName(1), QStringLiteral("indexarea"));
    EXPECT_EQ(QMSquareListProvider::areaName(2), QStringLiteral("city"));
    EXPECT_EQ(QMSquareListProvider::areaName(0), QStringLiteral("place"));
}

TEST_F(CommunityProviders, FeedsMapCommentsAndRepliesAlike)
{
    answer("MyQuel/myInterestComment.xhtml", "<date><commentList></commentList></date>");
    answer("MyQuel/receiveComment.xhtml", kReplies);
    answer("MyQuel/sendComment.xhtml", kReplies);
    answer("MyQuel/mentionMe.xhtml", "<data><commentList></commentList></data>");
    InterestRecorder interest;
    ReceivedRecorder received;
    SentRecorder sent;
    MentionRecorder mentions;
    context()->myInterestCommentProvider()->myInterestCommentDelegate = &interest;
    context()->myInterestCommentProvider()->type = 2;
    context()->myInterestCommentProvider()->memberid = QStringLiteral("5001");
    context()->myInterestCommentProvider()->requestMyInterestComment();
    context()->receiveCommentProvider()->receiveCommentDelegate = &received;
    context()->receiveCommentProvider()->requestReceiveComment();
    context()->sendCommentListProvider()->sendCommentListDelegate = &sent;
    context()->sendCommentListProvider()->requestSendCommentList();
    context()->atCommentProvider()->atCommentDelegate = &mentions;
    context()->atCommentProvider()->memberid = QStringLiteral("5001");
    context()->atCommentProvider()->requestAtComment();
    for (auto *outcome : std::initializer_list<QMTestOutcome<CommentList> *>{&interest, &received,
                                                                             &sent, &mentions})
        ASSERT_TRUE(outcome->waitForCalls());

    ASSERT_TRUE(interest.record);
    EXPECT_TRUE(interest.record->commentArray.isEmpty());
    EXPECT_TRUE(sentQuery("MyQuel/myInterestComment.xhtml")
                    .startsWith(QStringLiteral("memberid=5001&type=city&from=0&maxnum=10&key=")));
    for (const auto *replies :
         std::initializer_list<const QMTestOutcome<CommentList> *>{&received, &sent}) {
        ASSERT_TRUE(replies->record);
        ASSERT_EQ(replies->record->commentArray.size(), 1);
        EXPECT_EQ(replies->record->commentArray[0]->commentbody, QStringLiteral("特效"));
    }
    EXPECT_TRUE(sentQuery("MyQuel/mentionMe.xhtml")
                    .startsWith(QStringLiteral("memberid=5001&from=0&maxnum=10&key=")));
    EXPECT_EQ(mentions.failures, 1);
}

TEST_F(CommunityProviders, PlansAndFollowsNameTheirWeekAndTag)
{
    answer("MyQuel/memberAgenda.xhtml",
           "<date><agendaList><agenda><body>看电影</body><time>2026-12-05 19:30</time></agenda>"
           "</agendaList></date>");
    answer("MyQuel/collectList.xhtml",
           "<date><collectList><collect><tag>member</tag><relatedid>5002</relatedid>"
           "<name>阿杰</name><logo>http://x/u.jpg</logo></collect></collectList></date>");
    PlansRecorder plans;
    FollowsRecorder follows;
    auto *live = context()->myLiveListProvider();
    live->myLiveDelegate = &plans;
    live->memberid = QStringLiteral("5001");
    live->type = 7;
    live->requestMyLive();
    auto *list = context()->collectListProvider();
    list->collectListDelegate = &follows;
    list->memberid = QStringLiteral("5001");
    list->type = 1;
    list->requestCollectList();
    ASSERT_TRUE(plans.waitForCalls());
    ASSERT_TRUE(follows.waitForCalls());

    EXPECT_TRUE(
        sentQuery("MyQuel/memberAgenda.xhtml").endsWith(QStringLiteral("&datetype=lastweek")));
    ASSERT_EQ(plans.record->agendaArray.size(), 1);
    EXPECT_EQ(plans.record->agendaArray[0]->time, QStringLiteral("2026-12-05 19:30"));
    EXPECT_TRUE(sentQuery("MyQuel/collectList.xhtml")
                    .startsWith(QStringLiteral("memberid=5001&tag=cinema&from=0&maxnum=10&key=")));
    ASSERT_EQ(follows.record->collectArray.size(), 1);
    const MemberInfo followed(*follows.record->collectArray[0]);
    EXPECT_EQ(followed.memberid, QStringLiteral("5002"));
    EXPECT_EQ(followed.nickname, QStringLiteral("阿杰"));
    EXPECT_EQ(followed.logo, QStringLiteral("http://x/u.jpg"));
    EXPECT_TRUE(followed.mobile.isNull());
}

TEST_F(CommunityProviders, FollowChangesUseMemberCinemaFilmTagsAndAPlainRefusal)
{
    answer("MyQuel/collectAdd.xhtml", "<data><result>ture</result></data>");
    answer("MyQuel/collectDel.xhtml", "<data><error>没有关注</error></data>");
    FollowRecorder follow;
    UnfollowRecorder unfollow;
    auto *add = context()->collectAddProvider();
    add->collectAddDelegate = &follow;
    add->memberEncode = QStringLiteral("a7f3");
    add->relatedid = QStringLiteral("5002");
    for (unsigned type : {0u, 1u, 2u}) {
        add->type = type;
        add->requestCollectAdd();
        ASSERT_TRUE(follow.waitForCalls(int(type) + 1));
    }
    EXPECT_TRUE(sentQuery(0).startsWith(
        QStringLiteral("memberEncode=a7f3&relatedid=5002&tag=member&key=")));
    EXPECT_EQ(sentValue(QStringLiteral("tag"), 1), QStringLiteral("cinema"));
    EXPECT_EQ(sentValue(QStringLiteral("tag"), 2), QStringLiteral("movie"));
    EXPECT_TRUE(follow.record->isDone());

    auto *del = context()->collectDelProvider();
    del->collectDelDelegate = &unfollow;
    del->type = 0;
    del->requestCollectDel();
    ASSERT_TRUE(unfollow.waitForCalls());
    EXPECT_EQ(unfollow.errorText(), QStringLiteral("错误"));
    EXPECT_EQ(unfollow.error->code(), -1);
}

TEST_F(CommunityProviders, CheckInAndNearbyMembersSendWhereTheDeviceIs)
{
    placeDeviceAt(31.229, 121.475);
    answer("MyQuel/signPoint.xhtml", "<result>ture</result>");
    answer("MyQuel/nearUserList.xhtml",
           "<data><memberList><member><memberid>5002</memberid><nickname>阿杰</nickname>"
           "<pointx>121.4801</pointx><pointy>31.2352</pointy></member></memberList></data>");
    CheckInRecorder checkIn;
    NearbyRecorder nearby;
    context()->signPointProvider()->singPointDelegate = &checkIn;
    context()->signPointProvider()->memberid = QStringLiteral("5001");
    context()->signPointProvider()->requestSingPoint();
    context()->nearbyUserProvider()->userDelegate = &nearby;
    context()->nearbyUserProvider()->requestNearbyMemberInDistance(100000);
    ASSERT_TRUE(checkIn.waitForCalls());
    ASSERT_TRUE(nearby.waitForCalls());

    EXPECT_TRUE(checkIn.record->isDone());
    EXPECT_TRUE(
        sentQuery("MyQuel/signPoint.xhtml").startsWith(QStringLiteral("memberid=5001&key=")));
    EXPECT_TRUE(sentQuery("MyQuel/signPoint.xhtml")
                    .endsWith(QStringLiteral("&pointx=121.475&pointy=31.229")));
    EXPECT_TRUE(sentQuery("MyQuel/nearUserList.xhtml")
                    .endsWith(QStringLiteral("&pointx=121.475&pointy=31.229&R=100000")));
    ASSERT_EQ(nearby.record->memberArray.size(), 1);
    const NearbyUser &user = *nearby.record->memberArray[0];
    EXPECT_DOUBLE_EQ(user.pointx, 121.4801);
    EXPECT_DOUBLE_EQ(user.pointy, 31.2352);
    EXPECT_EQ(MemberInfo(user).nickname, QStringLiteral("阿杰"));
}
