#include "films/openflow/TPOpenFlowView.h"
#include "kit/QMAccessibilityAudit.h"
#include "kit/QMAccessibleAnnouncer.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMMapAnnotation.h"
#include "kit/QMMapView.h"
#include "kit/QMNavigationController.h"
#include "kit/QMScrollView.h"
#include "kit/QMTabBar.h"
#include "kit/QMTabBarController.h"
#include "kit/QMTabBarItem.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "kit/QMTableViewDataSource.h"
#include "kit/QMWheelPicker.h"
#include "kit/QMWindow.h"
#include "services/QMResourceImages.h"

#include "KitTestSupport.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

// What a screen reader finds in the kit's widgets, and what it hears.
namespace {

// Keeps what Qt would tell a screen reader: type, object and the texts it carries.
struct HeardEvent
{
    QAccessible::Event type;
    QObject *object;
    QString value;
};
QList<HeardEvent> events;

void listen(QAccessibleEvent *event)
{
    HeardEvent kept{event->type(), event->object(), {}};
    if (event->type() == QAccessible::ValueChanged)
        kept.value = static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
    else if (QAccessibleInterface *iface = event->accessibleInterface())
        kept.value = iface->text(QAccessible::Name);
    events.append(kept);
}

// Listens as a screen reader would while the test runs.
class Listening : public ::testing::Test
{
protected:
    void SetUp() override
    {
        events.clear();
        QMAccessibleAnnouncer::setListenerForTesting(&listen);
    }
    void TearDown() override
    {
        for (QMAlertView *alert : QMAlertView::visibleAlerts())
            alert->clickButton();
        flushDeletions();
        QMAccessibleAnnouncer::setListenerForTesting({});
    }
};

QImage picture()
{
    QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::red);
    return image;
}

QAccessibleInterface *face(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

void press(QAccessibleInterface *iface)
{
    QAccessibleActionInterface *actions = iface->actionInterface();
    ASSERT_TRUE(actions);
    ASSERT_FALSE(actions->actionNames().isEmpty());
    actions->doAction(actions->actionNames().first());
}

class Pin : public QMMapAnnotation
{
public:
    Pin(double latitude, double longitude, QString title)
        : m_coordinate{latitude, longitude}
        , m_title(std::move(title))
    {}
    QMMapCoordinate coordinate() const override { return m_coordinate; }
    QString title() const override { return m_title; }
    QString subtitle() const override { return QStringLiteral("黄浦区"); }

private:
    QMMapCoordinate m_coordinate;
    QString m_title;
};

class Districts : public QObject, public QMWheelPickerDataSource, public QMWheelPickerDelegate
{
public:
    int numberOfComponentsInPickerView(QMWheelPicker *) override { return 1; }
    int pickerViewNumberOfRowsInComponent(QMWheelPicker *, int) override
    {
        return int(names.size());
    }
    QString pickerViewTitleForRowForComponent(QMWheelPicker *, int row, int) override
    {
        return names.value(row);
    }
    QStringList names{QStringLiteral("黄浦"), QStringLiteral("徐汇"), QStringLiteral("长宁"),
                      QStringLiteral("静安"), QStringLiteral("普陀"), QStringLiteral("虹口"),
                      QStringLiteral("杨浦"), QStringLiteral("闵行")};
};

class Cinemas : public QObject, public QMTableViewDataSource
{
public:
    int tableViewNumberOfRows(QMTableView *) override { return 3; }
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *, int row) override
    {
        auto cell = std::make_unique<QMTableViewCell>(QMTableViewCell::CellStyle::Subtitle);
        cell->textLabel()->setText(QStringLiteral("影院%1").arg(row));
        cell->detailTextLabel()->setText(QStringLiteral("南京西路%1号").arg(row));
        return cell;
    }
    void tableViewDidSelectRow(QMTableView *, int row) override { chosen.append(row); }
    QList<int> chosen;
};

} // namespace

TEST(AccessibilityAudit, ATablesRowsAreListItemsNamedByTheirWordsAndPressedLikeATap)
{
    std::unique_ptr<QMWindow> window = shownWindow();
    Cinemas cinemas;
    auto *table = new QMTableView(window.get());
    table->setGeometry(0, 20, 320, 300);
    table->setDataSource(&cinemas);
    table->show();
    table->reloadData();

    QAccessibleInterface *row = face(table->cellForRow(1));
    ASSERT_TRUE(row);
    EXPECT_EQ(face(table)->role(), QAccessible::List);
    EXPECT_EQ(row->role(), QAccessible::ListItem);
    EXPECT_EQ(row->text(QAccessible::Name), QStringLiteral("影院1 南京西路1号"));
    press(row);
    EXPECT_EQ(cinemas.chosen, QList<int>{1});
    EXPECT_TRUE(row->state().selected);

    // A table that lets nothing be chosen has rows to read, not to press.
    table->setAllowsSelection(false);
    EXPECT_NE(row->role(), QAccessible::ListItem);
    EXPECT_TRUE(QMAccessibilityAudit::unnamedControls(window.get()).isEmpty());
}

TEST(AccessibilityAudit, FindsTheShownControlsWithoutANameAndOnlyThose)
{
    std::unique_ptr<QMWindow> window = shownWindow();
    auto *unnamed = new QMBarButton(QString(), picture(), window.get());
    unnamed->show();
    auto *titled = new QMBarButton(QStringLiteral("确定"), window.get());
    titled->show();
    auto *named = new QMBarButton(QString(), picture(), window.get());
    named->setAccessibleName(QStringLiteral("返回"));
    named->show();
    auto *hidden = new QMBarButton(QString(), picture(), window.get());
    hidden->hide();
    // Words only to be read are no control.
    auto *reading = new QPlainTextEdit(QStringLiteral("影评"), window.get());
    reading->setReadOnly(true);
    reading->show();

    const QStringList found = QMAccessibilityAudit::unnamedControls(window.get());
    ASSERT_EQ(found.size(), 1) << found.join('\n').toStdString();
    EXPECT_TRUE(found[0].startsWith(QStringLiteral("Button QMBarButton at QMWindow/QMBarButton[")))
        << found[0].toStdString();

    reading->setReadOnly(false);
    EXPECT_EQ(QMAccessibilityAudit::unnamedControls(window.get()).size(), 2)
        << "a field to type in needs a name";
    EXPECT_TRUE(QMAccessibilityAudit::unnamedControls(nullptr).isEmpty());
}

TEST(AccessibilityAudit, AWidgetThatTakesKeysIsAControlButAScrollingContainerIsNot)
{
    std::unique_ptr<QMWindow> window = shownWindow();
    auto *scroller = new QMScrollView(window.get());
    scroller->setFocusPolicy(Qt::StrongFocus);
    scroller->show();
    auto *custom = new QWidget(window.get());
    custom->setFocusPolicy(Qt::StrongFocus);
    custom->show();

    QStringList found = QMAccessibilityAudit::unnamedControls(window.get());
    ASSERT_EQ(found.size(), 1) << found.join('\n').toStdString();
    EXPECT_TRUE(found[0].startsWith(QStringLiteral("Client QWidget at QMWindow/QWidget[")))
        << found[0].toStdString();
    custom->setAccessibleName(QStringLiteral("海报"));
    EXPECT_TRUE(QMAccessibilityAudit::unnamedControls(window.get()).isEmpty());
}

TEST(AccessibilityAudit, APictureButtonReadsTheWordsDrawnOnItsPicture)
{
    std::unique_ptr<QMWindow> window = shownWindow();
    auto *login = new QMBarButton(
        QString(), QMResourceImages::named(QStringLiteral("btn_login.png")), window.get());
    auto *map = new QMBarButton(
        QString(), QMResourceImages::named(QStringLiteral("btn_selectMap.jpg")), window.get());
    auto *back = new QMBarButton(
        QString(), QMResourceImages::named(QStringLiteral("btn_return.png")), window.get());
    EXPECT_EQ(face(login)->text(QAccessible::Name), QStringLiteral("登录"));
    EXPECT_EQ(face(map)->text(QAccessible::Name), QStringLiteral("影院地图"));
    EXPECT_EQ(face(back)->text(QAccessible::Name), QStringLiteral("返回"));
    EXPECT_EQ(face(login)->role(), QAccessible::PushButton);

    // A screen reader's press is a click.
    int clicks = 0;
    QObject::connect(login, &QAbstractButton::clicked, [&] { ++clicks; });
    press(face(login));
    EXPECT_EQ(clicks, 1);
    login->setEnabled(false);
    EXPECT_TRUE(face(login)->actionInterface()->actionNames().isEmpty() ||
                !face(login)->actionInterface()->actionNames().contains(
                    QAccessibleActionInterface::pressAction()));
}

TEST(AccessibilityAudit, TabsAreNamedPageTabsAndPressingOneSelectsIt)
{
    std::unique_ptr<QMWindow> window = shownWindow();
    QMTabBarController tabs;
    const QStringList titles{QStringLiteral("电影"), QStringLiteral("影院"),
                             QStringLiteral("叽喳")};
    std::vector<std::unique_ptr<QMViewController>> stacks;
    for (const QString &title : titles) {
        auto stack = std::make_unique<QMNavigationController>(std::make_unique<QMViewController>());
        stack->tabBarItem()->setTitle(title);
        stacks.push_back(std::move(stack));
    }
    tabs.setViewControllers(std::move(stacks));
    window->setRootViewController(&tabs);

    QAccessibleInterface *bar = face(tabs.tabBar());
    ASSERT_EQ(bar->role(), QAccessible::PageTabList);
    ASSERT_GE(bar->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface *tab = bar->child(i);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->text(QAccessible::Name), titles[i]);
        EXPECT_EQ(tab->state().selected, i == 0) << i;
        EXPECT_EQ(bar->indexOfChild(tab), i);
        EXPECT_EQ(tab->rect().center(),
                  tabs.tabBar()->mapToGlobal(tabs.tabBar()->itemRect(i).center()));
    }
    EXPECT_EQ(bar->childAt(bar->child(1)->rect().center().x(), bar->child(1)->rect().center().y()),
              bar->child(1));
    press(bar->child(1));
    EXPECT_EQ(tabs.selectedIndex(), 1);
    EXPECT_TRUE(bar->child(1)->state().selected);
    EXPECT_TRUE(QMAccessibilityAudit::unnamedControls(window.get()).isEmpty())
        << QMAccessibilityAudit::unnamedControls(window.get()).join('\n').toStdString();

    tabs.tabBar()->items().at(2)->setTitle(QString());
    EXPECT_EQ(QMAccessibilityAudit::unnamedControls(window.get()).size(), 1)
        << "a tab without a title";
    window->setRootViewController(nullptr);
}

TEST(AccessibilityAudit, AWheelsRowsAreNamedListItemsAndPressingOneTurnsToIt)
{
    std::unique_ptr<QMWindow> window = shownWindow();
    Districts districts;
    auto *picker = new QMWheelPicker(window.get());
    picker->setGeometry(0, 200, 320, 216);
    picker->setDataSource(&districts);
    picker->setDelegate(&districts);
    picker->show();
    picker->reloadAllComponents();

    QWidget *column = picker->childAt(picker->rectForRowInComponent(0, 0).center());
    ASSERT_TRUE(column);
    QAccessibleInterface *wheel = face(column);
    ASSERT_EQ(wheel->role(), QAccessible::List);
    ASSERT_GE(wheel->childCount(), 8);
    // Rows far from the band have no view, and are named all the same.
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(wheel->child(row)->role(), QAccessible::ListItem);
        EXPECT_EQ(wheel->child(row)->text(QAccessible::Name), districts.names[row]) << row;
    }
    EXPECT_TRUE(wheel->child(0)->state().selected);
    press(wheel->child(6));
    ASSERT_TRUE(waitUntil([&] { return !picker->isTurning(); }));
    EXPECT_EQ(picker->selectedRowInComponent(0), 6);
    EXPECT_TRUE(wheel->child(6)->state().selected);
    EXPECT_FALSE(wheel->child(0)->state().selected);

    // Fewer rows: the items past the end are no longer valid.
    QAccessibleInterface *last = wheel->child(7);
    districts.names.resize(3);
    picker->reloadAllComponents();
    EXPECT_FALSE(last->isValid());
    EXPECT_EQ(wheel->childCount() - QMAccessibilityAudit::unnamedControls(window.get()).size(),
              wheel->childCount());
}

TEST(AccessibilityAudit, MapPinsAreNamedButtonsAndPressingOneOpensItsCallout)
{
    std::unique_ptr<QMWindow> window = shownWindow();
    auto *map = new QMMapView(window.get());
    map->setGeometry(0, 20, 320, 460);
    map->show();
    map->setRegion(QMMapRegion{{31.2304, 121.4737}, 0.05, 0.05}, false);
    map->addAnnotation(std::make_shared<Pin>(31.2304, 121.4737, QStringLiteral("大光明电影院")));
    map->addAnnotation(std::make_shared<Pin>(31.2320, 121.4750, QString()));

    QAccessibleInterface *iface = face(map);
    ASSERT_GE(iface->childCount(), 2);
    EXPECT_EQ(iface->child(0)->role(), QAccessible::PushButton);
    EXPECT_EQ(iface->child(0)->text(QAccessible::Name), QStringLiteral("大光明电影院"));
    EXPECT_EQ(iface->child(0)->text(QAccessible::Description), QStringLiteral("黄浦区"));
    const QStringList found = QMAccessibilityAudit::unnamedControls(window.get());
    ASSERT_EQ(found.size(), 1) << found.join('\n').toStdString();
    EXPECT_TRUE(found[0].startsWith(QStringLiteral("Button (painted) at QMWindow/QMMapView[")))
        << found[0].toStdString();
    map->viewForAnnotation(map->annotations().at(1).get())
        ->setAccessibleName(QStringLiteral("陈小姐"));
    EXPECT_TRUE(QMAccessibilityAudit::unnamedControls(window.get()).isEmpty());

    press(iface->child(0));
    EXPECT_EQ(map->selectedAnnotation(), map->annotations().at(0).get());
    EXPECT_TRUE(iface->child(0)->state().selected);
}

TEST_F(Listening, AnAlertIsAnnouncedWithItsTitleAndMessage)
{
    std::unique_ptr<QMWindow> window = shownWindow();
    QMAlertView *alert = QMAlertView::show(QStringLiteral("提示"), QStringLiteral("只能显示10页!"),
                                           QStringLiteral("ok"));
    ASSERT_TRUE(alert);
    const auto announced = std::find_if(events.begin(), events.end(), [&](const HeardEvent &e) {
        return e.type == QAccessible::Alert && e.object == alert;
    });
    ASSERT_NE(announced, events.end());
    QAccessibleInterface *iface = face(alert);
    EXPECT_EQ(iface->role(), QAccessible::AlertMessage);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("提示"));
    EXPECT_EQ(iface->text(QAccessible::Description), QStringLiteral("只能显示10页!"));
    EXPECT_TRUE(QMAccessibilityAudit::unnamedControls(window.get()).isEmpty());
}

TEST_F(Listening, TheCoverFlowAnnouncesTheFilmThatComesToTheMiddle)
{
    std::unique_ptr<QMWindow> window = shownWindow();
    auto *flow = new TPOpenFlowView(window.get());
    flow->setGeometry(10, 40, 300, 225);
    flow->show();
    QImage cover(150, 200, QImage::Format_RGB32);
    cover.fill(Qt::darkBlue);
    flow->setDefaultImage(cover);
    const QStringList films{QStringLiteral("让子弹飞"), QStringLiteral("非诚勿扰2"),
                            QStringLiteral("赵氏孤儿"), QStringLiteral("大笑江湖")};
    flow->setCoverTitles(films);
    flow->setNumberOfImages(int(films.size()));
    flow->setSelectedCover(1);
    flow->centerOnSelectedCover(false);
    ASSERT_TRUE(waitUntil([&] { return !flow->isAnimating(); }));
    events.clear();

    // A touch on the cover to the right of the middle one brings it to the middle.
    QTest::mouseClick(flow, Qt::LeftButton, {}, QPoint(260, 110));
    ASSERT_EQ(flow->selectedCover(), 2);
    const auto announced = std::find_if(events.begin(), events.end(), [&](const HeardEvent &e) {
        return e.type == QAccessible::ValueChanged && e.object == flow;
    });
    ASSERT_NE(announced, events.end());
    EXPECT_EQ(announced->value, films[2]);
    // The cover itself is selected, or focused when the cover flow has the keyboard.
    EXPECT_TRUE(std::any_of(events.begin(), events.end(), [&](const HeardEvent &e) {
        return (e.type == QAccessible::Selection || e.type == QAccessible::Focus) &&
               e.value == films[2];
    }));

    QAccessibleInterface *iface = face(flow);
    EXPECT_EQ(iface->role(), QAccessible::List);
    EXPECT_EQ(iface->text(QAccessible::Value), films[2]);
    EXPECT_EQ(iface->child(3)->text(QAccessible::Name), films[3]);
    EXPECT_TRUE(iface->child(2)->state().selected);
    EXPECT_TRUE(QMAccessibilityAudit::unnamedControls(window.get()).isEmpty());

    // Pressing another cover moves it to the middle and is announced as well.
    events.clear();
    press(iface->child(0));
    EXPECT_EQ(flow->selectedCover(), 0);
    EXPECT_TRUE(std::any_of(events.begin(), events.end(), [&](const HeardEvent &e) {
        return e.type == QAccessible::ValueChanged && e.value == films[0];
    }));
}
