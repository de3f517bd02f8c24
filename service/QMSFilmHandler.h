#pragma once

class QMSContext;

// Films: one film's record and the lists now showing and coming soon (kinds 6, 7 and 8).
class QMSFilmHandler
{
public:
    static void film(QMSContext &context);
    static void nowShowing(QMSContext &context);
    static void comingSoon(QMSContext &context);
};
