#include "members/QMMyLiveView.h"

#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "members/Agenda.h"
#include "services/QMDateFormater.h"

namespace {
const QString kReuseIdentifier = QStringLiteral("MyLiveIdentifier");
const char *const kTimeName = "time";
const char *const kBodyName = "body";
} // namespace

QMMyLiveView::QMMyLiveView(QWidget *parent)
    : QWidget(parent)
    , m_liveTableView(new QMTableView(this))
    , m_emptyLabel(QMKitStyle::addLabel(this, QRect(0, 100, 320, 24), QMKitStyle::systemFont(15),
                                        Qt::gray, QStringLiteral("本周还没有计划")))
{
    resize(320, 367);
    QMKitStyle::setBackgroundColor(this, Qt::white);
    m_liveTableView->setRowHeight(kRowHeight);
    m_liveTableView->setSeparatorStyle(QMTableView::SeparatorStyle::None);
    m_liveTableView->setAllowsSelection(false);
    m_liveTableView->setDataSource(this);
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->hide();
}

QMMyLiveView::~QMMyLiveView() = default;

void QMMyLiveView::resizeEvent(QResizeEvent *)
{
    m_liveTableView->setGeometry(rect());
}

void QMMyLiveView::setMyLiveArray(QList<std::shared_ptr<Agenda>> plans)
{
    plans.removeAll(nullptr);
    m_myLiveArray = std::move(plans);
    m_liveTableView->reloadData();
    m_emptyLabel->setVisible(m_myLiveArray.isEmpty());
    m_emptyLabel->raise();
}

QString QMMyLiveView::timeText(const Agenda &plan)
{
    const QString written =
        QMDateFormater(plan.time + QStringLiteral(":00")).dateStringWithFormat(3);
    return written.isEmpty() ? plan.time : written;
}

QString QMMyLiveView::bodyText(const Agenda &plan)
{
    QString body = plan.body.trimmed();
    body.replace(QLatin1Char(' '), QStringLiteral("   "));
    body.replace(QLatin1Char('\t'), QStringLiteral("  "));
    return body;
}

int QMMyLiveView::tableViewNumberOfRows(QMTableView *)
{
    return int(m_myLiveArray.size());
}

std::unique_ptr<QWidget> QMMyLiveView::tableViewCellForRow(QMTableView *tableView, int row)
{
    if (row < 0 || row >= m_myLiveArray.size())
        return nullptr;
    const Agenda &plan = *m_myLiveArray[row];
    std::unique_ptr<QMTableViewCell> cell = tableView->dequeueReusableCell(kReuseIdentifier);
    if (!cell) {
        cell = std::make_unique<QMTableViewCell>(QMTableViewCell::CellStyle::Default,
                                                 kReuseIdentifier);
        cell->setSelectionStyle(QMTableViewCell::SelectionStyle::None);
        QMKitStyle::addLabel(cell.get(), QRect(12, 8, 296, 20), QMKitStyle::boldSystemFont(14),
                             QMKitStyle::tintColor())
            ->setObjectName(QLatin1String(kTimeName));
        QMLabel *body = QMKitStyle::addLabel(cell.get(), QRect(12, 30, 296, 44),
                                             QMKitStyle::systemFont(14), Qt::black);
        body->setObjectName(QLatin1String(kBodyName));
        body->setWordWrap(true);
        body->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    cell->setBackgroundColor(row % 2 ? QMKitStyle::lightGrayColor() : Qt::white);
    cell->findChild<QMLabel *>(QLatin1String(kTimeName))->setText(timeText(plan));
    cell->findChild<QMLabel *>(QLatin1String(kBodyName))->setText(bodyText(plan));
    return cell;
}
