#include "members/QMCommentFeedView.h"

#include "app/QMDataContext.h"
#include "comments/Comment.h"
#include "comments/CommentList.h"
#include "comments/QMReplyLabel.h"
#include "kit/QMIndexButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMPageCounter.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "members/MemberCache.h"
#include "members/MemberInfo.h"
#include "members/QMLoginProvider.h"
#include "members/QMMySayInfoView.h"
#include "members/QMUserView.h"
#include "services/QMViewBusyBee.h"

namespace {
constexpr int kBubbleTop = 6;
constexpr int kBubbleWidth = 312;
constexpr int kRowGap = 6;
constexpr int kMoreRowHeight = 50;
const char *const kBubbleName = "bubble";
const char *const kHeadName = "head";
const char *const kTextName = "text";
const char *const kMoreName = "more";

QMIndexButton *addClearButton(QWidget *cell, const char *name, const QRect &frame, int row)
{
    auto *button = new QMIndexButton(QImage(), cell);
    button->setObjectName(QLatin1String(name));
    button->setShape(QMBarButton::Shape::Plain);
    button->setGeometry(frame);
    button->index = row;
    return button;
}
} // namespace

QMCommentFeedView::QMCommentFeedView(QMPageCounter &counter, QWidget *parent)
    : QWidget(parent)
    , m_counter(counter)
    , m_tableView(new QMTableView(this))
    , m_measure(new QMReplyLabel(this))
{
    resize(320, 331);
    m_measure->hide();
    m_tableView->setSeparatorStyle(QMTableView::SeparatorStyle::None);
    m_tableView->setBackgroundColor(QMKitStyle::lightGrayColor());
    m_tableView->setAllowsSelection(false);
    m_tableView->setDataSource(this);
}

QMCommentFeedView::~QMCommentFeedView() = default;

void QMCommentFeedView::resizeEvent(QResizeEvent *)
{
    m_tableView->setGeometry(rect());
}

void QMCommentFeedView::loadData()
{
    QMViewBusyBee::removeBusyBee(this);
    QMViewBusyBee::showBusyBeeAtCenter(this, 30);
    const auto &member = QMDataContext::CurrentDataContext()->loginProvider()->loginMemeber;
    requestFeed(member ? member->memberid : QString(), m_counter.maxReturn());
}

void QMCommentFeedView::nextPage()
{
    if (m_counter.nextPage())
        loadData();
}

QString QMCommentFeedView::answeredText(const Comment &) const
{
    return {};
}

void QMCommentFeedView::showComments(const std::shared_ptr<CommentList> &list)
{
    QMViewBusyBee::removeBusyBee(this);
    m_commentArray.clear();
    if (list) {
        for (const std::shared_ptr<Comment> &comment : list->commentArray) {
            if (comment)
                m_commentArray.append(comment);
        }
    }
    // Each row is as high as its bubble with all of its text and the grey line under it.
    // Measuring a bubble also starts its head picture on its way.
    m_rowHeights.clear();
    for (const std::shared_ptr<Comment> &comment : std::as_const(m_commentArray)) {
        m_measure->setComment(*comment);
        if (const QString answered = answeredText(*comment); !answered.isEmpty())
            m_measure->setTransferText(answered);
        m_rowHeights.push_back(kBubbleTop + m_measure->heightForWidth(kBubbleWidth) + kRowGap);
    }
    m_tableView->reloadData();
}

void QMCommentFeedView::showFailure()
{
    QMViewBusyBee::removeBusyBee(this);
}

bool QMCommentFeedView::isFullPage() const
{
    return m_counter.isFull(m_commentArray.size());
}

int QMCommentFeedView::tableViewNumberOfRows(QMTableView *)
{
    return int(m_commentArray.size()) + 1; // the last row offers more
}

int QMCommentFeedView::tableViewHeightForRow(QMTableView *, int row)
{
    if (row < 0 || row >= int(m_rowHeights.size()))
        return kMoreRowHeight;
    return m_rowHeights[row];
}

std::unique_ptr<QWidget> QMCommentFeedView::tableViewCellForRow(QMTableView *, int row)
{
    if (row < 0 || row > m_commentArray.size())
        return nullptr;
    if (row == m_commentArray.size())
        return moreRow();
    const Comment &comment = *m_commentArray[row];
    auto cell = std::make_unique<QMTableViewCell>();
    cell->setSelectionStyle(QMTableViewCell::SelectionStyle::None);
    cell->setBackgroundColor(QMKitStyle::lightGrayColor());

    const int bubbleHeight = m_rowHeights[row] - kBubbleTop - kRowGap;
    auto *bubble = new QMReplyLabel(cell.get());
    bubble->setObjectName(QLatin1String(kBubbleName));
    bubble->setGeometry(0, kBubbleTop, kBubbleWidth, bubbleHeight);
    bubble->setComment(comment);
    if (const QString answered = answeredText(comment); !answered.isEmpty())
        bubble->setTransferText(answered);

    QMIndexButton *head = addClearButton(cell.get(), kHeadName,
                                         QMReplyLabel::kLogoFrame.translated(0, kBubbleTop), row);
    head->setAccessibleName(comment.nickname);
    connect(head, &QAbstractButton::clicked, this, [this, head] { selectUserInfo(head->index); });
    QMIndexButton *text =
        addClearButton(cell.get(), kTextName,
                       QRect(QMReplyLabel::kReplyLeft, kBubbleTop + QMReplyLabel::kReplyTop,
                             kBubbleWidth - QMReplyLabel::kReplyLeft - 4,
                             bubbleHeight - QMReplyLabel::kReplyTop - 4),
                       row);
    text->setAccessibleName(comment.body);
    connect(text, &QAbstractButton::clicked, this,
            [this, text] { selectCommentInfo(text->index); });
    return cell;
}

std::unique_ptr<QWidget> QMCommentFeedView::moreRow()
{
    auto cell = std::make_unique<QMTableViewCell>();
    cell->setSelectionStyle(QMTableViewCell::SelectionStyle::None);
    cell->setBackgroundColor(QMKitStyle::lightGrayColor());
    auto *more = new QMBarButton(QStringLiteral("更多信息"), cell.get());
    more->setObjectName(QLatin1String(kMoreName));
    more->setShape(QMBarButton::Shape::Plain);
    more->setFont(QMKitStyle::systemFont(15));
    more->setGeometry(110, 10, 100, 30);
    // Less than a full page means there is no more.
    const bool full = isFullPage();
    more->setVisible(full);
    more->setEnabled(full);
    connect(more, &QAbstractButton::clicked, this, &QMCommentFeedView::nextPage);
    return cell;
}

QMBarButton *QMCommentFeedView::moreButton() const
{
    QWidget *cell = m_tableView->cellForRow(int(m_commentArray.size()));
    return cell ? cell->findChild<QMBarButton *>(QLatin1String(kMoreName)) : nullptr;
}

QMReplyLabel *QMCommentFeedView::bubbleForRow(int row) const
{
    QWidget *cell = m_tableView->cellForRow(row);
    return cell ? cell->findChild<QMReplyLabel *>(QLatin1String(kBubbleName)) : nullptr;
}

QMIndexButton *QMCommentFeedView::headButtonForRow(int row) const
{
    QWidget *cell = m_tableView->cellForRow(row);
    return cell ? cell->findChild<QMIndexButton *>(QLatin1String(kHeadName)) : nullptr;
}

QMIndexButton *QMCommentFeedView::textButtonForRow(int row) const
{
    QWidget *cell = m_tableView->cellForRow(row);
    return cell ? cell->findChild<QMIndexButton *>(QLatin1String(kTextName)) : nullptr;
}

void QMCommentFeedView::scrollViewDidEndDecelerating(QMScrollView *)
{
    // A list shorter than a page has nothing more, however often it is pulled.
    if (QMPageCounter::isScrolledToEnd(*m_tableView) && isFullPage())
        nextPage();
}

void QMCommentFeedView::selectCommentInfo(int row)
{
    // A button of a row that a reload has taken away stands for nothing.
    if (row < 0 || row >= m_commentArray.size())
        return;
    QMMySayInfoView::showPost(this, m_commentArray[row]->commentid);
}

void QMCommentFeedView::selectUserInfo(int row)
{
    if (row < 0 || row >= m_commentArray.size())
        return;
    QMUserView::showMember(this, MemberInfo(*m_commentArray[row]));
}
