#pragma once

#include <QWidget>

class QMBarButton;
class QMLabel;

// The bar on top of every view pushed over the member area: its picture, the return button on
// the left and the view's title in the middle.
class QMMemberBar : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMemberBar)

public:
    static constexpr int kHeight = 44;

    // Across the top of parent.
    explicit QMMemberBar(QWidget *parent);

    QMBarButton *returnButton() const { return m_returnButton; }
    QMLabel *doLabel() const { return m_doLabel; }
    void setTitle(const QString &title);

signals:
    void returnTapped();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QMBarButton *m_returnButton;
    QMLabel *m_doLabel;
};
