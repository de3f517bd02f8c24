#include "QMCommentScreenTestCase.h"

#include "app/QMDataContext.h"
#include "cinemas/Cinema.h"
#include "cinemas/QMNearbyCinemaProvider.h"
#include "comments/QMCinemaCommentViewController.h"
#include "comments/QMMovieCommentViewController.h"
#include "comments/QMRatingButton.h"
#include "comments/QMRatingView.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMNavigationBar.h"
#include "kit/QMTextLimit.h"
#include "kit/QMTextView.h"
#include "kit/QMWindow.h"
#include "members/QMLoginViewController.h"
#include "net/QMDataProvider.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>

namespace {
int litStars(const QMRatingView *rating)
{
    int lit = 0;
    for (const QMRatingButton *button : rating->buttons())
        lit += button->isShining() ? 1 : 0;
    return lit;
}
} // namespace

class CommentWriting : public CommentScreens
{
protected:
    // Signed in, the film's comment screen up.
    QMMovieCommentViewController *openSheet()
    {
        signIn();
        filmScreen->writeComment();
        auto *sheet = topOf<QMMovieCommentViewController>(sheetStack());
        EXPECT_TRUE(sheet);
        return sheet;
    }
};

TEST_F(CommentWriting, TheRatingLightsTheStarsUpToThePressedOne)
{
    QMMovieCommentViewController *sheet = openSheet();
    ASSERT_TRUE(sheet);
    QMRatingView *rating = sheet->ratingView();
    EXPECT_EQ(sheet->scoreLabel()->text(), QStringLiteral("0"));
    EXPECT_EQ(litStars(rating), 0);

    QTest::mousePress(rating->buttons().first(), Qt::LeftButton);
    EXPECT_EQ(sheet->scoreLabel()->text(), QStringLiteral("1")) << "a star answers as it lands";
    EXPECT_EQ(litStars(rating), 1);
    QTest::mouseRelease(rating->buttons().first(), Qt::LeftButton);

    QTest::mouseClick(rating->buttons().last(), Qt::LeftButton);
    EXPECT_EQ(sheet->scoreLabel()->text(), QStringLiteral("10"));
    EXPECT_EQ(litStars(rating), 10);
    EXPECT_EQ(rating->buttons().last()->geometry(), QRect(164, 1, 16, 16))
        << "a lit star keeps its place";

    QTest::mouseClick(rating->buttons().at(6), Qt::LeftButton);
    EXPECT_EQ(sheet->scoreLabel()->text(), QStringLiteral("7"));
    EXPECT_EQ(litStars(rating), 7);
    EXPECT_FALSE(rating->buttons().at(7)->isShining());
    EXPECT_FLOAT_EQ(rating->ratingScore(), 7);
}

TEST_F(CommentWriting, TheTextIsHeldToTheLimit)
{
    QMMovieCommentViewController *sheet = openSheet();
    ASSERT_TRUE(sheet);
    QMTextView *text = sheet->textView();
    const QString full = QString(140, QChar(0x597D));
    typeInto(text, full);
    EXPECT_EQ(sheet->commentText(), full);
    EXPECT_FALSE(alert());

    typeInto(text, QStringLiteral("!"));
    EXPECT_EQ(text->text(), full) << "the 141st character is refused";
    ASSERT_TRUE(alert());
    EXPECT_EQ(said(), "Reach to MaxNum/You could type in characters as much as 140/Dismiss");
    dismissAlert();

    text->selectAll();
    QTest::keyClick(text, Qt::Key_Delete);
    EXPECT_TRUE(sheet->commentText().isEmpty());
    QApplication::clipboard()->setText(QString(141, QLatin1Char('p')));
    text->paste();
    EXPECT_TRUE(text->text().isEmpty()) << "a long paste gives the empty text back";
    EXPECT_TRUE(sheet->commentText().isEmpty());
    EXPECT_TRUE(alert());
}

TEST_F(CommentWriting, FailuresKeepTheSheetAndTheText)
{
    QMMovieCommentViewController *sheet = openSheet();
    ASSERT_TRUE(sheet);

    // Nothing typed: sent all the same, the service judges.
    tap(sheet->submitButton());
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(), "错误/内容不能为空/ok");
    EXPECT_TRUE(service->log().contains(QStringLiteral("commentAdd")));
    dismissAlert();

    // A film the service does not know.
    sheet->selectMovie = std::make_shared<movie>(*film);
    sheet->selectMovie->movieid = QStringLiteral("999999");
    typeInto(sheet->textView(), QStringLiteral("还不错"));
    tap(sheet->submitButton());
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(), "错误/评论对象不存在/ok");
    dismissAlert();
    EXPECT_EQ(topOf<QMMovieCommentViewController>(sheetStack()), sheet) << "the sheet stays";
    EXPECT_EQ(sheet->textView()->text(), QStringLiteral("还不错"));
    EXPECT_EQ(filmScreen->reloads, 0);

    // A failed transfer speaks to the member, not of the network layer.
    QMDataProvider::setBaseAddressForTesting(QStringLiteral("http://127.0.0.1:1/shanghai/api/"));
    tap(sheet->submitButton());
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(), "错误/与后台通讯错误/ok");
}

TEST_F(CommentWriting, AWrittenCommentClosesTheSheetAndIsFirstInTheReloadedList)
{
    // Signed out: the sign-in screen comes first, then the sheet.
    filmScreen->writeComment();
    signInOn(topOf<QMLoginViewController>(stack.get()));
    auto *sheet = topOf<QMMovieCommentViewController>(sheetStack());
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheetStack()->navigationBar()->titleLabel()->text(), QStringLiteral("我来评论"));
    QTest::mouseClick(sheet->ratingView()->buttons().at(7), Qt::LeftButton);

    const QString typed = QStringLiteral("国产片 & 影评 #1 100% + 好");
    typeInto(sheet->textView(), typed);
    EXPECT_EQ(sheet->commentText(), typed);
    screenshot(QStringLiteral("comment-write.png"));
    tap(sheet->submitButton());
    tap(sheet->submitButton()); // a double tap
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(), "成功/评论成功！/ok");
    EXPECT_EQ(filmScreen->reloads, 0) << "not before the member has read it";
    dismissAlert();

    EXPECT_FALSE(sheetStack()) << "the sheet has gone";
    EXPECT_EQ(filmScreen->reloads, 1);
    ASSERT_TRUE(filmScreen->comments.waitForCalls());
    ASSERT_TRUE(filmScreen->comments.record);
    const QList<std::shared_ptr<Comment>> list = filmScreen->comments.record->commentArray;
    ASSERT_FALSE(list.isEmpty());
    EXPECT_EQ(list.first()->body, typed) << "exactly as typed";
    EXPECT_TRUE(list.first()->transferid.isEmpty());
    ASSERT_GE(list.size(), 1);
    EXPECT_TRUE(list.size() < 2 || list.at(1)->body != typed) << "sent once";
}

TEST_F(CommentWriting, ACinemaCommentIsAboutTheCinemaAndTheSheetClosesWithoutAnOpener)
{
    CinemaListRecorder cinemas;
    QMNearbyCinemaProvider *nearby = QMDataContext::CurrentDataContext()->nearbyCinemaProvider();
    nearby->cinemaDelegate = &cinemas;
    nearby->requestForCinemasNearby({0, 0});
    ASSERT_TRUE(cinemas.waitForCalls());
    ASSERT_TRUE(cinemas.record && !cinemas.record->cinemaArray.isEmpty());
    signIn();

    const auto cinema = std::make_shared<Cinema>(*cinemas.record->cinemaArray.first());
    auto screen = std::make_unique<QMCinemaCommentViewController>();
    QMCinemaCommentViewController *sheet = screen.get();
    sheet->selectCinema = cinema;
    filmScreen->presentModalViewController(
        std::make_unique<QMNavigationController>(std::move(screen)), false);
    const QString typed = QStringLiteral("环境好，停车方便");
    typeInto(sheet->textView(), typed);
    tap(sheet->submitButton());
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(), "成功/评论成功！/ok");
    dismissAlert();
    EXPECT_FALSE(sheetStack());

    const QList<std::shared_ptr<Comment>> list = comments(cinema->cinemaid, 0);
    ASSERT_FALSE(list.isEmpty());
    EXPECT_EQ(list.first()->body, typed);
    EXPECT_EQ(list.first()->tag, QStringLiteral("cinema"));
}
