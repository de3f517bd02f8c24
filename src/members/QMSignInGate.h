#pragma once

#include "members/QMLoginProviderDelegate.h"
#include "members/QMLoginViewController.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QMViewController;

// The way every screen that acts for a member gets one. A screen keeps a gate and puts each
// such action through it: with a member signed in the action runs at once; otherwise the gate
// pushes the sign-in screen onto the screen's navigation stack and, speaking for the screen as
// the login provider's delegate, hears the answer. After a successful sign-in it pops back to
// the screen and runs the action, once. A failed one leaves the sign-in screen up with an
// alert. Leaving the sign-in screen by its back button drops the action for good.
class QMSignInGate : public QObject, public QMLoginProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMSignInGate)

public:
    struct Options
    {
        // The member cannot leave the sign-in screen without signing in.
        bool hidesBackButton = false;
        // The sign-in screen slides in and out.
        bool animated = true;
    };

    // The screen must be on a navigation stack by the time an action needs a member.
    explicit QMSignInGate(QMViewController *screen);
    ~QMSignInGate() override;

    void requireMember(std::function<void()> action);
    void requireMember(std::function<void()> action, Options options);

    // True while the sign-in screen it pushed is up, with an action waiting for it.
    bool isWaiting() const;
    QMLoginViewController *loginViewController() const { return m_login; }

    void loginProviderDidReceiveUserInfo(QMLoginProvider *provider,
                                         const std::shared_ptr<MemberCache> &member) override;
    void loginProviderDidRunIntoError(QMLoginProvider *provider,
                                      const std::optional<QMError> &error) override;

private:
    QPointer<QMViewController> m_screen;
    QPointer<QMLoginViewController> m_login;
    std::function<void()> m_action;
    Options m_options;
};
