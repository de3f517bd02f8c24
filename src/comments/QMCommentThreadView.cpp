#include "comments/QMCommentThreadView.h"

#include "comments/QMReplyLabel.h"
#include "kit/QMBarButton.h"
#include "kit/QMIndexButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMTableViewCell.h"

namespace {
constexpr int kBubbleTop = 8;
constexpr int kBubbleWidth = 312;
constexpr int kRowGap = 8;
constexpr int kButtonsHeight = 40;
const char *const kBubbleName = "bubble";
const char *const kAccostName = "accost";
const char *const kTransshipmentName = "transshipment";

QMBarButton *addButton(QWidget *cell, const QString &title, const char *name, int x, int y)
{
    auto *button = new QMBarButton(title, cell);
    button->setObjectName(QLatin1String(name));
    button->setFont(QMKitStyle::boldSystemFont(14));
    button->setGeometry(x, y, 70, 28);
    return button;
}
} // namespace

QMCommentThreadView::QMCommentThreadView(QWidget *parent)
    : QMTableView(parent)
    , m_measure(new QMReplyLabel(this))
{
    m_measure->hide();
    setSeparatorStyle(SeparatorStyle::None);
    setBackgroundColor(QMKitStyle::lightGrayColor());
    setAllowsSelection(false);
    setDataSource(this);
}

QMCommentThreadView::~QMCommentThreadView() = default;

void QMCommentThreadView::setThread(const std::shared_ptr<Comment> &comment,
                                    const QList<std::shared_ptr<Comment>> &replies)
{
    m_rows.clear();
    if (comment) {
        m_rows.append(comment);
        // No more than were asked for, whatever the answer holds.
        for (const std::shared_ptr<Comment> &reply : replies) {
            if (m_rows.size() > kReplyCount)
                break;
            if (reply)
                m_rows.append(reply);
        }
    }
    measureRows();
    reloadData();
}

std::shared_ptr<Comment> QMCommentThreadView::commentAtRow(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows[row] : nullptr;
}

void QMCommentThreadView::setShowsActions(bool shows)
{
    if (shows == m_showsActions)
        return;
    m_showsActions = shows;
    measureRows();
    reloadData();
}

void QMCommentThreadView::measureRows()
{
    // Each row is its bubble, all of the text and any grey box, and under the comment itself
    // its two buttons. Measuring a bubble also starts its head picture on its way.
    m_rowHeights.clear();
    for (int row = 0; row < m_rows.size(); ++row) {
        m_measure->setComment(*m_rows[row]);
        int height = kBubbleTop + m_measure->heightForWidth(kBubbleWidth) + kRowGap;
        if (row == 0 && m_showsActions)
            height += kButtonsHeight;
        m_rowHeights.push_back(height);
    }
}

int QMCommentThreadView::tableViewNumberOfRows(QMTableView *)
{
    return int(m_rows.size());
}

int QMCommentThreadView::tableViewHeightForRow(QMTableView *tableView, int row)
{
    if (row < 0 || row >= int(m_rowHeights.size()))
        return tableView->rowHeight();
    return m_rowHeights[row];
}

std::unique_ptr<QWidget> QMCommentThreadView::tableViewCellForRow(QMTableView *, int row)
{
    if (row < 0 || row >= m_rows.size())
        return nullptr;
    auto cell = std::make_unique<QMTableViewCell>();
    cell->setSelectionStyle(QMTableViewCell::SelectionStyle::None);
    cell->setBackgroundColor(QMKitStyle::lightGrayColor());

    const bool actions = row == 0 && m_showsActions;
    const int bubbleHeight =
        m_rowHeights[row] - kBubbleTop - kRowGap - (actions ? kButtonsHeight : 0);
    auto *bubble = new QMReplyLabel(cell.get());
    bubble->setObjectName(QLatin1String(kBubbleName));
    bubble->setGeometry(0, kBubbleTop, kBubbleWidth, bubbleHeight);
    bubble->setComment(*m_rows[row]);

    auto *head = new QMIndexButton(QImage(), cell.get());
    head->setShape(QMBarButton::Shape::Plain);
    head->setGeometry(QMReplyLabel::kLogoFrame.translated(0, kBubbleTop));
    head->index = row;
    head->setAccessibleName(m_rows[row]->nickname);
    connect(head, &QAbstractButton::clicked, this, [this, head] { emit headTapped(head->index); });

    if (actions) {
        const int top = kBubbleTop + bubbleHeight + 6;
        QMBarButton *accost = addButton(cell.get(), QStringLiteral("搭话"), kAccostName, 156, top);
        connect(accost, &QAbstractButton::clicked, this, &QMCommentThreadView::accostTapped);
        QMBarButton *transshipment =
            addButton(cell.get(), QStringLiteral("转载"), kTransshipmentName, 236, top);
        connect(transshipment, &QAbstractButton::clicked, this,
                &QMCommentThreadView::transshipmentTapped);
    }
    return cell;
}

QMBarButton *QMCommentThreadView::accostButton() const
{
    QWidget *cell = cellForRow(0);
    return cell ? cell->findChild<QMBarButton *>(QLatin1String(kAccostName)) : nullptr;
}

QMBarButton *QMCommentThreadView::transshipmentButton() const
{
    QWidget *cell = cellForRow(0);
    return cell ? cell->findChild<QMBarButton *>(QLatin1String(kTransshipmentName)) : nullptr;
}

QMReplyLabel *QMCommentThreadView::bubbleForRow(int row) const
{
    QWidget *cell = cellForRow(row);
    return cell ? cell->findChild<QMReplyLabel *>(QLatin1String(kBubbleName)) : nullptr;
}
