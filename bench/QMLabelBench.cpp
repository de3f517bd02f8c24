#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

// The texts of one coming-soon row laid out from scratch, as a row scrolling into view is:
// a title elided into 120 points, a cast of eight names wrapped between names into two lines;
// then a synopsis wrapped as prose to whatever height it needs. Against QLabel drawing the same
// row, the cost of which the kit's label replaces.

namespace {
const QString kTitle = QStringLiteral("上海弄堂里那个最长也最热的夏天");
const QString kCast =
    QStringLiteral("主演:陈一鸣,王晓燕,张海峰,李思远,刘子涵,周文博,孙雨桐,胡浩然");
const QString kSynopsis = QStringLiteral(
    "九十年代的上海弄堂，一个男孩和外婆度过了他记忆中最长、也最热的一个夏天。弄堂口的老虎灶、"
    "晾衣竿上的床单、傍晚的乘凉竹椅和收音机里的沪剧，都成了他后来反复想起的画面。影片由顾俊杰"
    "执导，陈一鸣、王晓燕主演。");

void BM_LabelLayoutComingSoonRow(benchmark::State &state)
{
    const QFont bold = QMKitStyle::boldSystemFont(15);
    const QFont small = QMKitStyle::systemFont(12.5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            QMLabel::layout(kTitle, bold, 120, 20, false, QMLabel::LineBreaks::Words));
        benchmark::DoNotOptimize(
            QMLabel::layout(kCast, small, 180, 40, true, QMLabel::LineBreaks::Names));
    }
}
BENCHMARK(BM_LabelLayoutComingSoonRow)->Unit(benchmark::kMicrosecond);

void BM_LabelLayoutSynopsis(benchmark::State &state)
{
    const QFont font = QMKitStyle::systemFont(14);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            QMLabel::layout(kSynopsis, font, 282, -1, true, QMLabel::LineBreaks::Words));
}
BENCHMARK(BM_LabelLayoutSynopsis)->Unit(benchmark::kMicrosecond);

// Painting the row's two labels, each time with a fresh label as a rebuilt row has.
template<class Label> void paintRow(QImage &image)
{
    QWidget row;
    row.resize(320, 150);
    auto *title = new Label(kTitle, &row);
    title->setGeometry(120, 14, 120, 20);
    title->setFont(QMKitStyle::boldSystemFont(15));
    auto *cast = new Label(kCast, &row);
    cast->setGeometry(120, 74, 180, 40);
    cast->setFont(QMKitStyle::systemFont(12.5));
    cast->setWordWrap(true);
    row.render(&image);
}

void BM_PaintComingSoonRowQMLabel(benchmark::State &state)
{
    QImage image(320, 150, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        paintRow<QMLabel>(image);
}
BENCHMARK(BM_PaintComingSoonRowQMLabel)->Unit(benchmark::kMicrosecond);

void BM_PaintComingSoonRowQLabel(benchmark::State &state)
{
    QImage image(320, 150, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        paintRow<QLabel>(image);
}
BENCHMARK(BM_PaintComingSoonRowQLabel)->Unit(benchmark::kMicrosecond);
} // namespace
