#include "kit/QMLabel.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
const QChar kEllipsis(0x2026);

// Separators between the names of a list.
bool isListSeparator(QChar c)
{
    switch (c.unicode()) {
    case 0x3001: // 、
    case ',':
    case 0xFF0C: // ，
    case '/':
    case 0xFF0F: // ／
    case '|':
    case 0xFF5C: // ｜
    case ';':
    case 0xFF1B: // ；
        return true;
    default:
        return false;
    }
}

// Marks after which a new line may start in any text: the end of a label ("主演："), of a
// clause or of a bracket.
bool isClauseEnd(QChar c)
{
    switch (c.unicode()) {
    case ':':
    case 0xFF1A: // ：
    case 0x3002: // 。
    case '!':
    case 0xFF01: // ！
    case '?':
    case 0xFF1F: // ？
    case ')':
    case 0xFF09: // ）
        return true;
    default:
        return false;
    }
}

bool isSeparator(QChar c)
{
    return isListSeparator(c) || isClauseEnd(c);
}

QString trimmedRight(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

QList<int> boundaries(QTextBoundaryFinder::BoundaryType type, const QString &text)
{
    QList<int> positions;
    QTextBoundaryFinder finder(type, text);
    while (finder.toNextBoundary() != -1) {
        const int p = int(finder.position());
        if (p > 0 && p < text.size() &&
            (type != QTextBoundaryFinder::Line ||
             (finder.boundaryReasons() & QTextBoundaryFinder::BreakOpportunity)))
            positions.append(p);
    }
    return positions;
}

// Where a line may start when names stay whole: after a separator (and the spaces that follow
// it), or after spaces when no other separator divides the list ("成龙 李连杰" but not inside
// "Tom Hanks, Meg Ryan").
QList<int> nameBreaks(const QString &text)
{
    const bool listed = std::any_of(text.cbegin(), text.cend(), isListSeparator);
    QList<int> positions;
    for (int p = 1; p < text.size(); ++p) {
        const QChar next = text.at(p);
        if (next.isSpace() || isSeparator(next) || next.isLowSurrogate())
            continue;
        int q = p - 1;
        while (q >= 0 && text.at(q).isSpace())
            --q;
        if (q < 0)
            continue;
        if (isSeparator(text.at(q)) || (q < p - 1 && !listed))
            positions.append(p);
    }
    return positions;
}

// The farthest of the candidate ends in (start, limit] (limit itself is one) whose line fits
// width; start if none does.
int fittingEnd(const QString &text, int start, int limit, const QList<int> &candidates,
               const QFontMetricsF &metrics, qreal width)
{
    // Widths are summed piece by piece (spaces at the end of a line may hang over its edge);
    // the chosen line is then measured whole, since shaping may join the pieces.
    // A line longer than this (only zero-width marks are narrower than half a point) is not
    // measured at all: a huge word is then broken between characters in short steps.
    const int longest = int(width) * 2 + 64;
    QList<int> fitting;
    qreal sum = 0;
    int previous = start;
    for (auto it = std::upper_bound(candidates.cbegin(), candidates.cend(), start);; ++it) {
        const int end = it != candidates.cend() && *it < limit ? *it : limit;
        if (end - start > longest)
            break;
        sum += metrics.horizontalAdvance(text.mid(previous, end - previous));
        previous = end;
        int kept = end;
        while (kept > start && text.at(kept - 1).isSpace())
            --kept;
        const qreal hanging =
            kept < end ? metrics.horizontalAdvance(text.mid(kept, end - kept)) : 0;
        if (sum - hanging > width)
            break;
        fitting.append(end);
        if (end == limit)
            break;
    }
    while (!fitting.isEmpty() &&
           metrics.horizontalAdvance(trimmedRight(text.mid(start, fitting.last() - start))) > width)
        fitting.removeLast();
    return fitting.isEmpty() ? start : fitting.last();
}

void wrapParagraph(const QString &text, const QFontMetricsF &metrics, qreal width,
                   QMLabel::LineBreaks breaks, int maxLines, QStringList &lines)
{
    const QList<int> preferred = breaks == QMLabel::LineBreaks::Names
                                     ? nameBreaks(text)
                                     : boundaries(QTextBoundaryFinder::Line, text);
    QList<int> words;
    QList<int> graphemes;
    int start = 0;
    while (start < text.size() && lines.size() < maxLines) {
        int end = fittingEnd(text, start, int(text.size()), preferred, metrics, width);
        if (end <= start) {
            // The next name or word alone is wider than a line: break it between words, and a
            // word wider than a line between characters.
            const auto next = std::upper_bound(preferred.cbegin(), preferred.cend(), start);
            const int unitEnd = next != preferred.cend() ? *next : int(text.size());
            if (breaks == QMLabel::LineBreaks::Names) {
                if (words.isEmpty())
                    words = boundaries(QTextBoundaryFinder::Line, text);
                end = fittingEnd(text, start, unitEnd, words, metrics, width);
            }
            if (end <= start) {
                if (graphemes.isEmpty())
                    graphemes = boundaries(QTextBoundaryFinder::Grapheme, text);
                end = fittingEnd(text, start, unitEnd, graphemes, metrics, width);
            }
            if (end <= start) { // not even one character fits: it gets a line of its own
                const auto g = std::upper_bound(graphemes.cbegin(), graphemes.cend(), start);
                end = g != graphemes.cend() ? *g : int(text.size());
            }
        }
        lines.append(trimmedRight(text.mid(start, end - start)));
        start = end;
        while (start < text.size() && text.at(start).isSpace())
            ++start;
    }
    if (start < text.size())
        lines.append(text.mid(start)); // beyond maxLines: only marks that more text follows
}

// The line with "…" at its end, shortened to the longest beginning (whole characters) with which
// both fit width. The cut is found by halving: a one-line label of many long lines measures each
// a few times, not once per character.
QString withEllipsis(const QString &line, const QFontMetricsF &metrics, qreal width)
{
    QList<int> ends = boundaries(QTextBoundaryFinder::Grapheme, line);
    ends.append(int(line.size()));
    const auto shortened = [&line](int end) {
        return trimmedRight(line.left(end)) + kEllipsis;
    };
    qsizetype fitting = 0; // ends before this index fit
    qsizetype tooWide = ends.size();
    while (fitting < tooWide) {
        const qsizetype middle = fitting + (tooWide - fitting) / 2;
        if (metrics.horizontalAdvance(shortened(ends.at(middle))) <= width)
            fitting = middle + 1;
        else
            tooWide = middle;
    }
    return fitting == 0 ? QString(kEllipsis) : shortened(ends.at(fitting - 1));
}

QStringList paragraphsOf(const QString &text)
{
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normalized.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return normalized.split(QLatin1Char('\n'));
}

int blockHeight(const QFontMetricsF &metrics, qsizetype lineCount)
{
    return int(std::ceil(qreal(std::max<qsizetype>(1, lineCount) - 1) * metrics.lineSpacing() +
                         metrics.height()));
}
} // namespace

QMLabel::QMLabel(QWidget *parent)
    : QMLabel(QString(), parent)
{}

QMLabel::QMLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

QMLabel::~QMLabel() = default;

void QMLabel::setLineBreaks(LineBreaks breaks)
{
    if (breaks == m_lineBreaks)
        return;
    m_lineBreaks = breaks;
    updateGeometry();
    update();
}

void QMLabel::widenToFitText(int maximumWidth)
{
    const int wanted = std::min(sizeHint().width(), maximumWidth);
    if (wanted > width())
        resize(wanted, height());
}

QMLabel::Lines QMLabel::layout(const QString &text, const QFont &font, qreal width, qreal height,
                               bool wrap, LineBreaks breaks)
{
    Lines result;
    const QFontMetricsF metrics(font);
    const QStringList paragraphs = paragraphsOf(text);
    if (!wrap || width < 1) {
        for (const QString &paragraph : paragraphs) {
            // A huge text is cut first: only its beginning can be shown anyway.
            const qsizetype enough = qsizetype(std::max<qreal>(width, 0)) * 2 + 64;
            QString shown = paragraph.size() > enough
                                ? withEllipsis(paragraph.left(enough), metrics, width)
                                : metrics.elidedText(paragraph, Qt::ElideRight, width);
            if (shown != paragraph)
                result.truncated = true;
            result.lines.append(shown);
        }
        return result;
    }

    // A line counts as shown when its baseline is inside the box: only the tails of a few
    // Latin letters may then hang below it.
    int maxLines = INT_MAX;
    if (height >= 0)
        maxLines =
            std::max(1, 1 + int(std::floor((height - metrics.ascent()) / metrics.lineSpacing())));
    for (const QString &paragraph : paragraphs) {
        if (result.lines.size() > maxLines)
            break;
        if (paragraph.trimmed().isEmpty())
            result.lines.append(QString());
        else
            wrapParagraph(paragraph, metrics, width, breaks, maxLines, result.lines);
    }
    if (result.lines.size() > maxLines) {
        result.lines.resize(maxLines);
        result.lines.last() = withEllipsis(result.lines.last(), metrics, width);
        result.truncated = true;
    }
    return result;
}

bool QMLabel::drawsPlainText() const
{
    if (!pixmap().isNull() || movie())
        return false;
    // Selectable text is drawn by QLabel's own text control.
    if (textInteractionFlags() &
        (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable))
        return false;
    return textFormat() == Qt::PlainText ||
           (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text()));
}

QRect QMLabel::textRect() const
{
    const int m = margin();
    return contentsRect().adjusted(m, m, -m, -m);
}

QSize QMLabel::marginSize() const
{
    return size() - textRect().size();
}

const QMLabel::Lines &QMLabel::currentLines() const
{
    const QString shown = text();
    const QSize box = textRect().size();
    Cache &c = m_cache;
    if (!c.valid || c.size != box || c.wrap != wordWrap() || c.breaks != m_lineBreaks ||
        c.font != font() || c.text != shown) {
        c.result = layout(shown, font(), box.width(), box.height(), wordWrap(), m_lineBreaks);
        c.text = shown;
        c.size = box;
        c.font = font();
        c.wrap = wordWrap();
        c.breaks = m_lineBreaks;
        c.valid = true;
    }
    return c.result;
}

QStringList QMLabel::displayedLines() const
{
    return drawsPlainText() ? currentLines().lines : QStringList{text()};
}

int QMLabel::displayedWidth() const
{
    const QFontMetricsF metrics(font());
    qreal widest = 0;
    for (const QString &line : displayedLines())
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return int(std::ceil(widest)) + marginSize().width();
}

bool QMLabel::isTruncated() const
{
    return drawsPlainText() && currentLines().truncated;
}

QSize QMLabel::sizeHint() const
{
    if (!drawsPlainText())
        return QLabel::sizeHint();
    const QFontMetricsF metrics(font());
    if (wordWrap()) {
        const int width = QLabel::sizeHint().width();
        return QSize(width, heightForWidth(width));
    }
    const QStringList paragraphs = paragraphsOf(text());
    qreal width = 0;
    for (const QString &paragraph : paragraphs)
        width = std::max(width, metrics.horizontalAdvance(paragraph));
    return QSize(int(std::ceil(width)), blockHeight(metrics, paragraphs.size())) + marginSize();
}

QSize QMLabel::minimumSizeHint() const
{
    if (!drawsPlainText() || wordWrap())
        return QLabel::minimumSizeHint();
    // A one-line label may shrink down to its "…".
    const QFontMetricsF metrics(font());
    return QSize(int(std::ceil(metrics.horizontalAdvance(kEllipsis))), sizeHint().height()) +
           QSize(marginSize().width(), 0);
}

int QMLabel::heightForWidth(int width) const
{
    if (!drawsPlainText() || !wordWrap())
        return QLabel::heightForWidth(width);
    const QSize margins = marginSize();
    const Lines wrapped = layout(text(), font(), width - margins.width(), -1, true, m_lineBreaks);
    return blockHeight(QFontMetricsF(font()), wrapped.lines.size()) + margins.height();
}

bool QMLabel::event(QEvent *event)
{
    // The whole text of a cut label, unless the screen gave a tool tip of its own.
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && isTruncated()) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void QMLabel::paintEvent(QPaintEvent *event)
{
    if (!drawsPlainText()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);

    const QRect box = textRect();
    const QStringList &lines = currentLines().lines;
    const QFontMetricsF metrics(font());
    const qreal spacing = metrics.lineSpacing();
    const int block = blockHeight(metrics, lines.size());
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    qreal top = box.top();
    if (align & Qt::AlignBottom)
        top = box.bottom() + 1 - block;
    else if (!(align & Qt::AlignTop))
        top = box.top() + (box.height() - block) / 2.0;

    const int lineHeight = int(std::ceil(metrics.height()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRect lineBox(box.left(), int(std::lround(top + qreal(i) * spacing)), box.width(),
                            lineHeight);
        style()->drawItemText(&painter, lineBox,
                              int(align & Qt::AlignHorizontal_Mask) | Qt::AlignTop |
                                  Qt::TextSingleLine,
                              palette(), isEnabled(), lines.at(i), foregroundRole());
    }
}
