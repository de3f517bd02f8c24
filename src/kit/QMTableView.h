#pragma once

#include "kit/QMScrollView.h"

#include <QColor>
#include <QHash>
#include <QTimer>

#include <map>
#include <memory>
#include <vector>

class QLabel;
class QMTableViewCell;
class QMTableViewDataSource;

// A vertical list of rows of varying heights, built by the screen through its data source.
// Only rows near the visible area have widgets; the others are built when they come near and
// dropped when they go far, so lists of hundreds of rows scroll smoothly. A tap selects a row
// (a tap on a button inside a row is the button's); the selected row keeps its highlight until
// the screen deselects it.
class QMTableView : public QMScrollView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMTableView)

public:
    enum class SeparatorStyle { None, SingleLine };
    enum class ScrollPosition { None, Top, Middle, Bottom };

    explicit QMTableView(QWidget *parent = nullptr);
    ~QMTableView() override;

    QMTableViewDataSource *dataSource() const { return m_dataSource.get(); }
    // Also the table's scroll delegate.
    void setDataSource(QMTableViewDataSource *dataSource);
    // Asks the data source for everything again; the selection is cleared.
    void reloadData();

    int numberOfRows() const { return int(m_rowTops.size()) - 1; }
    int rowHeight() const { return m_rowHeight; }
    void setRowHeight(int height) { m_rowHeight = qMax(0, height); }

    SeparatorStyle separatorStyle() const { return m_separatorStyle; }
    void setSeparatorStyle(SeparatorStyle style);
    QColor separatorColor() const { return m_separatorColor; }
    void setSeparatorColor(const QColor &color);
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color);

    // In content coordinates.
    QRect rectForRow(int row) const;
    int rowAtPoint(const QPoint &contentPosition) const;
    // The live widget of a row, or null when the row is far from view.
    QWidget *cellForRow(int row) const;
    int rowForCell(const QWidget *cell) const;
    QList<int> visibleRows() const;

    bool allowsSelection() const { return m_allowsSelection; }
    void setAllowsSelection(bool allows) { m_allowsSelection = allows; }
    int selectedRow() const { return m_selectedRow; }
    // Neither tells the data source.
    void selectRow(int row, bool animated, ScrollPosition position = ScrollPosition::None);
    // The same as a tap on the row (a screen reader's press): selects it and tells the data
    // source; nothing when the table allows no selection.
    void tapRow(int row);
    void deselectRow(int row, bool animated);

    void scrollToRow(int row, ScrollPosition position, bool animated);

    // A cell given up earlier with this identifier, ready to be filled again; null when none.
    std::unique_ptr<QMTableViewCell> dequeueReusableCell(const QString &identifier);

protected:
    void contentOffsetDidChange() override;
    void contentPressed(const QPoint &contentPosition, QWidget *target) override;
    void contentPressCancelled() override;
    void contentTapped(const QPoint &contentPosition, QWidget *target) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int headerHeight() const;
    int firstRowBelow(int y) const;
    void layoutRows();
    void placeCell(int row, QWidget *cell) const;
    void dropCell(QWidget *cell);
    void dropAllCells();
    void showRowState(int row);
    void placeHeader();

    QMWeakDelegate<QMTableViewDataSource> m_dataSource;
    std::vector<int> m_rowTops{0}; // one more than rows: the last is the total height
    std::map<int, QPointer<QWidget>> m_cells;
    QHash<QString, std::vector<QPointer<QMTableViewCell>>> m_reusable;
    QLabel *m_header;
    int m_rowHeight = 44;
    SeparatorStyle m_separatorStyle = SeparatorStyle::SingleLine;
    QColor m_separatorColor;
    QColor m_backgroundColor = Qt::white;
    bool m_allowsSelection = true;
    int m_selectedRow = -1;
    int m_pressedRow = -1;
    bool m_layingOut = false;
    QTimer m_highlightDelay;
};
