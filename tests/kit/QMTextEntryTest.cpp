#include "KitTestSupport.h"

#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMTextField.h"
#include "kit/QMTextLimit.h"
#include "kit/QMTextView.h"
#include "kit/QMWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A screen that writes as the comment and posting screens do: two fields, a label and a text
// view held to the limit.
class WritingScreen : public QMViewController, public QMTextFieldDelegate, public QMTextViewDelegate
{
public:
    QMTextField *name = nullptr;
    QMTextField *password = nullptr;
    QLabel *hint = nullptr;
    QMTextView *body = nullptr;
    QString bodyText; // the last accepted text
    QStringList heard;
    bool allowReturn = true;

    bool textFieldShouldReturn(QMTextField *field) override
    {
        heard.append(QStringLiteral("shouldReturn:") + field->objectName());
        return allowReturn;
    }
    void textFieldDidEndEditing(QMTextField *field) override
    {
        heard.append(QStringLiteral("didEnd:") + field->objectName());
    }
    void textViewDidChange(QMTextView *view) override
    {
        heard.append(QStringLiteral("didChange"));
        QMTextLimit::judgeChange(view, bodyText);
    }

protected:
    void viewDidLoad() override
    {
        name = new QMTextField(QRect(20, 20, 280, 31), view());
        name->setObjectName(QStringLiteral("name"));
        name->setKeyboardType(QMTextField::KeyboardType::EmailAddress);
        name->setReturnKeyType(QMTextField::ReturnKeyType::Go);
        name->setBorderStyle(QMTextField::BorderStyle::RoundedRect);
        name->setDelegate(this);
        password = new QMTextField(QRect(20, 60, 280, 31), view());
        password->setObjectName(QStringLiteral("password"));
        password->setSecureTextEntry(true);
        password->setDelegate(this);
        hint = new QLabel(QStringLiteral("限140字"), view());
        hint->setGeometry(20, 100, 280, 20);
        body = new QMTextView(QRect(20, 130, 280, 120), view());
        body->setDelegate(this);
    }
};

class TextEntry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = shownWindow();
        ASSERT_TRUE(window);
        window->setRootViewController(&screen);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        for (QMAlertView *alert : QMAlertView::visibleAlerts())
            alert->clickButton();
        window->setRootViewController(nullptr);
        flushDeletions();
    }

    void edit(QWidget *field)
    {
        tap(field, QPoint(10, 10));
        ASSERT_TRUE(field->hasFocus());
    }
    // Keys that carry any text, Chinese included, one character at a time.
    static void type(QWidget *target, const QString &text)
    {
        for (const char32_t codePoint : text.toUcs4()) {
            const QString one = QString::fromUcs4(&codePoint, 1);
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, one, Qt::NoModifier);
        }
    }
    // What an input method sends: text being composed, then the text it commits.
    static void compose(QWidget *target, const QString &preedit)
    {
        QInputMethodEvent event(preedit, {});
        QApplication::sendEvent(target, &event);
    }
    static void commit(QWidget *target, const QString &text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(target, &event);
    }
    // Saves the window when QM_SCREENSHOT_DIR names a directory, to look at.
    void screenshot(const QString &name, QMAlertView *alert = nullptr)
    {
        const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        if (alert)
            waitUntil([&] { return !alert->graphicsEffect(); }); // faded in
        window->saveScreenshot(QDir(dir).filePath(name));
    }
    static QStringList alertTitles()
    {
        QStringList titles;
        for (QMAlertView *alert : QMAlertView::visibleAlerts())
            titles.append(alert->title());
        return titles;
    }

    std::unique_ptr<QMWindow> window;
    WritingScreen screen;
};

TEST_F(TextEntry, ReturnOnlyEndsTheEditingOfThatField)
{
    screen.view();
    edit(screen.name);
    QTest::keyClicks(screen.name, QStringLiteral("demo@example.com"));
    QTest::keyClick(screen.name, Qt::Key_Return);
    EXPECT_FALSE(screen.name->hasFocus());
    EXPECT_FALSE(screen.password->hasFocus()) << "return does not move on to the next field";
    EXPECT_EQ(screen.heard, (QStringList{"shouldReturn:name", "didEnd:name"}));
    EXPECT_EQ(screen.name->text(), QStringLiteral("demo@example.com"));

    screen.heard.clear();
    screen.allowReturn = false;
    edit(screen.password);
    QTest::keyClick(screen.password, Qt::Key_Enter);
    EXPECT_TRUE(screen.password->hasFocus()) << "the delegate kept the keyboard";
    EXPECT_EQ(screen.heard, QStringList{"shouldReturn:password"});
}

TEST_F(TextEntry, FieldsHintTheirKeyboardWithoutLimitingWhatIsTyped)
{
    screen.view();
    EXPECT_TRUE(screen.name->inputMethodHints() & Qt::ImhEmailCharactersOnly);
    EXPECT_EQ(screen.name->inputMethodQuery(Qt::ImEnterKeyType).toInt(), Qt::EnterKeyGo);
    edit(screen.name);
    type(screen.name, QStringLiteral("13800138000 小明"));
    EXPECT_EQ(screen.name->text(), QStringLiteral("13800138000 小明"));

    EXPECT_TRUE(screen.password->isSecureTextEntry());
    EXPECT_TRUE(screen.password->inputMethodHints() & Qt::ImhHiddenText);
    edit(screen.password);
    QTest::keyClicks(screen.password, QStringLiteral("pa ss"));
    EXPECT_EQ(screen.password->text(), QStringLiteral("pa ss"));
    EXPECT_NE(screen.password->displayText(), QStringLiteral("pa ss")) << "shown as dots";
}

TEST_F(TextEntry, ATouchOnTheBackgroundOrALabelEndsEditingATouchOnAFieldDoesNot)
{
    screen.view();
    edit(screen.name);
    tap(screen.view(), QPoint(160, 300));
    EXPECT_FALSE(screen.name->hasFocus());
    EXPECT_TRUE(screen.heard.contains("didEnd:name"));

    edit(screen.body);
    tap(screen.hint, QPoint(5, 5));
    EXPECT_FALSE(screen.body->hasFocus());

    edit(screen.name);
    tap(screen.password, QPoint(10, 10));
    EXPECT_TRUE(screen.password->hasFocus()) << "a touch on another field moves the keyboard";

    screen.endEditing();
    EXPECT_FALSE(screen.password->hasFocus());
}

TEST_F(TextEntry, TheLimitAcceptsThe140thCharacterAndRefusesThe141st)
{
    screen.view();
    edit(screen.body);
    const QString full = QString(139, QChar(0x4E2D)) + QLatin1Char('a');
    type(screen.body, full);
    EXPECT_EQ(screen.body->text(), full);
    EXPECT_EQ(screen.bodyText, full);
    EXPECT_TRUE(alertTitles().isEmpty());
    screenshot(QStringLiteral("kit-text.png"));

    QTest::keyClick(screen.body, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(screen.body, Qt::Key_Right);
    QTest::keyClicks(screen.body, QStringLiteral("x"));
    EXPECT_EQ(screen.body->text(), full) << "the previous text is back";
    EXPECT_EQ(screen.bodyText, full);
    EXPECT_EQ(screen.body->textCursor().position(), 1) << "and the cursor where it was";
    ASSERT_EQ(alertTitles(), QStringList{"Reach to MaxNum"});
    QMAlertView *alert = QMAlertView::visibleAlerts().first();
    EXPECT_EQ(alert->message(), QStringLiteral("You could type in characters as much as 140"));
    EXPECT_EQ(alert->button()->text(), QStringLiteral("Dismiss"));

    screenshot(QStringLiteral("kit-text-limit.png"), alert);
    QTest::keyClicks(alert, QStringLiteral("yz"));
    EXPECT_EQ(alertTitles().size(), 1) << "one alert at a time";
    alert->clickButton();
    EXPECT_TRUE(screen.body->hasFocus()) << "the keyboard comes back to the text";

    QTest::keyClick(screen.body, Qt::Key_Backspace);
    EXPECT_EQ(QMTextLimit::lengthOf(screen.bodyText), 139) << "deleting is always accepted";
}

TEST_F(TextEntry, APastedLongTextRestoresThePreviousText)
{
    screen.view();
    edit(screen.body);
    QApplication::clipboard()->setText(QString(141, QLatin1Char('p')));
    screen.body->paste();
    EXPECT_EQ(screen.body->text(), QString()) << "the empty view stays empty";
    EXPECT_EQ(alertTitles(), QStringList{"Reach to MaxNum"});
    QMAlertView::visibleAlerts().first()->clickButton();

    type(screen.body, QStringLiteral("好看"));
    QApplication::clipboard()->setText(QString(138, QLatin1Char('p')));
    screen.body->paste();
    EXPECT_EQ(QMTextLimit::lengthOf(screen.body->text()), 140) << "a paste that fits is kept";
}

TEST_F(TextEntry, AnEmojiIsOneCharacter)
{
    const QString emoji =
        QString::fromUtf8("\xF0\x9F\x8E\xAC"); // a clapper board, two UTF-16 units
    EXPECT_EQ(QMTextLimit::lengthOf(emoji), 1);
    EXPECT_EQ(QMTextLimit::lengthOf(QString(139, QLatin1Char('a')) + emoji), 140);
    EXPECT_EQ(QMTextLimit::lengthOf(QString(QChar(0xD83C))), 1) << "a lone half counts too";

    screen.view();
    edit(screen.body);
    screen.body->setText(QString(139, QLatin1Char('a')));
    screen.bodyText = screen.body->text();
    QTextCursor end = screen.body->textCursor();
    end.movePosition(QTextCursor::End);
    screen.body->setTextCursor(end);
    commit(screen.body, emoji);
    EXPECT_EQ(screen.bodyText, QString(139, QLatin1Char('a')) + emoji);
    EXPECT_TRUE(alertTitles().isEmpty());
}

TEST_F(TextEntry, ComposedTextIsJudgedOnlyWhenCommitted)
{
    screen.view();
    edit(screen.body);
    const QString before = QString(139, QChar(0x597D));
    screen.body->setText(before);
    screen.bodyText = before;
    screen.heard.clear();
    QTextCursor end = screen.body->textCursor();
    end.movePosition(QTextCursor::End);
    screen.body->setTextCursor(end);

    compose(screen.body, QStringLiteral("zhongwen"));
    EXPECT_TRUE(screen.body->isComposing());
    EXPECT_FALSE(screen.heard.contains("didChange")) << "half-composed input is not judged";
    EXPECT_TRUE(alertTitles().isEmpty());
    EXPECT_EQ(screen.body->text(), before);

    commit(screen.body, QStringLiteral("中文"));
    EXPECT_EQ(screen.heard, QStringList{"didChange"});
    EXPECT_EQ(screen.body->text(), before) << "two committed characters do not fit";
    EXPECT_EQ(alertTitles(), QStringList{"Reach to MaxNum"});
    EXPECT_FALSE(screen.body->isComposing());
    QMAlertView::visibleAlerts().first()->clickButton();

    compose(screen.body, QStringLiteral("zhong"));
    commit(screen.body, QStringLiteral("中"));
    EXPECT_EQ(screen.bodyText, before + QStringLiteral("中")) << "one does";
    EXPECT_TRUE(alertTitles().isEmpty());
}

TEST_F(TextEntry, TheTextViewIsAWhiteBoxWithARoundedGreyBorder)
{
    screen.view();
    QMKitStyle::setBackgroundColor(screen.view(), QMKitStyle::lightGrayColor());
    const QImage look = screen.body->grab().toImage();
    const qreal dpr = look.devicePixelRatio();
    auto at = [&](int x, int y) {
        return look.pixelColor(QPoint(x, y) * dpr);
    };
    EXPECT_EQ(at(140, 60), QColor(Qt::white));
    const QColor edge = at(140, 0);
    EXPECT_LT(edge.lightness(), 180) << "grey border";
    EXPECT_EQ(edge.red(), edge.blue()) << "a neutral grey";
    EXPECT_GT(at(0, 0).lightness(), edge.lightness()) << "the corner is rounded off";
}

} // namespace
