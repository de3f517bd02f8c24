#include "kit/QMNavigationBar.h"

#include "kit/QMBarButton.h"
#include "kit/QMKeyboardNavigation.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationItem.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPainter>

static const char *const chosenSizeProperty = "qmChosenSize";

// The size the screen gave the widget before handing it over, else the size it asks for.
static QSize preferredSize(const QWidget *widget)
{
    const QSize chosen = widget->property(chosenSizeProperty).toSize();
    return chosen.isValid() ? chosen : widget->sizeHint();
}

QMNavigationBar::QMNavigationBar(QWidget *parent)
    : QWidget(parent)
    , m_tintColor(QMKitStyle::tintColor())
    , m_titleLabel(new QLabel(this))
    , m_backButton(new QMBarButton(QString(), this))
    , m_fadeOverlay(new QLabel(this))
{
    // Title views and labels put on the bar read white unless they choose otherwise.
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::white);
    setPalette(palette);
    resize(320, barHeight);

    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_backButton->setShape(QMBarButton::Shape::Back);
    m_backButton->setObjectName(QStringLiteral("QMNavigationBarBackButton"));
    m_backButton->hide();
    QMKeyboardNavigation::markBackButton(m_backButton);
    connect(m_backButton, &QMBarButton::clicked, this, &QMNavigationBar::backButtonClicked);

    m_fadeOverlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_fadeOverlay->setGraphicsEffect(new QGraphicsOpacityEffect(m_fadeOverlay));
    m_fadeOverlay->hide();
    relayout();
}

QMNavigationBar::~QMNavigationBar()
{
    // Borrowed widgets go back to their items, which delete them.
    for (const QPointer<QWidget> &widget : std::as_const(m_hosted)) {
        if (widget && widget->parentWidget() == this) {
            widget->hide();
            widget->setParent(nullptr);
        }
    }
}

void QMNavigationBar::setTintColor(const QColor &color)
{
    m_tintColor = color;
    update();
    m_backButton->update();
}

QList<QMNavigationItem *> QMNavigationBar::items() const
{
    QList<QMNavigationItem *> result;
    for (const QPointer<QMNavigationItem> &item : m_items) {
        if (item)
            result.append(item);
    }
    return result;
}

QMNavigationItem *QMNavigationBar::topItem() const
{
    const QList<QMNavigationItem *> all = items();
    return all.isEmpty() ? nullptr : all.last();
}

QMNavigationItem *QMNavigationBar::backItem() const
{
    const QList<QMNavigationItem *> all = items();
    return all.size() < 2 ? nullptr : all.at(all.size() - 2);
}

void QMNavigationBar::setItems(const QList<QMNavigationItem *> &items, bool animated)
{
    m_fade.finish();
    if (animated && isVisible() && topItem() != (items.isEmpty() ? nullptr : items.last())) {
        // Cross-fade: a picture of the old contents fades out over the new ones.
        m_fadeOverlay->hide();
        m_fadeOverlay->setPixmap(grab());
        m_fadeOverlay->setGeometry(rect());
        m_fadeOverlay->raise();
        m_fadeOverlay->show();
        auto *effect = static_cast<QGraphicsOpacityEffect *>(m_fadeOverlay->graphicsEffect());
        m_fade.run(
            true, [effect](qreal progress) { effect->setOpacity(1.0 - progress); },
            [this] { m_fadeOverlay->hide(); }, QMKitStyle::slideDuration, QEasingCurve::InOutQuad);
    }
    for (const QPointer<QMNavigationItem> &old : std::as_const(m_items)) {
        if (old)
            disconnect(old, nullptr, this, nullptr);
    }
    m_items.clear();
    for (QMNavigationItem *item : items) {
        if (!item)
            continue;
        m_items.append(item);
        connect(item, &QMNavigationItem::changed, this, &QMNavigationBar::relayout);
        connect(item, &QObject::destroyed, this, &QMNavigationBar::relayout, Qt::QueuedConnection);
    }
    relayout();
}

QString QMNavigationBar::backTitleOf(const QMNavigationItem *item) const
{
    if (!item->backBarButtonTitle().isEmpty())
        return item->backBarButtonTitle();
    const QString title = item->title();
    const QFontMetrics metrics(m_backButton->font());
    if (!title.isEmpty() && metrics.horizontalAdvance(title) <= 72)
        return title;
    return QStringLiteral("返回");
}

void QMNavigationBar::host(QWidget *widget)
{
    if (widget->parentWidget() != this) {
        if (!m_hosted.contains(widget) && widget->testAttribute(Qt::WA_Resized))
            widget->setProperty(chosenSizeProperty, widget->size());
        widget->setParent(this);
        m_hosted.append(widget);
    }
}

void QMNavigationBar::relayout()
{
    QMNavigationItem *top = topItem();
    QMNavigationItem *back = backItem();
    QWidget *left = top ? top->leftBarButton() : nullptr;
    QWidget *right = top ? top->rightBarButton() : nullptr;
    QWidget *titleView = top ? top->titleView() : nullptr;

    m_hosted.removeAll(nullptr);
    for (const QPointer<QWidget> &widget : std::as_const(m_hosted)) {
        if (widget != left && widget != right && widget != titleView)
            widget->hide();
    }

    const int margin = 5;
    const int w = width();
    int leftEdge = 0;
    if (left) {
        host(left);
        const QSize size = preferredSize(left);
        left->setGeometry(margin, (barHeight - size.height()) / 2, size.width(), size.height());
        left->show();
        leftEdge = left->geometry().right() + 1;
        m_backButton->hide();
    } else if (back && !top->hidesBackButton()) {
        m_backButton->setText(backTitleOf(back));
        const QSize size = m_backButton->sizeHint();
        m_backButton->setGeometry(margin, (barHeight - size.height()) / 2, size.width(),
                                  size.height());
        m_backButton->show();
        leftEdge = m_backButton->geometry().right() + 1;
    } else {
        m_backButton->hide();
    }

    int rightEdge = w;
    if (right) {
        host(right);
        const QSize size = preferredSize(right);
        right->setGeometry(w - margin - size.width(), (barHeight - size.height()) / 2, size.width(),
                           size.height());
        right->show();
        rightEdge = right->geometry().left();
    }

    // Centred on the bar when there is room, else centred between the buttons.
    const int regionLeft = leftEdge + (leftEdge > 0 ? 6 : margin);
    const int regionRight = rightEdge - (rightEdge < w ? 6 : margin);
    const int available = qMax(0, regionRight - regionLeft);
    auto place = [&](int contentWidth) {
        const int width = qMin(contentWidth, available);
        const int x = qBound(regionLeft, (w - width) / 2, qMax(regionLeft, regionRight - width));
        return QPair<int, int>(x, width);
    };

    if (titleView) {
        host(titleView);
        const QSize size = preferredSize(titleView);
        const auto [x, width] = place(size.width());
        const int height = qMin(size.height(), int(barHeight));
        titleView->setGeometry(x, (barHeight - height) / 2, width, height);
        titleView->show();
        m_titleLabel->hide();
    } else {
        const QFont font =
            top && top->hasTitleFont() ? top->titleFont() : QMKitStyle::boldSystemFont(18);
        m_titleLabel->setFont(font);
        const QString title = top ? top->title() : QString();
        const QFontMetrics metrics(font);
        const auto [x, width] = place(metrics.horizontalAdvance(title) + 2);
        m_titleLabel->setText(metrics.elidedText(title, Qt::ElideRight, width));
        m_titleLabel->setGeometry(x, 0, width, barHeight);
        m_titleLabel->setVisible(!title.isEmpty());
    }
    m_fadeOverlay->raise();
}

QSize QMNavigationBar::sizeHint() const
{
    return QSize(320, barHeight);
}

void QMNavigationBar::resizeEvent(QResizeEvent *)
{
    relayout();
}

void QMNavigationBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = rect();
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0.0, m_tintColor.lighter(112));
    fill.setColorAt(1.0, m_tintColor.darker(104));
    painter.fillRect(area, fill);
    painter.setPen(m_tintColor.lighter(130));
    painter.drawLine(area.left(), area.top(), area.right(), area.top());
    painter.setPen(m_tintColor.darker(140));
    painter.drawLine(area.left(), area.bottom(), area.right(), area.bottom());
}
