#include "comments/Comment.h"
#include "comments/QMCommentRow.h"
#include "comments/QMReplyLabel.h"
#include "comments/QMReplyLabelEventTouch.h"
#include "kit/QMIndexButton.h"
#include "services/QMGrayText.h"
#include "services/QMImageCache.h"
#include "services/QMResourceImages.h"

#include "QMTestDocuments.h"
#include "QMTestHttpServer.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

// A touch where the member sees something: it goes to the widget lying there.
void tapAt(QWidget *view, const QPoint &point)
{
    QWidget *target = view->childAt(point);
    ASSERT_TRUE(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(view, point));
}

QRgb centre(const QLabel *label)
{
    const QImage shown = label->pixmap().toImage();
    return shown.pixel(shown.width() / 2, shown.height() / 2);
}

// Bubbles whose head pictures come from a little picture server through the real image cache.
class Bubbles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QMTestHttpServer::Answer picture;
        picture.body = QMTestHttpServer::png(Qt::blue, {40, 40});
        picture.contentType = "image/png";
        picture.delayMs = 100;
        server.setAnswer(QStringLiteral("/u/5001.png"), picture);
    }
    void TearDown() override { QMImageCache::CloseCache(); }

    Comment comment(const QString &body) const
    {
        Comment c;
        c.commentid = QStringLiteral("7001");
        c.nickname = QStringLiteral("小明");
        c.body = body;
        // The service writes Shanghai's wall-clock time.
        c.addtime = QDateTime::currentDateTime()
                        .addSecs(-3 * 3600)
                        .toTimeZone(QTimeZone(8 * 3600))
                        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        c.logo = server.url(QStringLiteral("/u/5001.png"));
        return c;
    }

    QMTestDocuments documents;
    QMTestHttpServer server;
};

} // namespace

TEST_F(Bubbles, ShowTheAuthorTheAgeAndTheHeadPictureOnceItComes)
{
    QMReplyLabel bubble;
    bubble.resize(310, 76);
    bubble.setComment(comment(QStringLiteral("好看")));
    EXPECT_EQ(bubble.name()->text(), QStringLiteral("小明"));
    EXPECT_EQ(bubble.issueDate()->text(), QStringLiteral("3小时前"));
    EXPECT_EQ(bubble.reply()->text(), QStringLiteral("好看"));
    EXPECT_EQ(bubble.reply()->geometry(), QRect(60, 20, 248, 50));
    EXPECT_EQ(bubble.logo()->geometry(), QRect(5, 10, 40, 40));
    EXPECT_FALSE(bubble.grayText());

    // The placeholder and a small busy indicator until the picture has come.
    EXPECT_TRUE(bubble.isLoadingLogo());
    EXPECT_EQ(centre(bubble.logo()),
              QMResourceImages::named(QStringLiteral("default.jpg")).scaled(40, 40).pixel(20, 20));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bubble.isLoadingLogo(); }, 10000));
    EXPECT_EQ(centre(bubble.logo()), QColor(Qt::blue).rgb());

    // Cached now: a second bubble shows it at once.
    QMReplyLabelEventTouch second;
    second.resize(310, 76);
    second.setComment(comment(QStringLiteral("还行")));
    EXPECT_FALSE(second.isLoadingLogo());
    EXPECT_EQ(centre(second.logo()), QColor(Qt::blue).rgb());
    EXPECT_EQ(second.reply()->height(), 45);

    // A picture that never comes leaves the placeholder, not a spinner.
    Comment lost = comment(QStringLiteral("看过"));
    lost.logo = server.url(QStringLiteral("/u/missing.png"));
    QMTestHttpServer::Answer hangUp;
    hangUp.hangUp = true;
    server.setAnswer(QStringLiteral("/u/missing.png"), hangUp);
    second.setComment(lost);
    EXPECT_TRUE(second.isLoadingLogo());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !second.isLoadingLogo(); }, 10000));
    EXPECT_NE(centre(second.logo()), QColor(Qt::blue).rgb());
}

TEST_F(Bubbles, ARepostCarriesTheRepostedCommentInAGreyBoxAndTheBubbleGrowsWithItsText)
{
    QMReplyLabel bubble;
    bubble.resize(310, 76);
    Comment repost = comment(QStringLiteral("转给大家看"));
    repost.transferid = QStringLiteral("6001");
    repost.transfernickname = QStringLiteral("阿花");
    repost.transferbody = QStringLiteral("这部电影的配乐非常好听");
    bubble.setComment(repost);
    ASSERT_TRUE(bubble.grayText());
    EXPECT_EQ(bubble.grayText()->reply()->toPlainText(),
              QStringLiteral("@阿花:这部电影的配乐非常好听"));
    EXPECT_GE(bubble.grayText()->y(), bubble.reply()->geometry().bottom());

    const int short_ = bubble.heightForWidth(310);
    bubble.setReplyText(QString(400, QChar(0x597D)));
    EXPECT_GT(bubble.heightForWidth(310), short_ + 60);
    EXPECT_GE(bubble.reply()->height(), 100) << "all of the text";

    bubble.setComment(comment(QStringLiteral("不再转发")));
    EXPECT_FALSE(bubble.grayText());
}

TEST_F(Bubbles, ARowCutsTheTextToTwoLinesAndItsButtonsTellTheirRow)
{
    QMCommentRow row;
    const QString longText = QString(200, QChar(0x7247));
    row.setComment(comment(longText), 7);
    row.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&row));
    EXPECT_EQ(row.height(), QMCommentRow::kRowHeight);
    if (const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR"); !dir.isEmpty())
        row.grab().save(QDir(dir).filePath(QStringLiteral("comment-row.png")));
    EXPECT_EQ(row.bubble()->reply()->text(), longText) << "the label keeps it whole";
    const QStringList lines = row.bubble()->reply()->displayedLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].endsWith(QChar(0x2026)));
    const QFontMetrics metrics(row.bubble()->reply()->font());
    for (const QString &line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line), row.bubble()->reply()->contentsRect().width());

    QSignalSpy heads(&row, &QMCommentRow::headTapped);
    QSignalSpy texts(&row, &QMCommentRow::textTapped);
    tapAt(&row, QPoint(25, 32));
    tapAt(&row, QPoint(150, 45));
    ASSERT_EQ(heads.size(), 1);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(heads[0][0].toInt(), 7);
    EXPECT_EQ(texts[0][0].toInt(), 7);

    // A row filled again for another comment tells its new row.
    row.setComment(comment(QStringLiteral("短")), 9);
    EXPECT_EQ(row.bubble()->reply()->text(), QStringLiteral("短"));
    tapAt(&row, QPoint(150, 45));
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[1][0].toInt(), 9);
}
