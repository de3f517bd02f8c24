#include "QMContactSheet.h"

#include "QMArtEntry.h"
#include "QMArtPalette.h"
#include "QMArtSurfaces.h"
#include "QMArtText.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal kSheetWidth = 760;
constexpr qreal kMargin = 16;
constexpr qreal kPad = 8;
constexpr qreal kLabelHeight = 30;
constexpr qreal kGap = 8;

struct Cell
{
    const QMArtEntry *entry;
    QImage image;
    QRectF frame; // the whole cell on the sheet
};

bool showsBackdrop(const QMArtEntry &entry)
{
    return entry.backdrop() != QMArtEntry::Backdrop::White;
}

QSizeF cellSize(const QMArtEntry &entry)
{
    const QSizeF picture = entry.points();
    const qreal pictures = showsBackdrop(entry) ? picture.width() * 2 + kGap : picture.width();
    const qreal name = QMArtText::advance(entry.name(), 11, QMArtText::Weight::Bold);
    return {std::max(pictures, name) + 2 * kPad, picture.height() + kLabelHeight + 2 * kPad};
}

void paintGround(QPainter &painter, const QRectF &rect, QMArtEntry::Backdrop backdrop)
{
    switch (backdrop) {
    case QMArtEntry::Backdrop::White:
        painter.fillRect(rect, Qt::white);
        break;
    case QMArtEntry::Backdrop::Grey:
        painter.fillRect(rect, QMArtPalette::screenGrey());
        break;
    case QMArtEntry::Backdrop::Bar:
        QMArtSurfaces::navigationBar(painter, rect.adjusted(0, -6, 0, 6));
        break;
    }
}

void paintCell(QPainter &painter, const Cell &cell)
{
    const QMArtEntry &entry = *cell.entry;
    painter.fillRect(cell.frame, Qt::white);
    painter.setPen(QPen(QColor(0xCC, 0xCC, 0xCC), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.frame);

    const QRectF label(cell.frame.left() + kPad, cell.frame.top() + kPad - 2,
                       cell.frame.width() - 2 * kPad, 14);
    QMArtText::draw(painter, label, entry.name(), 11, QMArtText::Weight::Bold, QMArtPalette::ink(),
                    QMArtText::Align::Left);
    const QSizeF points = entry.points();
    QMArtText::draw(painter, label.translated(0, 13),
                    QStringLiteral("%1 × %2 pt").arg(points.width()).arg(points.height()), 9,
                    QMArtText::Weight::Regular, QMArtPalette::mute(), QMArtText::Align::Left);

    QRectF picture(QPointF(cell.frame.left() + kPad, cell.frame.top() + kPad + kLabelHeight),
                   points);
    // A light frame just outside the picture shows where its edges are.
    painter.setPen(QPen(QColor(0x9C, 0xC8, 0xF0), 0.5, Qt::DotLine));
    painter.drawRect(picture.adjusted(-0.5, -0.5, 0.5, 0.5));
    painter.drawImage(picture, cell.image);
    if (showsBackdrop(entry)) {
        picture.translate(points.width() + kGap, 0);
        painter.save();
        painter.setClipRect(picture.adjusted(-4, -4, 4, 4));
        paintGround(painter, picture.adjusted(-4, -4, 4, 4), entry.backdrop());
        painter.restore();
        painter.drawImage(picture, cell.image);
    }
}

} // namespace

QImage QMContactSheet::render(const std::vector<QMArtEntry> &entries)
{
    std::vector<Cell> cells;
    qreal x = kMargin;
    qreal y = kMargin + 26;
    qreal rowHeight = 0;
    for (const QMArtEntry &entry : entries) {
        const QSizeF size = cellSize(entry);
        if (x > kMargin && x + size.width() > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        cells.push_back({&entry, entry.render(), QRectF(QPointF(x, y), size)});
        x += size.width() + kGap;
        rowHeight = std::max(rowHeight, size.height());
    }
    const qreal height = y + rowHeight + kMargin;

    const qreal scale = QMArtEntry::kScale;
    QImage sheet(int(std::ceil(kSheetWidth * scale)), int(std::ceil(height * scale)),
                 QImage::Format_RGB32);
    sheet.fill(QColor(0xE4, 0xE4, 0xE4));
    QPainter painter(&sheet);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    QMArtText::draw(
        painter, QRectF(kMargin, kMargin - 4, kSheetWidth, 20),
        QStringLiteral("%1 pictures, shown at their size in points").arg(entries.size()), 14,
        QMArtText::Weight::Bold, QMArtPalette::ink(), QMArtText::Align::Left);
    for (const Cell &cell : cells)
        paintCell(painter, cell);
    painter.end();
    return sheet;
}
