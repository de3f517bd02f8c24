#include "kit/QMBaseMap.h"

#include "kit/QMKitStyle.h"
#include "kit/QMMapProjection.h"

#include <QFile>
#include <QFontMetricsF>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

using Kind = QMBaseMap::Kind;

struct LineStyle
{
    double widthAt12; // points at zoom 12; roads widen by half a zoom level per level
    double minimumWidth;
    double maximumWidth;
    double minZoom;
    double labelMinZoom;
};

LineStyle roadStyle(Kind kind)
{
    switch (kind) {
    case Kind::Ring:
        return {2.6, 1.0, 16, 0, 12};
    case Kind::Arterial:
        return {2.0, 0.9, 13, 10, 13.5};
    default:
        return {1.2, 0.8, 9, 13, 14.5};
    }
}

double roadWidth(Kind kind, double zoom)
{
    const LineStyle style = roadStyle(kind);
    return qBound(style.minimumWidth, style.widthAt12 * std::exp2((zoom - 12) / 2),
                  style.maximumWidth);
}

bool kindOf(const QString &name, Kind *kind)
{
    static const QHash<QString, Kind> kinds{
        {QStringLiteral("sea"), Kind::Sea},           {QStringLiteral("island"), Kind::Island},
        {QStringLiteral("lake"), Kind::Lake},         {QStringLiteral("park"), Kind::Park},
        {QStringLiteral("river"), Kind::River},       {QStringLiteral("ring"), Kind::Ring},
        {QStringLiteral("arterial"), Kind::Arterial}, {QStringLiteral("street"), Kind::Street},
        {QStringLiteral("district"), Kind::District}, {QStringLiteral("water"), Kind::Water}};
    const auto found = kinds.constFind(name);
    if (found == kinds.constEnd())
        return false;
    *kind = *found;
    return true;
}

bool isArea(Kind kind)
{
    return kind == Kind::Sea || kind == Kind::Island || kind == Kind::Lake || kind == Kind::Park;
}

bool isRoad(Kind kind)
{
    return kind == Kind::Ring || kind == Kind::Arterial || kind == Kind::Street;
}

// [lon, lat] pairs to world points; false when any pair names no place.
bool readPoints(const QJsonArray &pairs, QPolygonF *points)
{
    for (const QJsonValue &value : pairs) {
        const QJsonArray pair = value.toArray();
        if (pair.size() < 2 || !pair.at(0).isDouble() || !pair.at(1).isDouble())
            return false;
        const QMMapCoordinate coordinate{pair.at(1).toDouble(), pair.at(0).toDouble()};
        if (!coordinate.isValid())
            return false;
        points->append(QMMapProjection::worldPoint(coordinate));
    }
    return !points->isEmpty();
}

bool readGeometry(const QJsonObject &geometry, std::vector<QPolygonF> *parts)
{
    const QString type = geometry.value(QLatin1String("type")).toString();
    const QJsonArray coordinates = geometry.value(QLatin1String("coordinates")).toArray();
    auto readPart = [&](const QJsonArray &pairs) {
        QPolygonF part;
        if (!readPoints(pairs, &part))
            return false;
        parts->push_back(part);
        return true;
    };
    if (type == QLatin1String("Point"))
        return readPart(QJsonArray{geometry.value(QLatin1String("coordinates"))});
    if (type == QLatin1String("LineString"))
        return readPart(coordinates);
    if (type == QLatin1String("MultiLineString") || type == QLatin1String("Polygon")) {
        for (const QJsonValue &part : coordinates) {
            if (!readPart(part.toArray()))
                return false;
        }
        return !parts->empty();
    }
    return false;
}

double defaultLabelZoom(Kind kind)
{
    if (isRoad(kind))
        return roadStyle(kind).labelMinZoom;
    if (kind == Kind::Park)
        return 14;
    return kind == Kind::River ? 12 : 0;
}

int drawingRank(Kind kind)
{
    return int(kind);
}

// Sutherland-Hodgman against each edge of an axis-aligned rectangle.
QPolygonF clipPolygon(const QPolygonF &polygon, const QRectF &rect)
{
    QPolygonF result = polygon;
    for (int edge = 0; edge < 4 && !result.isEmpty(); ++edge) {
        auto inside = [&](const QPointF &p) {
            switch (edge) {
            case 0:
                return p.x() >= rect.left();
            case 1:
                return p.x() <= rect.right();
            case 2:
                return p.y() >= rect.top();
            default:
                return p.y() <= rect.bottom();
            }
        };
        auto cross = [&](const QPointF &a, const QPointF &b) {
            double t;
            switch (edge) {
            case 0:
                t = (rect.left() - a.x()) / (b.x() - a.x());
                break;
            case 1:
                t = (rect.right() - a.x()) / (b.x() - a.x());
                break;
            case 2:
                t = (rect.top() - a.y()) / (b.y() - a.y());
                break;
            default:
                t = (rect.bottom() - a.y()) / (b.y() - a.y());
                break;
            }
            return a + (b - a) * t;
        };
        const QPolygonF input = result;
        result.clear();
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QPointF current = input.at(i);
            const QPointF previous = input.at((i + input.size() - 1) % input.size());
            if (inside(current)) {
                if (!inside(previous))
                    result.append(cross(previous, current));
                result.append(current);
            } else if (inside(previous)) {
                result.append(cross(previous, current));
            }
        }
    }
    return result;
}

// Liang-Barsky on each segment; the visible pieces of the line, each a run of points.
std::vector<QPolygonF> clipLine(const QPolygonF &line, const QRectF &rect)
{
    std::vector<QPolygonF> runs;
    QPolygonF run;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF a = line.at(i - 1);
        const QPointF d = line.at(i) - a;
        double t0 = 0, t1 = 1;
        const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
        const double q[4] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(),
                             rect.bottom() - a.y()};
        bool visible = true;
        for (int k = 0; k < 4 && visible; ++k) {
            if (p[k] == 0) {
                visible = q[k] >= 0;
            } else {
                const double t = q[k] / p[k];
                if (p[k] < 0)
                    t0 = std::max(t0, t);
                else
                    t1 = std::min(t1, t);
                visible = t0 <= t1;
            }
        }
        if (!visible) {
            if (run.size() > 1)
                runs.push_back(run);
            run.clear();
            continue;
        }
        const QPointF from = a + d * t0;
        const QPointF to = a + d * t1;
        if (run.isEmpty() || run.last() != from) {
            if (run.size() > 1)
                runs.push_back(run);
            run = QPolygonF{from};
        }
        run.append(to);
        if (t1 < 1) {
            runs.push_back(run);
            run.clear();
        }
    }
    if (run.size() > 1)
        runs.push_back(run);
    return runs;
}

QPolygonF toView(const QPolygonF &world, const QMMapViewport &viewport)
{
    QPolygonF view;
    view.reserve(world.size());
    for (const QPointF &point : world)
        view.append(viewport.toView(point));
    return view;
}

bool isVisible(const QMBaseMap::Feature &feature, const QMMapViewport &viewport,
               double marginPoints)
{
    const double margin = marginPoints / viewport.worldSize;
    const QRectF area = viewport.worldRect().adjusted(-margin, -margin, margin, margin);
    // A point or a horizontal line has an empty bounding box, which intersects nothing.
    const QRectF bounds = feature.bounds.adjusted(-1e-12, -1e-12, 1e-12, 1e-12);
    return area.intersects(bounds);
}

// Labels placed so far, so that none covers another.
class LabelPlacer
{
public:
    LabelPlacer(QPainter *painter, const QRectF &area, const QRectF &visible)
        : m_painter(painter)
        , m_area(area)
        , m_visible(visible)
    {}

    // Centred on at, turned by angle degrees; false when it would not fit.
    bool place(const QString &text, const QFont &font, const QColor &color, const QPointF &at,
               qreal angle = 0)
    {
        const QFontMetricsF metrics(font);
        const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
        QTransform turn;
        turn.translate(at.x(), at.y());
        turn.rotate(angle);
        const QRectF box =
            turn.mapRect(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size))
                .adjusted(-3, -2, 3, 2);
        if (!m_area.contains(box))
            return false;
        // Whole on screen or off it: a label the screen's edge cuts in two helps nobody.
        if (m_visible.intersects(box) && !m_visible.contains(box))
            return false;
        for (const QRectF &taken : m_taken) {
            if (taken.intersects(box))
                return false;
        }
        m_taken.append(box);

        QPainterPath path;
        path.addText(QPointF(-size.width() / 2, metrics.ascent() - size.height() / 2), font, text);
        m_painter->save();
        m_painter->setTransform(turn, true);
        m_painter->setBrush(Qt::NoBrush);
        m_painter->setPen(
            QPen(QColor(255, 255, 255, 210), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter->drawPath(path);
        m_painter->setPen(Qt::NoPen);
        m_painter->setBrush(color);
        m_painter->drawPath(path);
        m_painter->restore();
        return true;
    }

private:
    QPainter *m_painter;
    QRectF m_area;
    QRectF m_visible;
    QList<QRectF> m_taken;
};

// Rivers and roads bend instead of kinking: each corner is rounded off by a curve from the
// middle of one stretch to the middle of the next.
void addSmoothed(QPainterPath *path, const QPolygonF &line)
{
    if (line.size() < 2)
        return;
    path->moveTo(line.first());
    for (qsizetype i = 1; i + 1 < line.size(); ++i)
        path->quadTo(line.at(i), (line.at(i) + line.at(i + 1)) / 2);
    path->lineTo(line.last());
}

// The longest straight stretch of a line within area, for a label along it.
bool longestSegment(const QPolygonF &line, const QRectF &area, QLineF *segment)
{
    double best = 0;
    for (const QPolygonF &run : clipLine(line, area)) {
        for (qsizetype i = 1; i < run.size(); ++i) {
            const QLineF candidate(run.at(i - 1), run.at(i));
            if (candidate.length() > best) {
                best = candidate.length();
                *segment = candidate;
            }
        }
    }
    return best > 0;
}

} // namespace

const QMBaseMap &QMBaseMap::shanghai()
{
    static const QMBaseMap map = [] {
        QFile file(QStringLiteral(":/map/shanghai.geojson"));
        return QMBaseMap(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }();
    return map;
}

QMBaseMap::QMBaseMap(const QByteArray &geoJson)
{
    const QJsonArray features =
        QJsonDocument::fromJson(geoJson).object().value(QLatin1String("features")).toArray();
    for (const QJsonValue &value : features) {
        const QJsonObject properties = value[QLatin1String("properties")].toObject();
        Feature feature;
        if (!kindOf(properties.value(QLatin1String("kind")).toString(), &feature.kind))
            continue;
        if (!readGeometry(value[QLatin1String("geometry")].toObject(), &feature.parts))
            continue;
        feature.name = properties.value(QLatin1String("name")).toString();
        feature.widthMetres = properties.value(QLatin1String("width")).toDouble(0);
        const double defaultMinZoom = isRoad(feature.kind) ? roadStyle(feature.kind).minZoom : 0;
        feature.minZoom = properties.value(QLatin1String("minZoom")).toDouble(defaultMinZoom);
        feature.maxZoom = properties.value(QLatin1String("maxZoom")).toDouble(99);
        feature.labelMinZoom = properties.value(QLatin1String("labelMinZoom"))
                                   .toDouble(defaultLabelZoom(feature.kind));
        QRectF bounds;
        for (const QPolygonF &part : feature.parts)
            bounds = bounds.isNull() ? part.boundingRect() : bounds.united(part.boundingRect());
        feature.bounds = bounds;
        m_features.push_back(std::move(feature));
    }
    std::stable_sort(m_features.begin(), m_features.end(), [](const Feature &a, const Feature &b) {
        return drawingRank(a.kind) < drawingRank(b.kind);
    });
}

QColor QMBaseMap::landColor()
{
    return QColor(243, 240, 233);
}

QColor QMBaseMap::waterColor()
{
    return QColor(170, 205, 228);
}

QColor QMBaseMap::parkColor()
{
    return QColor(211, 230, 195);
}

void QMBaseMap::draw(QPainter *painter, const QMMapViewport &viewport, const QRectF &visible) const
{
    const QRectF view(QPointF(0, 0), viewport.size);
    painter->save();
    painter->fillRect(view, landColor());
    painter->setRenderHint(QPainter::Antialiasing);
    drawAreas(painter, viewport, view.adjusted(-4, -4, 4, 4));
    drawLines(painter, viewport, view);
    drawLabels(painter, viewport, visible.isEmpty() ? view : visible);
    painter->restore();
}

void QMBaseMap::drawAreas(QPainter *painter, const QMMapViewport &viewport,
                          const QRectF &clip) const
{
    const double zoom = viewport.zoomLevel();
    painter->setPen(Qt::NoPen);
    for (const Feature &feature : m_features) {
        if (!isArea(feature.kind) || zoom < feature.minZoom || zoom > feature.maxZoom ||
            !isVisible(feature, viewport, 4))
            continue;
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        for (const QPolygonF &ring : feature.parts) {
            const QPolygonF clipped = clipPolygon(toView(ring, viewport), clip);
            if (clipped.size() > 2)
                path.addPolygon(clipped);
        }
        const QColor color = feature.kind == Kind::Island ? landColor()
                             : feature.kind == Kind::Park ? parkColor()
                                                          : waterColor();
        painter->fillPath(path, color);
    }
}

void QMBaseMap::drawLines(QPainter *painter, const QMMapViewport &viewport,
                          const QRectF &view) const
{
    const double zoom = viewport.zoomLevel();
    const double metresPerPoint = viewport.metresPerPoint();
    painter->setBrush(Qt::NoBrush);

    auto stroke = [&](const Feature &feature, double width, const QColor &color) {
        if (zoom < feature.minZoom || zoom > feature.maxZoom ||
            !isVisible(feature, viewport, width))
            return;
        const QRectF clip = view.adjusted(-width, -width, width, width);
        QPainterPath path;
        for (const QPolygonF &line : feature.parts) {
            for (const QPolygonF &run : clipLine(toView(line, viewport), clip))
                addSmoothed(&path, run);
        }
        painter->setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(path);
    };

    for (const Feature &feature : m_features) {
        if (feature.kind == Kind::River)
            stroke(feature, std::max(1.2, feature.widthMetres / metresPerPoint), waterColor());
    }
    // Casings of every road first, so that crossings join white on white.
    const QColor casing(214, 207, 195);
    const double casingWidth = zoom < 11 ? 1.2 : 2.0;
    for (const Kind kind : {Kind::Street, Kind::Arterial, Kind::Ring}) {
        for (const Feature &feature : m_features) {
            if (feature.kind == kind)
                stroke(feature, roadWidth(kind, zoom) + casingWidth, casing);
        }
    }
    for (const Kind kind : {Kind::Street, Kind::Arterial, Kind::Ring}) {
        for (const Feature &feature : m_features) {
            if (feature.kind == kind)
                stroke(feature, roadWidth(kind, zoom), Qt::white);
        }
    }
}

void QMBaseMap::drawLabels(QPainter *painter, const QMMapViewport &viewport,
                           const QRectF &visible) const
{
    const double zoom = viewport.zoomLevel();
    LabelPlacer labels(painter, QRectF(QPointF(0, 0), viewport.size), visible);
    const QColor grey(128, 128, 130);

    for (const Feature &feature : m_features) {
        if (feature.kind != Kind::District || feature.name.isEmpty() || zoom < feature.minZoom ||
            zoom > feature.maxZoom)
            continue;
        QFont font = QMKitStyle::systemFont(zoom < 10 ? 11.5 : 13);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
        labels.place(feature.name, font, grey, viewport.toView(feature.parts.front().front()));
    }
    for (const Feature &feature : m_features) {
        if (feature.kind != Kind::Water || zoom < feature.minZoom || zoom > feature.maxZoom)
            continue;
        QFont font = QMKitStyle::italicSystemFont(12);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
        labels.place(feature.name, font, QColor(92, 132, 168),
                     viewport.toView(feature.parts.front().front()));
    }

    for (const Feature &feature : m_features) {
        if (feature.kind != Kind::Park || feature.name.isEmpty() || zoom < feature.labelMinZoom)
            continue;
        const QRectF bounds(viewport.toView(feature.bounds.topLeft()),
                            viewport.toView(feature.bounds.bottomRight()));
        const QFont font = QMKitStyle::systemFont(11);
        if (bounds.width() < QFontMetricsF(font).horizontalAdvance(feature.name) * 0.8)
            continue;
        labels.place(feature.name, font, QColor(92, 128, 84), bounds.center());
    }

    const QRectF area = QRectF(QPointF(0, 0), viewport.size).adjusted(8, 8, -8, -8);
    for (const Kind kind : {Kind::River, Kind::Ring, Kind::Arterial, Kind::Street}) {
        for (const Feature &feature : m_features) {
            if (feature.kind != kind || feature.name.isEmpty() || zoom < feature.labelMinZoom ||
                zoom < feature.minZoom || !isVisible(feature, viewport, 0))
                continue;
            const bool river = kind == Kind::River;
            QFont font = river ? QMKitStyle::italicSystemFont(11) : QMKitStyle::systemFont(10);
            if (river)
                font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
            const qreal textWidth = QFontMetricsF(font).horizontalAdvance(feature.name);
            QLineF segment;
            for (const QPolygonF &line : feature.parts) {
                QLineF candidate;
                if (longestSegment(toView(line, viewport), area, &candidate) &&
                    candidate.length() > segment.length())
                    segment = candidate;
            }
            if (segment.length() < textWidth + 16)
                continue;
            qreal angle = -segment.angle(); // QLineF counts counter-clockwise
            while (angle > 90)
                angle -= 180;
            while (angle <= -90)
                angle += 180;
            labels.place(feature.name, font, river ? QColor(82, 124, 160) : grey, segment.center(),
                         angle);
        }
    }
}
