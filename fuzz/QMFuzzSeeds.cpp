#include "QMFuzzAnswers.h"
#include "QMServiceSamples.h"
#include "QMTestService.h"

#include <QDir>
#include <QFile>

#include <cstdio>

// Writes the fuzz targets' seed inputs from the stand-in service's real answers: every kind
// asked with valid values, then the refusals of the judged answers and the writes, and a request
// with a wrong digest. Usage: qm-fuzz-seeds DIRECTORY (one folder per target inside it).
namespace {
QString g_out;

bool save(const QString &target, const QString &name, const QByteArray &input)
{
    QDir().mkpath(g_out + u'/' + target);
    QFile file(g_out + u'/' + target + u'/' + name);
    return file.open(QIODevice::WriteOnly) && file.write(input) == input.size();
}

// The answer as the input of its family's target and, rewritten, of the mapper's.
bool keep(int kind, const char *what, const QMServiceClient::Answer &answer)
{
    if (answer.status == 0) {
        std::fprintf(stderr, "kind %d (%s): no answer\n", kind, what);
        return false;
    }
    const QString name = QStringLiteral("kind%1-%2").arg(kind, 2, 10, QChar(u'0')).arg(what);
    const QByteArray mapped =
        (QMFuzzAnswers::recordClassName(kind) + u' ' + QMFuzzAnswers::rootElement(kind) + u'\n')
            .toUtf8() +
        QMFuzzAnswers::rewritten(kind, answer.body);
    return save(QMFuzzAnswers::familyName(QMFuzzAnswers::familyOf(kind)), name,
                QMFuzzAnswers::input(kind, answer.body)) &&
           save(QStringLiteral("mapper"), name, mapped);
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    QMFuzzAnswers::initialize();
    g_out = QString::fromLocal8Bit(argv[1]);

    QMTestService service;
    if (!service.isRunning()) {
        std::fprintf(stderr, "qm-service did not start:\n%s\n", qPrintable(service.log()));
        return 1;
    }
    const QMServiceClient client(service.port());
    QMServiceSamples samples(client);
    if (!samples.isReady()) {
        std::fprintf(stderr, "the service's sample data is missing\n");
        return 1;
    }

    bool ok = true;
    QMServiceClient::Values order;
    for (int kind = 0; kind <= 34; ++kind) {
        const QMServiceClient::Values values = samples.values(kind);
        if (kind == 11)
            order = values;
        ok = keep(kind, "answer", client.send(kind, values)) && ok;
    }

    // Refusals: a seat map that does not exist, a seat sold already, a wrong password, an
    // address registered already, and writes by an unknown member.
    ok = keep(10, "refused", client.send(10, {{"mpid", "0"}})) && ok;
    ok = keep(11, "refused", client.send(11, order)) && ok;
    QMServiceClient::Values wrong = samples.values(13);
    wrong.insert("password", "wrong");
    ok = keep(13, "refused", client.send(13, wrong)) && ok;
    QMServiceClient::Values taken = samples.values(14);
    taken.insert("email", "demo@example.com");
    ok = keep(14, "refused", client.send(14, taken)) && ok;
    for (int kind : {20, 21, 22, 23, 24, 29}) {
        QMServiceClient::Values values = samples.values(kind);
        values.insert("memberEncode", "0");
        ok = keep(kind, "refused", client.send(kind, values)) && ok;
    }
    QMServiceClient::Values stranger = samples.values(25);
    stranger.insert("memberid", "0");
    ok = keep(25, "refused", client.send(25, stranger)) && ok;
    ok = keep(7, "bad-digest", client.send(7, {{"encryptCode", "0"}})) && ok;
    return ok ? 0 : 1;
}
