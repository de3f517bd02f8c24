#pragma once

#include "films/MovieList.h"
#include "films/QMToPlayListProviderDelegate.h"
#include "net/QMRecordProvider.h"

// The films coming soon, from index `from`, at most `maxnum`. An empty list is a success.
class QMToPlayListProvider final
    : public QMRecordProvider<QMToPlayListProvider, QMToPlayListProviderDelegate, MovieList>
{
public:
    QMToPlayListProvider();

    QMWeakDelegate<QMToPlayListProviderDelegate> playListDelegate;
    qint32 from = 0;
    qint32 maxnum = 10;

    void sendRequest() override;
    QByteArray trimXML(const QByteArray &text) const override { return trimXMLString(text); }
    QByteArray trimXMLString(const QByteArray &text) const;
};
