#pragma once

#include "net/QMCommonProvider.h"
#include "net/QMWeakDelegate.h"

#include <QLatin1StringView>

#include <memory>
#include <optional>

// A provider whose answer is one record of class Record, mapped from the first element named
// root, and reported to a delegate of protocol Delegate through its two operations. Self is the
// class that declares the delegate field and is passed to the delegate (a provider's own class,
// or the common base of a family of providers).
//
// By default any mapped record is a success and an answer that maps to nothing a failure without
// error; providers with their own success test override judgeAnswer / judgeFailure.
template<class Self, class Delegate, class Record> class QMRecordProvider : public QMCommonProvider
{
public:
    using DelegateField = QMWeakDelegate<Delegate> Self::*;
    using Success = void (Delegate::*)(Self *, const std::shared_ptr<Record> &);
    using Failure = void (Delegate::*)(Self *, const std::optional<QMError> &);

    void requestSucceededWithData(const QNetworkRequest &request, const QByteArray &data) override
    {
        deliver(judgeAnswer(request, mapAnswer<Record>(data, m_root)));
    }
    void requestFailedWithError(const QNetworkRequest &request,
                                const std::optional<QMError> &error) override
    {
        deliver(judgeFailure(request, error));
    }

protected:
    // What the delegate is told.
    struct Verdict
    {
        bool success = false;
        std::shared_ptr<Record> record;
        std::optional<QMError> error;

        static Verdict succeed(std::shared_ptr<Record> record)
        {
            return {true, std::move(record), {}};
        }
        static Verdict fail(std::optional<QMError> error = std::nullopt)
        {
            return {false, nullptr, std::move(error)};
        }
    };

    QMRecordProvider(DelegateField delegate, Success success, Failure failure,
                     QLatin1StringView root)
        : m_delegate(delegate)
        , m_success(success)
        , m_failure(failure)
        , m_root(root)
    {}

    virtual Verdict judgeAnswer(const QNetworkRequest &, std::shared_ptr<Record> record)
    {
        return record ? Verdict::succeed(std::move(record)) : Verdict::fail();
    }
    virtual Verdict judgeFailure(const QNetworkRequest &, const std::optional<QMError> &error)
    {
        return Verdict::fail(error);
    }

private:
    void deliver(const Verdict &verdict)
    {
        Self *self = static_cast<Self *>(this);
        Delegate *delegate = (self->*m_delegate).get();
        if (!delegate)
            return;
        if (verdict.success)
            (delegate->*m_success)(self, verdict.record);
        else
            (delegate->*m_failure)(self, verdict.error);
    }

    DelegateField m_delegate;
    Success m_success;
    Failure m_failure;
    QLatin1StringView m_root;
};
