#pragma once

#include <QFont>
#include <QLabel>
#include <QStringList>

// The screens' label. Its text is plain (names and comments come from the service and from
// users, never markup). A text wider than a one-line label ends in "…" at the frame's edge; a
// multi-line label (wordWrap) starts a new line only between words, or only between the names
// of a list, and ends its last line in "…" when its frame is too short. text() and the tool
// tip keep the whole text.
class QMLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMLabel)

public:
    // Where a multi-line label may start a new line.
    enum class LineBreaks {
        // Between words: at spaces, and between the characters of Chinese prose.
        Words,
        // Only after the separators of a list ("、", ",", "，", "/", "|", ";", ":" ..., or spaces
        // when the text has none of the others): a name is never split. A name wider than a
        // whole line still breaks, between words.
        Names,
    };

    // The lines of a text in a frame, as a label draws them.
    struct Lines
    {
        QStringList lines;
        bool truncated = false; // something of the text is not shown
    };

    explicit QMLabel(QWidget *parent = nullptr);
    explicit QMLabel(const QString &text, QWidget *parent = nullptr);
    ~QMLabel() override;

    LineBreaks lineBreaks() const { return m_lineBreaks; }
    void setLineBreaks(LineBreaks breaks);

    // For a short text that must show whole (a rating with its unit): the frame widens to the
    // right when the text is wider than it, up to maximumWidth.
    void widenToFitText(int maximumWidth);

    // What the label shows in its current frame, and the width that takes (margins included).
    QStringList displayedLines() const;
    int displayedWidth() const;
    bool isTruncated() const;

    // The text laid out in a box of width x height: with wrap, paragraphs are broken into lines
    // and the last line that fits is elided; without, each paragraph is one line, elided at
    // width. height < 0: as many lines as needed.
    static Lines layout(const QString &text, const QFont &font, qreal width, qreal height,
                        bool wrap, LineBreaks breaks);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool drawsPlainText() const;
    QRect textRect() const;
    QSize marginSize() const;
    const Lines &currentLines() const;

    LineBreaks m_lineBreaks = LineBreaks::Words;

    // The last layout, reused until the text, the frame or the font change.
    struct Cache
    {
        QString text;
        QSize size;
        QFont font;
        bool wrap = false;
        LineBreaks breaks = LineBreaks::Words;
        Lines result;
        bool valid = false;
    };
    mutable Cache m_cache;
};
