#pragma once

#include "films/MovieList.h"
#include "films/QMOnPlayListProviderDelegate.h"
#include "net/QMRecordProvider.h"

#include <QString>

// Posted after every outcome of the now-showing request, once its delegate has been called.
inline const QString kOnPlayListNotification = QStringLiteral("OnPlayListObtainNotification");

// The films now showing. Succeeds only with at least one film.
class QMOnPlayListProvider final
    : public QMRecordProvider<QMOnPlayListProvider, QMOnPlayListProviderDelegate, MovieList>
{
public:
    QMOnPlayListProvider();

    QMWeakDelegate<QMOnPlayListProviderDelegate> playListDelegate;

    void sendRequest() override;
    QByteArray trimXML(const QByteArray &text) const override { return trimXMLString(text); }
    QByteArray trimXMLString(const QByteArray &text) const;

    void requestSucceededWithData(const QNetworkRequest &request, const QByteArray &data) override;
    void requestFailedWithError(const QNetworkRequest &request,
                                const std::optional<QMError> &error) override;

protected:
    Verdict judgeAnswer(const QNetworkRequest &request, std::shared_ptr<MovieList> list) override;
};
