#include "comments/QMPostingForm.h"

#include "app/QMDataContext.h"
#include "comments/InsertData.h"
#include "comments/QMCommentAddProvider.h"
#include "comments/QMReCommentAddProvider.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMTextLimit.h"
#include "kit/QMTextView.h"
#include "members/MemberCache.h"
#include "members/QMLoginProvider.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>

namespace {
QString memberEncode()
{
    const QMLoginProvider *login = QMDataContext::CurrentDataContext()->loginProvider();
    return login->loginMemeber ? login->loginMemeber->memberEncode : QString();
}
} // namespace

QMPostingForm::QMPostingForm(QObject *parent)
    : QObject(parent)
{}

QMPostingForm::~QMPostingForm() = default;

QLabel *QMPostingForm::addHint(QWidget *parent, const QRect &frame)
{
    return QMKitStyle::addLabel(parent, frame, QMKitStyle::systemFont(13), QColor(110, 110, 114),
                                QStringLiteral("限140字"));
}

QMTextView *QMPostingForm::addTextView(QWidget *parent, const QRect &frame)
{
    m_textView = new QMTextView(frame, parent);
    // Read out with the hint shown above it.
    m_textView->setAccessibleName(QStringLiteral("限140字"));
    m_textView->setDelegate(this);
    m_acceptedText = m_textView->text();
    return m_textView;
}

QMBarButton *QMPostingForm::addSubmitButton(QWidget *parent, const QPoint &topLeft)
{
    auto *submit = new QMBarButton(
        QString(), QMResourceImages::named(QStringLiteral("btn_submit.png")), parent);
    submit->setGeometry(QRect(topLeft, QSize(100, 32)));
    return submit;
}

bool QMPostingForm::sendComment(const QString &relatedid, unsigned type, const QString &transferid)
{
    if (!beginSending())
        return false;
    QMCommentAddProvider *provider = QMDataContext::CurrentDataContext()->commentAddProvider();
    provider->memberEncode = memberEncode();
    provider->relatedid = relatedid;
    provider->transferid = transferid;
    provider->body = m_textView ? m_textView->text() : m_acceptedText;
    provider->type = type;
    provider->commentAddDelegate = this;
    provider->requestCommentAdd();
    return true;
}

bool QMPostingForm::sendReply(const QString &commentid)
{
    if (commentid.isEmpty() || !beginSending())
        return false; // the provider would send nothing and never answer
    QMReCommentAddProvider *provider = QMDataContext::CurrentDataContext()->reCommentAddProvider();
    provider->commentid = commentid;
    provider->memberEncode = memberEncode();
    provider->body = m_textView ? m_textView->text() : m_acceptedText;
    provider->reCommentAddDelegate = this;
    provider->requestReCommentAdd();
    return true;
}

void QMPostingForm::textViewDidChange(QMTextView *textView)
{
    QMTextLimit::judgeChange(textView, m_acceptedText);
}

void QMPostingForm::commentAddProviderDidReceiveInsertData(QMCommentAddProvider *,
                                                           const std::shared_ptr<InsertData> &data)
{
    answer(data);
}

void QMPostingForm::commentAddProviderDidRunIntoError(QMCommentAddProvider *,
                                                      const std::optional<QMError> &error)
{
    fail(error);
}

void QMPostingForm::reCommentAddProviderDidReceiveInsertData(
    QMReCommentAddProvider *, const std::shared_ptr<InsertData> &data)
{
    answer(data);
}

void QMPostingForm::reCommentAddProviderDidRunIntoError(QMReCommentAddProvider *,
                                                        const std::optional<QMError> &error)
{
    fail(error);
}

bool QMPostingForm::beginSending()
{
    if (m_sending)
        return false;
    m_sending = true;
    if (m_textView)
        m_textView->endEditing();
    if (m_busyView)
        QMViewBusyBee::showBusyBeeAtCenter(m_busyView, 40);
    return true;
}

void QMPostingForm::answer(const std::shared_ptr<InsertData> &data)
{
    endSending();
    if (!data || !data->isDone())
        return;
    QPointer<QMPostingForm> form = this;
    QMAlertView::show(QStringLiteral("成功"), m_successMessage, QStringLiteral("ok"), [form] {
        if (form && form->m_successAction)
            form->m_successAction();
    });
}

void QMPostingForm::fail(const std::optional<QMError> &error)
{
    endSending();
    QMAlertView::show(QStringLiteral("错误"), QMError::alertText(error), QStringLiteral("ok"));
}

void QMPostingForm::endSending()
{
    m_sending = false;
    if (m_busyView)
        QMViewBusyBee::removeBusyBee(m_busyView);
}
