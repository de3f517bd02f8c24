#pragma once

#include "kit/QMMapViewDelegate.h"
#include "members/QMNearbyUserProviderDelegate.h"
#include "members/QMPizzaListView.h"
#include "members/QMUserCommentListProviderDelegate.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>

class Comment;
class QMBarButton;
class QMCommentRow;
class QMMapAnnotation;
class QMMapView;

// The square of the member hub: the members near the device on a map, each marker their head
// picture. Touching one shows their latest post in a bubble over the map; its text opens the
// post, its head picture the member's page. "列表模式" lays the square's list over the map, and
// the list's "地图模式" takes it away again, so the section never holds more than one of each;
// back on the map the members are looked for again.
//
// The search starts when the view is first shown, and again once the device has a position if
// it had none then.
class QMPizzaMapView : public QWidget,
                       public QMMapViewDelegate,
                       public QMNearbyUserProviderDelegate,
                       public QMUserCommentListProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMPizzaMapView)

public:
    static constexpr int kHeaderHeight = 36;
    // Members within this many metres.
    static constexpr int kSearchRadius = 100000;
    // Degrees of latitude and longitude shown around the device.
    static constexpr double kSpan = 0.05;

    QMPizzaMapView(const QRect &frame, QWidget *parent);
    ~QMPizzaMapView() override;

    QMMapView *mapView() const { return m_mapView; }
    QList<std::shared_ptr<QMMapAnnotation>> annotationArray() const { return m_annotationArray; }
    // The latest post of the selected member, while its bubble shows.
    std::shared_ptr<Comment> comment() const { return m_comment; }
    // Hidden while no post is shown.
    QMCommentRow *bubble() const { return m_bubble; }
    // Null in map mode.
    QMPizzaListView *pizzaListView() const { return m_pizzaListView; }
    QMBarButton *listButton() const { return m_listButton; }

    // Asks for the members around the device, with the map on their place.
    void searchNearbyMembers();
    // "列表模式".
    void selectPizzalList();
    // Back from the list.
    void selectMap();
    // Asks for the member's latest post.
    void userComment(const QString &memberid);
    // A touch on the bubble's text: the post's details.
    void selectCommentInfo();
    // A touch on the bubble's head picture: the member's page.
    void selectUserInfo();

    std::unique_ptr<QMAnnotationView>
    mapViewViewForAnnotation(QMMapView *mapView,
                             const std::shared_ptr<QMMapAnnotation> &annotation) override;
    void mapViewDidSelectAnnotationView(QMMapView *mapView, QMAnnotationView *view) override;
    void mapViewDidDeselectAnnotationView(QMMapView *mapView, QMAnnotationView *view) override;
    void nearbyUserProviderDidReceiveMemberList(QMNearbyUserProvider *provider,
                                                const std::shared_ptr<MemberList> &list) override;
    void nearbyUserProviderDidRunIntoError(QMNearbyUserProvider *provider,
                                           const std::optional<QMError> &error) override;
    void userCommentListProviderDidReceiveUserCommentList(
        QMUserCommentListProvider *provider, const std::shared_ptr<CommentList> &list) override;
    void userCommentListProviderDidRunIntoError(QMUserCommentListProvider *provider,
                                                const std::optional<QMError> &error) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void locationChanged();
    void centreOnDevice();
    void showBubble(std::shared_ptr<Comment> post);
    void removeBubble();

    QMMapView *m_mapView;
    QMBarButton *m_listButton;
    QMCommentRow *m_bubble;
    QPointer<QMPizzaListView> m_pizzaListView;
    QList<std::shared_ptr<QMMapAnnotation>> m_annotationArray;
    std::shared_ptr<Comment> m_comment;
    // The member whose post is asked for or shown.
    QString m_selectedMemberid;
    bool m_searched = false;
    bool m_searchedWithPosition = false;
};
