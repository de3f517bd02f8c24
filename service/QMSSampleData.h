#pragma once

#include <vector>

// The fixed material the sample data is made from: Shanghai's districts with real codes, streets
// and metro stations; fictional cinemas, films, people and what they write.
class QMSSampleData
{
public:
    struct District
    {
        const char *code;
        const char *name;
        const char *briefname;
        const char *english;
        double latitude;
        double longitude;
        int cinemas;
        std::vector<const char *> areas; // one per cinema: its neighbourhood
        std::vector<const char *> roads;
        std::vector<const char *> stations; // "X号线Y站"; empty where no metro runs
    };
    struct Brand
    {
        const char *name;
        const char *english;
    };
    struct Film
    {
        const char *name;
        const char *english;
        const char *type;
        const char *language;
        int minutes;
        const char *story;
    };
    struct Person
    {
        const char *nickname;
        const char *sex;
        const char *position;
        const char *body;
    };

    static const std::vector<District> &districts();
    static const std::vector<Brand> &brands();
    static const std::vector<Film> &nowShowing();
    static const std::vector<Film> &comingSoon();
    static const std::vector<Person> &people();
    static const std::vector<const char *> &surnames();
    static const std::vector<const char *> &givenNames();
    static const std::vector<const char *> &honours();

    // Texts members write; "{film}", "{cinema}" and "{nick}" are filled in.
    static const std::vector<const char *> &filmComments();
    static const std::vector<const char *> &cinemaComments();
    static const std::vector<const char *> &statusPosts();
    static const std::vector<const char *> &replies();
    static const std::vector<const char *> &repostReasons();
    static const std::vector<const char *> &mentions();
};
