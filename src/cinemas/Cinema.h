#pragma once

#include "xml/QMRecord.h"

#include <QString>

class SimpleCinema;

// The full record of one cinema. Of the descriptive texts the client shows only content.
class Cinema : public QMRecord
{
    QM_RECORD(Cinema)

public:
    Cinema() = default;
    // A provisional record from a list row (its seven shared fields), shown until the full one
    // arrives.
    explicit Cinema(const SimpleCinema &simple);

    QString cinemaid;
    QString cinemaname;
    QString englishname;
    QString address;
    QString contactphone;
    QString transport;
    QString opentime;
    QString park;
    QString content; // the description
    QString indexarea;
    QString logo;
    QString generalmark;
    QString environmentmark;
    QString servicemark;
    QString audiomark;
    QString pricemark;
    QString feature;
    QString discount;
    QString pairseat;
    QString visacard;
    QString playground;
    double pointx = 0; // longitude
    double pointy = 0; // latitude
    bool open = false;
};
