#pragma once

#include "QMLoadLedger.h"
#include "QMLoadStats.h"
#include "QMServiceClient.h"

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <random>

// One connection of a load run: signs in as one of the sample members, finds screenings on sale
// at a cinema of its own, then sends a mix of all 35 kinds (reads, sign-ins, registrations,
// posts, replies, orders) over one kept-alive connection until the run ends. Every write the
// service acknowledges goes into the ledger.
class QMLoadWorker
{
public:
    struct Limits
    {
        std::chrono::steady_clock::time_point deadline;
        std::atomic<long long> *budget = nullptr; // requests left to the whole run
        // The service is to be killed during the run: a connection it drops ends the worker
        // instead of counting as an error.
        bool untilGone = false;
    };

    QMLoadWorker(int index, int port, QString run);

    // Signs in and gathers the values the requests need; false (with why()) when the service
    // does not give them.
    bool prepare();
    const QString &why() const { return m_why; }
    void run(const Limits &limits);

    const QMLoadStats &stats() const { return m_stats; }
    const QMLoadLedger &ledger() const { return m_ledger; }
    bool lostTheService() const { return m_gone; }

private:
    QMServiceClient::Answer send(int kind, const QMServiceClient::Values &values);
    // Counts the answer: true when it is what that kind answers on success.
    bool judge(const QMServiceClient::Answer &answer, bool expected, bool contended = false);
    void sendKind(int kind);
    void order();
    QMServiceClient::Values valuesFor(int kind);
    QString pick(const QStringList &values);
    QString unique();
    // Screenings on sale at the cinemas from `first` on, a few days ahead.
    void findScreenings(int first);

    const int m_index;
    const QMServiceClient m_client;
    const QString m_run;
    httplib::Client m_http;
    std::mt19937 m_random;
    bool m_counting = false;
    bool m_untilGone = false;
    bool m_gone = false;
    std::chrono::microseconds m_latency{0};
    int m_written = 0;
    QString m_why;

    QString m_token;
    QString m_member;
    QStringList m_districts;
    QStringList m_cinemas;
    QStringList m_films;
    QStringList m_posts;
    QStringList m_screenings;
    QString m_pointx;
    QString m_pointy;

    QMLoadStats m_stats;
    QMLoadLedger m_ledger;
};
