#include "films/openflow/TPOpenFlowView.h"

#include "films/openflow/TPAccessibleOpenFlowView.h"
#include "films/openflow/TPItemView.h"
#include "films/openflow/TPUIImageReflection.h"

#include <QKeyEvent>
#include <QMatrix4x4>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {
bool isOpaque(const QImage &image)
{
    if (image.isNull())
        return false;
    if (!image.hasAlphaChannel())
        return true;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        if (!std::all_of(line, line + argb.width(), [](QRgb p) { return qAlpha(p) == 255; }))
            return false;
    }
    return true;
}

// A cover turned past the viewer's eye would project through infinity: leave it out.
bool isInFrontOfViewer(const QTransform &t, const QSizeF &size)
{
    for (const QPointF &p : {QPointF(0, 0), QPointF(size.width(), 0), QPointF(0, size.height()),
                             QPointF(size.width(), size.height())}) {
        if (t.m13() * p.x() + t.m23() * p.y() + t.m33() < 0.05)
            return false;
    }
    return true;
}

// Rectangles certain to be covered by the cover's opaque picture (its reflection is
// translucent). Turning about the vertical axis keeps the picture's sides vertical, so the
// projection is a trapezoid; it is filled with a strip of rectangles, kept a point inside.
QRegion opaqueCore(const QSizeF &picture, const QTransform &t)
{
    const qreal w = picture.width();
    const qreal h = picture.height();
    QPointF tl = t.map(QPointF(0, 0)), tr = t.map(QPointF(w, 0));
    QPointF bl = t.map(QPointF(0, h)), br = t.map(QPointF(w, h));
    if (std::abs(tl.x() - bl.x()) > 0.5 || std::abs(tr.x() - br.x()) > 0.5)
        return {};
    if (tl.x() > tr.x()) {
        std::swap(tl, tr);
        std::swap(bl, br);
    }
    const qreal span = tr.x() - tl.x();
    if (span < 4)
        return {};
    auto yAt = [&](const QPointF &a, const QPointF &b, int x) {
        return a.y() + (b.y() - a.y()) * (x - a.x()) / span;
    };
    const int left = int(std::ceil(tl.x() + 0.5));
    const int right = int(std::floor(tr.x() - 0.5));
    constexpr int Strips = 12;
    QRegion core;
    for (int s = 0; s < Strips; ++s) {
        const int xa = left + (right - left) * s / Strips;
        const int xb = left + (right - left) * (s + 1) / Strips;
        if (xb <= xa)
            continue;
        const qreal top = std::max(yAt(tl, tr, xa), yAt(tl, tr, xb));
        const qreal bottom = std::min(yAt(bl, br, xa), yAt(bl, br, xb));
        const int ya = int(std::ceil(top + 0.5));
        const int yb = int(std::floor(bottom - 0.5));
        if (yb > ya)
            core += QRect(xa, ya, xb - xa, yb - ya);
    }
    return core;
}
} // namespace

TPOpenFlowView::TPOpenFlowView(QWidget *parent)
    : QWidget(parent)
{
    TPAccessibleOpenFlowView::install();
    setUpInitialState();
}

TPOpenFlowView::~TPOpenFlowView() = default;

void TPOpenFlowView::setUpInitialState()
{
    m_clock.start();
    m_animationTimer.setTimerType(Qt::PreciseTimer);
    m_animationTimer.setInterval(16);
    connect(&m_animationTimer, &QTimer::timeout, this, &TPOpenFlowView::advanceAnimations);
    setFocusPolicy(Qt::StrongFocus);
}

void TPOpenFlowView::setDataSource(TPOpenFlowViewDataSource *dataSource)
{
    m_dataSource = dataSource;
    if (dataSource && m_defaultImage.image.isNull())
        setDefaultImage(dataSource->defaultImage());
}

void TPOpenFlowView::setViewDelegate(TPOpenFlowViewDelegate *viewDelegate)
{
    m_viewDelegate = viewDelegate;
}

TPOpenFlowView::CoverImage TPOpenFlowView::makeCoverImage(const QImage &picture)
{
    CoverImage cover;
    cover.image = TPUIImageReflection::addImageReflection(picture, ReflectionFraction);
    cover.originalHeight = picture.deviceIndependentSize().height();
    cover.opaque = isOpaque(picture);
    if (!cover.image.isNull()) {
        QImage source = cover.image;
        source.setDevicePixelRatio(1);
        cover.drawn = QImage(source.size() + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
        cover.drawn.fill(Qt::transparent);
        QPainter painter(&cover.drawn);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(1, 1, source);
        painter.end();
        cover.drawn.setDevicePixelRatio(cover.image.devicePixelRatio());
    }
    return cover;
}

const TPOpenFlowView::CoverImage &TPOpenFlowView::coverImageFor(const TPItemView *cover) const
{
    const auto it = m_coverImages.constFind(cover->number());
    return it != m_coverImages.constEnd() ? *it : m_defaultImage;
}

void TPOpenFlowView::showImage(TPItemView *cover, const CoverImage &coverImage)
{
    cover->setImageOriginalImageHeightReflectionFraction(
        coverImage.image, coverImage.originalHeight, ReflectionFraction);
}

void TPOpenFlowView::setDefaultImage(const QImage &image)
{
    m_defaultImage = makeCoverImage(image);
    for (TPItemView *cover : std::as_const(m_onscreenCovers)) {
        if (!m_coverImages.contains(cover->number()))
            showImage(cover, m_defaultImage);
    }
    update();
}

void TPOpenFlowView::setImageForIndex(const QImage &image, int index)
{
    if (image.isNull())
        return;
    const CoverImage &stored = *m_coverImages.insert(index, makeCoverImage(image));
    if (TPItemView *cover = m_onscreenCovers.value(index)) {
        showImage(cover, stored);
        layoutCoverSelectedCoverAnimated(cover, m_selected, cover->isAnimating());
    }
}

void TPOpenFlowView::setNumberOfImages(int numberOfImages)
{
    m_numberOfImages = qMax(numberOfImages, 0);
    // Build the window of covers afresh around the selection, kept inside the new row: covers
    // past its end must go, and a longer row needs covers the old one did not.
    const int keep = m_selectedCoverView ? qMin(m_selected, m_numberOfImages - 1) : 0;
    recycleAllCovers();
    m_selectedCoverView = nullptr;
    m_selected = -1;
    if (m_numberOfImages > 0)
        setSelectedCover(keep);
    centerOnSelectedCover(false);
}

int TPOpenFlowView::selectedCover() const
{
    return m_selectedCoverView ? m_selectedCoverView->number() : -1;
}

void TPOpenFlowView::setSelectedCover(int n)
{
    if (n < 0 || n >= m_numberOfImages)
        return;
    if (m_selectedCoverView && m_selectedCoverView->number() == n)
        return;
    const int low = qMax(n - CoverBuffer, 0);
    const int high = qMin(n + CoverBuffer, m_numberOfImages - 1);
    const int old = m_selected;
    m_selected = n;

    // Files a cover under index i, gives it its picture and puts it in its place at once.
    auto bringOn = [&](TPItemView *cover, int i) {
        cover->setNumber(i);
        addToScreen(i, cover);
        layoutCoverSelectedCoverAnimated(cover, n, false);
    };

    if (!m_selectedCoverView || high < m_lowerVisibleCover || low > m_upperVisibleCover) {
        // First selection, or a jump with nothing in common: a new window, placed at once.
        recycleAllCovers();
        for (int i = low; i <= high; ++i)
            bringOn(coverForIndex(i), i);
        m_lowerVisibleCover = low;
        m_upperVisibleCover = high;
    } else if (old < n) {
        // Covers leaving on the left are renumbered to join on the right while needed.
        for (int i = m_lowerVisibleCover; i < low; ++i) {
            TPItemView *cover = m_onscreenCovers.take(i);
            if (cover && m_upperVisibleCover < high)
                bringOn(cover, ++m_upperVisibleCover);
            else if (cover)
                recycle(cover);
        }
        m_lowerVisibleCover = low;
        for (int i = m_upperVisibleCover + 1; i <= high; ++i)
            bringOn(coverForIndex(i), i);
        m_upperVisibleCover = high;
        layoutCoversFromCoverToCover(n, old, n);
    } else {
        for (int i = m_upperVisibleCover; i > high; --i) {
            TPItemView *cover = m_onscreenCovers.take(i);
            if (cover && m_lowerVisibleCover > low)
                bringOn(cover, --m_lowerVisibleCover);
            else if (cover)
                recycle(cover);
        }
        m_upperVisibleCover = high;
        for (int i = m_lowerVisibleCover - 1; i >= low; --i)
            bringOn(coverForIndex(i), i);
        m_lowerVisibleCover = low;
        layoutCoversFromCoverToCover(n, n, old);
    }
    m_selectedCoverView = m_onscreenCovers.value(n);
    update();
    TPAccessibleOpenFlowView::announceSelection(this);
}

void TPOpenFlowView::centerOnSelectedCover(bool animated)
{
    setScrollOffset(CoverSpacing * qMax(m_selected, 0), animated);
}

void TPOpenFlowView::layoutCoversFromCoverToCover(int selected, int from, int to)
{
    for (int i = from; i <= to; ++i) {
        if (TPItemView *cover = m_onscreenCovers.value(i))
            layoutCoverSelectedCoverAnimated(cover, selected, true);
    }
}

void TPOpenFlowView::layoutCoverSelectedCoverAnimated(TPItemView *cover, int selected,
                                                      bool animated)
{
    TPItemView::Placement placement;
    placement.position = QPointF(cover->horizontalPosition(), cover->verticalPosition());
    if (cover->number() < selected) {
        placement.position.rx() -= CenterCoverOffset;
        placement.angle = SideCoverAngle;
        placement.depth = SideCoverZPosition;
    } else if (cover->number() > selected) {
        placement.position.rx() += CenterCoverOffset;
        placement.angle = -SideCoverAngle;
        placement.depth = SideCoverZPosition;
    }
    cover->setPlacement(placement, animated, m_clock.elapsed(), CoverAnimationMs);
    if (animated)
        startAnimating();
    update();
}

TPItemView *TPOpenFlowView::dequeueReusableCover()
{
    return m_offscreenCovers.isEmpty() ? nullptr : m_offscreenCovers.takeLast();
}

TPItemView *TPOpenFlowView::coverForIndex(int index)
{
    TPItemView *cover = dequeueReusableCover();
    if (!cover) {
        m_covers.push_back(std::make_unique<TPItemView>());
        cover = m_covers.back().get();
    }
    cover->setNumber(index);
    return cover;
}

void TPOpenFlowView::addToScreen(int index, TPItemView *cover)
{
    // Filed before its picture is asked for: a data source that answers at once finds it.
    m_onscreenCovers.insert(index, cover);
    updateCoverImage(cover);
}

void TPOpenFlowView::updateCoverImage(TPItemView *cover)
{
    const auto it = m_coverImages.constFind(cover->number());
    if (it != m_coverImages.constEnd()) {
        showImage(cover, *it);
        return;
    }
    showImage(cover, m_defaultImage);
    if (TPOpenFlowViewDataSource *dataSource = m_dataSource.get())
        dataSource->openFlowViewRequestImageForIndex(this, cover->number());
}

void TPOpenFlowView::recycle(TPItemView *cover)
{
    m_offscreenCovers.append(cover);
}

void TPOpenFlowView::recycleAllCovers()
{
    for (TPItemView *cover : std::as_const(m_onscreenCovers))
        recycle(cover);
    m_onscreenCovers.clear();
    m_lowerVisibleCover = -1;
    m_upperVisibleCover = -1;
}

QTransform TPOpenFlowView::coverTransform(const TPItemView *cover) const
{
    // The cover turns about its centre, stands at its place in the row, and the whole row is
    // seen in perspective from the middle of the view.
    const TPItemView::Placement &p = cover->placement();
    const QSizeF size = cover->frame().size();
    QMatrix4x4 perspective;
    perspective(3, 2) = Perspective;
    QMatrix4x4 m;
    m.translate(width() / 2.0, height() / 2.0);
    m *= perspective;
    m.translate(p.position.x() - m_scrollOffset.value(), p.position.y(), p.depth);
    m.rotate(qRadiansToDegrees(p.angle), 0, 1, 0);
    m.translate(-size.width() / 2, -size.height() / 2);
    return m.toTransform();
}

std::vector<TPOpenFlowView::DrawItem> TPOpenFlowView::coversInDrawingOrder() const
{
    std::vector<DrawItem> items;
    items.reserve(m_onscreenCovers.size());
    for (const TPItemView *cover : m_onscreenCovers) {
        const CoverImage &picture = coverImageFor(cover);
        if (picture.drawn.isNull())
            continue;
        const QTransform t = coverTransform(cover);
        if (isInFrontOfViewer(t, cover->frame().size()))
            items.push_back({cover, &picture, t});
    }
    // Far before near: deeper first, then the farther from the selection.
    const int selected = m_selected;
    std::sort(items.begin(), items.end(), [selected](const DrawItem &a, const DrawItem &b) {
        if (a.cover->placement().depth != b.cover->placement().depth)
            return a.cover->placement().depth < b.cover->placement().depth;
        return std::abs(a.cover->number() - selected) > std::abs(b.cover->number() - selected);
    });
    return items;
}

void TPOpenFlowView::drawCovers(QPainter *painter) const
{
    const std::vector<DrawItem> items = coversInDrawingOrder();
    // Whatever a later cover's opaque picture hides need not be drawn: each cover is clipped to
    // what stays visible, which keeps a frame close to the cost of one flat row.
    std::vector<QRegion> clips(items.size());
    QRegion hidden;
    for (size_t j = items.size(); j-- > 0;) {
        const DrawItem &item = items[j];
        const QRectF frame = item.cover->frame().adjusted(-1, -1, 1, 1); // with the edge
        clips[j] = QRegion(item.transform.mapRect(frame).toAlignedRect() & rect()) - hidden;
        if (item.picture->opaque)
            hidden +=
                opaqueCore(QSizeF(frame.width() - 2, item.picture->originalHeight), item.transform);
    }

    const QTransform base = painter->worldTransform();
    painter->save();
    // The transparent edge of each picture, filtered, smooths the turned edges far more
    // cheaply than antialiasing would.
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    for (size_t j = 0; j < items.size(); ++j) {
        if (clips[j].isEmpty())
            continue;
        const QImage &drawn = items[j].picture->drawn;
        painter->setWorldTransform(base);
        painter->setClipRegion(clips[j]);
        painter->setWorldTransform(items[j].transform * base);
        const qreal edge = 1.0 / drawn.devicePixelRatio();
        painter->drawImage(QPointF(-edge, -edge), drawn);
    }
    painter->restore();
}

void TPOpenFlowView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawCovers(&painter);
}

TPItemView *TPOpenFlowView::findCoverOnscreen(const QPointF &point) const
{
    const std::vector<DrawItem> items = coversInDrawingOrder();
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        if (it->transform.map(QPolygonF(it->cover->frame())).containsPoint(point, Qt::OddEvenFill))
            return const_cast<TPItemView *>(it->cover);
    }
    return nullptr;
}

QPolygonF TPOpenFlowView::coverOutline(int index) const
{
    const TPItemView *cover = m_onscreenCovers.value(index);
    if (!cover)
        return {};
    return coverTransform(cover).map(QPolygonF(cover->frame()));
}

void TPOpenFlowView::setScrollOffset(qreal offset, bool animated)
{
    if (animated) {
        m_scrollOffset.animateTo(offset, m_clock.elapsed(), ScrollAnimationMs);
        startAnimating();
    } else {
        m_scrollOffset.setValue(offset);
    }
    update();
}

void TPOpenFlowView::startAnimating()
{
    if (!m_animationTimer.isActive())
        m_animationTimer.start();
}

void TPOpenFlowView::advanceAnimations()
{
    const qint64 now = m_clock.elapsed();
    bool running = m_scrollOffset.advance(now);
    for (TPItemView *cover : std::as_const(m_onscreenCovers))
        running = cover->advance(now) || running;
    if (!running)
        m_animationTimer.stop();
    update();
}

void TPOpenFlowView::selectByUser(int index)
{
    if (m_numberOfImages <= 0)
        return;
    index = qBound(0, index, m_numberOfImages - 1);
    const int before = selectedCover();
    setSelectedCover(index);
    centerOnSelectedCover(true);
    if (index != before) {
        if (TPOpenFlowViewDelegate *delegate = m_viewDelegate.get())
            delegate->openFlowViewSelectionDidChange(this, index);
    }
}

void TPOpenFlowView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_touching = true;
    m_startPoint = event->position();
    m_isDraggingACover = findCoverOnscreen(m_startPoint) != nullptr;
    m_beginningCover = selectedCover();
    m_startPosition = m_startPoint.x() / DragMultiplier + m_scrollOffset.value();
}

void TPOpenFlowView::mouseMoveEvent(QMouseEvent *event)
{
    // A touch that began beside the covers does not move the row.
    if (!m_touching || !m_isDraggingACover || m_numberOfImages <= 0)
        return;
    const qreal offset = m_startPosition - event->position().x() / DragMultiplier;
    setScrollOffset(offset, false);
    // The nearest cover: truncating would step back at the first point moved to the right.
    const int k = qRound(offset / CoverSpacing);
    if (k != selectedCover())
        setSelectedCover(qBound(0, k, m_numberOfImages - 1));
}

void TPOpenFlowView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_touching || event->button() != Qt::LeftButton)
        return;
    m_touching = false;
    centerOnSelectedCover(true);
    const int selected = selectedCover();
    if (selected < 0)
        return;
    if (selected != m_beginningCover) {
        if (TPOpenFlowViewDelegate *delegate = m_viewDelegate.get())
            delegate->openFlowViewSelectionDidChange(this, selected);
        return;
    }
    const QPointF moved = event->position() - m_startPoint;
    if (std::abs(moved.x()) >= TapTolerance || std::abs(moved.y()) >= TapTolerance)
        return;
    if (const TPItemView *tapped = findCoverOnscreen(event->position()))
        activateCover(tapped->number());
}

void TPOpenFlowView::activateCover(int index)
{
    if (index < 0 || index >= m_numberOfImages)
        return;
    if (index == selectedCover()) {
        if (TPOpenFlowViewDelegate *delegate = m_viewDelegate.get())
            delegate->openFlowViewDidWannaCheckIndex(this, index);
    } else {
        // A side cover comes to the middle.
        selectByUser(index);
    }
}

void TPOpenFlowView::keyPressEvent(QKeyEvent *event)
{
    const int selected = selectedCover();
    switch (event->key()) {
    case Qt::Key_Left:
        selectByUser(selected - 1);
        break;
    case Qt::Key_Right:
        selectByUser(selected + 1);
        break;
    case Qt::Key_PageUp:
        selectByUser(selected - PageCovers);
        break;
    case Qt::Key_PageDown:
        selectByUser(selected + PageCovers);
        break;
    case Qt::Key_Home:
        selectByUser(0);
        break;
    case Qt::Key_End:
        selectByUser(m_numberOfImages - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (selected >= 0) {
            if (TPOpenFlowViewDelegate *delegate = m_viewDelegate.get())
                delegate->openFlowViewDidWannaCheckIndex(this, selected);
        }
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TPOpenFlowView::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    m_wheelRemainder += std::abs(delta.x()) > std::abs(delta.y()) ? delta.x() : delta.y();
    const int steps = m_wheelRemainder / QWheelEvent::DefaultDeltasPerStep;
    m_wheelRemainder -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0)
        selectByUser(selectedCover() - steps);
    event->accept();
}
