#include "kit/QMNavigationItem.h"

QMNavigationItem::QMNavigationItem(const QString &title)
    : m_title(title)
{}

QMNavigationItem::~QMNavigationItem()
{
    // Whoever shows them (the bar) may already be gone; guarded pointers tell.
    delete m_titleView.data();
    delete m_rightBarButton.data();
    delete m_leftBarButton.data();
}

void QMNavigationItem::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit changed();
}

void QMNavigationItem::setTitleFont(const QFont &font)
{
    m_titleFont = font;
    m_hasTitleFont = true;
    emit changed();
}

void QMNavigationItem::setBackBarButtonTitle(const QString &title)
{
    if (title == m_backBarButtonTitle)
        return;
    m_backBarButtonTitle = title;
    emit changed();
}

void QMNavigationItem::setHidesBackButton(bool hides)
{
    if (hides == m_hidesBackButton)
        return;
    m_hidesBackButton = hides;
    emit changed();
}

QWidget *QMNavigationItem::setTitleView(std::unique_ptr<QWidget> view)
{
    return replace(m_titleView, std::move(view));
}

QWidget *QMNavigationItem::setRightBarButton(std::unique_ptr<QWidget> button)
{
    return replace(m_rightBarButton, std::move(button));
}

QWidget *QMNavigationItem::setLeftBarButton(std::unique_ptr<QWidget> button)
{
    return replace(m_leftBarButton, std::move(button));
}

QWidget *QMNavigationItem::replace(QPointer<QWidget> &slot, std::unique_ptr<QWidget> widget)
{
    if (slot && slot != widget.get()) {
        slot->hide();
        // Later: the old button may be the one whose click asked for the change.
        slot->deleteLater();
    }
    slot = widget.release();
    emit changed();
    return slot;
}
