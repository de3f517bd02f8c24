#include "members/QMPizzaMapView.h"

#include "app/QMDataContext.h"
#include "comments/Comment.h"
#include "comments/CommentList.h"
#include "comments/QMCommentRow.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMMapView.h"
#include "members/MemberInfo.h"
#include "members/MemberList.h"
#include "members/QMMySayInfoView.h"
#include "members/QMNearbyUserProvider.h"
#include "members/QMPizzaListView.h"
#include "members/QMUserAnnotation.h"
#include "members/QMUserAnnotationView.h"
#include "members/QMUserCommentListProvider.h"
#include "members/QMUserView.h"
#include "services/QMLocationProvider.h"
#include "services/QMNotificationCenter.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QGraphicsOpacityEffect>
#include <QPainter>

namespace {
constexpr int kBusySize = 30;
constexpr int kSwitchWidth = 80;
constexpr qreal kBubbleOpacity = 0.8;
// Where the map shows until the device has a position: People's Square.
constexpr QMMapCoordinate kCityCentre{31.2304, 121.4737};
} // namespace

QMPizzaMapView::QMPizzaMapView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , m_mapView(new QMMapView(this))
    , m_listButton(new QMBarButton(QStringLiteral("列表模式"), this))
    , m_bubble(new QMCommentRow())
{
    QMKitStyle::addLabel(this, QRect(12, 0, 180, kHeaderHeight), QMKitStyle::boldSystemFont(15),
                         QColor(70, 50, 30), QStringLiteral("我的周边"));
    m_mapView->setShowsUserLocation(true);
    m_mapView->setDelegate(this);
    m_listButton->setFont(QMKitStyle::boldSystemFont(13));
    connect(m_listButton, &QAbstractButton::clicked, this, &QMPizzaMapView::selectPizzalList);

    m_bubble->setParent(this);
    m_bubble->setBackgroundColor(Qt::transparent);
    auto *translucence = new QGraphicsOpacityEffect(m_bubble);
    translucence->setOpacity(kBubbleOpacity);
    m_bubble->setGraphicsEffect(translucence);
    m_bubble->hide();
    connect(m_bubble, &QMCommentRow::textTapped, this, &QMPizzaMapView::selectCommentInfo);
    connect(m_bubble, &QMCommentRow::headTapped, this, &QMPizzaMapView::selectUserInfo);

    setGeometry(frame);
    centreOnDevice();
    QMNotificationCenter::defaultCenter().addObserver(this, kLocationNotification,
                                                      [this](QObject *) { locationChanged(); });
}

QMPizzaMapView::~QMPizzaMapView()
{
    // The map goes after this object's own parts: it must not call back into them.
    m_mapView->removeAllAnimations();
    m_mapView->setDelegate(nullptr);
}

void QMPizzaMapView::searchNearbyMembers()
{
    m_searched = true;
    m_searchedWithPosition = QMDataContext::CurrentDataContext()->locationProvider()->hasLocation();
    centreOnDevice();
    QMViewBusyBee::removeBusyBee(this);
    QMViewBusyBee::showBusyBeeAtCenter(this, kBusySize);
    QMNearbyUserProvider *provider = QMDataContext::CurrentDataContext()->nearbyUserProvider();
    provider->userDelegate = this;
    provider->requestNearbyMemberInDistance(kSearchRadius);
}

void QMPizzaMapView::selectPizzalList()
{
    if (m_pizzaListView)
        return;
    m_pizzaListView = new QMPizzaListView(rect(), this);
    connect(m_pizzaListView, &QMPizzaListView::mapModeChosen, this, &QMPizzaMapView::selectMap);
    m_pizzaListView->show();
    m_pizzaListView->raise();
    // Nothing of the map is seen under the list: it need not be drawn.
    m_mapView->hide();
    m_pizzaListView->selectList();
}

void QMPizzaMapView::selectMap()
{
    if (!m_pizzaListView)
        return;
    m_pizzaListView->hide();
    m_pizzaListView->deleteLater();
    m_pizzaListView = nullptr;
    m_mapView->show();
    searchNearbyMembers();
}

void QMPizzaMapView::userComment(const QString &memberid)
{
    m_selectedMemberid = memberid;
    QMViewBusyBee::removeBusyBee(this);
    QMViewBusyBee::showBusyBeeAtCenter(this, kBusySize);
    QMUserCommentListProvider *provider =
        QMDataContext::CurrentDataContext()->userCommentListProvider();
    provider->memberid = memberid;
    provider->from = 0;
    provider->maxnum = 1;
    provider->userCommentListDelegate = this;
    provider->requestUserCommentList();
}

void QMPizzaMapView::selectCommentInfo()
{
    if (m_comment)
        QMMySayInfoView::showPost(this, m_comment->commentid);
}

void QMPizzaMapView::selectUserInfo()
{
    if (m_comment)
        QMUserView::showMember(this, MemberInfo(*m_comment));
}

std::unique_ptr<QMAnnotationView>
QMPizzaMapView::mapViewViewForAnnotation(QMMapView *mapView,
                                         const std::shared_ptr<QMMapAnnotation> &annotation)
{
    auto *member = dynamic_cast<QMUserAnnotation *>(annotation.get());
    if (!member)
        return nullptr;
    std::unique_ptr<QMAnnotationView> reused =
        mapView->dequeueReusableAnnotationView(QMUserAnnotationView::kReuseIdentifier);
    std::unique_ptr<QMUserAnnotationView> view;
    // Cinema pins share the reuse name; only a member's marker is taken back as one.
    if (auto *marker = qobject_cast<QMUserAnnotationView *>(reused.get())) {
        reused.release();
        view.reset(marker);
        view->setAnnotation(annotation);
    } else {
        view = std::make_unique<QMUserAnnotationView>(annotation);
    }
    view->memberid = member->memberid;
    view->setCanShowCallout(true);
    view->requestLogo(member->logo);
    return view;
}

void QMPizzaMapView::mapViewDidSelectAnnotationView(QMMapView *, QMAnnotationView *view)
{
    auto *member = dynamic_cast<QMUserAnnotation *>(view->annotation());
    if (!member)
        return;
    removeBubble();
    userComment(member->memberid);
}

void QMPizzaMapView::mapViewDidDeselectAnnotationView(QMMapView *, QMAnnotationView *)
{
    m_selectedMemberid.clear();
    removeBubble();
}

void QMPizzaMapView::nearbyUserProviderDidReceiveMemberList(QMNearbyUserProvider *,
                                                            const std::shared_ptr<MemberList> &list)
{
    removeBubble();
    m_mapView->removeAnnotations(m_annotationArray);
    m_annotationArray.clear();
    for (const std::shared_ptr<NearbyUser> &user : list->memberArray) {
        if (user)
            m_annotationArray.append(std::make_shared<QMUserAnnotation>(*user));
    }
    m_mapView->addAnnotations(m_annotationArray);
    QMViewBusyBee::removeBusyBee(this);
}

void QMPizzaMapView::nearbyUserProviderDidRunIntoError(QMNearbyUserProvider *,
                                                       const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(this);
}

void QMPizzaMapView::userCommentListProviderDidReceiveUserCommentList(
    QMUserCommentListProvider *, const std::shared_ptr<CommentList> &list)
{
    QMViewBusyBee::removeBusyBee(this);
    const std::shared_ptr<Comment> post =
        list->commentArray.isEmpty() ? nullptr : list->commentArray.first();
    // No post, or the post of a member who is no longer the selected one: no bubble.
    if (!post || m_selectedMemberid.isEmpty() ||
        (!post->memberid.isEmpty() && post->memberid != m_selectedMemberid))
        return;
    showBubble(post);
}

void QMPizzaMapView::userCommentListProviderDidRunIntoError(QMUserCommentListProvider *,
                                                            const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(this);
}

void QMPizzaMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QRect(0, 0, width(), kHeaderHeight),
                      QMResourceImages::named(QStringLiteral("btn_pizza.png")));
}

void QMPizzaMapView::resizeEvent(QResizeEvent *)
{
    m_listButton->setGeometry(width() - kSwitchWidth - 4, 4, kSwitchWidth, kHeaderHeight - 8);
    m_mapView->setGeometry(0, kHeaderHeight, width(), qMax(0, height() - kHeaderHeight));
    m_bubble->setGeometry(4, kHeaderHeight + 4, width() - 8, QMCommentRow::kRowHeight);
    if (m_pizzaListView)
        m_pizzaListView->setGeometry(rect());
}

void QMPizzaMapView::showEvent(QShowEvent *)
{
    if (!m_searched)
        searchNearbyMembers();
}

void QMPizzaMapView::locationChanged()
{
    const QMLocationProvider *location = QMDataContext::CurrentDataContext()->locationProvider();
    if (!location->hasLocation())
        return;
    m_mapView->setUserLocationCoordinate(
        {location->currentLocation().latitude, location->currentLocation().longitude});
    // A search made before the device knew where it was looked around nowhere.
    if (m_searched && !m_searchedWithPosition && !m_pizzaListView)
        searchNearbyMembers();
}

void QMPizzaMapView::centreOnDevice()
{
    const QMLocationProvider *location = QMDataContext::CurrentDataContext()->locationProvider();
    QMMapRegion region;
    region.center = kCityCentre;
    if (location->hasLocation()) {
        region.center = {location->currentLocation().latitude,
                         location->currentLocation().longitude};
        m_mapView->setUserLocationCoordinate(region.center);
    }
    region.latitudeDelta = region.longitudeDelta = kSpan;
    m_mapView->setRegion(region, false);
}

void QMPizzaMapView::showBubble(std::shared_ptr<Comment> post)
{
    m_comment = std::move(post);
    m_bubble->setComment(*m_comment, 0);
    m_bubble->show();
    m_bubble->raise();
}

void QMPizzaMapView::removeBubble()
{
    m_comment.reset();
    m_bubble->hide();
}
