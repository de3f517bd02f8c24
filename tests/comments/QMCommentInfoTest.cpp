#include "QMCommentScreenTestCase.h"

#include "app/QMDataContext.h"
#include "comments/QMAccostTransViewController.h"
#include "comments/QMCommentInfoViewController.h"
#include "comments/QMMovieCommentViewController.h"
#include "comments/QMReplyLabel.h"
#include "kit/QMActivityIndicatorView.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMNavigationBar.h"
#include "kit/QMTableView.h"
#include "kit/QMTextView.h"
#include "members/QMLoginViewController.h"
#include "net/QMDataProvider.h"
#include "services/QMGrayText.h"

#include <QLabel>
#include <QPlainTextEdit>

class CommentDetails : public CommentScreens
{
protected:
    // A comment of the demo member on the film, written without screens; the film's newest.
    std::shared_ptr<Comment> postComment(const QString &body)
    {
        signIn();
        CommentAddRecorder recorder;
        QMCommentAddProvider *provider = QMDataContext::CurrentDataContext()->commentAddProvider();
        provider->memberEncode =
            QMDataContext::CurrentDataContext()->loginProvider()->loginMemeber->memberEncode;
        provider->relatedid = film->movieid;
        provider->transferid.clear();
        provider->body = body;
        provider->type = 1;
        provider->commentAddDelegate = &recorder;
        provider->requestCommentAdd();
        EXPECT_TRUE(recorder.waitForCalls());
        const QList<std::shared_ptr<Comment>> comments = filmComments();
        EXPECT_FALSE(comments.isEmpty());
        return comments.isEmpty() ? nullptr : comments.first();
    }
    // The comment's screen pushed over the film's, its replies in.
    QMCommentInfoViewController *openDetails(const std::shared_ptr<Comment> &comment)
    {
        auto screen = std::make_unique<QMCommentInfoViewController>();
        screen->selectComment = comment;
        QMCommentInfoViewController *details = screen.get();
        stack->push(std::move(screen), false);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !isBusy(details); }, 15000));
        return details;
    }
    static bool isBusy(QMViewController *screen)
    {
        return !screen->view()
                    ->findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly)
                    .isEmpty();
    }
    // The sheet once it has risen all the way.
    QMAccostTransViewController *risenSheet()
    {
        auto *sheet = topOf<QMAccostTransViewController>(sheetStack());
        if (!sheet)
            return nullptr;
        const QPoint top = window->contentRect().topLeft();
        QWidget *sheetView = sheetStack()->view();
        EXPECT_TRUE(QTest::qWaitFor([&] { return sheetView->pos() == top; }));
        return sheet;
    }
    // Writes in the sheet and sends; returns what the answer said.
    std::string submitInSheet(QMAccostTransViewController *sheet, const QString &text)
    {
        typeInto(sheet->textView(), text);
        tap(sheet->submitButton());
        EXPECT_TRUE(isBusy(sheet)) << "busy while the write is on its way";
        if (!waitForAlert())
            return "no alert";
        EXPECT_FALSE(isBusy(sheet));
        return said();
    }
    static QStringList bodies(const QList<std::shared_ptr<Comment>> &rows)
    {
        QStringList list;
        for (const std::shared_ptr<Comment> &row : rows)
            list.append(row->body);
        return list;
    }
};

TEST_F(CommentDetails, RepliesAndRepostsWrittenInTheSheetShowAtOnce)
{
    const std::shared_ptr<Comment> comment = postComment(QStringLiteral("配乐 & 画面都好"));
    ASSERT_TRUE(comment);
    QMDataContext::CloseDataContext();
    QMDataProvider::CloseDataProvider(); // signed out again
    QMDataProvider::setBaseAddressForTesting(service->baseUrl());

    QMCommentInfoViewController *details = openDetails(comment);
    EXPECT_EQ(stack->navigationBar()->titleLabel()->text(), comment->nickname + "说:");
    ASSERT_EQ(details->commentArray().size(), 1) << "no replies: the comment alone";

    // Signed out, the sign-in screen comes first and the sheet right after it.
    tap(details->accostButton());
    signInOn(topOf<QMLoginViewController>(stack.get()));
    EXPECT_EQ(topOf<QMViewController>(stack.get()), details);
    QMAccostTransViewController *sheet = risenSheet();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheetStack()->navigationBar()->titleLabel()->text(),
              QStringLiteral("与%1搭话").arg(comment->nickname));

    // An empty reply is refused by the service: the sheet stays.
    tap(sheet->submitButton());
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(), "错误/错误/ok");
    dismissAlert();
    ASSERT_EQ(risenSheet(), sheet);

    const QString reply = QStringLiteral("同意 & 谢谢 #2 100%");
    typeInto(sheet->textView(), reply);
    screenshot(QStringLiteral("reply.png"));
    sheet->textView()->clear();
    EXPECT_EQ(submitInSheet(sheet, reply), "成功/搭话成功！/ok");
    dismissAlert();
    EXPECT_FALSE(sheetStack()) << "the sheet has gone";
    ASSERT_TRUE(QTest::qWaitFor([&] { return details->commentArray().size() == 2; }, 15000));
    EXPECT_EQ(details->commentArray().at(1)->body, reply);
    EXPECT_EQ(details->mySayInfoTableView()->numberOfRows(), 2);

    // A re-post, signed in now: the sheet opens at once.
    tap(details->transshipmentButton());
    sheet = risenSheet();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheetStack()->navigationBar()->titleLabel()->text(), QStringLiteral("转载理由"));
    EXPECT_EQ(submitInSheet(sheet, QStringLiteral("值得一看")), "成功/转载成功！/ok");
    dismissAlert();
    QList<std::shared_ptr<Comment>> comments = filmComments();
    ASSERT_FALSE(comments.isEmpty());
    const std::shared_ptr<Comment> repost = comments.first();
    EXPECT_EQ(repost->body, QStringLiteral("值得一看"));
    EXPECT_EQ(repost->transferid, comment->commentid);
    EXPECT_EQ(repost->transferbody, comment->body);

    // The comment screen after the re-post writes a plain comment, not another re-post.
    filmScreen->writeComment();
    auto *write = topOf<QMMovieCommentViewController>(sheetStack());
    ASSERT_TRUE(write);
    typeInto(write->textView(), QStringLiteral("二刷"));
    tap(write->submitButton());
    ASSERT_TRUE(waitForAlert());
    dismissAlert();
    comments = filmComments();
    ASSERT_FALSE(comments.isEmpty());
    EXPECT_EQ(comments.first()->body, QStringLiteral("二刷"));
    EXPECT_TRUE(comments.first()->transferid.isEmpty());

    // The re-post's own screen: its grey box, and a reply under it.
    stack->popToRoot(false);
    details = openDetails(repost);
    ASSERT_TRUE(details->bubbleForRow(0));
    ASSERT_TRUE(details->bubbleForRow(0)->grayText());
    EXPECT_EQ(details->bubbleForRow(0)->grayText()->reply()->toPlainText(),
              QStringLiteral("@%1:%2").arg(comment->nickname, comment->body));
    tap(details->accostButton());
    sheet = risenSheet();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(submitInSheet(sheet, QStringLiteral("我也转了，周末一起去？")), "成功/搭话成功！/ok");
    dismissAlert();
    ASSERT_TRUE(QTest::qWaitFor([&] { return details->commentArray().size() == 2; }, 15000));
    EXPECT_EQ(bodies(details->commentArray()),
              (QStringList{QStringLiteral("值得一看"), QStringLiteral("我也转了，周末一起去？")}));
    ASSERT_TRUE(details->bubbleForRow(1));
    QTest::qWait(400); // the sheet slides away before the picture is taken
    screenshot(QStringLiteral("comment-details.png"));
}

TEST_F(CommentDetails, ReadingFailuresLeaveTheCommentAndGoneRowsDoNothing)
{
    const std::shared_ptr<Comment> comment = postComment(QStringLiteral("还可以"));
    ASSERT_TRUE(comment);
    QMCommentInfoViewController *details = openDetails(comment);
    ASSERT_EQ(details->commentArray().size(), 1);

    QMDataProvider::setBaseAddressForTesting(QStringLiteral("http://127.0.0.1:1/shanghai/api/"));
    details->commentInfoList();
    EXPECT_TRUE(isBusy(details));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isBusy(details); }, 15000));
    EXPECT_EQ(details->commentArray().size(), 1) << "the comment stays";
    EXPECT_FALSE(alert()) << "reading errors show nothing";

    details->selectUserInfo(-1);
    details->selectUserInfo(5);
    tap(details->bubbleForRow(0)); // the head picture
    EXPECT_EQ(topOf<QMViewController>(stack.get()), details);
}
