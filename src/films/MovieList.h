#pragma once

#include "films/Simplemovie.h"
#include "xml/QMRecord.h"

#include <QList>

#include <memory>

// A film list in the order the service sent it.
class MovieList : public QMRecord
{
    QM_RECORD(MovieList)

public:
    QList<std::shared_ptr<Simplemovie>> movieListArray;
};
