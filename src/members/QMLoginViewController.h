#pragma once

#include "kit/QMViewController.h"
#include "members/QMLoginProviderDelegate.h"
#include "net/QMWeakDelegate.h"

#include <memory>

class MemberCache;
class QMBarButton;
class QMTextField;

// The sign-in screen: a user name (e-mail address or mobile number) and a password, pre-filled
// from the last successful sign-in. It only sends the sign-in; the screen that pushed it hears
// the answer (see QMSignInGate), pops it and carries on.
class QMLoginViewController : public QMViewController, public QMLoginProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMLoginViewController)

public:
    QMLoginViewController();
    ~QMLoginViewController() override;

    // Who hears the answer to a sign-in sent from here: the screen that pushed this one, or this
    // screen itself when there is none (any more).
    void setLoginDelegate(QMLoginProviderDelegate *delegate) { m_loginDelegate = delegate; }

    QMTextField *userNameField() const { return m_userNameField; }
    QMTextField *passwordField() const { return m_passwordField; }
    QMBarButton *loginButton() const { return m_loginButton; }
    QMBarButton *registerButton() const { return m_registerButton; }
    // The member of an answer this screen heard itself.
    std::shared_ptr<MemberCache> loginuser() const { return m_loginuser; }

    // The busy indicator of a sign-in on its way goes.
    void stopWaiting();
    // A failed sign-in: the "错误" alert with what went wrong; the fields keep what was typed.
    void showFailure(const std::optional<QMError> &error);

    void loginProviderDidReceiveUserInfo(QMLoginProvider *provider,
                                         const std::shared_ptr<MemberCache> &member) override;
    void loginProviderDidRunIntoError(QMLoginProvider *provider,
                                      const std::optional<QMError> &error) override;

    void loginQuelma();
    void registerQuelme();

protected:
    void viewDidLoad() override;

private:
    QMWeakDelegate<QMLoginProviderDelegate> m_loginDelegate;
    QMTextField *m_userNameField = nullptr;
    QMTextField *m_passwordField = nullptr;
    QMBarButton *m_loginButton = nullptr;
    QMBarButton *m_registerButton = nullptr;
    std::shared_ptr<MemberCache> m_loginuser;
};
