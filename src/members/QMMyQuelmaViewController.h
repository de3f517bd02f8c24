#pragma once

#include "kit/QMViewController.h"
#include "members/QMMemberInfoProviderDelegate.h"
#include "members/QMMyLiveProviderDelegate.h"
#include "members/QMSignInGate.h"

#include <QPointer>

#include <memory>

class MemberCache;
class QMAttentionListView;
class QMBarButton;
class QMLoginViewController;
class QMMyLiveView;
class QMPizzaMapView;
class QMResponsionListView;
class QMUserSetView;

// The root screen of the member tab. It lets nobody in without signing in, then shows one of
// five sections, chosen with the buttons of its orange bar: the square ("广场"), what concerns
// the member ("与我相关"), replies ("叽来喳去"), the member's settings ("设置") and plans
// ("我的生活"). The sections are made once and brought to the front; each reloads when its
// button is pressed.
class QMMyQuelmaViewController : public QMViewController,
                                 public QMMemberInfoProviderDelegate,
                                 public QMMyLiveProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMyQuelmaViewController)

public:
    static constexpr int kBarHeight = 44;

    QMMyQuelmaViewController();
    ~QMMyQuelmaViewController() override;

    // The hub at the root of a tab's navigation stack, if that tab is the member tab.
    static QMMyQuelmaViewController *inTab(QMViewController *tab);

    // The signed-in member, once there is one.
    std::shared_ptr<MemberCache> selectMember;

    // The sections, made on first need (loading the view): anything may ask for one before the
    // tab was ever opened.
    QMPizzaMapView *pizzaMapView();
    QMAttentionListView *attentionListView();
    QMResponsionListView *responsionListView();
    QMUserSetView *userSetView();
    QMMyLiveView *myLiveView();
    // The section in front; null while nobody is signed in.
    QWidget *frontSection() const;

    QWidget *sectionBar() const { return m_bar; }
    QMBarButton *piazzaButton() const { return m_piazzaButton; }
    QMBarButton *attentionButton() const { return m_attentionButton; }
    QMBarButton *restoreButton() const { return m_restoreButton; }
    QMBarButton *setButton() const { return m_setButton; }
    QMBarButton *liveButton() const { return m_liveButton; }
    // The sign-in screen while it waits for the member.
    QMLoginViewController *loginViewController() const;

    void selectLogin();
    void presentCommentView();
    void selectMap();
    void selectAttention();
    void selectResponsion();
    void selectSet();
    void selectLive();
    // Every section button back to its unchosen look.
    void setColor();
    void showBusBee();

    void memberInfoProviderDidReceiveMemberInfo(QMMemberInfoProvider *provider,
                                                const std::shared_ptr<MemberInfo> &info) override;
    void memberInfoProviderDidRunIntoError(QMMemberInfoProvider *provider,
                                           const std::optional<QMError> &error) override;
    void myLiveProviderDidReceiveAgendaList(QMMyLiveListProvider *provider,
                                            const std::shared_ptr<AgendaList> &list) override;
    void myLiveProviderDidRunIntoError(QMMyLiveListProvider *provider,
                                       const std::optional<QMError> &error) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidLayoutSubviews() override;

private:
    void makeSections();
    // Back to front; none before they are made.
    QList<QWidget *> sections() const;
    QMBarButton *addSectionButton(const QString &title, int index,
                                  void (QMMyQuelmaViewController::*select)());
    // Brings a section forward with its button marked; false while nobody is signed in.
    bool choose(QMBarButton *button, QWidget *section);
    void removeBusBee();
    void layoutSections();

    QMSignInGate m_gate{this};
    QWidget *m_bar = nullptr;
    QMBarButton *m_piazzaButton = nullptr;
    QMBarButton *m_attentionButton = nullptr;
    QMBarButton *m_restoreButton = nullptr;
    QMBarButton *m_setButton = nullptr;
    QMBarButton *m_liveButton = nullptr;
    QPointer<QMPizzaMapView> m_pizzaMapView;
    QPointer<QMAttentionListView> m_attentionListView;
    QPointer<QMResponsionListView> m_responsionListView;
    QPointer<QMUserSetView> m_userSetView;
    QPointer<QMMyLiveView> m_myLiveView;
    QPointer<QWidget> m_frontSection;
};
