#include "comments/CommentList.h"
#include "comments/InsertData.h"
#include "comments/QMCommentAddProvider.h"
#include "comments/QMCommentInfoProvider.h"
#include "comments/QMCommentProvider.h"
#include "comments/QMReCommentAddProvider.h"
#include "comments/QMReCommentListProvider.h"

#include "QMProviderTestCase.h"
#include "QMTestRecorders.h"

namespace {

class CommentProviders : public QMProviderTestCase
{
protected:
    // Writes a comment answered by body; returns after the delegate heard of it.
    void addComment(const QByteArray &body)
    {
        answer("MyQuel/commentAdd.xhtml", body);
        auto *provider = context()->commentAddProvider();
        provider->commentAddDelegate = &added;
        const int before = added.calls;
        provider->requestCommentAdd();
        ASSERT_TRUE(added.waitForCalls(before + 1));
    }
    CommentAddRecorder added;
};
} // namespace

TEST_F(CommentProviders, ListPutsKeyAndDigestFirstAndAnyNonZeroTypeMeansFilms)
{
    answer("MyQuel/commentList.xhtml",
           "<date><commentList><comment><commentid>7001</commentid><body>好看</body>"
           "<addtime>2026-12-05 10:20:30</addtime></comment><comment><commentid>7002"
           "</commentid></comment></commentList></date>");
    CommentsRecorder recorder;
    auto *provider = context()->commentProvider();
    provider->commentDelegate = &recorder;
    provider->targetId.clear();
    provider->requestComments();
    provider->targetId = QStringLiteral("1001");
    provider->type = 2;
    provider->maxReturn = 20;
    provider->requestComments();
    ASSERT_TRUE(recorder.waitForCalls());
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(sentQuery().startsWith(QStringLiteral("key=")));
    EXPECT_TRUE(sentQuery().endsWith(QStringLiteral("&tag=movie&relatedid=1001&from=0&maxnum=20")));
    ASSERT_EQ(recorder.record->commentArray.size(), 2);
    EXPECT_EQ(recorder.record->commentArray[0]->body, QStringLiteral("好看"));
    EXPECT_EQ(recorder.record->commentArray[0]->addtime, QStringLiteral("2026-12-05 10:20:30"));

    provider->type = 0;
    provider->requestComments();
    ASSERT_TRUE(recorder.waitForCalls(2));
    EXPECT_EQ(sentValue(QStringLiteral("tag"), 1), QStringLiteral("cinema"));
}

TEST_F(CommentProviders, ListsAndTheSingleCommentAreRootedAtDate)
{
    answer("MyQuel/reCommentList.xhtml",
           "<date><reCommentList><recomment><commentid>7101</commentid><body>同感</body>"
           "<commentnickname>小林</commentnickname></recomment><recomment><commentid>7102"
           "</commentid></recomment></reCommentList></date>");
    answer("MyQuel/comment.xhtml", "<data><comment><commentid>7201</commentid></comment></data>");
    RepliesRecorder replies;
    CommentRecorder comment;
    context()->reCommentListProvider()->reCommentListDelegate = &replies;
    context()->reCommentListProvider()->commentid = QStringLiteral("7001");
    context()->reCommentListProvider()->requestReCommentList();
    context()->commentInfoProvider()->commentInfoDelegate = &comment;
    context()->commentInfoProvider()->commentId = QStringLiteral("7201");
    context()->commentInfoProvider()->requestCommentInfo();
    ASSERT_TRUE(replies.waitForCalls());
    ASSERT_TRUE(comment.waitForCalls());

    ASSERT_EQ(replies.record->commentArray.size(), 2);
    EXPECT_EQ(replies.record->commentArray[0]->body, QStringLiteral("同感"));
    EXPECT_EQ(replies.record->commentArray[0]->commentnickname, QStringLiteral("小林"));
    EXPECT_TRUE(sentQuery("MyQuel/reCommentList.xhtml")
                    .startsWith(QStringLiteral("commentid=7001&from=0&maxnum=20&key=")));
    // An answer rooted at "data" is not one of this service's comment answers.
    EXPECT_EQ(comment.failures, 1);
    EXPECT_FALSE(comment.error);
}

TEST_F(CommentProviders, TypedBodyIsEscapedOnItsOwnAndOptionalParametersLeftOut)
{
    auto *provider = context()->commentAddProvider();
    provider->memberEncode = QStringLiteral("a7f3");
    provider->relatedid.clear();
    provider->transferid.clear();
    provider->type = 7;
    provider->body = QStringLiteral("好看 & 100%=#满分+");
    addComment("<data><result>ture</result></data>");
    EXPECT_TRUE(sentQuery().startsWith(QStringLiteral("memberEncode=a7f3&body=%E5%A5%BD")));
    EXPECT_FALSE(sentQuery().contains(QStringLiteral("relatedid")));
    EXPECT_FALSE(sentQuery().contains(QStringLiteral("transferid")));
    EXPECT_FALSE(sentQuery().contains(QStringLiteral("tag=")));
    EXPECT_EQ(sentValue(QStringLiteral("body")), provider->body);
    ASSERT_TRUE(added.record);
    EXPECT_TRUE(added.record->isDone());

    provider->relatedid = QStringLiteral("1001");
    provider->transferid = QStringLiteral("7201");
    const char *tags[] = {"cinema", "movie", "member"};
    for (unsigned type = 0; type < 3; ++type) {
        provider->type = type;
        addComment("<data><result>ture</result></data>");
        EXPECT_EQ(sentValue(QStringLiteral("tag"), int(type) + 1), QLatin1StringView(tags[type]));
    }
    EXPECT_TRUE(sentQuery(3).startsWith(QStringLiteral("relatedid=1001&memberEncode=a7f3&body=")));
    EXPECT_TRUE(sentQuery(3).contains(QStringLiteral("&transferid=7201&tag=member&key=")));
}

TEST_F(CommentProviders, OnlyTheServicesOwnSpellingMeansDone)
{
    addComment("<data><result>true</result></data>");
    ASSERT_TRUE(added.record);
    EXPECT_EQ(added.successes, 1);
    EXPECT_FALSE(added.record->isDone());

    addComment("<result>ture</result>");
    ASSERT_TRUE(added.record);
    EXPECT_TRUE(added.record->isDone());
}

TEST_F(CommentProviders, RefusedCommentCarriesTheServicesTextAndRefusedReplyAPlainOne)
{
    addComment("<data><error>内容包含不允许的词语</error><result>false</result></data>");
    EXPECT_EQ(added.errorText(), QStringLiteral("内容包含不允许的词语"));
    EXPECT_EQ(added.error->code(), -1);
    addComment("<html>oops</html>");
    EXPECT_EQ(added.errorText(), QStringLiteral("与后台通讯错误"));

    answer("MyQuel/reCommentAdd.xhtml", "<data><error>内容包含不允许的词语</error></data>");
    ReplyAddRecorder reply;
    auto *provider = context()->reCommentAddProvider();
    provider->reCommentAddDelegate = &reply;
    provider->commentid.clear();
    provider->requestReCommentAdd();
    provider->commentid = QStringLiteral("7001");
    provider->body = QStringLiteral("同感 &");
    provider->requestReCommentAdd();
    ASSERT_TRUE(reply.waitForCalls());
    EXPECT_EQ(reply.errorText(), QStringLiteral("错误"));
    EXPECT_EQ(reply.error->code(), -1);
    EXPECT_TRUE(
        sentQuery("MyQuel/reCommentAdd.xhtml").startsWith(QStringLiteral("commentid=7001&")));
    EXPECT_TRUE(sentQuery("MyQuel/reCommentAdd.xhtml")
                    .contains(QStringLiteral("&body=%E5%90%8C%E6%84%9F%20%26&key=")));
}
