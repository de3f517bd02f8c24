#pragma once

#include "films/openflow/TPEaseOutAnimation.h"
#include "films/openflow/TPItemView.h"
#include "films/openflow/TPOpenFlowViewDataSource.h"
#include "films/openflow/TPOpenFlowViewDelegate.h"
#include "net/QMWeakDelegate.h"

#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QTimer>
#include <QTransform>
#include <QWidget>

#include <memory>
#include <vector>

class QPainter;

// A row of picture covers in perspective: the selected cover faces the viewer in the middle,
// the others stand turned to its left and right, each with a faint reflection below it. Dragging
// a cover slides the row and moves the selection; a tap on the selected cover is reported to the
// delegate. Only the covers near the selection exist, and they are recycled as it moves.
class TPOpenFlowView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPOpenFlowView)

public:
    static constexpr qreal CoverSpacing = TPItemView::CoverSpacing; // between neighbours
    static constexpr qreal CenterCoverOffset = 70; // extra gap on each side of the selected one
    static constexpr qreal SideCoverZPosition = -80;
    static constexpr qreal SideCoverAngle = 0.79; // radians about the vertical axis
    static constexpr qreal Perspective = -0.01;   // the row's m34
    static constexpr qreal ReflectionFraction = 0.1;
    static constexpr int CoverBuffer = 6;        // covers kept on each side of the selection
    static constexpr qreal DragMultiplier = 1.5; // finger travel per point of row movement
    static constexpr qreal TapTolerance = 4;     // a finger that moved less still taps
    static constexpr int CoverAnimationMs = 250;
    static constexpr int ScrollAnimationMs = 300;
    static constexpr int PageCovers = 5; // Page Up / Page Down

    explicit TPOpenFlowView(QWidget *parent = nullptr);
    ~TPOpenFlowView() override;

    void setDataSource(TPOpenFlowViewDataSource *dataSource);
    void setViewDelegate(TPOpenFlowViewDelegate *viewDelegate);

    int numberOfImages() const { return m_numberOfImages; }
    void setNumberOfImages(int numberOfImages);
    void setDefaultImage(const QImage &image);
    // Keeps the picture (with its reflection) for that cover for the life of the view.
    void setImageForIndex(const QImage &image, int index);
    void setSelectedCover(int index);
    // What each cover shows, read out for it by a screen reader.
    void setCoverTitles(const QStringList &titles) { m_coverTitles = titles; }
    QString coverTitle(int index) const { return m_coverTitles.value(index); }
    // As a tap on the cover: the selected one is opened, another one is brought to the middle.
    void activateCover(int index);
    void centerOnSelectedCover(bool animated);

    // -1 before anything is selected.
    int selectedCover() const;
    int lowerVisibleCover() const { return m_lowerVisibleCover; }
    int upperVisibleCover() const { return m_upperVisibleCover; }
    // The covers that exist now, by index.
    const QMap<int, TPItemView *> &onscreenCovers() const { return m_onscreenCovers; }
    // How many cover objects were ever made (never more than 2 * CoverBuffer + 1).
    int coverCount() const { return int(m_covers.size()); }
    // The row position at the middle of the view.
    qreal scrollOffset() const { return m_scrollOffset.value(); }
    bool isAnimating() const { return m_animationTimer.isActive(); }
    // Where a cover's picture (with reflection) appears in the view now; empty when off screen.
    QPolygonF coverOutline(int index) const;

    // Paints the covers as they stand now, in the painter's current coordinates (the view's).
    void drawCovers(QPainter *painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    struct CoverImage
    {
        QImage image; // with its reflection
        QImage drawn; // the same inside a transparent pixel, which smooths the turned edges
        qreal originalHeight = 0;
        bool opaque = false; // the picture above the reflection: what it hides is not drawn
    };
    struct DrawItem
    {
        const TPItemView *cover;
        const CoverImage *picture;
        QTransform transform;
    };

    void setUpInitialState();
    TPItemView *findCoverOnscreen(const QPointF &point) const;
    void layoutCoversFromCoverToCover(int selected, int from, int to);
    void layoutCoverSelectedCoverAnimated(TPItemView *cover, int selected, bool animated);
    TPItemView *dequeueReusableCover();
    void updateCoverImage(TPItemView *cover);
    TPItemView *coverForIndex(int index);
    void addToScreen(int index, TPItemView *cover);
    void recycle(TPItemView *cover);
    void recycleAllCovers();

    QTransform coverTransform(const TPItemView *cover) const;
    std::vector<DrawItem> coversInDrawingOrder() const;
    void setScrollOffset(qreal offset, bool animated);
    void startAnimating();
    void advanceAnimations();
    // Moves the selection as the user asked and tells the delegate when it changed.
    void selectByUser(int index);

    static CoverImage makeCoverImage(const QImage &picture);
    static void showImage(TPItemView *cover, const CoverImage &coverImage);
    // The picture a cover shows: its own once handed over, else the default one.
    const CoverImage &coverImageFor(const TPItemView *cover) const;

    QMWeakDelegate<TPOpenFlowViewDataSource> m_dataSource;
    QMWeakDelegate<TPOpenFlowViewDelegate> m_viewDelegate;

    std::vector<std::unique_ptr<TPItemView>> m_covers; // every cover; the lists below borrow
    QList<TPItemView *> m_offscreenCovers;
    QMap<int, TPItemView *> m_onscreenCovers;
    QHash<int, CoverImage> m_coverImages;
    CoverImage m_defaultImage;

    int m_lowerVisibleCover = -1;
    int m_upperVisibleCover = -1;
    int m_numberOfImages = 0;
    QStringList m_coverTitles;
    int m_selected = -1; // the selection being laid out; the cover below once it exists
    TPItemView *m_selectedCoverView = nullptr;

    TPEaseOutAnimation<qreal> m_scrollOffset;
    QElapsedTimer m_clock;
    QTimer m_animationTimer;

    // The touch in progress (the mouse is the finger).
    int m_beginningCover = -1;
    bool m_isDraggingACover = false;
    bool m_touching = false;
    qreal m_startPosition = 0;
    QPointF m_startPoint;
    int m_wheelRemainder = 0;
};
