#pragma once

#include "kit/QMPickerViewDelegate.h"
#include "kit/QMWheelPickerDataSource.h"
#include "kit/QMWheelPickerDelegate.h"
#include "net/QMWeakDelegate.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QMBarButton;
class QMNavigationBar;
class QMNavigationItem;
class QMWheelPicker;
class QMWindow;

// The choice overlay: a dimming veil, a bar with "取消" and "确定" 156 points down, and a wheel
// picker below it filling the rest. The owner gives the wheels their rows (row source and row
// delegate, handed to the picker) and hears the choice (selection delegate). It is made as a
// child of its owner's view, raised over the whole window while in use, and goes with that view.
class QMPickerView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMPickerView)

public:
    static constexpr int barTop = 156;
    static constexpr int pickerTop = 200;

    // frame: where the overlay stands in the window while it is shown.
    explicit QMPickerView(const QRect &frame, QWidget *parent = nullptr);
    ~QMPickerView() override;

    QString navTitle() const;
    void setNavTitle(const QString &title);
    // Reloads every wheel.
    void reloadData();

    QMWheelPickerDelegate *pickerDelegate() const { return _pickerDelegate.get(); }
    void setPickerDelegate(QMWheelPickerDelegate *delegate);
    QMWheelPickerDataSource *pickerDataSource() const { return _pickerDataSource.get(); }
    void setPickerDataSource(QMWheelPickerDataSource *dataSource);
    QMPickerViewDelegate *selectionDelegate() const { return _selectionDelegate.get(); }
    void setSelectionDelegate(QMPickerViewDelegate *delegate) { _selectionDelegate = delegate; }

    QMWheelPicker *pickerView() const { return _pickerView; }
    QMNavigationBar *naviBar() const { return _naviBar; }
    QMBarButton *cancelButton() const { return m_cancelButton; }
    QMBarButton *confirmButton() const { return m_confirmButton; }

    // "取消": tells the selection delegate.
    void cancelSelection();
    // "确定": tells the selection delegate the row of every wheel.
    void conformSelection();

    // Over everything in the window but its alerts, at the frame given on creation.
    void showInWindow(QMWindow *window);
    // Back to the owner's view, hidden.
    void removeFromWindow();
    bool isInWindow() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    // Enter confirms, Esc cancels; the arrows turn the wheel.
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QMWeakDelegate<QMWheelPickerDelegate> _pickerDelegate;
    QMWeakDelegate<QMWheelPickerDataSource> _pickerDataSource;
    QMWeakDelegate<QMPickerViewDelegate> _selectionDelegate;
    QMNavigationBar *_naviBar;
    QMWheelPicker *_pickerView;
    std::unique_ptr<QMNavigationItem> _naviItem;
    QMBarButton *m_cancelButton;
    QMBarButton *m_confirmButton;
    QRect m_frame;
    QPointer<QWidget> m_home; // the owner's view, where the overlay waits while not shown
    QPointer<QMWindow> m_window;
};
