#pragma once

#include "QMServiceClient.h"

// Valid parameters for every kind against a freshly seeded service: a signed-in demo member, an
// open screening with free seats, a post with replies. Each call to values() for a write makes a
// new, valid write (a new seat, a new e-mail address).
class QMServiceSamples
{
public:
    explicit QMServiceSamples(const QMServiceClient &client);

    bool isReady() const { return !token.isEmpty() && !mpid.isEmpty() && !thread.isEmpty(); }
    QMServiceClient::Values values(int kind);

    // An open screening of the People's Square cinema tomorrow and its free seats "ROW:NAME".
    QString mpid;
    QStringList freeSeats;
    QString token;  // the demo member's memberEncode
    QString thread; // a post of the demo member with replies
    static constexpr const char *demo = "5001";

    // Screenings of a cinema and film on a day (kind 5 items).
    static QList<QMXmlNode> screenings(const QMServiceClient &client, const QString &cinema,
                                       const QString &film, const QString &day);
    // The free seats of a screening as "ROW:NAME", front row first.
    static QStringList seatsOf(const QMServiceClient &client, const QString &mpid);

private:
    const QMServiceClient &m_client;
    int m_writes = 0;
};
