#include "app/QMDataContext.h"
#include "comments/Comment.h"
#include "comments/QMCommentRow.h"
#include "comments/QMReplyLabelEventTouch.h"
#include "kit/QMBarButton.h"
#include "kit/QMIndexButton.h"
#include "kit/QMLabel.h"
#include "kit/QMMapView.h"
#include "kit/QMPageCounter.h"
#include "kit/QMTableView.h"
#include "kit/QMWindow.h"
#include "members/MemberCache.h"
#include "members/QMAreaSwitcher.h"
#include "members/QMLoginProvider.h"
#include "members/QMMySayInfoView.h"
#include "members/QMPizzaListCell.h"
#include "members/QMPizzaListView.h"
#include "members/QMPizzaMapView.h"
#include "members/QMUserAnnotation.h"
#include "members/QMUserAnnotationView.h"
#include "members/QMUserView.h"
#include "services/QMImageCache.h"
#include "services/QMLocationProvider.h"
#include "services/QMNotificationCenter.h"
#include "services/QMResourceImages.h"

#include "KitTestSupport.h"
#include "QMMemberViewsTestSupport.h"
#include "QMProviderTestCase.h"
#include "QMTestHttpServer.h"

#include <QApplication>
#include <QBuffer>
#include <QGraphicsOpacityEffect>
#include <QTest>
#include <QWheelEvent>

namespace {

QByteArray comment(int id, const QByteArray &member, const QByteArray &nickname,
                   const QByteArray &body, const QByteArray &cinema = {})
{
    return "<comment><commentid>" + QByteArray::number(id) + "</commentid><body>" + body +
           "</body><tag>member</tag><memberid>" + member + "</memberid><nickname>" + nickname +
           "</nickname><addtime>2026-03-01 10:00:00</addtime><cinemaname>" + cinema +
           "</cinemaname></comment>";
}

// The square of a member in a hub-like section, against canned answers: two members near
// People's Square, one who has written and one who has not, and a square as full as asked.
class PeopleNearby : public QMProviderTestCase
{
protected:
    void SetUp() override
    {
        QMProviderTestCase::SetUp();
        QMPizzaListView::pizzCount().setCount(QMPageCounter::kPageSize);
        if (locatedAtStart())
            placeDeviceAt(31.2304, 121.4737);
        auto member = std::make_shared<MemberCache>();
        member->memberid = QStringLiteral("5001");
        context()->loginProvider()->loginMemeber = member;
        server.setHandler([this](const QByteArray &target) { return answerFor(target); });

        window = shownWindow();
        ASSERT_TRUE(window);
        hub = new QWidget(window.get());
        hub->setGeometry(0, 64, 320, 367);
        hub->show();
        map = new QMPizzaMapView(hub->rect(), hub);
        map->show();
    }
    void TearDown() override
    {
        window.reset();
        flushDeletions();
        QMImageCache::CloseCache();
        QMProviderTestCase::TearDown();
    }

    virtual bool locatedAtStart() const { return true; }

    QMTestHttpServer::Answer answerFor(const QByteArray &target)
    {
        const QUrl url = QUrl::fromEncoded(target);
        const QUrlQuery query(url);
        const QString path = url.path().section(QLatin1Char('/'), -1);
        asked[path].append(query);
        if (path == QStringLiteral("nearUserList.xhtml")) {
            const QByteArray picture = server.url(QStringLiteral("/pictures/u5002.png")).toUtf8();
            return {200, "<data><memberList>"
                         "<member><memberid>5002</memberid><nickname>阿杰</nickname>"
                         "<pointx>121.4800</pointx><pointy>31.2400</pointy><logo>" +
                             picture +
                             "</logo></member>"
                             "<member><memberid>5003</memberid><nickname>小雨</nickname>"
                             "<pointx>121.4600</pointx><pointy>31.2250</pointy><logo></logo>"
                             "</member></memberList></data>"};
        }
        if (path == QStringLiteral("u5002.png"))
            return {200, QMTestHttpServer::png(Qt::darkCyan, {48, 48}), "image/png"};
        if (path == QStringLiteral("userCommentList.xhtml")) {
            QByteArray posts;
            if (query.queryItemValue(QStringLiteral("memberid")) == QStringLiteral("5002"))
                posts = comment(9001, "5002", "阿杰", "在人民广场看完了电影");
            return {200, "<date><commentList>" + posts + "</commentList></date>"};
        }
        if (path == QStringLiteral("squareList.xhtml")) {
            QByteArray posts;
            const int count = query.queryItemValue(QStringLiteral("maxnum")).toInt();
            for (int i = 0; i < count; ++i)
                posts += comment(8000 + i, "5002", "阿杰", "广场第" + QByteArray::number(i) + "条",
                                 i == 0 ? "和平影都" : "");
            return {200, "<date><squareList>" + posts + "</squareList></date>"};
        }
        return {404, "no"};
    }

    QList<QUrlQuery> askedFor(const char *path) const
    {
        return asked.value(QLatin1StringView(path));
    }
    bool waitForAsked(const char *path, int count)
    {
        return QTest::qWaitFor([&] { return askedFor(path).size() >= count; }, 10000);
    }
    // Every answer in and every indicator gone.
    bool waitUntilIdle() const
    {
        return ::waitUntilIdle(map) &&
               (!map->pizzaListView() || ::waitUntilIdle(map->pizzaListView()));
    }
    QMUserAnnotation *member(const QString &memberid) const
    {
        for (const auto &annotation : map->annotationArray()) {
            auto *user = dynamic_cast<QMUserAnnotation *>(annotation.get());
            if (user && user->memberid == memberid)
                return user;
        }
        return nullptr;
    }
    void tapMember(const QString &memberid)
    {
        QMUserAnnotation *user = member(memberid);
        ASSERT_TRUE(user);
        tap(map->mapView(), map->mapView()->convertCoordinate(user->coordinate()).toPoint());
    }
    void wheelToEnd(QMTableView *table)
    {
        const QPointF centre = table->rect().center();
        QWheelEvent wheel(centre, table->mapToGlobal(centre), QPoint(0, -4000), QPoint(0, -480),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(table, &wheel);
    }
    QMPizzaListView *openList()
    {
        QTest::mouseClick(map->listButton(), Qt::LeftButton);
        QMPizzaListView *list = map->pizzaListView();
        EXPECT_TRUE(list);
        return list;
    }

    QHash<QString, QList<QUrlQuery>> asked;
    std::unique_ptr<QMWindow> window;
    QWidget *hub = nullptr;
    QMPizzaMapView *map = nullptr;
};

class PeopleNearbyBeforeAFix : public PeopleNearby
{
protected:
    bool locatedAtStart() const override { return false; }
};

} // namespace

TEST_F(PeopleNearby, MembersStandWhereTheirPointyIsTheLatitude)
{
    ASSERT_TRUE(waitForAsked("nearUserList.xhtml", 1));
    const QUrlQuery search = askedFor("nearUserList.xhtml").first();
    EXPECT_EQ(search.queryItemValue(QStringLiteral("R")), QStringLiteral("100000"));
    EXPECT_EQ(search.queryItemValue(QStringLiteral("pointy")), QStringLiteral("31.230"));
    ASSERT_TRUE(waitUntilIdle());
    ASSERT_EQ(map->annotationArray().size(), 2);

    QMUserAnnotation *ajie = member(QStringLiteral("5002"));
    ASSERT_TRUE(ajie);
    EXPECT_DOUBLE_EQ(ajie->coordinate().latitude, 31.24);
    EXPECT_DOUBLE_EQ(ajie->coordinate().longitude, 121.48);
    EXPECT_EQ(ajie->title(), QStringLiteral("阿杰"));
    EXPECT_NEAR(map->mapView()->region().center.latitude, 31.2304, 1e-6) << "around the device";

    // Each marker is the member's head picture, the placeholder until it has come.
    auto *marker = qobject_cast<QMUserAnnotationView *>(map->mapView()->viewForAnnotation(ajie));
    ASSERT_TRUE(marker);
    EXPECT_EQ(marker->memberid, QStringLiteral("5002"));
    EXPECT_EQ(marker->size(), QSizeF(34, 34));
    EXPECT_TRUE(QTest::qWaitFor([&] { return marker->image().size() == QSize(48, 48); }, 10000))
        << "the portrait arrives through the image cache";
    auto *plain = qobject_cast<QMUserAnnotationView *>(
        map->mapView()->viewForAnnotation(member(QStringLiteral("5003"))));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->image(), QMResourceImages::named(QStringLiteral("default.jpg")))
        << "a member without a picture keeps the placeholder";
}

TEST_F(PeopleNearby, AMarkerAsksForOnePostAndShowsItInABubble)
{
    ASSERT_TRUE(waitForAsked("nearUserList.xhtml", 1) && waitUntilIdle());
    tapMember(QStringLiteral("5002"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return map->bubble()->isVisible(); }, 10000));
    ASSERT_EQ(askedFor("userCommentList.xhtml").size(), 1);
    const QUrlQuery posts = askedFor("userCommentList.xhtml").first();
    EXPECT_EQ(posts.queryItemValue(QStringLiteral("memberid")), QStringLiteral("5002"));
    EXPECT_EQ(posts.queryItemValue(QStringLiteral("from")), QStringLiteral("0"));
    EXPECT_EQ(posts.queryItemValue(QStringLiteral("maxnum")), QStringLiteral("1"));
    ASSERT_TRUE(map->comment());
    EXPECT_EQ(map->comment()->commentid, QStringLiteral("9001"));
    EXPECT_EQ(map->bubble()->bubble()->name()->text(), QStringLiteral("阿杰"));
    EXPECT_EQ(map->bubble()->bubble()->reply()->text(), QStringLiteral("在人民广场看完了电影"));
    auto *effect = qobject_cast<QGraphicsOpacityEffect *>(map->bubble()->graphicsEffect());
    ASSERT_TRUE(effect);
    EXPECT_DOUBLE_EQ(effect->opacity(), 0.8);

    // Its text opens the post, its head picture the member's page, over the window.
    QTest::mouseClick(map->bubble()->textButton(), Qt::LeftButton);
    auto *post = qobject_cast<QMMySayInfoView *>(QMMemberPanel::topPanel(map));
    ASSERT_TRUE(post);
    EXPECT_EQ(post->commentId, QStringLiteral("9001"));
    QTest::mouseClick(map->bubble()->headButton(), Qt::LeftButton);
    auto *page = qobject_cast<QMUserView *>(QMMemberPanel::topPanel(map));
    ASSERT_TRUE(page && page->selectMemberInfo);
    EXPECT_EQ(page->selectMemberInfo->memberid, QStringLiteral("5002"));
    delete page;
    delete post;

    // A member who has written nothing: the old bubble goes and no new one comes.
    tapMember(QStringLiteral("5003"));
    ASSERT_TRUE(waitForAsked("userCommentList.xhtml", 2) && waitUntilIdle());
    EXPECT_EQ(askedFor("userCommentList.xhtml").size(), 2) << "one post asked per marker";
    EXPECT_EQ(askedFor("userCommentList.xhtml").last().queryItemValue(QStringLiteral("maxnum")),
              QStringLiteral("1"));
    EXPECT_FALSE(map->bubble()->isVisible());
    EXPECT_FALSE(map->comment());
}

TEST_F(PeopleNearby, EveryAreaOfTheListStartsAgainFromTenPosts)
{
    ASSERT_TRUE(waitForAsked("nearUserList.xhtml", 1) && waitUntilIdle());
    QMPizzaListView *list = openList();
    ASSERT_TRUE(list);
    ASSERT_TRUE(waitForAsked("squareList.xhtml", 1) && waitUntilIdle());
    QUrlQuery square = askedFor("squareList.xhtml").last();
    EXPECT_EQ(square.queryItemValue(QStringLiteral("type")), QStringLiteral("place"));
    EXPECT_EQ(square.queryItemValue(QStringLiteral("memberid")), QStringLiteral("5001"));
    EXPECT_EQ(square.queryItemValue(QStringLiteral("maxnum")), QStringLiteral("10"));
    ASSERT_EQ(list->tableView()->numberOfRows(), 10);
    auto *first = qobject_cast<QMPizzaListCell *>(list->tableView()->cellForRow(0));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->placeLabel()->text(), QStringLiteral("和平影都"));
    EXPECT_TRUE(first->placeLabel()->isVisibleTo(first)) << "a post at a screening names where";
    QTest::mouseClick(first->textButton(), Qt::LeftButton);
    auto *post = qobject_cast<QMMySayInfoView *>(QMMemberPanel::topPanel(map));
    ASSERT_TRUE(post);
    EXPECT_EQ(post->commentId, QStringLiteral("8000"));
    delete post;

    // The end of the list asks for a page more.
    wheelToEnd(list->tableView());
    ASSERT_TRUE(waitForAsked("squareList.xhtml", 2) && waitUntilIdle());
    EXPECT_EQ(askedFor("squareList.xhtml").last().queryItemValue(QStringLiteral("maxnum")),
              QStringLiteral("20"));
    EXPECT_EQ(list->tableView()->numberOfRows(), 20);

    // "我的周边" by its arrow, "同一城市" by a drag: each from ten again.
    QTest::mouseClick(list->areaSwitcher()->rightButton(), Qt::LeftButton);
    ASSERT_TRUE(waitForAsked("squareList.xhtml", 3) && waitUntilIdle());
    square = askedFor("squareList.xhtml").last();
    EXPECT_EQ(square.queryItemValue(QStringLiteral("type")), QStringLiteral("indexarea"));
    EXPECT_EQ(square.queryItemValue(QStringLiteral("maxnum")), QStringLiteral("10"));
    EXPECT_EQ(list->squareType(), 1u);

    wheelToEnd(list->tableView());
    ASSERT_TRUE(waitForAsked("squareList.xhtml", 4) && waitUntilIdle());
    QMScrollView *pager = list->areaSwitcher()->scroller();
    drag(pager, QPoint(140, 18), QPoint(20, 18), 8, 16, 120);
    ASSERT_TRUE(waitForAsked("squareList.xhtml", 5) && waitUntilIdle());
    square = askedFor("squareList.xhtml").last();
    EXPECT_EQ(square.queryItemValue(QStringLiteral("type")), QStringLiteral("city"));
    EXPECT_EQ(square.queryItemValue(QStringLiteral("maxnum")), QStringLiteral("10"));
    EXPECT_EQ(list->areaSwitcher()->currentPage(), 2);
}

TEST_F(PeopleNearby, SwitchingModesReplacesTheViewItCovers)
{
    ASSERT_TRUE(waitForAsked("nearUserList.xhtml", 1) && waitUntilIdle());
    const auto switchTwice = [&](int round) {
        QMPizzaListView *list = openList();
        ASSERT_TRUE(list);
        ASSERT_TRUE(waitForAsked("squareList.xhtml", round) && waitUntilIdle());
        QTest::mouseClick(list->mapButton(), Qt::LeftButton);
        EXPECT_FALSE(map->pizzaListView());
        ASSERT_TRUE(waitForAsked("nearUserList.xhtml", round + 1) && waitUntilIdle());
        flushDeletions();
    };
    switchTwice(1);
    const qsizetype sections = hub->children().size();
    const qsizetype widgets = QApplication::allWidgets().size();
    const qsizetype markers = map->annotationArray().size();

    for (int round = 2; round <= 21; ++round)
        switchTwice(round);
    EXPECT_EQ(hub->children().size(), sections) << "nothing piles up in the hub";
    EXPECT_EQ(QApplication::allWidgets().size(), widgets) << "no widget outlives its mode";
    EXPECT_TRUE(map->findChildren<QMPizzaListView *>().isEmpty());
    EXPECT_EQ(map->annotationArray().size(), markers) << "the markers of the last search only";
    EXPECT_EQ(map->mapView()->annotations().size(), markers);
    EXPECT_TRUE(map->mapView()->isVisible());
}

TEST_F(PeopleNearbyBeforeAFix, TheMapLooksAgainOnceTheDeviceKnowsWhereItIs)
{
    ASSERT_TRUE(waitForAsked("nearUserList.xhtml", 1) && waitUntilIdle());
    QMLocationProvider *location = context()->locationProvider();
    location->setCurrentLocation({31.2304, 121.4737});
    QMNotificationCenter::defaultCenter().post(kLocationNotification, location);
    ASSERT_TRUE(waitForAsked("nearUserList.xhtml", 2) && waitUntilIdle());
    EXPECT_EQ(askedFor("nearUserList.xhtml").last().queryItemValue(QStringLiteral("pointy")),
              QStringLiteral("31.230"));
    EXPECT_NEAR(map->mapView()->region().center.latitude, 31.2304, 1e-6);

    // Later fixes only move the device's dot.
    location->setCurrentLocation({31.2310, 121.4740});
    QMNotificationCenter::defaultCenter().post(kLocationNotification, location);
    QTest::qWait(200);
    EXPECT_EQ(askedFor("nearUserList.xhtml").size(), 2);
}
