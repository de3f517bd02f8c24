#include "cinemas/QMCinemaListView.h"
#include "comments/QMCommentInfoViewController.h"
#include "comments/QMCommentRow.h"
#include "cinemas/QMCinemaViewController.h"
#include "cinemas/QMDistrictChooser.h"
#include "cinemas/QmCinemaInfoViewController.h"
#include "films/QMMovieOpenFlowView.h"
#include "films/QMMoviePlayCinemaViewController.h"
#include "films/QMMovieTaxisCell.h"
#include "films/QMMovieTaxisViewController.h"
#include "films/QMMovieViewController.h"
#include "films/QMToPlayInfoViewController.h"
#include "films/QMToPlayListViewController.h"
#include "films/openflow/TPOpenFlowView.h"
#include "kit/QMAccessibilityAudit.h"
#include "kit/QMAlertView.h"
#include "kit/QMNavigationController.h"
#include "kit/QMPickerView.h"
#include "kit/QMTabBarController.h"
#include "kit/QMTableView.h"
#include "kit/QMTextField.h"
#include "kit/QMWindow.h"
#include "members/QMLoginViewController.h"
#include "members/QMMyQuelmaViewController.h"
#include "ticketing/QMMovieBuyTicketViewController.h"
#include "ticketing/QMMovieConfirmPewViewController.h"
#include "ticketing/QMMovieSelectPewViewController.h"
#include "ticketing/QMSeatsView.h"

#include "KitTestSupport.h"
#include "QMAppTestCase.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

// Every screen of the client as a screen reader finds it: no control without a name.
namespace {

class AccessibleScreens : public QMAppTestCase
{
protected:
    // The unnamed controls of the whole window, one per line.
    std::string unnamed() const
    {
        return QMAccessibilityAudit::unnamedControls(delegate->window()).join('\n').toStdString();
    }
    void back()
    {
        tab()->pop(false);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !tab()->isTransitioning(); }));
    }
    static void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void typeInto(QLineEdit *field, const QString &text)
    {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::keyClicks(field, text);
    }
    void signIn(QMLoginViewController *login)
    {
        typeInto(login->userNameField(), QStringLiteral("demo@example.com"));
        typeInto(login->passwordField(), QStringLiteral("demo123"));
        click(login->loginButton());
    }
    // The film in the middle of the shelf, opened.
    QMToPlayInfoViewController *openCentredFilm()
    {
        QMMovieViewController *shelf = delegate->movieViewController();
        if (!QTest::qWaitFor([&] { return !shelf->movieArray().isEmpty(); }, 20000))
            return nullptr;
        TPOpenFlowView *flow = shelf->shelfView()->openFlowView();
        QTest::mouseClick(
            flow, Qt::LeftButton, {},
            flow->coverOutline(flow->selectedCover()).boundingRect().center().toPoint());
        return waitForTop<QMToPlayInfoViewController>();
    }
    // The first row of a schedule that sells, today or the day after tomorrow.
    static QMMovieTaxisCell *sellingRow(QMMovieTaxisViewController *schedule)
    {
        for (int day : {int(QMMovieTaxisViewController::Today),
                        int(QMMovieTaxisViewController::AfterTomorrow)}) {
            click(schedule->dayButton(day));
            if (!QTest::qWaitFor(
                    [&] {
                        return schedule->shownDay() == day && !schedule->playMovieArray().isEmpty();
                    },
                    20000))
                continue;
            for (int row = 0; row < schedule->playMovieArray().size(); ++row) {
                schedule->tableView()->scrollToRow(row, QMTableView::ScrollPosition::Top, false);
                auto *cell = schedule->cellForRow(row);
                if (cell && cell->checkMark())
                    return cell;
            }
        }
        return nullptr;
    }
};

} // namespace

TEST_F(AccessibleScreens, TheFilmsTabItsListsDetailsAndAnAlert)
{
    QMMovieViewController *shelf = delegate->movieViewController();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shelf->movieArray().isEmpty(); }, 20000));
    EXPECT_EQ(unnamed(), "") << "the shelf";

    shelf->toPlayList();
    auto *soon = waitForTop<QMToPlayListViewController>();
    ASSERT_TRUE(soon);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !soon->movieArray().isEmpty(); }, 20000));
    EXPECT_EQ(unnamed(), "") << "coming soon";
    back();

    TPOpenFlowView *flow = shelf->shelfView()->openFlowView();
    const int cover = flow->selectedCover();
    QTest::mouseClick(flow, Qt::LeftButton, {},
                      flow->coverOutline(cover).boundingRect().center().toPoint());
    auto *details = waitForTop<QMToPlayInfoViewController>();
    ASSERT_TRUE(details);
    EXPECT_EQ(unnamed(), "") << "film details";

    click(details->cinemasButton());
    auto *cinemas = waitForTop<QMMoviePlayCinemaViewController>();
    ASSERT_TRUE(cinemas);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cinemas->awaitsFilmList(); }, 20000));
    EXPECT_EQ(unnamed(), "") << "the film's cinemas";

    if (!cinemas->cinemaArray().isEmpty()) {
        QMTableView *table = cinemas->cinemaTableView()->tableView();
        tap(table->cellForRow(0), QPoint(150, 30));
        ASSERT_TRUE(waitForTop<QMMovieTaxisViewController>());
        EXPECT_EQ(unnamed(), "") << "schedule";
    }

    QMAlertView::show(QStringLiteral("提示"), QStringLiteral("只能显示10页!"),
                      QStringLiteral("ok"));
    EXPECT_EQ(unnamed(), "") << "an alert";
}

TEST_F(AccessibleScreens, TheCinemasTabThePickerADetailsScreenAndTheMap)
{
    tapTab(1);
    auto *list = qobject_cast<QMCinemaViewController *>(tab()->viewControllers().value(0));
    ASSERT_TRUE(list);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->cinemaArray().isEmpty(); }, 20000));
    EXPECT_EQ(unnamed(), "") << "nearby cinemas";

    click(list->districtButton());
    QMPickerView *overlay = list->districtChooser()->pickerView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return overlay->isInWindow(); }, 20000));
    EXPECT_EQ(unnamed(), "") << "district picker";
    click(overlay->cancelButton());

    tap(list->cinemaTableView()->tableView()->cellForRow(0), QPoint(150, 30));
    auto *details = waitForTop<QmCinemaInfoViewController>();
    ASSERT_TRUE(details);
    EXPECT_EQ(unnamed(), "") << "cinema details";

    ASSERT_TRUE(details->mapButton());
    click(details->mapButton());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !tab()->isTransitioning() && tab()->topViewController() != details; }));
    EXPECT_EQ(unnamed(), "") << "the cinema on the map";
}

TEST_F(AccessibleScreens, SignInAndTheMemberHubsSections)
{
    tapTab(2);
    auto *login = waitForTop<QMLoginViewController>();
    ASSERT_TRUE(login);
    EXPECT_EQ(unnamed(), "") << "sign-in";
    screenshot(QStringLiteral("a11y-sign-in.png"));

    QTest::mouseClick(login->userNameField(), Qt::LeftButton);
    QTest::keyClicks(login->userNameField(), QStringLiteral("demo@example.com"));
    QTest::mouseClick(login->passwordField(), Qt::LeftButton);
    QTest::keyClicks(login->passwordField(), QStringLiteral("demo123"));
    click(login->loginButton());
    QMMyQuelmaViewController *hub = delegate->myQuelmaViewController();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tab()->topViewController() == hub; }, 20000));
    QTest::qWait(500);
    EXPECT_EQ(unnamed(), "") << "the square";

    for (QWidget *section :
         {static_cast<QWidget *>(hub->attentionButton()), static_cast<QWidget *>(hub->setButton()),
          static_cast<QWidget *>(hub->liveButton()),
          static_cast<QWidget *>(hub->restoreButton())}) {
        click(section);
        QTest::qWait(800);
        EXPECT_EQ(unnamed(), "") << qobject_cast<QAbstractButton *>(section)->text().toStdString();
    }
}

TEST_F(AccessibleScreens, CommentsAndTheTicketRoadOfASignedInMember)
{
    QMToPlayInfoViewController *details = openCentredFilm();
    ASSERT_TRUE(details);
    QTest::qWait(1000); // the comments
    const QList<QMCommentRow *> rows = details->view()->findChildren<QMCommentRow *>();
    if (!rows.isEmpty() && rows.first()->isVisible()) {
        click(rows.first()->textButton());
        ASSERT_TRUE(waitForTop<QMCommentInfoViewController>());
        QTest::qWait(500);
        EXPECT_EQ(unnamed(), "") << "comment details";
        back();
    }

    // Writing a comment, through the sign-in screen.
    click(details->commentButton());
    auto *login = waitForTop<QMLoginViewController>();
    ASSERT_TRUE(login);
    signIn(login);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return delegate->tabController()->modalViewController(); }, 20000));
    QTest::qWait(600);
    EXPECT_EQ(unnamed(), "") << "writing a comment";
    delegate->tabController()->dismissModalViewController(false);

    // A screening, its seats and the order.
    click(details->cinemasButton());
    auto *cinemas = waitForTop<QMMoviePlayCinemaViewController>();
    ASSERT_TRUE(cinemas);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cinemas->awaitsFilmList(); }, 20000));
    ASSERT_FALSE(cinemas->cinemaArray().isEmpty());
    tap(cinemas->cinemaTableView()->tableView()->cellForRow(0), QPoint(150, 30));
    auto *schedule = waitForTop<QMMovieTaxisViewController>();
    ASSERT_TRUE(schedule);
    QMMovieTaxisCell *row = sellingRow(schedule);
    ASSERT_TRUE(row) << "a screening on sale";
    EXPECT_EQ(unnamed(), "") << "schedule";
    click(row->checkMark());
    auto *screening = waitForTop<QMMovieBuyTicketViewController>();
    ASSERT_TRUE(screening);
    ASSERT_TRUE(QTest::qWaitFor([&] { return screening->buyButton(); }, 20000));
    EXPECT_EQ(unnamed(), "") << "screening choice";

    click(screening->buyButton());
    auto *seats = waitForTop<QMMovieSelectPewViewController>();
    ASSERT_TRUE(seats);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !seats->seatsView()->seatButtonArray().empty(); }, 20000));
    EXPECT_EQ(unnamed(), "") << "seat map";
    // Two free seats ticked as a screen reader does: named like the chosen seats are shown.
    QAccessibleInterface *map = QAccessible::queryAccessibleInterface(seats->seatsView());
    QList<QAccessibleInterface *> ticked;
    for (int i = 0; i < map->childCount() && ticked.size() < 2; ++i) {
        QAccessibleInterface *seat = map->child(i);
        if (seat->role() == QAccessible::CheckBox && !seat->state().disabled &&
            !seat->state().checked) {
            EXPECT_TRUE(seats->seatsView()->seatButtonArray()[size_t(i)].isSelectable());
            seat->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            ticked.append(seat);
        }
    }
    ASSERT_EQ(seats->seatsView()->ticketCount(), 2);
    for (QAccessibleInterface *seat : ticked) {
        EXPECT_TRUE(seat->state().checked);
        EXPECT_TRUE(seats->selectionLabel()->text().contains(seat->text(QAccessible::Name)))
            << seat->text(QAccessible::Name).toStdString();
    }
    QTest::qWait(300);
    screenshot(QStringLiteral("a11y-seats.png"));
    click(seats->confirmButton());
    ASSERT_TRUE(waitForTop<QMMovieConfirmPewViewController>());
    EXPECT_EQ(unnamed(), "") << "the order";
}
