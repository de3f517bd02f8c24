#pragma once

#include "kit/QMTableViewDataSource.h"
#include "members/QMSquareListProviderDelegate.h"

#include <QList>
#include <QWidget>

#include <memory>

class Comment;
class QMAreaSwitcher;
class QMBarButton;
class QMPageCounter;
class QMTableView;

// The square as a list: the posts of members in one area around the member ("同一场馆",
// "我的周边", "同一城市", chosen in the header), a page more each time the member reaches the
// end. "地图模式" goes back to the map (mapModeChosen). Each list starts in the first area.
class QMPizzaListView : public QWidget,
                        public QMTableViewDataSource,
                        public QMSquareListProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMPizzaListView)

public:
    static constexpr int kHeaderHeight = 36;
    static constexpr int kRowHeight = 80;

    QMPizzaListView(const QRect &frame, QWidget *parent);
    ~QMPizzaListView() override;

    // How many posts the square asks for, for the life of the process (kpizzCount).
    static QMPageCounter &pizzCount();

    // The area: 0 "place", 1 "indexarea", 2 "city".
    unsigned squareType() const { return m_squareType; }
    const QList<std::shared_ptr<Comment>> &pizzaListArray() const { return m_pizzaListArray; }
    QMTableView *tableView() const { return m_tableView; }
    QMAreaSwitcher *areaSwitcher() const { return m_areaSwitcher; }
    QMBarButton *mapButton() const { return m_mapButton; }

    // Asks for the area's posts, as many as the counter says.
    void selectList();
    // "地图模式".
    void selectMap();
    void selectLeft();
    void selectRight();
    // A touch on a row's text: the post's details.
    void selectCommentInfo(int row);
    // A touch on a row's head picture, or on the row: the author's page.
    void selectUserInfo(int row);

    int tableViewNumberOfRows(QMTableView *tableView) override;
    int tableViewHeightForRow(QMTableView *tableView, int row) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;
    void tableViewDidSelectRow(QMTableView *tableView, int row) override;
    void scrollViewDidEndDecelerating(QMScrollView *scrollView) override;

    void squareListProviderDidReceiveSquareList(QMSquareListProvider *provider,
                                                const std::shared_ptr<CommentList> &list) override;
    void squareListProviderDidRunIntoError(QMSquareListProvider *provider,
                                           const std::optional<QMError> &error) override;

signals:
    void mapModeChosen();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void areaSettled(int page);
    const Comment *postAt(int row) const;

    QMAreaSwitcher *m_areaSwitcher;
    QMBarButton *m_mapButton;
    QMTableView *m_tableView;
    QList<std::shared_ptr<Comment>> m_pizzaListArray;
    unsigned m_squareType = 0;
};
