#include "members/QMMemberPanel.h"

#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "kit/QMWindow.h"
#include "members/QMMemberBar.h"
#include "services/QMViewNavigation.h"

namespace {
// The window a page goes over; a widget outside any phone window stands for its own top.
QWidget *hostOf(QWidget *from)
{
    if (!from)
        return nullptr;
    if (QMWindow *window = QMWindow::windowOf(from))
        return window;
    return from->window();
}
} // namespace

QMMemberPanel::QMMemberPanel(QWidget *parent)
    : QWidget(parent)
    , m_bar(new QMMemberBar(this))
{
    setGeometry(kFrame);
    QMKitStyle::setBackgroundColor(this, Qt::white);
    m_bar->setGeometry(0, 0, width(), kBarHeight);
    m_bar->returnButton()->setObjectName(QStringLiteral("doReturn"));
    connect(m_bar, &QMMemberBar::returnTapped, this, &QMMemberPanel::doReturn);
}

QMMemberPanel::~QMMemberPanel() = default;

QMLabel *QMMemberPanel::doLabel() const
{
    return m_bar->doLabel();
}

QMBarButton *QMMemberPanel::returnButton() const
{
    return m_bar->returnButton();
}

QString QMMemberPanel::title() const
{
    return m_bar->doLabel()->text();
}

void QMMemberPanel::setTitle(const QString &title)
{
    m_bar->setTitle(title);
}

void QMMemberPanel::doReturn()
{
    // A second touch while the page slides away changes nothing.
    if (m_leaving)
        return;
    m_leaving = true;
    if (m_presented)
        QMViewNavigation::dismissSelf(this);
    else
        QMViewNavigation::popSelf(this);
}

void QMMemberPanel::pushView(QWidget *from, QMMemberPanel *page)
{
    QWidget *host = hostOf(from);
    if (!page)
        return;
    if (!host) {
        page->deleteLater();
        return;
    }
    page->move(kFrame.topLeft());
    QMViewNavigation::pushView(host, page);
    if (auto *window = qobject_cast<QMWindow *>(host))
        window->bringAlertsToFront();
}

void QMMemberPanel::presentView(QWidget *from, QWidget *page)
{
    QWidget *host = hostOf(from);
    if (!page)
        return;
    if (!host) {
        page->deleteLater();
        return;
    }
    if (auto *panel = qobject_cast<QMMemberPanel *>(page))
        panel->m_presented = true;
    page->move(kFrame.topLeft());
    QMViewNavigation::presentView(host, page);
    if (auto *window = qobject_cast<QMWindow *>(host))
        window->bringAlertsToFront();
}

QMMemberPanel *QMMemberPanel::topPanel(const QWidget *widget)
{
    QWidget *host = hostOf(const_cast<QWidget *>(widget));
    if (!host)
        return nullptr;
    const QObjectList children = host->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto *page = qobject_cast<QMMemberPanel *>(*it);
        if (page && page->isVisible() && !page->isLeaving())
            return page;
    }
    return nullptr;
}

QRect QMMemberPanel::contentRect() const
{
    return QRect(0, kBarHeight, width(), height() - kBarHeight);
}
