#pragma once

#include "members/MemberCache.h"
#include "members/QMRegisterInfoProviderDelegate.h"
#include "net/QMRecordProvider.h"

// Registers a new member. Registering does not sign the member in.
class QMRegisterInfoProvider final
    : public QMRecordProvider<QMRegisterInfoProvider, QMRegisterInfoProviderDelegate, MemberCache>
{
public:
    QMRegisterInfoProvider();

    QString email;    // as typed
    QString password; // as typed
    QString nickname; // as typed
    QMWeakDelegate<QMRegisterInfoProviderDelegate> registerDelegate;

    // Without an e-mail address, a password or a nickname nothing is sent and nothing reported.
    void requestForRegister();

    QByteArray trimXML(const QByteArray &text) const override;

protected:
    Verdict judgeAnswer(const QNetworkRequest &request,
                        std::shared_ptr<MemberCache> member) override;
    Verdict judgeFailure(const QNetworkRequest &request,
                         const std::optional<QMError> &error) override;
};
