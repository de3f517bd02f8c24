#pragma once

#include <QAccessibleWidget>

class QMBarButton;

// A kit button as a screen reader sees it: named by its accessible name, else its title, else
// the words its picture carries (a picture button shows its words drawn); pressed like a touch.
class QMAccessibleBarButton : public QAccessibleWidget
{
public:
    explicit QMAccessibleBarButton(QMBarButton *button);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QMBarButton *button() const;
};
