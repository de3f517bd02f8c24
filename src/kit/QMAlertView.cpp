#include "kit/QMAlertView.h"

#include "kit/QMAccessibleAnnouncer.h"
#include "kit/QMAccessibleFactory.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMWindow.h"

#include <QAccessible>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPropertyAnimation>

static QList<QPointer<QMAlertView>> &shownAlerts()
{
    static QList<QPointer<QMAlertView>> alerts;
    return alerts;
}

static constexpr int boxWidth = 270;
static constexpr int padding = 16;
static constexpr int buttonHeight = 44;

QMAlertView *QMAlertView::show(const QString &title, const QString &message,
                               const QString &buttonTitle, std::function<void()> onDismiss)
{
    QMWindow *window = QMWindow::keyWindow();
    auto *alert = new QMAlertView(title, message, buttonTitle, std::move(onDismiss), window);
    if (window) {
        alert->setGeometry(window->rect());
    } else {
        alert->setAttribute(Qt::WA_TranslucentBackground);
        alert->resize(QMWindow::windowWidth, QMWindow::windowHeight);
    }
    alert->QWidget::show();
    alert->raise();
    alert->setFocus(Qt::OtherFocusReason);
    alert->fadeIn();
    QAccessibleEvent announcement(alert, QAccessible::Alert);
    QMAccessibleAnnouncer::announce(&announcement);
    return alert;
}

QMAlertView::QMAlertView(const QString &title, const QString &message, const QString &buttonTitle,
                         std::function<void()> onDismiss, QWidget *parent)
    : QWidget(parent)
    , m_title(title)
    , m_message(message)
    , m_onDismiss(std::move(onDismiss))
    , m_titleLabel(new QLabel(title, this))
    , m_messageLabel(new QLabel(message, this))
    , m_button(new QMBarButton(buttonTitle.isEmpty() ? QStringLiteral("确定") : buttonTitle, this))
{
    QMAccessibleFactory::install();
    setObjectName(QStringLiteral("QMAlertView"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(title.isEmpty() ? message : title);
    setAccessibleDescription(message);
    for (QLabel *label : {m_titleLabel, m_messageLabel}) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
    }
    m_titleLabel->setFont(QMKitStyle::boldSystemFont(17));
    m_titleLabel->setVisible(!title.isEmpty());
    m_messageLabel->setFont(QMKitStyle::systemFont(14));
    QPalette ink = m_messageLabel->palette();
    ink.setColor(QPalette::WindowText, QColor(60, 60, 64));
    m_messageLabel->setPalette(ink);
    m_button->setShape(QMBarButton::Shape::Plain);
    m_button->setObjectName(QStringLiteral("QMAlertViewButton"));
    connect(m_button, &QMBarButton::clicked, this, &QMAlertView::clickButton);
    shownAlerts().append(this);
    relayout();
}

QMAlertView::~QMAlertView()
{
    shownAlerts().removeAll(this);
}

QList<QMAlertView *> QMAlertView::visibleAlerts()
{
    QList<QMAlertView *> result;
    for (const QPointer<QMAlertView> &alert : std::as_const(shownAlerts())) {
        if (alert && !alert->m_dismissed)
            result.append(alert);
    }
    return result;
}

void QMAlertView::clickButton()
{
    if (m_dismissed)
        return;
    m_dismissed = true;
    shownAlerts().removeAll(this);
    hide();
    QPointer<QMAlertView> self(this);
    std::function<void()> onDismiss = std::move(m_onDismiss);
    m_onDismiss = nullptr;
    if (onDismiss)
        onDismiss();
    if (self)
        self->deleteLater();
}

void QMAlertView::relayout()
{
    const int textWidth = boxWidth - 2 * padding;
    const int titleHeight = m_title.isEmpty() ? 0 : m_titleLabel->heightForWidth(textWidth);
    const int titleGap = m_title.isEmpty() ? 0 : 6;
    const int chrome = 20 + titleHeight + titleGap + 18 + buttonHeight;
    int messageHeight = m_message.isEmpty() ? 0 : m_messageLabel->heightForWidth(textWidth);
    // A very long message is cut rather than pushing the button off the phone.
    messageHeight = qMin(messageHeight, qMax(0, qMax(height() - 40, 160) - chrome));
    const int boxHeight = chrome + messageHeight;
    m_box = QRect((width() - boxWidth) / 2, (height() - boxHeight) / 2, boxWidth, boxHeight);
    int y = m_box.top() + 20;
    m_titleLabel->setGeometry(m_box.left() + padding, y, textWidth, titleHeight);
    y += titleHeight + titleGap;
    m_messageLabel->setGeometry(m_box.left() + padding, y, textWidth, messageHeight);
    m_button->setGeometry(m_box.left(), m_box.bottom() + 1 - buttonHeight, boxWidth, buttonHeight);
}

void QMAlertView::fadeIn()
{
    auto *effect = new QGraphicsOpacityEffect(this);
    effect->setOpacity(0.0);
    setGraphicsEffect(effect);
    auto *animation = new QPropertyAnimation(effect, "opacity", this);
    animation->setDuration(150);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    // Drawn directly again once visible: the effect only serves the fade.
    connect(animation, &QPropertyAnimation::finished, this, [this] { setGraphicsEffect(nullptr); });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void QMAlertView::resizeEvent(QResizeEvent *)
{
    relayout();
}

void QMAlertView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0, 0, 0, 100));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRoundedRect(QRectF(m_box).translated(0, 2).adjusted(-1, -1, 1, 1), 13, 13);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(m_box), 12, 12);
    painter.setPen(QMKitStyle::separatorColor());
    const int line = m_box.bottom() + 1 - buttonHeight;
    painter.drawLine(m_box.left(), line, m_box.right(), line);
}

void QMAlertView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
        clickButton();
        return;
    default:
        event->accept(); // nothing reaches the screens underneath
    }
}

bool QMAlertView::focusNextPrevChild(bool)
{
    return true; // Tab stays on the alert
}

void QMAlertView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void QMAlertView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}
