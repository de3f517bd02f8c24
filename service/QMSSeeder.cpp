#include "QMSSeeder.h"

#include "QMSCatalogueSeeder.h"
#include "QMSClock.h"
#include "QMSCommunitySeeder.h"
#include "QMSConnection.h"
#include "QMSDice.h"
#include "QMSScreeningPlanner.h"
#include "QMSSchema.h"
#include "QMSStatement.h"
#include "QMSTransaction.h"

bool QMSSeeder::isSeeded(QMSConnection &db)
{
    QMSStatement query(db, "SELECT 1 FROM meta WHERE key = 'seeded'");
    return query.step();
}

void QMSSeeder::seed(QMSConnection &db, const QDateTime &now)
{
    // The mark "seeded" comes last: a seed cut short is done again on the next start.
    QMSDice dice(20261205);
    std::vector<QMSCatalogueSeeder::Cinema> cinemas;
    std::vector<QMSCatalogueSeeder::Film> films;
    {
        QMSTransaction transaction(db);
        QMSSchema::clear(db);
        QMSCatalogueSeeder::seed(db, dice, now.date(), cinemas, films);
        transaction.commit();
    }
    QMSScreeningPlanner::ensureWindow(db, now.date());

    QMSTransaction transaction(db);
    QMSCommunitySeeder::seed(db, dice, now, cinemas, films);
    QMSStatement done(db, "INSERT INTO meta (key, value) VALUES ('seeded', ?)");
    done.with(QMSClock::stamp(now));
    done.run();
    transaction.commit();
}
