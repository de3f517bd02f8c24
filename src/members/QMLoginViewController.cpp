#include "members/QMLoginViewController.h"

#include "app/QMDataContext.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMTextField.h"
#include "members/MemberCache.h"
#include "members/QMAccountForm.h"
#include "members/QMLoginProvider.h"
#include "members/QMRegisterViewController.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>
#include <QWidget>

QMLoginViewController::QMLoginViewController()
{
    setTitle(QStringLiteral("登陆奎玛"));
    navigationItem()->setBackBarButtonTitle(QStringLiteral("返回"));
}

QMLoginViewController::~QMLoginViewController() = default;

void QMLoginViewController::viewDidLoad()
{
    QWidget *view = this->view();
    QMKitStyle::setBackgroundColor(view, QMKitStyle::lightGrayColor());
    const QMLoginProvider *provider = QMDataContext::CurrentDataContext()->loginProvider();

    int top = 14;
    m_userNameField = QMAccountForm::addField(view, top, QStringLiteral("电子邮箱/手机号："));
    m_userNameField->setKeyboardType(QMTextField::KeyboardType::EmailAddress);
    m_userNameField->setText(provider->username);
    top += QMAccountForm::fieldHeight;
    m_passwordField = QMAccountForm::addField(view, top, QStringLiteral("密码："));
    m_passwordField->setSecureTextEntry(true);
    m_passwordField->setText(provider->password);
    top += QMAccountForm::fieldHeight + 10;

    m_loginButton =
        new QMBarButton(QString(), QMResourceImages::named(QStringLiteral("btn_login.png")), view);
    m_loginButton->setGeometry(QMAccountForm::margin, top, QMAccountForm::width, 40);
    connect(m_loginButton, &QAbstractButton::clicked, this, &QMLoginViewController::loginQuelma);
    top += 40 + 18;

    QLabel *notYet = QMKitStyle::addLabel(view, QRect(QMAccountForm::margin, top, 188, 28),
                                          QMKitStyle::systemFont(14), QColor(60, 60, 64),
                                          QStringLiteral("还没注册?"));
    notYet->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_registerButton =
        new QMBarButton(QString(), QMResourceImages::named(QStringLiteral("btn_regist.png")), view);
    m_registerButton->setGeometry(QMAccountForm::margin + QMAccountForm::width - 80, top, 80, 28);
    connect(m_registerButton, &QAbstractButton::clicked, this,
            &QMLoginViewController::registerQuelme);
    top += 28 + 24;

    QMAccountForm::addPromises(view, top);
}

void QMLoginViewController::stopWaiting()
{
    if (isViewLoaded())
        QMViewBusyBee::removeBusyBee(view());
}

void QMLoginViewController::showFailure(const std::optional<QMError> &error)
{
    QMAlertView::show(QStringLiteral("错误"), QMError::alertText(error), QStringLiteral("ok"));
    stopWaiting();
}

void QMLoginViewController::loginProviderDidReceiveUserInfo(
    QMLoginProvider *, const std::shared_ptr<MemberCache> &member)
{
    m_loginuser = member;
    stopWaiting();
}

void QMLoginViewController::loginProviderDidRunIntoError(QMLoginProvider *,
                                                         const std::optional<QMError> &error)
{
    showFailure(error);
}

void QMLoginViewController::loginQuelma()
{
    QMViewBusyBee::showBusyBeeAtCenter(view(), 40);
    endEditing();
    QMLoginProvider *provider = QMDataContext::CurrentDataContext()->loginProvider();
    // As typed, empty or not: the service judges.
    provider->username = m_userNameField->text();
    provider->password = m_passwordField->text();
    // The answer goes to whoever pushed this screen, even when another screen has since
    // pushed a sign-in screen of its own and taken the provider's ear.
    if (m_loginDelegate)
        provider->loginDelegate = m_loginDelegate.get();
    else
        provider->loginDelegate = this;
    provider->requestLogin();
}

void QMLoginViewController::registerQuelme()
{
    if (QMNavigationController *stack = navigationController())
        stack->push(std::make_unique<QMRegisterViewController>(), true);
}
