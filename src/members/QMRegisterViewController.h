#pragma once

#include "kit/QMViewController.h"
#include "members/QMRegisterInfoProviderDelegate.h"

class QMBarButton;
class QMTextField;

// Opens an account: e-mail address, password and nickname. A registered member goes back to
// the sign-in screen and still signs in there; registering signs nobody in.
class QMRegisterViewController : public QMViewController, public QMRegisterInfoProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMRegisterViewController)

public:
    QMRegisterViewController();
    ~QMRegisterViewController() override;

    QMTextField *emailField() const { return m_emailField; }
    QMTextField *passwordField() const { return m_passwordField; }
    QMTextField *nicknameField() const { return m_nicknameField; }
    QMBarButton *registerButton() const { return m_registerButton; }

    void registerProviderDidReceivedMemberInfo(QMRegisterInfoProvider *provider,
                                               const std::shared_ptr<MemberCache> &member) override;
    void registerProviderDidRunIntoError(QMRegisterInfoProvider *provider,
                                         const std::optional<QMError> &error) override;

    void registerUser();

protected:
    void viewDidLoad() override;

private:
    QMTextField *m_emailField = nullptr;
    QMTextField *m_passwordField = nullptr;
    QMTextField *m_nicknameField = nullptr;
    QMBarButton *m_registerButton = nullptr;
};
