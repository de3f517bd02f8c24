#include "films/MovieList.h"
#include "films/QMOnPlayListProvider.h"
#include "xml/QMXMLDeserializer.h"

#include <QNetworkRequest>

#include <benchmark/benchmark.h>
#include <expat.h>

namespace {
// A now-showing answer of `count` films as the service writes it.
QByteArray nowShowingAnswer(int count)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<data><movieList>";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        xml += "<movie><movieid>" + n + "</movieid><moviename>星际归途 " + n +
               "</moviename><language>国语</language><director>陈思远</director>"
               "<actors>李明, 王芳, 张伟</actors><openingdate>2026-11-2" +
               QByteArray::number(i % 10) +
               "</openingdate><logo>http://127.0.0.1:8470/images/poster" + n +
               ".png</logo><smalllogo>http://127.0.0.1:8470/images/poster" + n +
               "s.png</smalllogo><cinemanum>" + QByteArray::number(20 + i % 30) +
               "</cinemanum><ordercinemanum>" + QByteArray::number(i % 20) +
               "</ordercinemanum><length>118分钟</length><generalmark>8." +
               QByteArray::number(i % 10) + "</generalmark></movie>";
    }
    return xml + "</movieList></data>";
}

// The same bytes the mapper reads: after the now-showing rewrite.
const QByteArray &rewrittenAnswer()
{
    static const QByteArray bytes = QMOnPlayListProvider().trimXMLString(nowShowingAnswer(1000));
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

// The rewrite alone: the answer's bytes with the list wrapped and the films renamed.
static void BM_RewriteNowShowing1000(benchmark::State &state)
{
    const QByteArray bytes = nowShowingAnswer(1000);
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
    const QByteArray bytes = nowShowingAnswer(1000);
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
