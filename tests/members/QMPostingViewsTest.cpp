#include "app/QMDataContext.h"
#include "comments/Comment.h"
#include "kit/QMActivityIndicatorView.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMLabel.h"
#include "kit/QMPickerView.h"
#include "kit/QMTextView.h"
#include "kit/QMWheelPicker.h"
#include "kit/QMWindow.h"
#include "members/MemberCache.h"
#include "members/MemberInfo.h"
#include "members/QMAccostView.h"
#include "members/QMAttentionListView.h"
#include "members/QMLoginProvider.h"
#include "members/QMMySayInfoView.h"
#include "members/QMTickButton.h"
#include "members/QMTransshipmentView.h"
#include "members/QMUserSayView.h"
#include "members/QMWhatIDoingView.h"

#include "KitTestSupport.h"
#include "QMMemberViewsTestSupport.h"
#include "QMProviderTestCase.h"

#include <QPointer>
#include <QTest>

namespace {

// The posting views over a window, signed in, against canned answers that record every write.
class PostingViews : public QMProviderTestCase
{
protected:
    void SetUp() override
    {
        QMProviderTestCase::SetUp();
        auto member = std::make_shared<MemberCache>();
        member->memberid = QStringLiteral("5001");
        member->memberEncode = QStringLiteral("enc5001");
        context()->loginProvider()->loginMemeber = member;
        server.setHandler([this](const QByteArray &target) {
            const QUrl url = QUrl::fromEncoded(target);
            const QString path = url.path().section(QLatin1Char('/'), -1);
            if (path == QStringLiteral("commentAdd.xhtml") ||
                path == QStringLiteral("reCommentAdd.xhtml")) {
                writes.append({path, QUrlQuery(url)});
                return QMTestHttpServer::Answer{
                    200, refusal.isEmpty() ? "<data><result>ture</result></data>"
                                           : "<data><error>" + refusal + "</error></data>"};
            }
            if (path == QStringLiteral("playNowMovieList.xhtml"))
                return QMTestHttpServer::Answer{
                    200, "<data><movieList><movie><movieid>101</movieid><moviename>长江七号"
                         "</moviename></movie><movie><movieid>102</movieid><moviename>海上钢琴师"
                         "</moviename></movie></movieList></data>"};
            if (path == QStringLiteral("opcList.xhtml"))
                return QMTestHttpServer::Answer{
                    200, "<data><cinema><relatedid>201</relatedid><cinemaid>201</cinemaid>"
                         "<cinemaname>和平影都</cinemaname></cinema><cinema><relatedid>202"
                         "</relatedid><cinemaid>202</cinemaid><cinemaname>大光明电影院"
                         "</cinemaname></cinema></data>"};
            return QMTestHttpServer::Answer{404, "no"};
        });
        window = shownWindow();
        ASSERT_TRUE(window);
        post->commentid = QStringLiteral("9001");
        post->relatedid = QStringLiteral("101");
        post->nickname = QStringLiteral("阿杰");
    }
    void TearDown() override
    {
        while (QMAlertView *shown = topAlert())
            shown->clickButton();
        window.reset();
        flushDeletions();
        QMProviderTestCase::TearDown();
    }

    template<class View> QPointer<View> push(View *view)
    {
        QMMemberPanel::pushView(window.get(), view);
        return view;
    }
    // Submits and waits for the write's answer; returns what it was sent with.
    QUrlQuery submitted(QMPostingView *view)
    {
        const qsizetype before = writes.size();
        QTest::mouseClick(view->submitButton(), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return writes.size() > before && topAlert(); }, 10000));
        return writes.isEmpty() ? QUrlQuery() : writes.last().second;
    }
    // Presses "ok" on the success alert, and the view goes.
    static bool closesAfterSuccess(QPointer<QMPostingView> view, const QString &message)
    {
        EXPECT_EQ(alertText(), "成功/" + message.toStdString());
        if (QMAlertView *shown = topAlert())
            QTest::mouseClick(shown->button(), Qt::LeftButton);
        return QTest::qWaitFor(
            [&] {
                flushDeletions();
                return view.isNull();
            },
            3000);
    }
    static bool has(const QUrlQuery &query, const char *name)
    {
        return query.hasQueryItem(QLatin1StringView(name));
    }

    QList<std::pair<QString, QUrlQuery>> writes;
    QByteArray refusal;
    std::unique_ptr<QMWindow> window;
    std::shared_ptr<Comment> post = std::make_shared<Comment>();
};

} // namespace

TEST_F(PostingViews, AStatusWithNothingLinkedSendsNeitherTagNorRelatedid)
{
    // "你在干嘛" of the interest feed raises it.
    auto *feed = new QMAttentionListView(QRect(0, 108, 320, 323), window.get());
    feed->show();
    QTest::mouseClick(feed->whatIDoingButton(), Qt::LeftButton);
    auto *view = qobject_cast<QMWhatIDoingView *>(QMMemberPanel::topPanel(feed));
    ASSERT_TRUE(view);
    QPointer<QMPostingView> watched = view;
    EXPECT_EQ(view->doLabel()->text(), QStringLiteral("你在干嘛"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->geometry() == QRect(0, 20, 320, 460); }, 2000))
        << "risen over the window below the status strip";
    typeText(view->textView(), QStringLiteral("今天休息"));

    // A refusal keeps the view and the text; the member tries again.
    refusal = "请先登录";
    submitted(view);
    EXPECT_EQ(alertText(), "错误/请先登录");
    QTest::mouseClick(topAlert()->button(), Qt::LeftButton);
    ASSERT_TRUE(watched);
    EXPECT_EQ(view->whatText(), QStringLiteral("今天休息"));

    refusal.clear();
    const QUrlQuery sent = submitted(view);
    EXPECT_FALSE(has(sent, "tag"));
    EXPECT_FALSE(has(sent, "relatedid"));
    EXPECT_FALSE(has(sent, "transferid"));
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("memberEncode")), QStringLiteral("enc5001"));
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
              QStringLiteral("今天休息"));
    EXPECT_TRUE(closesAfterSuccess(watched, QStringLiteral("评论成功！")));
}

TEST_F(PostingViews, AStatusNamesOneFilmOrOneCinemaNeverBoth)
{
    auto *view = new QMWhatIDoingView();
    QMMemberPanel::presentView(window.get(), view);
    EXPECT_FALSE(view->movieButton()->isEnabled()) << "a chooser waits for its tick";
    QTest::mouseClick(view->movieTick(), Qt::LeftButton);
    EXPECT_TRUE(view->movieButton()->isEnabled());

    QTest::mouseClick(view->cinemaTick(), Qt::LeftButton);
    EXPECT_EQ(alertText(), "提示/不能同时关联,请重新选择!");
    QTest::mouseClick(topAlert()->button(), Qt::LeftButton);
    EXPECT_EQ(view->link(), QMWhatIDoingView::Link::Movie) << "nothing changes";
    EXPECT_FALSE(view->cinemaButton()->isEnabled());

    // The films now showing, on the overlay; the second is chosen.
    QTest::mouseClick(view->movieButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->pickerView()->isInWindow(); }, 10000));
    EXPECT_EQ(view->pickerView()->navTitle(), QStringLiteral("选择电影"));
    EXPECT_EQ(view->pickerNames(),
              QStringList({QStringLiteral("长江七号"), QStringLiteral("海上钢琴师")}));
    view->pickerView()->pickerView()->selectRow(1, 0, false);
    QTest::mouseClick(view->pickerView()->confirmButton(), Qt::LeftButton);
    EXPECT_FALSE(view->pickerView()->isInWindow());
    EXPECT_EQ(view->movieButton()->text(), QStringLiteral("海上钢琴师"));
    EXPECT_EQ(view->selectId(), QStringLiteral("102"));
    typeText(view->textView(), QStringLiteral("又看了一遍"));
    QUrlQuery sent = submitted(view);
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("tag")), QStringLiteral("movie"));
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("relatedid")), QStringLiteral("102"));
    EXPECT_EQ(alertText(), "成功/评论成功！");
    QTest::mouseClick(topAlert()->button(), Qt::LeftButton);

    // Unticked, the film is forgotten; then a cinema of the day.
    auto *again = new QMWhatIDoingView();
    QMMemberPanel::presentView(window.get(), again);
    QTest::mouseClick(again->movieTick(), Qt::LeftButton);
    QTest::mouseClick(again->movieTick(), Qt::LeftButton);
    EXPECT_EQ(again->link(), QMWhatIDoingView::Link::None);
    EXPECT_EQ(again->movieButton()->text(), QStringLiteral("请选择电影"));
    QTest::mouseClick(again->cinemaTick(), Qt::LeftButton);
    QTest::mouseClick(again->cinemaButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return again->pickerView()->isInWindow(); }, 10000));
    EXPECT_EQ(again->pickerView()->navTitle(), QStringLiteral("选择影院"));
    QTest::mouseClick(again->pickerView()->confirmButton(), Qt::LeftButton);
    EXPECT_EQ(again->cinemaButton()->text(), QStringLiteral("和平影都"));
    typeText(again->textView(), QStringLiteral("在等开场"));
    sent = submitted(again);
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("tag")), QStringLiteral("cinema"));
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("relatedid")), QStringLiteral("201"));
}

TEST_F(PostingViews, ARepostNamesThePostAndWhatFollowsItDoesNot)
{
    QPointer<QMTransshipmentView> repost = push(new QMTransshipmentView(post));
    EXPECT_EQ(repost->doLabel()->text(), QStringLiteral("转载理由"));
    typeText(repost->textView(), QStringLiteral("值得一看"));
    QTest::mouseClick(repost->submitButton(), Qt::LeftButton);
    EXPECT_FALSE(
        repost->findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly).isEmpty())
        << "busy while the re-post is on its way";
    ASSERT_TRUE(QTest::qWaitFor([&] { return topAlert(); }, 10000));
    QUrlQuery sent = writes.last().second;
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("relatedid")), QStringLiteral("101"));
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("tag")), QStringLiteral("movie"));
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("transferid")), QStringLiteral("9001"));
    EXPECT_TRUE(closesAfterSuccess(repost.data(), QStringLiteral("转载成功！")));

    auto ajie = std::make_shared<MemberInfo>();
    ajie->memberid = QStringLiteral("5002");
    ajie->nickname = QStringLiteral("阿杰");
    QPointer<QMUserSayView> say = push(new QMUserSayView(ajie));
    EXPECT_EQ(say->doLabel()->text(), QStringLiteral("对阿杰说"));
    typeText(say->textView(), QStringLiteral("周末一起看电影"));
    sent = submitted(say);
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("relatedid")), QStringLiteral("5002"));
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("tag")), QStringLiteral("member"));
    EXPECT_FALSE(has(sent, "transferid")) << "nothing of the re-post rides along";
    EXPECT_TRUE(closesAfterSuccess(say.data(), QStringLiteral("发表成功！")));

    auto *status = new QMWhatIDoingView();
    QMMemberPanel::presentView(window.get(), status);
    typeText(status->textView(), QStringLiteral("在路上"));
    EXPECT_FALSE(has(submitted(status), "transferid"));
}

TEST_F(PostingViews, AReplyOfOneHundredFortyCharactersIsTheLongest)
{
    auto *details = new QMMySayInfoView(post->commentid);
    QMMemberPanel::pushView(window.get(), details);
    QPointer<QMAccostView> reply = push(new QMAccostView(post));
    reply->sayInfoView = details;
    EXPECT_EQ(reply->doLabel()->text(), QStringLiteral("与阿杰搭话"));
    const QString longest = QString(139, QChar(0x597D)) + QString::fromUcs4(U"\U0001F3AC");
    typeText(reply->textView(), longest);
    EXPECT_EQ(reply->accostText(), longest) << "an emoji is one character";
    EXPECT_FALSE(topAlert());
    typeText(reply->textView(), QStringLiteral("!"));
    EXPECT_EQ(alertText(), "Reach to MaxNum/You could type in characters as much as 140");
    EXPECT_EQ(reply->textView()->text(), longest);
    QTest::mouseClick(topAlert()->button(), Qt::LeftButton);

    const QUrlQuery sent = submitted(reply);
    EXPECT_EQ(writes.last().first, QStringLiteral("reCommentAdd.xhtml"));
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("commentid")), QStringLiteral("9001"));
    EXPECT_EQ(sent.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), longest);
    const auto postAsked = [&] {
        return std::count_if(
            server.requests().cbegin(), server.requests().cend(),
            [](const QByteArray &target) { return target.contains("/MyQuel/comment.xhtml?"); });
    };
    const auto before = postAsked();
    EXPECT_TRUE(closesAfterSuccess(reply.data(), QStringLiteral("搭话成功！")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return postAsked() > before; }, 10000))
        << "the post's details list its replies again";
}
