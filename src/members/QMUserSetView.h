#pragma once

#include "members/QMSaveMemberInfoProviderDelegate.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class MemberInfo;
class QMBarButton;
class QMCachedImageView;
class QMLabel;
class QMTickButton;
class QMUpdatePhoneView;

// The member's settings: head picture, nickname, balance, points, e-mail, the mobile number with
// its editor, and the sex as two tick boxes. A sex chosen is ticked at once and saved; the
// other is unticked when the service has kept it, and the ticks go back to the kept sex when
// it has not.
class QMUserSetView : public QWidget, public QMSaveMemberInfoProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMUserSetView)

public:
    explicit QMUserSetView(QWidget *parent = nullptr);
    ~QMUserSetView() override;

    std::shared_ptr<const MemberInfo> memberInfo() const { return m_memberInfo; }
    // Shows a profile; the head picture comes through the image cache, "default.jpg" until then.
    void setMemberInfo(const std::shared_ptr<const MemberInfo> &info);

    QMCachedImageView *headView() const { return m_headView; }
    QMLabel *nicknameLabel() const { return m_nicknameLabel; }
    QMLabel *balanceLabel() const { return m_balanceLabel; }
    QMLabel *pointLabel() const { return m_pointLabel; }
    QMLabel *emailLabel() const { return m_emailLabel; }
    QMLabel *mobileLabel() const { return m_mobileLabel; }
    QMBarButton *updatePhoneButton() const { return m_updatePhoneButton; }
    QMTickButton *relatingManButton() const { return m_relatingManButton; }
    QMTickButton *relatingWomanButton() const { return m_relatingWomanButton; }
    bool isManTicked() const;
    bool isWomanTicked() const;
    // The phone editor while it is open.
    QMUpdatePhoneView *updatePhoneView() const;

    void selectMan();
    void selectWoman();
    void updateSex(const QString &sex);
    void selectUpdatePhone();
    // Takes the keyboard from the phone editor.
    void endEditing();

    void
    saveMemberInfoProviderDidReceiveInsertData(QMSaveMemberInfoProvider *provider,
                                               const std::shared_ptr<InsertData> &data) override;
    void saveMemberInfoProviderDidRunIntoError(QMSaveMemberInfoProvider *provider,
                                               const std::optional<QMError> &error) override;

signals:
    // The phone editor closed, after a change or without one: the profile is worth asking for.
    void phoneEditorDidFinish();

private:
    void chooseSex(const QString &sex);
    // Ticks the box of that sex and unticks the other ("女" a woman, anything else a man).
    void showSex(const QString &sex);
    QString savedSex() const;

    std::shared_ptr<const MemberInfo> m_memberInfo;
    QMCachedImageView *m_headView;
    QMLabel *m_nicknameLabel;
    QMLabel *m_balanceLabel;
    QMLabel *m_pointLabel;
    QMLabel *m_emailLabel;
    QMLabel *m_mobileLabel;
    QMBarButton *m_updatePhoneButton;
    QMTickButton *m_relatingManButton;
    QMTickButton *m_relatingWomanButton;
    // The sex on its way to the service; empty when none is.
    QString m_sendingSex;
    QPointer<QMUpdatePhoneView> m_updatePhoneView;
};
