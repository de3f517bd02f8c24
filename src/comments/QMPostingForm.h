#pragma once

#include "comments/QMCommentAddProviderDelegate.h"
#include "comments/QMReCommentAddProviderDelegate.h"
#include "kit/QMTextView.h"
#include "kit/QMTextViewDelegate.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QLabel;
class QMBarButton;
class QWidget;

// What every screen that writes shares (comments, posts, replies, re-posts): the text view held
// to the 140-character limit, the write sent as the signed-in member, and the answer. A write
// the service did ("ture") shows "成功" with the screen's message and, once the member has read
// it, runs the screen's next step; a failure shows "错误" and keeps the text; any other verdict
// shows nothing. A second submit while one write is on its way is ignored, so a double tap
// posts once.
class QMPostingForm : public QObject,
                      public QMTextViewDelegate,
                      public QMCommentAddProviderDelegate,
                      public QMReCommentAddProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMPostingForm)

public:
    explicit QMPostingForm(QObject *parent = nullptr);
    ~QMPostingForm() override;

    // The parts of the form, each placed by the screen.
    QLabel *addHint(QWidget *parent, const QRect &frame);
    QMTextView *addTextView(QWidget *parent, const QRect &frame);
    QMBarButton *addSubmitButton(QWidget *parent, const QPoint &topLeft);

    QMTextView *textView() const { return m_textView; }
    // The last text within the limit.
    QString acceptedText() const { return m_acceptedText; }

    // The message of the "成功" alert ("评论成功！", "转载成功！", ...).
    void setSuccessMessage(const QString &message) { m_successMessage = message; }
    // The view that shows a busy indicator while a write is on its way; none without one.
    void setBusyView(QWidget *view) { m_busyView = view; }
    // The screen's next step after a successful write, once its alert has gone.
    void setSuccessAction(std::function<void()> action) { m_successAction = std::move(action); }

    bool isSending() const { return m_sending; }

    // The text as a comment on relatedid (type 0 a cinema, 1 a film, 2 a member, anything else
    // nothing linked), or with transferid a re-post. Every parameter of the shared provider is
    // set, so nothing of an earlier write rides along. False when a write is already on its way.
    bool sendComment(const QString &relatedid, unsigned type, const QString &transferid = {});
    // The text as a reply to a comment.
    bool sendReply(const QString &commentid);

    void textViewDidChange(QMTextView *textView) override;
    void commentAddProviderDidReceiveInsertData(QMCommentAddProvider *provider,
                                                const std::shared_ptr<InsertData> &data) override;
    void commentAddProviderDidRunIntoError(QMCommentAddProvider *provider,
                                           const std::optional<QMError> &error) override;
    void reCommentAddProviderDidReceiveInsertData(QMReCommentAddProvider *provider,
                                                  const std::shared_ptr<InsertData> &data) override;
    void reCommentAddProviderDidRunIntoError(QMReCommentAddProvider *provider,
                                             const std::optional<QMError> &error) override;

private:
    bool beginSending();
    void answer(const std::shared_ptr<InsertData> &data);
    void fail(const std::optional<QMError> &error);
    void endSending();

    QPointer<QMTextView> m_textView;
    QPointer<QWidget> m_busyView;
    QString m_acceptedText;
    QString m_successMessage;
    std::function<void()> m_successAction;
    bool m_sending = false;
};
