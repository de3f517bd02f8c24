#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class QMNavigationController;
class QMNavigationItem;
class QMTabBarController;
class QMTabBarItem;
class QMTransition;
class QWidget;

// A screen: it owns one view, built on first use, and is told when that view is about to
// appear on the phone, has appeared, is about to go and has gone. Containers (navigation stack,
// tab bar, window, modal sheet) send those calls, always balanced: viewWillAppear is followed by
// viewDidAppear, and a screen never hears "appear" twice in a row.
class QMViewController : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMViewController)

public:
    QMViewController();
    ~QMViewController() override;

    // The view, created by loadView() and then viewDidLoad() the first time it is asked for.
    QWidget *view();
    bool isViewLoaded() const { return !m_view.isNull(); }

    QString title() const { return m_title; }
    // Also the title of the navigation item.
    void setTitle(const QString &title);

    QMNavigationItem *navigationItem();
    QMTabBarItem *tabBarItem();

    QMViewController *parentViewController() const { return m_parent; }
    QMNavigationController *navigationController() const;
    QMTabBarController *tabBarController() const;

    // A sheet rising from the bottom over the whole window, tab bar included. The sheet is
    // owned by the outermost container of this screen until it is dismissed.
    void presentModalViewController(std::unique_ptr<QMViewController> controller, bool animated);
    // Dismisses the sheet this screen presents, or else the sheet this screen is part of.
    void dismissModalViewController(bool animated);
    QMViewController *modalViewController() const { return m_presented.get(); }
    QMViewController *presentingViewController() const { return m_presenting; }

    // Puts the keyboard away: the text field or text view of this screen being edited, if any,
    // ends its editing. A touch on the background of the view does the same.
    void endEditing();

    // True from viewWillAppear until viewWillDisappear.
    bool isViewVisible() const;

    // For containers: the two halves of an appearance change, forwarded to the children that
    // are on screen. Calls that would repeat the current state are dropped.
    void beginAppearanceTransition(bool appearing, bool animated);
    void endAppearanceTransition();

protected:
    // The default view is a plain white one.
    virtual std::unique_ptr<QWidget> loadView();
    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool animated) { Q_UNUSED(animated) }
    virtual void viewDidAppear(bool animated) { Q_UNUSED(animated) }
    virtual void viewWillDisappear(bool animated) { Q_UNUSED(animated) }
    virtual void viewDidDisappear(bool animated) { Q_UNUSED(animated) }
    // The view changed its size.
    virtual void viewDidLayoutSubviews() {}
    // Children whose views are on screen whenever this screen's view is.
    virtual QList<QMViewController *> childViewControllersForAppearance() const { return {}; }

    // For containers: adopting a child, listing children, and letting one go (it is deleted
    // once control returns to the event loop, so it may ask for that from its own buttons).
    static void setParentOf(QMViewController *child, QMViewController *parent);
    static QList<QMViewController *>
    pointersOf(const std::vector<std::unique_ptr<QMViewController>> &children);
    static void discardChild(std::unique_ptr<QMViewController> child);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Appearance { Disappeared, Appearing, Appeared, Disappearing };

    QMViewController *rootAncestor();
    QWidget *sheetHost(QRect *area);
    void finishModalTransition();

    QPointer<QWidget> m_view;
    QString m_title;
    std::unique_ptr<QMNavigationItem> m_navigationItem;
    std::unique_ptr<QMTabBarItem> m_tabBarItem;
    QPointer<QMViewController> m_parent;
    QPointer<QMViewController> m_presenting;
    std::unique_ptr<QMViewController> m_presented;
    std::unique_ptr<QMViewController> m_dismissing;
    std::unique_ptr<QMTransition> m_modalTransition;
    Appearance m_appearance = Appearance::Disappeared;
    bool m_animatedAppearance = false;
};
