#pragma once

#include "app/QMDataContext.h"
#include "net/QMDataProvider.h"
#include "services/QMLocationProvider.h"

#include "QMTestDocuments.h"
#include "QMTestHttpServer.h"

#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

// A provider test against canned answers: the client points at a local server, has a documents
// directory of its own and a fresh registry, request builder and member state for each case.
class QMProviderTestCase : public ::testing::Test
{
protected:
    void SetUp() override { QMDataProvider::setBaseAddressForTesting(server.baseUrl()); }
    void TearDown() override
    {
        QMDataContext::CloseDataContext();
        QMDataProvider::CloseDataProvider();
        QMDataProvider::setBaseAddressForTesting({});
    }

    static QMDataContext *context() { return QMDataContext::CurrentDataContext(); }
    static void placeDeviceAt(double latitude, double longitude)
    {
        context()->locationProvider()->setCurrentLocation({latitude, longitude});
    }

    // The query of the index-th request received, as sent (not decoded).
    QString sentQuery(int index = 0) const
    {
        const QByteArray target = server.requests().value(index);
        return QString::fromLatin1(target.mid(target.indexOf('?') + 1));
    }
    // The query of the last request for a path ("outorder/opcList.xhtml").
    QString sentQuery(const char *path) const
    {
        const QByteArray prefix = QByteArray("/shanghai/api/") + path + '?';
        for (qsizetype i = server.requests().size() - 1; i >= 0; --i) {
            if (server.requests().at(i).startsWith(prefix))
                return sentQuery(int(i));
        }
        return {};
    }
    // The value of a parameter as the service reads it (decoded).
    QString sentValue(const QString &name, int index = 0) const
    {
        return QUrlQuery(sentQuery(index)).queryItemValue(name, QUrl::FullyDecoded);
    }
    // From now on every request fails in transport (nothing listens there).
    static void cutTheLine()
    {
        QMDataProvider::setBaseAddressForTesting(
            QStringLiteral("http://127.0.0.1:1/shanghai/api/"));
    }
    void answer(const char *path, const QByteArray &body, int status = 200)
    {
        server.setAnswer(QStringLiteral("/shanghai/api/") + QLatin1StringView(path),
                         {status, body});
    }

    QMTestDocuments documents;
    QMTestHttpServer server;
};
