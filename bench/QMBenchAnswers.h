#pragma once

#include <QByteArray>
#include <QString>

// Answers as the service writes them, for the benchmarks.
class QMBenchAnswers
{
public:
    // A now-showing answer of count films.
    static QByteArray nowShowing(int count);
    // The small poster address of film i in that answer.
    static QString posterUrl(int i);
};
