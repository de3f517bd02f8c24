#pragma once

#include "kit/QMTableViewDataSource.h"

#include <QList>
#include <QWidget>

#include <memory>

class Agenda;
class QMLabel;

// The member's plans for this week ("我的生活"): one row of 80 points per plan, when and what.
class QMMyLiveView : public QWidget, public QMTableViewDataSource
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMyLiveView)

public:
    static constexpr int kRowHeight = 80;

    explicit QMMyLiveView(QWidget *parent = nullptr);
    ~QMMyLiveView() override;

    const QList<std::shared_ptr<Agenda>> &myLiveArray() const { return m_myLiveArray; }
    void setMyLiveArray(QList<std::shared_ptr<Agenda>> plans);
    QMTableView *liveTableView() const { return m_liveTableView; }
    // Shown when an answer held no plan.
    QMLabel *emptyLabel() const { return m_emptyLabel; }

    // "3月5日 19:30" for the service's "2011-03-05 19:30"; the text as it came when it cannot be
    // read as a time.
    static QString timeText(const Agenda &plan);
    // The plan's words trimmed, each space widened to three and each tab to two.
    static QString bodyText(const Agenda &plan);

    int tableViewNumberOfRows(QMTableView *tableView) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<std::shared_ptr<Agenda>> m_myLiveArray;
    QMTableView *m_liveTableView;
    QMLabel *m_emptyLabel;
};
