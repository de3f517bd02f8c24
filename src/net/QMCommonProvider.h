#pragma once

#include "net/QMConnectionRequestorDelegate.h"
#include "net/QMXMLRewrite.h"

#include <QDate>
#include <QLatin1StringView>
#include <QObject>
#include <QString>

#include <initializer_list>
#include <memory>

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

    // Rewrites the answer's XML (UTF-8 bytes) before it is mapped.
    virtual QByteArray trimXML(const QByteArray &utf8) const { return utf8; }

    // "yyyy-MM-dd", as dates are sent.
    static QString convertDateToString(const QDate &date);

protected:
    // Sends the request; returns its identity (0 when it could not be issued).
    quint64 issueRequest(const QMServiceAddress &address);

    // The answer (it must be valid UTF-8) rewritten with trimXML and mapped onto cls from the
    // first element named root; null when any step fails.
    std::shared_ptr<QMRecord> mapAnswer(const QByteArray &data, const QMRecordClass &cls,
                                        QLatin1StringView root) const;
    template<class T>
    std::shared_ptr<T> mapAnswer(const QByteArray &data, QLatin1StringView root) const
    {
        return std::static_pointer_cast<T>(mapAnswer(data, T::staticRecordClass(), root));
    }

    // Every occurrence of each pattern replaced, all pairs in one pass (see QMXMLRewrite).
    static QByteArray replacing(const QByteArray &utf8,
                                std::initializer_list<QMXMLRewrite::Pair> pairs);
};
