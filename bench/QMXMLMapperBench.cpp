#include "films/MovieList.h"
#include "films/QMOnPlayListProvider.h"
#include "xml/QMXMLDeserializer.h"

#include "QMBenchAnswers.h"

#include <QNetworkRequest>

#include <benchmark/benchmark.h>
#include <expat.h>

namespace {
// The same bytes the mapper reads: after the now-showing rewrite.
const QByteArray &rewrittenAnswer()
{
    static const QByteArray bytes =
        QMOnPlayListProvider().trimXMLString(QMBenchAnswers::nowShowing(1000));
    return bytes;
}

// Counts what the shelf would be told.
class ShelfRecorder : public QObject, public QMOnPlayListProviderDelegate
{
public:
    void onPlayListProviderDidReceivedMovieList(QMOnPlayListProvider *,
                                                const std::shared_ptr<MovieList> &list) override
    {
        films = list->movieListArray.size();
    }
    void onPlayListProviderDidRunIntoError(QMOnPlayListProvider *,
                                           const std::optional<QMError> &) override
    {
        films = -1;
    }

    qsizetype films = 0;
};

void startElement(void *, const XML_Char *, const XML_Char **) {}
void endElement(void *, const XML_Char *) {}
void characters(void *, const XML_Char *, int) {}
void textOf(void *, const XML_Char *s, int len)
{
    benchmark::DoNotOptimize(QString::fromUtf8(s, len));
}
} // namespace

// Mapping 1,000 films onto MovieList.
static void BM_MapNowShowing1000(benchmark::State &state)
{
    const QByteArray &bytes = rewrittenAnswer();
    for (auto _ : state) {
        auto list = QMXMLDeserializer::map<MovieList>(bytes, QStringLiteral("data"));
        if (!list || list->movieListArray.size() != 1000)
            state.SkipWithError("mapping failed");
        benchmark::DoNotOptimize(list);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_MapNowShowing1000)->Unit(benchmark::kMicrosecond);

// The same, with the previous result freed outside the timed part (what the screens see: the
// list is freed long after it was mapped).
static void BM_MapNowShowing1000KeepResult(benchmark::State &state)
{
    const QByteArray &bytes = rewrittenAnswer();
    std::shared_ptr<MovieList> previous;
    for (auto _ : state) {
        auto list = QMXMLDeserializer::map<MovieList>(bytes, QStringLiteral("data"));
        state.PauseTiming();
        previous = std::move(list);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MapNowShowing1000KeepResult)->Unit(benchmark::kMicrosecond);

// The same bytes through expat, with namespace processing and empty handlers.
static void BM_ExpatBareNowShowing1000(benchmark::State &state)
{
    const QByteArray &bytes = rewrittenAnswer();
    for (auto _ : state) {
        XML_Parser parser = XML_ParserCreateNS("UTF-8", '\x01');
        XML_SetElementHandler(parser, startElement, endElement);
        XML_SetCharacterDataHandler(parser, characters);
        const auto status = XML_Parse(parser, bytes.constData(), int(bytes.size()), XML_TRUE);
        if (status != XML_STATUS_OK)
            state.SkipWithError("parse failed");
        XML_ParserFree(parser);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ExpatBareNowShowing1000)->Unit(benchmark::kMicrosecond);

// The floor of any mapping onto texts: expat as above, each character chunk made a QString.
static void BM_ExpatTextsNowShowing1000(benchmark::State &state)
{
    const QByteArray &bytes = rewrittenAnswer();
    for (auto _ : state) {
        XML_Parser parser = XML_ParserCreateNS("UTF-8", '\x01');
        XML_SetElementHandler(parser, startElement, endElement);
        XML_SetCharacterDataHandler(parser, textOf);
        XML_Parse(parser, bytes.constData(), int(bytes.size()), XML_TRUE);
        XML_ParserFree(parser);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ExpatTextsNowShowing1000)->Unit(benchmark::kMicrosecond);

// The rewrite alone: the answer's bytes with the list wrapped and the films renamed.
static void BM_RewriteNowShowing1000(benchmark::State &state)
{
    const QByteArray bytes = QMBenchAnswers::nowShowing(1000);
    QMOnPlayListProvider provider;
    for (auto _ : state)
        benchmark::DoNotOptimize(provider.trimXMLString(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_RewriteNowShowing1000)->Unit(benchmark::kMicrosecond);

// The whole answer handling of the now-showing provider as the transport hands it the bytes:
// UTF-8 check, rewrite, mapping, judging, the delegate told.
static void BM_ProviderAnswerNowShowing1000(benchmark::State &state)
{
    const QByteArray bytes = QMBenchAnswers::nowShowing(1000);
    QMOnPlayListProvider provider;
    ShelfRecorder shelf;
    provider.playListDelegate = &shelf;
    const QNetworkRequest request;
    for (auto _ : state)
        provider.requestSucceededWithData(request, bytes);
    if (shelf.films != 1000)
        state.SkipWithError("the answer did not give 1,000 films");
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ProviderAnswerNowShowing1000)->Unit(benchmark::kMicrosecond);
