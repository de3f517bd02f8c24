#pragma once

#include "films/QMToPlayListProviderDelegate.h"
#include "net/QMCommonProvider.h"
#include "net/QMWeakDelegate.h"

// The films coming soon, from index `from`, at most `maxnum`. An empty list is a success.
class QMToPlayListProvider final : public QMCommonProvider
{
    Q_OBJECT

public:
    QMWeakDelegate<QMToPlayListProviderDelegate> playListDelegate;
    qint32 from = 0;
    qint32 maxnum = 10;

    void sendRequest() override;
    QString trimXML(const QString &text) const override { return trimXMLString(text); }
    QString trimXMLString(const QString &text) const;

    void requestSucceededWithData(const QNetworkRequest &request, const QByteArray &data) override;
    void requestFailedWithError(const QNetworkRequest &request,
                                const std::optional<QMError> &error) override;
};
