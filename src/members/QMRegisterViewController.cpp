#include "members/QMRegisterViewController.h"

#include "app/QMDataContext.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMTextField.h"
#include "members/MemberCache.h"
#include "members/QMAccountForm.h"
#include "members/QMRegisterInfoProvider.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QWidget>

QMRegisterViewController::QMRegisterViewController()
{
    setTitle(QStringLiteral("注册奎玛帐号"));
}

QMRegisterViewController::~QMRegisterViewController() = default;

void QMRegisterViewController::viewDidLoad()
{
    QWidget *view = this->view();
    QMKitStyle::setBackgroundColor(view, QMKitStyle::lightGrayColor());

    int top = 14;
    m_emailField = QMAccountForm::addField(view, top, QStringLiteral("电子邮箱："));
    m_emailField->setKeyboardType(QMTextField::KeyboardType::EmailAddress);
    top += QMAccountForm::fieldHeight;
    m_passwordField = QMAccountForm::addField(view, top, QStringLiteral("密码："));
    m_passwordField->setSecureTextEntry(true);
    top += QMAccountForm::fieldHeight;
    m_nicknameField = QMAccountForm::addField(view, top, QStringLiteral("昵称："));
    top += QMAccountForm::fieldHeight + 10;

    m_registerButton = new QMBarButton(
        QString(), QMResourceImages::named(QStringLiteral("btn_register.png")), view);
    m_registerButton->setGeometry(QMAccountForm::margin, top, QMAccountForm::width, 40);
    connect(m_registerButton, &QAbstractButton::clicked, this,
            &QMRegisterViewController::registerUser);
    top += 40 + 28;

    QMAccountForm::addPromises(view, top);
}

void QMRegisterViewController::registerUser()
{
    QWidget *view = this->view();
    endEditing();
    // Without all three the provider sends nothing and no answer would ever take the busy
    // indicator away; everything else is the service's to judge.
    if (m_emailField->text().isEmpty() || m_passwordField->text().isEmpty() ||
        m_nicknameField->text().isEmpty()) {
        QMAlertView::show(QStringLiteral("提示"), QStringLiteral("请填写电子邮箱、密码和昵称"),
                          QStringLiteral("ok"));
        return;
    }
    QMViewBusyBee::showBusyBeeAtCenter(view, 40);
    QMRegisterInfoProvider *provider = QMDataContext::CurrentDataContext()->registerInfoProvider();
    provider->email = m_emailField->text();
    provider->password = m_passwordField->text();
    provider->nickname = m_nicknameField->text();
    provider->registerDelegate = this;
    provider->requestForRegister();
}

void QMRegisterViewController::registerProviderDidReceivedMemberInfo(
    QMRegisterInfoProvider *, const std::shared_ptr<MemberCache> &member)
{
    QMViewBusyBee::removeBusyBee(view());
    if (member && !member->memberid.isEmpty()) {
        QMAlertView::show(QStringLiteral("成功"), QStringLiteral("注册成功!"),
                          QStringLiteral("ok"));
        // Back to signing in, which the new member still has to do.
        if (QMNavigationController *stack = navigationController())
            stack->pop(true);
        return;
    }
    const QString error = member ? member->error : QString();
    QMAlertView::show(QStringLiteral("出错了！"), error.isEmpty() ? QStringLiteral("错误") : error,
                      QStringLiteral("OK"));
}

void QMRegisterViewController::registerProviderDidRunIntoError(QMRegisterInfoProvider *,
                                                               const std::optional<QMError> &error)
{
    QMAlertView::show(QStringLiteral("错误"), error ? error->domain() : QStringLiteral("错误"),
                      QStringLiteral("ok"));
    QMViewBusyBee::removeBusyBee(view());
}
