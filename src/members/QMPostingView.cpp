#include "members/QMPostingView.h"

#include "comments/QMPostingForm.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMTextView.h"

#include <QMouseEvent>

QMPostingView::QMPostingView(const QString &title, int textHeight, int submitTop, QWidget *parent)
    : QMMemberPanel(parent)
    , m_form(new QMPostingForm(this))
{
    QMKitStyle::setBackgroundColor(this, QMKitStyle::lightGrayColor());
    setTitle(title);
    m_form->addHint(this, QRect(10, kTextTop - 22, 300, 18));
    m_form->addTextView(this, QRect(10, kTextTop, 300, textHeight));
    m_submitButton = m_form->addSubmitButton(this, QPoint(110, submitTop));
    connect(m_submitButton, &QAbstractButton::clicked, this, [this] { submit(); });
    m_form->setSuccessAction([this] { doReturn(); });
}

QMPostingView::~QMPostingView() = default;

QMTextView *QMPostingView::textView() const
{
    return m_form->textView();
}

QString QMPostingView::acceptedText() const
{
    return m_form->acceptedText();
}

void QMPostingView::mousePressEvent(QMouseEvent *event)
{
    // A touch beside the text puts the keyboard away.
    if (QMTextView *text = textView())
        text->endEditing();
    event->accept();
}
