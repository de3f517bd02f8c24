#pragma once

#include <QWidget>

class QPlainTextEdit;

// A grey speech bubble, its pointer on the top edge a quarter of the way in, holding a small
// text area.
class QMGrayText : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMGrayText)

public:
    explicit QMGrayText(const QRect &frame, QWidget *parent = nullptr);

    QPlainTextEdit *reply() const { return _reply; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPlainTextEdit *_reply;
};
