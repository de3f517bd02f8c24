#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "kit/QMTableViewCell.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {
const QString kEllipsis(QChar(0x2026));
const QString kCast = QStringLiteral("主演：陈一鸣,王晓燕,张海峰,李思远,刘子涵,周文博");
const QStringList kNames = {QStringLiteral("陈一鸣"), QStringLiteral("王晓燕"),
                            QStringLiteral("张海峰"), QStringLiteral("李思远"),
                            QStringLiteral("刘子涵"), QStringLiteral("周文博")};

class Label : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.resize(320, 480);
        host.show();
    }

    QMLabel *add(const QRect &frame, const QString &text, qreal size = 15)
    {
        QMLabel *label =
            QMKitStyle::addLabel(&host, frame, QMKitStyle::systemFont(size), Qt::black, text);
        label->show();
        return label;
    }
    // A wrapping label as tall as its text needs.
    QMLabel *wrapping(int width, const QString &text, QMLabel::LineBreaks breaks)
    {
        QMLabel *label = add(QRect(0, 0, width, 10), text, 13);
        label->setWordWrap(true);
        label->setLineBreaks(breaks);
        label->resize(width, label->heightForWidth(width));
        return label;
    }
    static qreal advance(const QMLabel *label, const QString &text)
    {
        return QFontMetricsF(label->font()).horizontalAdvance(text);
    }

    QWidget host;
};

// No name of the list is split over two lines, and nothing is lost or added.
void expectWholeNames(const QStringList &lines, const QString &text)
{
    EXPECT_EQ(lines.join(QString()), text);
    for (const QString &line : lines) {
        for (const QString &name : kNames) {
            for (int cut = 1; cut < name.size(); ++cut)
                EXPECT_FALSE(line.endsWith(name.left(cut)) && !line.endsWith(name))
                    << line.toStdString() << " ends inside " << name.toStdString();
        }
    }
}
} // namespace

TEST_F(Label, ALongOneLineTextEndsInAnEllipsisWithinItsFrame)
{
    const QString name = QStringLiteral("上海弄堂里那个最长也最热的夏天");
    QMLabel *label = add(QRect(10, 10, 120, 20), name);
    ASSERT_EQ(label->displayedLines().size(), 1);
    const QString shown = label->displayedLines().first();
    EXPECT_TRUE(shown.endsWith(kEllipsis)) << shown.toStdString();
    EXPECT_TRUE(name.startsWith(shown.chopped(1)));
    EXPECT_LE(advance(label, shown), 120);
    EXPECT_GT(advance(label, shown), 120 - 2 * advance(label, QStringLiteral("夏")));
    EXPECT_TRUE(label->isTruncated());
    EXPECT_EQ(label->text(), name); // the whole text stays the label's

    // Pointing at it tells the whole text.
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(label, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), name);
    QToolTip::hideText();

    // Wider, the same text is shown whole.
    label->resize(int(advance(label, name)) + 2, 20);
    EXPECT_EQ(label->displayedLines(), QStringList{name});
    EXPECT_FALSE(label->isTruncated());
}

TEST_F(Label, AShortRatingWidensToShowItsUnitWhole)
{
    QMLabel *rating = add(QRect(250, 14, 40, 20), QStringLiteral("10.0分"));
    rating->setFont(QMKitStyle::italicSystemFont(15));
    ASSERT_GT(advance(rating, rating->text()), 40); // the frame alone would cut "分"
    rating->widenToFitText(60);
    EXPECT_EQ(rating->x(), 250);
    EXPECT_GE(rating->width(), advance(rating, rating->text()));
    EXPECT_EQ(rating->displayedLines(), QStringList{QStringLiteral("10.0分")});

    QMLabel *narrow = add(QRect(0, 0, 40, 20), QStringLiteral("7.5分"));
    narrow->widenToFitText(60);
    EXPECT_EQ(narrow->width(), 40); // a text that fits keeps the frame

    QMLabel *bounded = add(QRect(0, 40, 40, 20), QStringLiteral("一个很长很长的评分文字分"));
    bounded->widenToFitText(60);
    EXPECT_EQ(bounded->width(), 60);
    EXPECT_TRUE(bounded->isTruncated());
}

TEST_F(Label, AListOfNamesWrapsOnlyBetweenNamesAtEveryWidth)
{
    for (int width = 70; width <= 300; width += 7) {
        QMLabel *label = wrapping(width, kCast, QMLabel::LineBreaks::Names);
        const QStringList lines = label->displayedLines();
        EXPECT_FALSE(label->isTruncated());
        expectWholeNames(lines, kCast);
        for (const QString &line : lines)
            EXPECT_LE(advance(label, line), width) << width << ": " << line.toStdString();
        delete label;
    }
}

TEST_F(Label, NamesAreSeparatedByTheListsOwnMarks)
{
    // "、", "/" and full-width commas divide names; so do spaces in a list without other marks.
    for (const QString &separator :
         {QStringLiteral("、"), QStringLiteral("/"), QStringLiteral("，"), QStringLiteral(" ")}) {
        const QString text = QStringLiteral("主演：") + kNames.join(separator);
        QMLabel *label = wrapping(120, text, QMLabel::LineBreaks::Names);
        const QStringList lines = label->displayedLines();
        ASSERT_GT(lines.size(), 1) << separator.toStdString();
        for (const QString &line : lines) {
            const QString bare = line.startsWith(QStringLiteral("主演：")) ? line.mid(3) : line;
            for (const QString &piece : bare.split(separator, Qt::SkipEmptyParts))
                EXPECT_TRUE(kNames.contains(piece) || piece == QStringLiteral("主演："))
                    << separator.toStdString() << ": " << line.toStdString();
        }
        delete label;
    }

    // Where commas divide the names, the space inside a Latin name is no place to break.
    const QString latin = QStringLiteral("Tom Hanks, Meg Ryan, Bill Pullman");
    QMLabel *label = wrapping(int(QFontMetricsF(QMKitStyle::systemFont(13))
                                      .horizontalAdvance(QStringLiteral("Tom Hanks, Meg"))),
                              latin, QMLabel::LineBreaks::Names);
    EXPECT_EQ(label->displayedLines(), QStringList({"Tom Hanks,", "Meg Ryan,", "Bill Pullman"}));
}

TEST_F(Label, ANameWiderThanALineStillShowsWhole)
{
    const QString text = QStringLiteral("主演：阿卜杜勒·拉赫曼·本·穆罕默德,王晓燕");
    QMLabel *label = wrapping(60, text, QMLabel::LineBreaks::Names);
    const QStringList lines = label->displayedLines();
    EXPECT_EQ(lines.join(QString()), text);
    for (const QString &line : lines)
        EXPECT_LE(advance(label, line), 60) << line.toStdString();
    EXPECT_EQ(lines.last(), QStringLiteral("王晓燕"));
}

TEST_F(Label, ProseFillsItsLinesAndParagraphsStayApart)
{
    const QString prose = QStringLiteral("九十年代的上海弄堂，一个男孩和外婆度过了他记忆中最长、"
                                         "也最热的一个夏天。\n影片由顾俊杰执导。");
    QMLabel *label = wrapping(200, prose, QMLabel::LineBreaks::Words);
    const QStringList lines = label->displayedLines();
    EXPECT_EQ(lines.join(QString()), QString(prose).remove(QLatin1Char('\n')));
    EXPECT_EQ(lines.last(), QStringLiteral("影片由顾俊杰执导。"));
    // Chinese prose may break between any two characters: every full line is nearly full.
    const qreal character = advance(label, QStringLiteral("夏"));
    for (qsizetype i = 0; i + 2 < lines.size(); ++i)
        EXPECT_GT(advance(label, lines[i]), 200 - 2 * character) << lines[i].toStdString();
    EXPECT_EQ(label->height(), label->heightForWidth(200));
}

TEST_F(Label, AFrameTooShortEndsItsLastLineInAnEllipsis)
{
    // The coming-soon row: two lines of 12.5-point text in 40 points.
    QMLabel *label =
        add(QRect(120, 74, 180, 40), kCast + QStringLiteral(",") + kNames.join(","), 12.5);
    label->setWordWrap(true);
    label->setLineBreaks(QMLabel::LineBreaks::Names);
    const QStringList lines = label->displayedLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines.last().endsWith(kEllipsis));
    EXPECT_TRUE(label->isTruncated());
    EXPECT_LE(advance(label, lines.last()), 180);
}

TEST_F(Label, MarkupFromTheServiceIsShownAsText)
{
    const QString text = QStringLiteral("<b>粗体</b><img src=\"/etc/passwd\">");
    QMLabel *label = add(QRect(0, 0, 300, 20), text);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->displayedLines(), QStringList{text});
}

TEST_F(Label, AHugeTextIsCutWithoutLayingItAllOut)
{
    const QString huge(2'000'000, QChar(0x5f71)); // 影
    QMLabel *line = add(QRect(0, 0, 200, 20), huge);
    ASSERT_EQ(line->displayedLines().size(), 1);
    EXPECT_TRUE(line->displayedLines().first().endsWith(kEllipsis));
    EXPECT_LE(advance(line, line->displayedLines().first()), 200);

    QMLabel *box = add(QRect(0, 30, 200, 60), huge);
    box->setWordWrap(true);
    EXPECT_TRUE(box->displayedLines().last().endsWith(kEllipsis));
    EXPECT_LE(box->displayedLines().size(), 4);
    line->grab(); // and it paints
    box->grab();

    // One endless word, laid out whole for a label as tall as it needs: broken between letters.
    QMLabel *word = add(QRect(0, 100, 200, 20), QString(200'000, QLatin1Char('x')), 13);
    word->setWordWrap(true);
    const int height = word->heightForWidth(200);
    const qreal letters = 200 / advance(word, QStringLiteral("x"));
    EXPECT_NEAR(height / QFontMetricsF(word->font()).lineSpacing(), 200'000 / letters, 200);
}

TEST_F(Label, EachLongLineOfAOneLineLabelIsCutWhereItsEllipsisStillFits)
{
    // A name from a hostile answer: many long lines, one of letters joined with accents.
    QStringList paragraphs;
    for (int i = 0; i < 40; ++i)
        paragraphs.append(QString(1000 + i, QChar(u'A' + i % 26)));
    paragraphs.append(QStringLiteral("e\u0301").repeated(800));
    QMLabel *label = add(QRect(0, 0, 200, 20), paragraphs.join(u'\n'));
    const QStringList lines = label->displayedLines();
    ASSERT_EQ(lines.size(), paragraphs.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &shown = lines.at(i);
        ASSERT_TRUE(shown.endsWith(kEllipsis)) << i;
        const QString kept = shown.chopped(1);
        EXPECT_TRUE(paragraphs.at(i).startsWith(kept)) << i;
        EXPECT_FALSE(kept.isEmpty()) << i;
        EXPECT_LE(advance(label, shown), 200) << i;
        // As long as it can be: one more character would not fit.
        const qsizetype next = i < 40 ? 1 : 2; // a letter, or a letter and its accent
        EXPECT_GT(advance(label, paragraphs.at(i).left(kept.size() + next) + kEllipsis), 200) << i;
    }
    EXPECT_TRUE(lines.last().chopped(1).endsWith(QChar(0x301))); // no accent cut from its letter
    label->grab();
}

TEST_F(Label, TableRowTextsEndInAnEllipsis)
{
    QMTableViewCell cell(QMTableViewCell::CellStyle::Subtitle);
    cell.resize(320, 64);
    cell.setAccessoryType(QMTableViewCell::Accessory::DisclosureIndicator);
    cell.textLabel()->setText(QStringLiteral("上海弄堂里那个最长也最热的夏天（导演剪辑版）"));
    cell.detailTextLabel()->setText(QStringLiteral("导演:顾俊杰  主演:") + kNames.join(","));
    for (QMLabel *label : {cell.textLabel(), cell.detailTextLabel()}) {
        EXPECT_TRUE(label->isTruncated());
        EXPECT_TRUE(label->displayedLines().first().endsWith(kEllipsis));
        EXPECT_LE(label->x() + label->displayedWidth(), 320);
    }
}
