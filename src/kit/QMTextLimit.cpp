#include "kit/QMTextLimit.h"

#include "kit/QMAlertView.h"
#include "kit/QMTextView.h"

#include <QPointer>

int QMTextLimit::lengthOf(QStringView text)
{
    int length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++length;
    }
    return length;
}

bool QMTextLimit::judgeChange(QMTextView *textView, QString &accepted)
{
    const QString text = textView->text();
    if (allows(text)) {
        accepted = text;
        return true;
    }
    textView->setText(accepted);
    // One alert however fast the keys come; the keyboard comes back to the text once it goes.
    static QPointer<QMAlertView> shown;
    if (shown && QMAlertView::visibleAlerts().contains(shown.data()))
        return false;
    QPointer<QMTextView> view = textView;
    shown = QMAlertView::show(QStringLiteral("Reach to MaxNum"),
                              QStringLiteral("You could type in characters as much as 140"),
                              QStringLiteral("Dismiss"), [view] {
                                  if (view && view->isVisible())
                                      view->setFocus(Qt::OtherFocusReason);
                              });
    return false;
}
