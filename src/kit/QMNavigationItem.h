#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

// What a screen shows in the navigation bar while it is on top of its stack: a title (or a
// title view in its place), left and right buttons, and the back button title that screens
// pushed on top of it show. Every change reaches the bar at once. The item owns the widgets
// given to it; the bar only borrows them while the item is on top.
class QMNavigationItem : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMNavigationItem)

public:
    explicit QMNavigationItem(const QString &title = {});
    ~QMNavigationItem() override;

    QString title() const { return m_title; }
    void setTitle(const QString &title);

    // Without one the bar uses its own (bold, 18 points).
    bool hasTitleFont() const { return m_hasTitleFont; }
    QFont titleFont() const { return m_titleFont; }
    void setTitleFont(const QFont &font);

    QWidget *titleView() const { return m_titleView; }
    QWidget *setTitleView(std::unique_ptr<QWidget> view);

    // Empty: the title when it is short enough, else "返回".
    QString backBarButtonTitle() const { return m_backBarButtonTitle; }
    void setBackBarButtonTitle(const QString &title);

    QWidget *rightBarButton() const { return m_rightBarButton; }
    QWidget *setRightBarButton(std::unique_ptr<QWidget> button);

    // Shown in place of the back button.
    QWidget *leftBarButton() const { return m_leftBarButton; }
    QWidget *setLeftBarButton(std::unique_ptr<QWidget> button);

    bool hidesBackButton() const { return m_hidesBackButton; }
    void setHidesBackButton(bool hides);

signals:
    void changed();

private:
    QWidget *replace(QPointer<QWidget> &slot, std::unique_ptr<QWidget> widget);

    QString m_title;
    QFont m_titleFont;
    QString m_backBarButtonTitle;
    QPointer<QWidget> m_titleView;
    QPointer<QWidget> m_rightBarButton;
    QPointer<QWidget> m_leftBarButton;
    bool m_hasTitleFont = false;
    bool m_hidesBackButton = false;
};
