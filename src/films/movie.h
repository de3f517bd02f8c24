#pragma once

#include "xml/QMRecord.h"

#include <QString>

class Mpi;
class Simplemovie;

// The full record of one film.
class movie : public QMRecord
{
    QM_RECORD(movie)

public:
    movie() = default;
    // The provisional record a list hands to a film screen before that screen fetches the full
    // one: the list's fields, with openingdate as releasedate and no language.
    explicit movie(const Simplemovie &simple);
    // The film of a screening, to open its schedule: identifier and names only.
    explicit movie(const Mpi &mpi);

    QString movieid;
    QString moviename;
    QString englishname;
    QString generalmark;
    QString language;
    QString type;
    QString state;
    QString director;
    QString actors;
    QString honor;
    QString length;
    QString content; // synopsis
    QString hotvalue;
    QString storymark;
    QString performmark;
    QString audiomark;
    QString screenmark;
    QString logo;
    QString smalllogo;
    QString releasedate;
    qint32 cinemanum = 0;
    qint32 ordercinemanum = 0;
};
