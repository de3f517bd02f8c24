#pragma once

#include "kit/QMWheelPickerDataSource.h"
#include "kit/QMWheelPickerDelegate.h"
#include "net/QMWeakDelegate.h"

#include <QWidget>

#include <vector>

class QMWheelPickerColumn;

// The spinning-wheel picker: one wheel per component, side by side and centred, each turned on
// its own (drag, flick, mouse wheel, or a tap on a row). The rows in the middle band are the
// selection; rows fade toward the edges. The data source gives the wheels and their rows, the
// delegate their looks and hears of the user's choices.
class QMWheelPicker : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMWheelPicker)

public:
    explicit QMWheelPicker(QWidget *parent = nullptr);
    ~QMWheelPicker() override;

    QMWheelPickerDataSource *dataSource() const { return m_dataSource.get(); }
    void setDataSource(QMWheelPickerDataSource *dataSource);
    QMWheelPickerDelegate *delegate() const { return m_delegate.get(); }
    void setDelegate(QMWheelPickerDelegate *delegate);

    // Asks the data source and the delegate for everything again. Selected rows stay while
    // they still exist.
    void reloadAllComponents();
    void reloadComponent(int component);

    int numberOfComponents() const { return int(m_columns.size()); }
    int numberOfRowsInComponent(int component) const;

    // -1 for a wheel without rows (or no such wheel). While a wheel turns: the row it will stop
    // on. Neither selectRow nor a reload tells the delegate.
    int selectedRowInComponent(int component) const;
    void selectRow(int row, int component, bool animated);

    bool showsSelectionIndicator() const { return m_showsSelectionIndicator; }
    void setShowsSelectionIndicator(bool shows);

    // The view of a row while it is near the band, else null.
    QWidget *viewForRowForComponent(int row, int component) const;
    // Where a row is now, in the picker's coordinates.
    QRect rectForRowInComponent(int row, int component) const;
    bool isTurning() const;
    // What a row shows, to be read out: its title, or the text of its own view.
    QString titleForRow(int row, int component) const;

    // The wheel the arrow keys turn (← / → choose it).
    int keyComponent() const;

protected:
    // ↑ / ↓ a row, Page Up / Down five, Home / End to the first and last row: as the user
    // turning the wheel, so the delegate hears of the row it comes to rest on.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class QMWheelPickerColumn;
    std::unique_ptr<QWidget> makeRowView(int row, int component);
    void columnDidComeToRest(int component, int row);

    QMWheelPickerColumn *column(int component) const;
    void reloadColumn(QMWheelPickerColumn *column);
    void layoutColumns();
    void paintGlass(QWidget *glass);

    QMWeakDelegate<QMWheelPickerDataSource> m_dataSource;
    QMWeakDelegate<QMWheelPickerDelegate> m_delegate;
    std::vector<QMWheelPickerColumn *> m_columns; // children
    QWidget *m_glass;                             // the fades and the band, over the wheels
    bool m_showsSelectionIndicator = false;
    int m_keyComponent = 0;
    static constexpr int keyPageRows = 5;
};
