#pragma once

class QMSContext;

// Districts, cinemas and screenings: kinds 0, 1, 2, 3, 4, 5, 9 and 27.
class QMSCinemaHandler
{
public:
    static void districts(QMSContext &context);
    static void cinemasOfDistrict(QMSContext &context);
    static void cinemasNearby(QMSContext &context);
    static void cinemasShowingFilm(QMSContext &context);
    static void cinema(QMSContext &context);
    static void filmsAtCinema(QMSContext &context);
    static void screenings(QMSContext &context);
    static void cinemasOfDay(QMSContext &context);

    // Within this distance a cinema counts as near.
    static constexpr double nearMetres = 5000;
};
