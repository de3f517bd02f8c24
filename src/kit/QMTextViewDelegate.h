#pragma once

class QMTextView;

// What a text view tells about its text. Every operation is optional.
class QMTextViewDelegate
{
public:
    virtual ~QMTextViewDelegate() = default;
    // The committed text changed (typed, pasted, cut, undone, or committed by an input method;
    // text still being composed does not count). The delegate may put other text back with
    // setText().
    virtual void textViewDidChange(QMTextView *textView) { (void)textView; }
};
