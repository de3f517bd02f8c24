#include "members/QMUpdatePhoneView.h"

#include "app/QMDataContext.h"
#include "comments/InsertData.h"
#include "comments/QMPostingForm.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMTextField.h"
#include "members/MemberCache.h"
#include "members/QMAccountForm.h"
#include "members/QMLoginProvider.h"
#include "members/QMMemberBar.h"
#include "members/QMSaveMemberInfoProvider.h"
#include "services/QMViewBusyBee.h"
#include "services/QMViewNavigation.h"

#include <QPointer>

QMUpdatePhoneView::QMUpdatePhoneView(QWidget *parent)
    : QWidget(parent)
{
    resize(320, 367);
    QMKitStyle::setBackgroundColor(this, QMKitStyle::lightGrayColor());

    auto *bar = new QMMemberBar(this);
    bar->setTitle(QStringLiteral("修改手机号"));
    connect(bar, &QMMemberBar::returnTapped, this, &QMUpdatePhoneView::cancelPhone);

    m_phoneText = QMAccountForm::addField(this, 60, QStringLiteral("新手机号码："));
    m_phoneText->setKeyboardType(QMTextField::KeyboardType::PhonePad);
    m_phoneText->setPlaceholderText(QStringLiteral("11位手机号码"));

    const int top = 60 + QMAccountForm::fieldHeight;
    m_cancelButton = new QMBarButton(QStringLiteral("放弃修改"), this);
    m_cancelButton->setTintColor(QColor(150, 150, 156));
    m_cancelButton->setFont(QMKitStyle::boldSystemFont(15));
    m_cancelButton->setGeometry(QMAccountForm::margin, top, 130, 40);
    connect(m_cancelButton, &QAbstractButton::clicked, this, &QMUpdatePhoneView::cancelPhone);
    m_confirmButton = new QMBarButton(QStringLiteral("确认修改"), this);
    m_confirmButton->setFont(QMKitStyle::boldSystemFont(15));
    m_confirmButton->setGeometry(QMAccountForm::margin + QMAccountForm::width - 130, top, 130, 40);
    connect(m_confirmButton, &QAbstractButton::clicked, this, &QMUpdatePhoneView::updatePhone);
}

QMUpdatePhoneView::~QMUpdatePhoneView() = default;

bool QMUpdatePhoneView::isPhoneLength(const QString &text)
{
    return text.toUcs4().size() == kPhoneLength;
}

void QMUpdatePhoneView::updatePhone()
{
    if (m_sending || m_finished)
        return;
    const QString phone = m_phoneText->text();
    if (!isPhoneLength(phone)) {
        QMAlertView::show(QStringLiteral("错误"), QStringLiteral("请输入正确的手机号码!"),
                          QStringLiteral("ok"));
        return;
    }
    m_sending = true;
    QMViewBusyBee::showBusyBeeAtCenter(this, 30);
    endEditing();
    QMDataContext *context = QMDataContext::CurrentDataContext();
    const auto &member = context->loginProvider()->loginMemeber;
    QMSaveMemberInfoProvider *provider = context->saveMemberInfoProvider();
    provider->memberEncode = member ? member->memberEncode : QString();
    provider->sex.clear(); // the sex stays as it is
    provider->mobile = phone;
    provider->saveMemberInfoDelegate = this;
    provider->requestSaveMemberInfo();
}

void QMUpdatePhoneView::stopSending()
{
    m_sending = false;
    QMViewBusyBee::removeBusyBee(this);
}

void QMUpdatePhoneView::saveMemberInfoProviderDidReceiveInsertData(
    QMSaveMemberInfoProvider *, const std::shared_ptr<InsertData> &data)
{
    stopSending();
    if (!data || !data->isDone())
        return;
    QPointer<QMUpdatePhoneView> self = this;
    QMAlertView::show(QStringLiteral("成功"), QStringLiteral("修改手机号成功！"),
                      QStringLiteral("ok"), [self] {
                          if (self)
                              self->gotoView();
                      });
}

void QMUpdatePhoneView::saveMemberInfoProviderDidRunIntoError(QMSaveMemberInfoProvider *,
                                                              const std::optional<QMError> &error)
{
    stopSending();
    QMAlertView::show(QStringLiteral("错误"), QMError::alertText(error),
                      QStringLiteral("ok"));
}

void QMUpdatePhoneView::cancelPhone()
{
    gotoView();
}

void QMUpdatePhoneView::gotoView()
{
    if (m_finished)
        return;
    m_finished = true;
    endEditing();
    QMViewNavigation::dismissSelf(this);
    emit didFinish();
}

void QMUpdatePhoneView::endEditing()
{
    m_phoneText->endEditing();
}
