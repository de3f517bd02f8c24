#pragma once

#include <QDate>

#include <string>
#include <vector>

class QMSConnection;
class QMSDice;

// The catalogue of the sample city: the districts, their cinemas with halls and photos, the films
// with posters, and which cinema shows which film.
class QMSCatalogueSeeder
{
public:
    struct Cinema
    {
        long long id;
        std::string name;
        std::string area;
    };
    struct Film
    {
        long long id;
        std::string name;
    };

    static constexpr long long firstCinema = 2001;
    static constexpr long long firstFilm = 1001;
    static constexpr long long firstComingFilm = 1101;

    // Fills the tables; returns the cinemas and the films now showing.
    static void seed(QMSConnection &db, QMSDice &dice, const QDate &today,
                     std::vector<Cinema> &cinemas, std::vector<Film> &showing);
};
