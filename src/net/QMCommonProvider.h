#pragma once

#include "net/QMConnectionRequestorDelegate.h"

#include <QDate>
#include <QLatin1StringView>
#include <QObject>
#include <QString>

#include <initializer_list>
#include <memory>
#include <utility>

class QMRecord;
class QMRecordClass;
class QMServiceAddress;

// Base of every service provider. A provider composes its address, issues it with itself as
// receiver (the transport keeps it alive meanwhile; so providers are always owned by a
// std::shared_ptr) and turns the answer into records for its delegate.
class QMCommonProvider : public QObject,
                         public QMConnectionRequestorDelegate,
                         public std::enable_shared_from_this<QMCommonProvider>
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCommonProvider)

public:
    QMCommonProvider();
    ~QMCommonProvider() override;

    virtual void sendRequest() {}

    void requestWillStart(const QNetworkRequest &) override {}
    void requestSucceededWithData(const QNetworkRequest &, const QByteArray &) override {}
    void requestFailedWithError(const QNetworkRequest &, const std::optional<QMError> &) override {}

    // Rewrites the answer's XML before it is mapped.
    virtual QString trimXML(const QString &text) const { return text; }

    // "yyyy-MM-dd", as dates are sent.
    static QString convertDateToString(const QDate &date);

protected:
    // Sends the request; returns its identity (0 when it could not be issued).
    quint64 issueRequest(const QMServiceAddress &address);

    // The answer decoded (it must be UTF-8), rewritten with trimXML and mapped onto cls from the
    // first element named root; null when any step fails.
    std::shared_ptr<QMRecord> mapAnswer(const QByteArray &data, const QMRecordClass &cls,
                                        QLatin1StringView root) const;
    template<class T>
    std::shared_ptr<T> mapAnswer(const QByteArray &data, QLatin1StringView root) const
    {
        return std::static_pointer_cast<T>(mapAnswer(data, T::staticRecordClass(), root));
    }

    // Plain substring replacement of every occurrence, pair by pair, in order.
    static QString replacing(QString text,
                             std::initializer_list<std::pair<const char *, const char *>> pairs);
};
