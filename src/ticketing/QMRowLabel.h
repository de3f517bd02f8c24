#pragma once

#include <QWidget>

class QLabel;

// The name of one row on the "row_back.png" badge, in white.
class QMRowLabel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMRowLabel)

public:
    explicit QMRowLabel(const QRect &frame, QWidget *parent = nullptr);
    ~QMRowLabel() override;

    QLabel *indexLabel() const { return m_indexLabel; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_indexLabel;
};
