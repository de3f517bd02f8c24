#include "comments/QMCommentWriteViewController.h"

#include "comments/QMPostingForm.h"
#include "comments/QMRatingView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMTextView.h"

#include <QLabel>
#include <QWidget>

QMCommentWriteViewController::QMCommentWriteViewController()
    : m_form(new QMPostingForm(this))
{
    setTitle(QStringLiteral("我来评论"));
    m_form->setSuccessMessage(QStringLiteral("评论成功！"));
    m_form->setSuccessAction([this] { commentWritten(); });
}

QMCommentWriteViewController::~QMCommentWriteViewController() = default;

void QMCommentWriteViewController::viewDidLoad()
{
    QWidget *view = this->view();
    QMKitStyle::setBackgroundColor(view, QMKitStyle::lightGrayColor());

    auto back = std::make_unique<QMBarButton>(QStringLiteral("返回"));
    back->setFixedSize(50, 30);
    back->setFont(QMKitStyle::boldSystemFont(13));
    connect(back.get(), &QAbstractButton::clicked, this,
            &QMCommentWriteViewController::dismissComment);
    navigationItem()->setRightBarButton(std::move(back));

    const Subject about = subject();
    QLabel *name =
        QMKitStyle::addLabel(view, QRect(10, 10, 230, 26), QMKitStyle::boldSystemFont(17),
                             QMKitStyle::tintColor(), about.name);
    const int nameWidth = qMin(name->sizeHint().width(), name->width());
    QMKitStyle::addLabel(view, QRect(10 + nameWidth + 8, 12, 70, 22),
                         QMKitStyle::italicSystemFont(15), Qt::black,
                         QStringLiteral("%1分").arg(about.mark));

    m_form->addHint(view, QRect(10, 40, 300, 18));
    m_form->addTextView(view, QRect(10, 62, 300, 150));

    const QFont font = QMKitStyle::systemFont(15);
    QMKitStyle::addLabel(view, QRect(10, 224, 40, 20), font, Qt::black, QStringLiteral("评分:"));
    m_ratingView = new QMRatingView(QRect(50, 225, 182, 18), view);
    m_scoreLabel = QMKitStyle::addLabel(view, QRect(236, 224, 24, 20), font,
                                        QMKitStyle::tintColor(), QStringLiteral("0"));
    m_scoreLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_ratingView->setRatingLable(m_scoreLabel);
    QMKitStyle::addLabel(view, QRect(262, 224, 20, 20), font, Qt::black, QStringLiteral("分"));

    m_submitButton = m_form->addSubmitButton(view, QPoint(110, 262));
    connect(m_submitButton, &QAbstractButton::clicked, this,
            &QMCommentWriteViewController::submitComment);
}

QMTextView *QMCommentWriteViewController::textView() const
{
    return m_form->textView();
}

QString QMCommentWriteViewController::commentText() const
{
    return m_form->acceptedText();
}

void QMCommentWriteViewController::submitComment()
{
    const Subject about = subject();
    // Even an empty text goes: the service judges it.
    m_form->sendComment(about.id, about.type);
}

void QMCommentWriteViewController::dismissComment()
{
    endEditing();
    // Without an opener to ask, the sheet closes itself.
    if (!askToDismiss())
        dismissModalViewController(true);
}

void QMCommentWriteViewController::commentWritten()
{
    // The opener is asked after the sheet has been let go: closing may delete this screen.
    const QMWeakDelegate<QMCommentListOwner> owner = commentListOwner;
    dismissComment();
    if (owner)
        owner->selectCommentList();
}
