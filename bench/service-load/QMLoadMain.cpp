// qm-service-load: many kept-alive connections sending the client's requests to qm-service on
// loopback, then a check that every write it acknowledged is in the database.
//
//   qm-service-load run --port N [--connections 50] [--seconds 60] [--requests 2000000]
//                       [--ledger FILE] [--until-gone]
//   qm-service-load verify --db PATH --ledger FILE [--ledger FILE...]
//
// run stops after the seconds or after the requests (an order's seat map and the order itself
// count as one), prints p50 / p99 per kind and requests per second, saves the acknowledged
// writes in the ledger and exits 1 on any error. With --until-gone the service is expected to
// be killed during the run: each connection ends when it loses the service. verify exits 1 when
// a write is lost.
#include "QMLoadLedger.h"
#include "QMLoadWorker.h"

#include <QDateTime>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <thread>
#include <vector>

namespace {

struct Options
{
    std::string mode;
    int port = 0;
    int connections = 50;
    int seconds = 60;
    long long requests = 2'000'000;
    bool untilGone = false;
    QString database;
    QStringList ledgers;
};

int usage(const char *why)
{
    std::fprintf(stderr,
                 "qm-service-load: %s\n"
                 "usage: qm-service-load run --port N [--connections 1-100] [--seconds N]\n"
                 "                           [--requests N] [--ledger FILE] [--until-gone]\n"
                 "       qm-service-load verify --db PATH --ledger FILE [--ledger FILE...]\n",
                 why);
    return 2;
}

template<typename T> bool number(const char *text, T low, T high, T &value)
{
    const char *end = text + std::strlen(text);
    const auto [last, error] = std::from_chars(text, end, value);
    return error == std::errc() && last == end && value >= low && value <= high;
}

// Four letters and digits from the time: the run's writes are told apart from earlier runs'.
QString runId()
{
    static constexpr char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    long long n = QDateTime::currentSecsSinceEpoch();
    QString id;
    for (int i = 0; i < 4; ++i, n /= 36)
        id.prepend(QLatin1Char(digits[n % 36]));
    return id;
}

int run(const Options &options)
{
    const QString id = runId();
    std::vector<std::unique_ptr<QMLoadWorker>> workers;
    for (int i = 0; i < options.connections; ++i)
        workers.push_back(std::make_unique<QMLoadWorker>(i, options.port, id));

    auto together = [&](auto &&work) {
        std::vector<std::thread> threads;
        for (auto &worker : workers)
            threads.emplace_back([&, w = worker.get()] { work(*w); });
        for (std::thread &thread : threads)
            thread.join();
    };
    together([](QMLoadWorker &worker) { worker.prepare(); });
    for (const auto &worker : workers) {
        if (!worker->why().isEmpty()) {
            std::fprintf(stderr, "qm-service-load: %s\n", worker->why().toUtf8().constData());
            return 2;
        }
    }

    std::printf("qm-service-load: %d connections to 127.0.0.1:%d, %d s or %lld requests%s\n",
                options.connections, options.port, options.seconds, options.requests,
                options.untilGone ? ", until the service goes" : "");
    std::fflush(stdout);
    std::atomic<long long> budget{options.requests};
    const auto start = std::chrono::steady_clock::now();
    const QMLoadWorker::Limits limits{start + std::chrono::seconds(options.seconds), &budget,
                                      options.untilGone};
    together([&](QMLoadWorker &worker) { worker.run(limits); });
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    QMLoadStats stats;
    QMLoadLedger ledger;
    int lost = 0;
    for (const auto &worker : workers) {
        stats.merge(worker->stats());
        ledger.merge(worker->ledger());
        lost += worker->lostTheService() ? 1 : 0;
    }
    stats.print(stdout, seconds);
    std::printf("acknowledged writes: %s\n", ledger.counts().toUtf8().constData());
    if (options.untilGone)
        std::printf("connections that lost the service: %d of %d\n", lost, options.connections);
    for (const std::string &error : stats.errorSamples())
        std::printf("error: %s\n", error.c_str());
    if (!options.ledgers.isEmpty() && !ledger.save(options.ledgers.first())) {
        std::fprintf(stderr, "qm-service-load: cannot write %s\n",
                     options.ledgers.first().toUtf8().constData());
        return 2;
    }
    std::printf("%s: %lld errors\n", stats.errors() ? "FAILED" : "ok", stats.errors());
    return stats.errors() ? 1 : 0;
}

int verify(const Options &options)
{
    QMLoadLedger ledger;
    for (const QString &path : options.ledgers) {
        if (!ledger.load(path)) {
            std::fprintf(stderr, "qm-service-load: cannot read %s\n", path.toUtf8().constData());
            return 2;
        }
    }
    const QStringList problems = ledger.verify(options.database);
    std::printf("checked %s in %s\n", ledger.counts().toUtf8().constData(),
                options.database.toUtf8().constData());
    for (qsizetype i = 0; i < std::min<qsizetype>(problems.size(), 20); ++i)
        std::printf("lost: %s\n", problems[i].toUtf8().constData());
    std::printf("%s: %lld problems\n", problems.isEmpty() ? "ok" : "FAILED",
                static_cast<long long>(problems.size()));
    return problems.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (argc < 2)
        return usage("run or verify?");
    options.mode = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--until-gone") {
            options.untilGone = true;
            continue;
        }
        if (i + 1 >= argc)
            return usage("an option without its value");
        const char *value = argv[++i];
        bool fine = true;
        if (option == "--port")
            fine = number(value, 1, 65535, options.port);
        else if (option == "--connections")
            fine = number(value, 1, 100, options.connections);
        else if (option == "--seconds")
            fine = number(value, 1, 3600, options.seconds);
        else if (option == "--requests")
            fine = number(value, 1LL, 100'000'000LL, options.requests);
        else if (option == "--db")
            options.database = QString::fromLocal8Bit(value);
        else if (option == "--ledger")
            options.ledgers.append(QString::fromLocal8Bit(value));
        else
            return usage("unknown option");
        if (!fine)
            return usage("a value out of range");
    }
    if (options.mode == "run")
        return options.port ? run(options) : usage("run needs --port");
    if (options.mode == "verify")
        return !options.database.isEmpty() && !options.ledgers.isEmpty()
                   ? verify(options)
                   : usage("verify needs --db and --ledger");
    return usage("run or verify?");
}
