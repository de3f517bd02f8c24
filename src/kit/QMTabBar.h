#pragma once

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

class QMTabBarItem;

// The 49-point bar of tabs at the bottom of the screen: a glyph over a title for each item, the
// selected one in the tint colour. A touch on an item reports it; the controller decides.
class QMTabBar : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMTabBar)

public:
    static constexpr int barHeight = 49;

    explicit QMTabBar(QWidget *parent = nullptr);

    void setItems(const QList<QMTabBarItem *> &items);
    QList<QMTabBarItem *> items() const;

    int selectedIndex() const { return m_selectedIndex; }
    void setSelectedIndex(int index);

    QColor tintColor() const { return m_tintColor; }
    void setTintColor(const QColor &color);

    QRect itemRect(int index) const;
    int indexAt(const QPoint &position) const;

    QSize sizeHint() const override;

    // The same as a touch on the item (Ctrl+1, 2, 3); false when there is no such item.
    bool tapItem(int index);

signals:
    void itemTapped(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QList<QPointer<QMTabBarItem>> m_items;
    int m_selectedIndex = -1;
    QColor m_tintColor;
};
