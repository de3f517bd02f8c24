#pragma once

#include "kit/QMTransition.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

class QLabel;
class QMBarButton;
class QMNavigationItem;

// The 44-point bar on top of a navigation stack, in the tint colour: the top item's title (or
// title view) in the middle, its left button or the back button on the left, its right button
// on the right. The back button carries the back title of the item below the top one. Usable
// alone too (an overlay with its own bar and item).
class QMNavigationBar : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMNavigationBar)

public:
    static constexpr int barHeight = 44;

    explicit QMNavigationBar(QWidget *parent = nullptr);
    ~QMNavigationBar() override;

    QColor tintColor() const { return m_tintColor; }
    void setTintColor(const QColor &color);

    // The last item is the one shown; the one before it names the back button. Items are
    // borrowed: they belong to their screens.
    void setItems(const QList<QMNavigationItem *> &items, bool animated);
    QList<QMNavigationItem *> items() const;
    QMNavigationItem *topItem() const;
    QMNavigationItem *backItem() const;

    QMBarButton *backButton() const { return m_backButton; }
    QLabel *titleLabel() const { return m_titleLabel; }

    QSize sizeHint() const override;

signals:
    void backButtonClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void relayout();
    void host(QWidget *widget);
    QString backTitleOf(const QMNavigationItem *item) const;

    QList<QPointer<QMNavigationItem>> m_items;
    QList<QPointer<QWidget>> m_hosted;
    QColor m_tintColor;
    QLabel *m_titleLabel;
    QMBarButton *m_backButton;
    QLabel *m_fadeOverlay;
    QMTransition m_fade;
};
