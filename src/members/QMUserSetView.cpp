#include "members/QMUserSetView.h"

#include "app/QMDataContext.h"
#include "comments/InsertData.h"
#include "comments/QMPostingForm.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "members/MemberCache.h"
#include "members/MemberInfo.h"
#include "members/QMLoginProvider.h"
#include "members/QMSaveMemberInfoProvider.h"
#include "members/QMTickButton.h"
#include "members/QMUpdatePhoneView.h"
#include "services/QMCachedImageView.h"
#include "services/QMViewBusyBee.h"
#include "services/QMViewNavigation.h"

namespace {
constexpr int kRowHeight = 44;
const QString kMan = QStringLiteral("男");
const QString kWoman = QStringLiteral("女");

QWidget *addCard(QWidget *parent, const QRect &frame)
{
    auto *card = new QWidget(parent);
    card->setGeometry(frame);
    QMKitStyle::setBackgroundColor(card, Qt::white);
    return card;
}

void addSeparator(QWidget *card, int y)
{
    auto *line = new QWidget(card);
    line->setGeometry(10, y, card->width() - 20, 1);
    QMKitStyle::setBackgroundColor(line, QMKitStyle::separatorColor());
}
} // namespace

QMUserSetView::QMUserSetView(QWidget *parent)
    : QWidget(parent)
{
    resize(320, 367);
    QMKitStyle::setBackgroundColor(this, QMKitStyle::lightGrayColor());
    const QFont text = QMKitStyle::systemFont(14);
    const QColor dark(60, 60, 64);

    QWidget *profile = addCard(this, QRect(10, 10, 300, 84));
    m_headView = new QMCachedImageView(profile);
    m_headView->setGeometry(10, 10, 64, 64);
    m_headView->setBorderColor(QColor(210, 210, 210));
    m_headView->setImageUrl(QString());
    m_nicknameLabel = QMKitStyle::addLabel(profile, QRect(86, 10, 204, 22),
                                           QMKitStyle::boldSystemFont(17), Qt::black);
    QMKitStyle::addLabel(profile, QRect(86, 36, 66, 18), text, dark, QStringLiteral("帐户余额:"));
    m_balanceLabel = QMKitStyle::addLabel(profile, QRect(152, 36, 138, 18),
                                          QMKitStyle::boldSystemFont(14), QMKitStyle::tintColor());
    m_pointLabel = QMKitStyle::addLabel(profile, QRect(86, 56, 204, 18), text, dark);

    QWidget *details = addCard(this, QRect(10, 104, 300, 3 * kRowHeight));
    m_emailLabel = QMKitStyle::addLabel(details, QRect(10, 0, 280, kRowHeight), text, dark);
    addSeparator(details, kRowHeight);
    m_mobileLabel =
        QMKitStyle::addLabel(details, QRect(10, kRowHeight, 214, kRowHeight), text, dark);
    m_updatePhoneButton = new QMBarButton(QStringLiteral("修改"), details);
    m_updatePhoneButton->setFont(QMKitStyle::boldSystemFont(14));
    m_updatePhoneButton->setGeometry(232, kRowHeight + 7, 58, 30);
    connect(m_updatePhoneButton, &QAbstractButton::clicked, this,
            &QMUserSetView::selectUpdatePhone);
    addSeparator(details, 2 * kRowHeight);

    const int sexTop = 2 * kRowHeight;
    QMKitStyle::addLabel(details, QRect(10, sexTop, 50, kRowHeight), text, dark,
                         QStringLiteral("性别:"));
    m_relatingManButton = new QMTickButton(kMan, details);
    m_relatingManButton->move(70, sexTop + (kRowHeight - m_relatingManButton->height()) / 2);
    m_relatingWomanButton = new QMTickButton(kWoman, details);
    m_relatingWomanButton->move(150, sexTop + (kRowHeight - m_relatingWomanButton->height()) / 2);
    connect(m_relatingManButton, &QAbstractButton::clicked, this, &QMUserSetView::selectMan);
    connect(m_relatingWomanButton, &QAbstractButton::clicked, this, &QMUserSetView::selectWoman);
}

QMUserSetView::~QMUserSetView() = default;

void QMUserSetView::setMemberInfo(const std::shared_ptr<const MemberInfo> &info)
{
    if (!info)
        return;
    m_memberInfo = info;
    const MemberInfo &member = *info;
    m_nicknameLabel->setText(member.nickname);
    m_balanceLabel->setText(QStringLiteral("%1元").arg(member.banlance));
    m_pointLabel->setText(QStringLiteral("积分：%1").arg(member.pointvalue));
    m_emailLabel->setText(QStringLiteral("E-Mail：%1").arg(member.email));
    m_mobileLabel->setText(QStringLiteral("手机号码：%1").arg(member.mobile));
    // A sex on its way keeps its tick until the service has answered.
    if (m_sendingSex.isEmpty())
        showSex(member.sex);

    m_headView->setImageUrl(member.logo);
    m_headView->setAccessibleName(member.nickname);
}

bool QMUserSetView::isManTicked() const
{
    return m_relatingManButton->isTicked();
}

bool QMUserSetView::isWomanTicked() const
{
    return m_relatingWomanButton->isTicked();
}

QString QMUserSetView::savedSex() const
{
    return m_memberInfo ? m_memberInfo->sex : QString();
}

void QMUserSetView::showSex(const QString &sex)
{
    const bool woman = sex == kWoman;
    m_relatingWomanButton->setTicked(woman);
    m_relatingManButton->setTicked(!woman);
}

void QMUserSetView::selectMan()
{
    chooseSex(kMan);
}

void QMUserSetView::selectWoman()
{
    chooseSex(kWoman);
}

void QMUserSetView::chooseSex(const QString &sex)
{
    // Nothing to change before the profile has come, nor while a change is on its way.
    if (!m_memberInfo || !m_sendingSex.isEmpty())
        return;
    const bool woman = sex == kWoman;
    if (woman ? isWomanTicked() && !isManTicked() : isManTicked() && !isWomanTicked())
        return;
    (woman ? m_relatingWomanButton : m_relatingManButton)->setTicked(true);
    updateSex(sex);
}

void QMUserSetView::updateSex(const QString &sex)
{
    m_sendingSex = sex;
    QMViewBusyBee::removeBusyBee(this);
    QMViewBusyBee::showBusyBeeAtCenter(this, 30);
    QMDataContext *context = QMDataContext::CurrentDataContext();
    const auto &member = context->loginProvider()->loginMemeber;
    QMSaveMemberInfoProvider *provider = context->saveMemberInfoProvider();
    provider->memberEncode = member ? member->memberEncode : QString();
    provider->sex = sex;
    provider->mobile.clear(); // the number stays as it is
    provider->saveMemberInfoDelegate = this;
    provider->requestSaveMemberInfo();
}

void QMUserSetView::saveMemberInfoProviderDidReceiveInsertData(
    QMSaveMemberInfoProvider *, const std::shared_ptr<InsertData> &data)
{
    QMViewBusyBee::removeBusyBee(this);
    const QString sex = std::exchange(m_sendingSex, QString());
    if (!data || !data->isDone()) {
        // Not kept: the ticks tell the sex the service has.
        showSex(savedSex());
        return;
    }
    if (m_memberInfo) {
        auto kept = std::make_shared<MemberInfo>(*m_memberInfo);
        kept->sex = sex;
        m_memberInfo = kept;
    }
    showSex(sex);
}

void QMUserSetView::saveMemberInfoProviderDidRunIntoError(QMSaveMemberInfoProvider *,
                                                          const std::optional<QMError> &error)
{
    QMViewBusyBee::removeBusyBee(this);
    m_sendingSex.clear();
    showSex(savedSex());
    QMAlertView::show(QStringLiteral("错误"), QMError::alertText(error),
                      QStringLiteral("ok"));
}

void QMUserSetView::selectUpdatePhone()
{
    // One editor at a time, and none while the sex is being saved: both speak through the one
    // provider.
    if (m_updatePhoneView || !m_sendingSex.isEmpty())
        return;
    auto *editor = new QMUpdatePhoneView();
    editor->setGeometry(rect());
    m_updatePhoneView = editor;
    connect(editor, &QMUpdatePhoneView::didFinish, this, &QMUserSetView::phoneEditorDidFinish);
    QMViewNavigation::presentView(this, editor);
}

QMUpdatePhoneView *QMUserSetView::updatePhoneView() const
{
    return m_updatePhoneView;
}

void QMUserSetView::endEditing()
{
    if (m_updatePhoneView)
        m_updatePhoneView->endEditing();
}
