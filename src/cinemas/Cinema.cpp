#include "cinemas/Cinema.h"

#include "cinemas/SimpleCinema.h"

QM_DEFINE_RECORD(Cinema, QM_FIELD(Cinema, cinemaid), QM_FIELD(Cinema, cinemaname),
                 QM_FIELD(Cinema, englishname), QM_FIELD(Cinema, address),
                 QM_FIELD(Cinema, contactphone), QM_FIELD(Cinema, transport),
                 QM_FIELD(Cinema, opentime), QM_FIELD(Cinema, park), QM_FIELD(Cinema, content),
                 QM_FIELD(Cinema, indexarea), QM_FIELD(Cinema, logo), QM_FIELD(Cinema, generalmark),
                 QM_FIELD(Cinema, environmentmark), QM_FIELD(Cinema, servicemark),
                 QM_FIELD(Cinema, audiomark), QM_FIELD(Cinema, pricemark),
                 QM_FIELD(Cinema, feature), QM_FIELD(Cinema, discount), QM_FIELD(Cinema, pairseat),
                 QM_FIELD(Cinema, visacard), QM_FIELD(Cinema, playground), QM_FIELD(Cinema, pointx),
                 QM_FIELD(Cinema, pointy), QM_FIELD(Cinema, open))

Cinema::Cinema(const SimpleCinema &simple)
    : cinemaid(simple.cinemaid)
    , cinemaname(simple.cinemaname)
    , address(simple.address)
    , generalmark(simple.generalmark)
    , pointx(simple.pointx)
    , pointy(simple.pointy)
    , open(simple.open)
{}
