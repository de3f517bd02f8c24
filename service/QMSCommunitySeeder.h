#pragma once

#include "QMSCatalogueSeeder.h"

#include <QDateTime>

#include <vector>

class QMSConnection;
class QMSDice;

// The members of the sample city and what they did: accounts with portraits, follows,
// check-ins, reviews, posts, replies, re-posts, mentions and plans, spread over the last weeks.
// Needs the screenings of yesterday (some posts were written after one).
class QMSCommunitySeeder
{
public:
    static constexpr long long demoMember = 5001;
    static constexpr long long firstComment = 7001;

    static void seed(QMSConnection &db, QMSDice &dice, const QDateTime &now,
                     const std::vector<QMSCatalogueSeeder::Cinema> &cinemas,
                     const std::vector<QMSCatalogueSeeder::Film> &films);
};
