#pragma once

#include "kit/QMTableViewDataSource.h"
#include "members/Collect.h"
#include "members/MemberInfo.h"
#include "members/QMCollectListProviderDelegate.h"
#include "members/QMMemberPanel.h"

#include <QList>

#include <memory>

class QAbstractButton;
class QMPageCounter;

// The members a member follows: picture, name, what they say of themselves and how long ago
// they were followed. A member's name opens their page; a followed cinema or film opens nothing.
// The list grows a page at a time as it is scrolled to its end.
class QMMyAttentionView : public QMMemberPanel,
                          public QMCollectListProviderDelegate,
                          public QMTableViewDataSource
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMyAttentionView)

public:
    static constexpr int kRowHeight = 60;

    explicit QMMyAttentionView(const MemberInfo &member, QWidget *parent = nullptr);
    ~QMMyAttentionView() override;

    // The rows asked for, for every member's follows, as long as the process lives.
    static QMPageCounter &kmyAttentionCount();

    std::shared_ptr<MemberInfo> selectMemberInfo;
    const QList<std::shared_ptr<Collect>> &myAttentionArray() const { return m_myAttentionArray; }
    QMTableView *myAttentionTableView() const { return m_tableView; }
    // The name's button of a row on screen.
    QAbstractButton *nameButtonForRow(int row) const;

    void myAttentionList();

    void
    collectListProviderDidReceiveCollectList(QMCollectListProvider *provider,
                                             const std::shared_ptr<CollectList> &list) override;
    void collectListProviderDidRunIntoError(QMCollectListProvider *provider,
                                            const std::optional<QMError> &error) override;
    int tableViewNumberOfRows(QMTableView *tableView) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;
    void scrollViewDidEndDecelerating(QMScrollView *scrollView) override;

    void selectUserInfo(int row);

private:
    QList<std::shared_ptr<Collect>> m_myAttentionArray;
    QMTableView *m_tableView;
};
