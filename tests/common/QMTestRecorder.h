#pragma once

#include "net/QMError.h"

#include <QObject>
#include <QTest>

#include <memory>
#include <optional>

// What a provider told its delegate: how often, and the last record or error.
template<class Record> class QMTestOutcome : public QObject
{
public:
    int calls = 0;
    int successes = 0;
    int failures = 0;
    std::shared_ptr<Record> record;
    std::optional<QMError> error;

    // Waits until the delegate has been called count times in all.
    bool waitForCalls(int count = 1, int timeoutMs = 15000)
    {
        return QTest::qWaitFor([&] { return calls >= count; }, timeoutMs);
    }
    // The message the failure carries ("" for a failure without error).
    QString errorText() const { return error ? error->domain() : QString(); }

protected:
    void succeeded(const std::shared_ptr<Record> &r)
    {
        ++calls;
        ++successes;
        record = r;
        error.reset();
    }
    void failed(const std::optional<QMError> &e)
    {
        ++calls;
        ++failures;
        record.reset();
        error = e;
    }
};

// A delegate of protocol Protocol that records what a provider of class Provider reports.
#define QM_TEST_RECORDER(Name, Protocol, Provider, Record, success, failure)                       \
    class Name : public QMTestOutcome<Record>, public Protocol                                     \
    {                                                                                              \
    public:                                                                                        \
        void success(Provider *, const std::shared_ptr<Record> &r) override { succeeded(r); }      \
        void failure(Provider *, const std::optional<QMError> &e) override { failed(e); }          \
    }
