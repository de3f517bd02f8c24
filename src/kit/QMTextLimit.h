#pragma once

#include <QString>

class QMTextView;

// The limit on what a member writes (comments, posts, replies, re-posts): 140 characters,
// counted as code points, so a Chinese character or an emoji is one character. Composed input
// counts once it is committed.
class QMTextLimit
{
public:
    static constexpr int maximumLength = 140;

    // Code points: a surrogate pair is one character.
    static int lengthOf(QStringView text);
    static bool allows(QStringView text) { return lengthOf(text) <= maximumLength; }

    // For a text view delegate's textViewDidChange: a text within the limit becomes accepted;
    // a longer one is refused, the view gets accepted back and the member is told.
    // Returns whether the new text was accepted.
    static bool judgeChange(QMTextView *textView, QString &accepted);
};
