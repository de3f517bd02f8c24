#include "members/QMPostingView.h"

#include "comments/QMPostingForm.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMTextView.h"
#include "members/QMMemberBar.h"
#include "services/QMViewNavigation.h"

#include <QMouseEvent>

QMPostingView::QMPostingView(const QString &title, int textHeight, int submitTop, Arrival arrival,
                             QWidget *parent)
    : QWidget(parent)
    , m_form(new QMPostingForm(this))
    , m_arrival(arrival)
{
    setGeometry(kWindowFrame);
    setAttribute(Qt::WA_StyledBackground);
    QMKitStyle::setBackgroundColor(this, QMKitStyle::lightGrayColor());

    m_bar = new QMMemberBar(this);
    m_bar->setTitle(title);
    connect(m_bar, &QMMemberBar::returnTapped, this, [this] { doReturn(); });

    m_form->addHint(this, QRect(10, kTextTop - 22, 300, 18));
    m_form->addTextView(this, QRect(10, kTextTop, 300, textHeight));
    m_submitButton = m_form->addSubmitButton(this, QPoint(110, submitTop));
    connect(m_submitButton, &QAbstractButton::clicked, this, [this] { submit(); });
    m_form->setSuccessAction([this] { doReturn(); });
}

QMPostingView::~QMPostingView() = default;

QMBarButton *QMPostingView::returnButton() const
{
    return m_bar->returnButton();
}

QMTextView *QMPostingView::textView() const
{
    return m_form->textView();
}

QString QMPostingView::acceptedText() const
{
    return m_form->acceptedText();
}

void QMPostingView::doReturn()
{
    // A second touch while the view slides away changes nothing.
    if (m_leaving)
        return;
    m_leaving = true;
    if (QMTextView *text = textView())
        text->endEditing();
    if (m_arrival == Arrival::Presented)
        QMViewNavigation::dismissSelf(this);
    else
        QMViewNavigation::popSelf(this);
}

void QMPostingView::mousePressEvent(QMouseEvent *event)
{
    // A touch beside the text puts the keyboard away.
    if (QMTextView *text = textView())
        text->endEditing();
    event->accept();
}
