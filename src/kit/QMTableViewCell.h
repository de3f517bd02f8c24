#pragma once

#include "kit/QMLabel.h"

#include <QColor>
#include <QWidget>

class QLabel;

// A row of a table in the platform's usual shape: a picture, a text and a detail text, an
// accessory mark on the right, and the look of a selected row. Screens may also place widgets
// of their own on it; they keep the coordinates they are given.
class QMTableViewCell : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMTableViewCell)

public:
    enum class CellStyle { Default, Subtitle, Value1 };
    enum class Accessory { None, DisclosureIndicator, Checkmark };
    enum class SelectionStyle { None, Default, Gray };

    explicit QMTableViewCell(CellStyle style = CellStyle::Default,
                             const QString &reuseIdentifier = {}, QWidget *parent = nullptr);

    QString reuseIdentifier() const { return m_reuseIdentifier; }
    CellStyle cellStyle() const { return m_style; }

    // Created on first use. The texts end in "…" when they do not fit the row.
    QLabel *imageView();
    QMLabel *textLabel();
    QMLabel *detailTextLabel();

    Accessory accessoryType() const { return m_accessory; }
    void setAccessoryType(Accessory accessory);

    SelectionStyle selectionStyle() const { return m_selectionStyle; }
    void setSelectionStyle(SelectionStyle style);

    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color);

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted);

    // Called by the table before a reused cell is handed out again.
    virtual void prepareForReuse();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void relayout();
    QMLabel *makeLabel(qreal fontSize, bool bold, const QColor &color);

    CellStyle m_style;
    QString m_reuseIdentifier;
    QLabel *m_imageView = nullptr;
    QMLabel *m_textLabel = nullptr;
    QMLabel *m_detailTextLabel = nullptr;
    Accessory m_accessory = Accessory::None;
    SelectionStyle m_selectionStyle = SelectionStyle::Default;
    QColor m_backgroundColor = Qt::white;
    bool m_selected = false;
    bool m_highlighted = false;
};
