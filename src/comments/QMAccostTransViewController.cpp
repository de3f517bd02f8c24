#include "comments/QMAccostTransViewController.h"

#include "comments/Comment.h"
#include "comments/QMCommentInfoViewController.h"
#include "comments/QMPostingForm.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMTextView.h"
#include "services/QMResourceImages.h"

#include <QWidget>

QMAccostTransViewController::QMAccostTransViewController()
    : m_form(new QMPostingForm(this))
{
    m_form->setSuccessAction([this] { accostWritten(); });
}

QMAccostTransViewController::~QMAccostTransViewController() = default;

void QMAccostTransViewController::viewDidLoad()
{
    QWidget *view = this->view();
    QMKitStyle::setBackgroundColor(view, QMKitStyle::lightGrayColor());
    setTitle(navTitle);

    auto back = std::make_unique<QMBarButton>(
        QString(), QMResourceImages::named(QStringLiteral("btn_return.png")));
    back->setFixedSize(52, 30);
    m_returnButton = back.get();
    connect(m_returnButton, &QAbstractButton::clicked, this,
            &QMAccostTransViewController::dismissAccostComment);
    navigationItem()->setLeftBarButton(std::move(back));

    m_form->addHint(view, QRect(10, 10, 300, 18));
    m_form->addTextView(view, QRect(10, 32, 300, 150));
    m_form->setBusyView(view);
    m_submitButton = m_form->addSubmitButton(view, QPoint(110, 196));
    connect(m_submitButton, &QAbstractButton::clicked, this,
            &QMAccostTransViewController::submitAccost);
}

QMTextView *QMAccostTransViewController::textView() const
{
    return m_form->textView();
}

QString QMAccostTransViewController::transshipmentText() const
{
    return m_form->acceptedText();
}

void QMAccostTransViewController::submitAccost()
{
    if (!selectComment)
        return;
    if (type == Repost) {
        m_form->setSuccessMessage(QStringLiteral("转载成功！"));
        // A re-post is about what the comment is about, and always tagged as a film's.
        m_form->sendComment(selectComment->relatedid, 1, selectComment->commentid);
    } else {
        m_form->setSuccessMessage(QStringLiteral("搭话成功！"));
        m_form->sendReply(selectComment->commentid);
    }
}

void QMAccostTransViewController::dismissAccostComment()
{
    endEditing();
    if (accostTransDelegate)
        accostTransDelegate->accostTransViewControllerWillDismiss(this);
    else
        dismissModalViewController(true);
}

void QMAccostTransViewController::accostWritten()
{
    const QPointer<QMCommentInfoViewController> comments = accostTransView;
    dismissAccostComment();
    if (comments)
        comments->commentInfoList();
}
