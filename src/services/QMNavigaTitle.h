#pragma once

#include <QWidget>

class QLabel;

// A title for a navigation bar's title view: black text centred in 200 × 45 points.
class QMNavigaTitle : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMNavigaTitle)

public:
    explicit QMNavigaTitle(const QRect &frame, QWidget *parent = nullptr);

    void setName(const QString &name);
    QString name() const;

private:
    QLabel *_label;
};
