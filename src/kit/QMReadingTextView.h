#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QMScrollView;

// Text to read, not to edit: wrapped to the view's width and scrolled like the phone's lists
// when it is longer than the view. An optional one-point border.
class QMReadingTextView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMReadingTextView)

public:
    explicit QMReadingTextView(QWidget *parent = nullptr);
    ~QMReadingTextView() override;

    QString text() const;
    // From the top again.
    void setText(const QString &text);
    void setTextFont(const QFont &font);
    // No border while the colour is invalid (the default).
    void setBorderColor(const QColor &color);

    QLabel *label() const { return m_label; }
    QMScrollView *scrollView() const { return m_scrollView; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void relayout();

    QMScrollView *m_scrollView;
    QLabel *m_label;
    QColor m_borderColor;
};
