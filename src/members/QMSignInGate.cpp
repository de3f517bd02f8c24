#include "members/QMSignInGate.h"

#include "app/QMDataContext.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "members/QMLoginProvider.h"
#include "members/QMLoginViewController.h"
#include "net/QMDataProvider.h"

QMSignInGate::QMSignInGate(QMViewController *screen)
    : m_screen(screen)
{}

QMSignInGate::~QMSignInGate() = default;

void QMSignInGate::requireMember(std::function<void()> action)
{
    requireMember(std::move(action), Options());
}

void QMSignInGate::requireMember(std::function<void()> action, Options options)
{
    if (!action)
        return;
    if (QMDataProvider::DataProvider()->isLogged()) {
        action();
        return;
    }
    QMNavigationController *stack = m_screen ? m_screen->navigationController() : nullptr;
    if (!stack)
        return;
    m_action = std::move(action);
    m_options = options;
    QMDataContext::CurrentDataContext()->loginProvider()->loginDelegate = this;
    if (isWaiting())
        return; // the sign-in screen is up already; the newer action waits instead

    auto login = std::make_unique<QMLoginViewController>();
    login->setLoginDelegate(this);
    login->navigationItem()->setHidesBackButton(options.hidesBackButton);
    m_login = login.get();
    // Gone without a sign-in: whatever was waiting is dropped, so that no later sign-in, here
    // or elsewhere, can set it off.
    // A sign-in screen pushed since then for a newer action is still there.
    connect(m_login, &QObject::destroyed, this, [this] {
        if (!m_login)
            m_action = nullptr;
    });
    stack->push(std::move(login), options.animated);
}

bool QMSignInGate::isWaiting() const
{
    if (!m_action || !m_login || !m_screen)
        return false;
    const QMNavigationController *stack = m_screen->navigationController();
    return stack && stack->viewControllers().contains(m_login.data());
}

void QMSignInGate::loginProviderDidReceiveUserInfo(QMLoginProvider *,
                                                   const std::shared_ptr<MemberCache> &)
{
    if (!isWaiting())
        return;
    const std::function<void()> action = std::move(m_action);
    m_action = nullptr;
    m_login->stopWaiting();
    m_screen->navigationController()->popToViewController(m_screen, m_options.animated);
    m_login = nullptr;
    action();
}

void QMSignInGate::loginProviderDidRunIntoError(QMLoginProvider *,
                                                const std::optional<QMError> &error)
{
    if (isWaiting())
        m_login->showFailure(error);
}
