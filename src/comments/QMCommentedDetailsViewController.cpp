#include "comments/QMCommentedDetailsViewController.h"

#include "comments/QMCommentInfoViewController.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMTableViewCell.h"
#include "services/QMResourceImages.h"

#include <QLabel>

namespace {
// Between the navigation bar and the tab bar.
constexpr QSize kViewSize(320, 367);
} // namespace

QMCommentedDetailsViewController::QMCommentedDetailsViewController(unsigned type,
                                                                   QMPageCounter &counter)
    : m_type(type)
    , m_counter(counter)
{}

QMCommentedDetailsViewController::~QMCommentedDetailsViewController() = default;

const QList<std::shared_ptr<Comment>> &QMCommentedDetailsViewController::commentArray() const
{
    return m_commentRows->commentArray();
}

std::unique_ptr<QWidget> QMCommentedDetailsViewController::loadView()
{
    auto view = std::make_unique<QWidget>();
    view->resize(kViewSize);
    QMKitStyle::setBackgroundColor(view.get(), QMKitStyle::lightGrayColor());
    return view;
}

void QMCommentedDetailsViewController::setUpDetails(const QString &targetId, const QRect &busyFrame)
{
    QWidget *v = view();
    navigationItem()->setBackBarButtonTitle(QStringLiteral("返回"));
    m_tableView = new QMTableView(v);
    m_tableView->setGeometry(0, 0, 320, 360);
    m_tableView->setSeparatorStyle(QMTableView::SeparatorStyle::None);
    m_tableView->setBackgroundColor(QMKitStyle::lightGrayColor());
    m_commentRows = new QMCommentRows(m_tableView, kFirstCommentRow, m_counter, m_type, this);
    m_commentRows->setTargetId(targetId);
    m_commentRows->setBusyFrame(v, busyFrame);
    connect(m_commentRows, &QMCommentRows::textTapped, this,
            &QMCommentedDetailsViewController::selectCommentInfo);
    connect(m_commentRows, &QMCommentRows::headTapped, this,
            &QMCommentedDetailsViewController::selectUserInfo);
    m_tableView->setDataSource(this);
    m_tableView->reloadData();
    m_tableView->show();

    // Floats over the foot of the table, above the line that ends the screen.
    m_commentButton = imageButton("btn_comment.png", QRect(230, 335, 77, 32), v);
    connect(m_commentButton, &QAbstractButton::clicked, this,
            &QMCommentedDetailsViewController::userComment);
    auto *line = new QLabel(v);
    line->setGeometry(0, 364, 320, 4);
    line->setScaledContents(true);
    line->setPixmap(
        QPixmap::fromImage(QMResourceImages::named(QStringLiteral("img_infoLine.png"))));

    selectCommentList();
}

int QMCommentedDetailsViewController::tableViewNumberOfRows(QMTableView *)
{
    return showsComments() ? kFirstCommentRow + m_commentRows->rowCount() : 2;
}

int QMCommentedDetailsViewController::tableViewHeightForRow(QMTableView *, int row)
{
    if (row == 0)
        return headerHeight();
    if (row == 1)
        return tabRowHeight();
    return m_commentRows->heightForRow(row);
}

std::unique_ptr<QWidget> QMCommentedDetailsViewController::tableViewCellForRow(QMTableView *,
                                                                               int row)
{
    if (row == 0)
        return headerRow();
    if (row == 1)
        return tabRow();
    return m_commentRows->cellForRow(row);
}

void QMCommentedDetailsViewController::scrollViewDidEndDecelerating(QMScrollView *)
{
    if (showsComments())
        m_commentRows->tableDidEndDecelerating();
}

void QMCommentedDetailsViewController::selectCommentList()
{
    m_commentRows->requestComments();
}

void QMCommentedDetailsViewController::moreCiname()
{
    m_commentRows->moreComments();
}

void QMCommentedDetailsViewController::userComment()
{
    m_gate.requireMember([this] { presentCommentView(); });
}

void QMCommentedDetailsViewController::selectCommentInfo(int row)
{
    const std::shared_ptr<Comment> comment = m_commentRows->commentAtRow(row);
    if (!comment)
        return;
    auto details = std::make_unique<QMCommentInfoViewController>();
    details->selectComment = comment;
    if (QMNavigationController *stack = navigationController())
        stack->push(std::move(details), true);
}

void QMCommentedDetailsViewController::selectUserInfo(int row)
{
    if (!m_commentRows->commentAtRow(row))
        return;
    // Opens the author's page.
}

void QMCommentedDetailsViewController::showTab(bool comments)
{
    m_tableView->setScrollEnabled(comments);
    m_tableView->reloadData();
}

std::unique_ptr<QMTableViewCell> QMCommentedDetailsViewController::greyRow()
{
    auto cell = std::make_unique<QMTableViewCell>();
    cell->setSelectionStyle(QMTableViewCell::SelectionStyle::None);
    cell->setBackgroundColor(QMKitStyle::lightGrayColor());
    return cell;
}

QMBarButton *QMCommentedDetailsViewController::imageButton(const char *image, const QRect &frame,
                                                           QWidget *parent)
{
    auto *button =
        new QMBarButton(QString(), QMResourceImages::named(QLatin1StringView(image)), parent);
    button->setGeometry(frame);
    return button;
}
