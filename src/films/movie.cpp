#include "films/movie.h"

#include "cinemas/Mpi.h"
#include "films/Simplemovie.h"

QM_DEFINE_RECORD(movie, QM_FIELD(movie, movieid), QM_FIELD(movie, moviename),
                 QM_FIELD(movie, englishname), QM_FIELD(movie, generalmark),
                 QM_FIELD(movie, language), QM_FIELD(movie, type), QM_FIELD(movie, state),
                 QM_FIELD(movie, director), QM_FIELD(movie, actors), QM_FIELD(movie, honor),
                 QM_FIELD(movie, length), QM_FIELD(movie, content), QM_FIELD(movie, hotvalue),
                 QM_FIELD(movie, storymark), QM_FIELD(movie, performmark),
                 QM_FIELD(movie, audiomark), QM_FIELD(movie, screenmark), QM_FIELD(movie, logo),
                 QM_FIELD(movie, smalllogo), QM_FIELD(movie, releasedate),
                 QM_FIELD(movie, cinemanum), QM_FIELD(movie, ordercinemanum))

movie::movie(const Simplemovie &simple)
    : movieid(simple.movieid)
    , moviename(simple.moviename)
    , generalmark(simple.generalmark)
    , director(simple.director)
    , actors(simple.actors)
    , length(simple.length)
    , logo(simple.logo)
    , smalllogo(simple.smalllogo)
    , releasedate(simple.openingdate)
    , cinemanum(simple.cinemanum)
    , ordercinemanum(simple.ordercinemanum)
{}

movie::movie(const Mpi &mpi)
    : movieid(mpi.movieid)
    , moviename(mpi.moviename)
    , englishname(mpi.englishname)
{}
