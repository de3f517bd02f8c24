#pragma once

#include "members/QMSaveMemberInfoProviderDelegate.h"

#include <QWidget>

class QMBarButton;
class QMTextField;

// The editor of the member's mobile number, over the settings. A number is sent only when it
// has exactly 11 characters; the service judges the rest. It closes itself after a change the
// service kept, or when the member gives up.
class QMUpdatePhoneView : public QWidget, public QMSaveMemberInfoProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMUpdatePhoneView)

public:
    static constexpr int kPhoneLength = 11;

    explicit QMUpdatePhoneView(QWidget *parent = nullptr);
    ~QMUpdatePhoneView() override;

    QMTextField *phoneText() const { return m_phoneText; }
    QMBarButton *cancelButton() const { return m_cancelButton; }
    QMBarButton *confirmButton() const { return m_confirmButton; }
    bool isSending() const { return m_sending; }

    // Exactly 11 characters (code points), whatever they are.
    static bool isPhoneLength(const QString &text);

    void updatePhone();
    void cancelPhone();
    // Closes the editor and tells the settings.
    void gotoView();
    void endEditing();

    void
    saveMemberInfoProviderDidReceiveInsertData(QMSaveMemberInfoProvider *provider,
                                               const std::shared_ptr<InsertData> &data) override;
    void saveMemberInfoProviderDidRunIntoError(QMSaveMemberInfoProvider *provider,
                                               const std::optional<QMError> &error) override;

signals:
    void didFinish();

private:
    void stopSending();

    QMTextField *m_phoneText;
    QMBarButton *m_cancelButton;
    QMBarButton *m_confirmButton;
    bool m_sending = false;
    bool m_finished = false;
};
