#include "comments/QMCommentRows.h"

#include "app/QMDataContext.h"
#include "comments/CommentList.h"
#include "comments/QMCommentProvider.h"
#include "comments/QMCommentRow.h"
#include "kit/QMKitStyle.h"
#include "kit/QMPageCounter.h"
#include "kit/QMTableView.h"
#include "services/QMViewBusyBee.h"

#include <QPushButton>

namespace {
// The table counts as being at its end this close to it.
constexpr int kEndSlack = 470;
} // namespace

QMCommentRows::QMCommentRows(QMTableView *table, int firstRow, QMPageCounter &counter,
                             unsigned type, QObject *parent)
    : QObject(parent)
    , m_table(table)
    , m_firstRow(firstRow)
    , m_counter(counter)
    , m_type(type)
{}

QMCommentRows::~QMCommentRows() = default;

void QMCommentRows::setBusyFrame(QWidget *host, const QRect &frame)
{
    m_busyHost = host;
    m_busyFrame = frame;
}

void QMCommentRows::requestComments()
{
    if (m_targetId.isEmpty()) // nothing would be sent, and no answer come
        return;
    QMViewBusyBee::showBusyBee(m_busyHost, m_busyFrame);
    QMCommentProvider *provider = QMDataContext::CurrentDataContext()->commentProvider();
    provider->targetId = m_targetId;
    provider->type = m_type;
    provider->startIndex = 0;
    provider->maxReturn = m_counter.maxReturn();
    provider->commentDelegate = this;
    provider->requestComments();
}

int QMCommentRows::heightForRow(int row) const
{
    return commentAtRow(row) ? QMCommentRow::kRowHeight : kMoreRowHeight;
}

std::unique_ptr<QWidget> QMCommentRows::cellForRow(int row)
{
    const std::shared_ptr<Comment> comment = commentAtRow(row);
    if (!comment)
        return moreRow();
    std::unique_ptr<QMTableViewCell> cell =
        m_table ? m_table->dequeueReusableCell(QMCommentRow::kReuseIdentifier) : nullptr;
    auto *commentRow = qobject_cast<QMCommentRow *>(cell.get());
    if (!commentRow) {
        cell = std::make_unique<QMCommentRow>();
        commentRow = static_cast<QMCommentRow *>(cell.get());
        connect(commentRow, &QMCommentRow::headTapped, this, &QMCommentRows::headTapped);
        connect(commentRow, &QMCommentRow::textTapped, this, &QMCommentRows::textTapped);
    }
    commentRow->setComment(*comment, row);
    return cell;
}

std::shared_ptr<Comment> QMCommentRows::commentAtRow(int row) const
{
    const qsizetype index = qsizetype(row) - m_firstRow;
    if (index < 0 || index >= m_commentArray.size())
        return nullptr;
    return m_commentArray[index];
}

void QMCommentRows::moreComments()
{
    if (m_counter.nextPage())
        requestComments();
}

void QMCommentRows::tableDidEndDecelerating()
{
    // Resting at the end of a list that was not a full page asks for nothing: there is no more.
    if (!m_table || !m_full)
        return;
    if (m_table->contentOffset().y() + kEndSlack >= m_table->contentSize().height())
        moreComments();
}

void QMCommentRows::commentProviderDidReceivedCommentList(QMCommentProvider *,
                                                          const std::shared_ptr<CommentList> &list)
{
    m_commentArray = list->commentArray;
    m_full = m_counter.isFull(m_commentArray.size());
    if (m_table)
        m_table->reloadData();
    stopBusy();
}

void QMCommentRows::commentProviderDidRunIntoError(QMCommentProvider *,
                                                   const std::optional<QMError> &)
{
    stopBusy();
}

std::unique_ptr<QWidget> QMCommentRows::moreRow()
{
    auto cell = std::make_unique<QMTableViewCell>(QMTableViewCell::CellStyle::Default,
                                                  kMoreReuseIdentifier);
    cell->setSelectionStyle(QMTableViewCell::SelectionStyle::None);
    cell->setBackgroundColor(QMKitStyle::lightGrayColor());
    auto *more = new QPushButton(QStringLiteral("更多评论"), cell.get());
    more->setGeometry(110, 10, 100, 30);
    more->setFont(QMKitStyle::systemFont(15));
    more->setFlat(true);
    more->setStyleSheet(QStringLiteral("color: rgb(255,128,0); border: none;"));
    // Fewer comments than were asked for: there are no more.
    const bool full = m_counter.isFull(m_commentArray.size());
    more->setVisible(full);
    more->setEnabled(full);
    connect(more, &QPushButton::clicked, this, &QMCommentRows::moreComments);
    m_moreButton = more;
    return cell;
}

void QMCommentRows::stopBusy()
{
    QMViewBusyBee::removeBusyBee(m_busyHost);
}
