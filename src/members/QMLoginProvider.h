#pragma once

#include "members/LogInfo.h"
#include "members/MemberCache.h"
#include "members/QMLoginProviderDelegate.h"
#include "net/QMRecordProvider.h"

#include <optional>

// Signs a member in, and holds who is signed in (loginMemeber) for every request made on the
// member's behalf. A successful sign-in is remembered on the device so that the sign-in screen
// comes pre-filled after a restart; the member itself is not.
class QMLoginProvider final
    : public QMRecordProvider<QMLoginProvider, QMLoginProviderDelegate, MemberCache>
{
public:
    // Takes the remembered user name and password, if any.
    QMLoginProvider();

    QString username; // an e-mail address or a mobile number, as typed
    QString password; // as typed
    // The identity of the last sign-in answer, a failed one included.
    std::shared_ptr<MemberCache> loginMemeber;
    QMWeakDelegate<QMLoginProviderDelegate> loginDelegate;

    void requestLogin();

    // The remembered sign-in, if any.
    std::optional<LogInfo> readCache() const;
    // Remembers the current user name and password; false when the file could not be written.
    bool writeCache() const;

    QByteArray trimXML(const QByteArray &text) const override;

protected:
    Verdict judgeAnswer(const QNetworkRequest &request,
                        std::shared_ptr<MemberCache> member) override;
    Verdict judgeFailure(const QNetworkRequest &request,
                         const std::optional<QMError> &error) override;
};
