#include "mapview/nameplacer.h"

#include "mapview/lineclip.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// How much further out each ring of places lies than the one beside the dot, in map units; a name
// on any but the first ring gets a leader.
constexpr double kRings[] = { 0.0, 1.5, 3.0, 5.0, 7.5, 10.0, 14.0 };

constexpr double kDiagonal = 0.70710678;

// The point of the box nearest to p.
QPointF nearestPoint(const QRectF &box, QPointF p)
{
    return { std::clamp(p.x(), box.left(), box.right()), std::clamp(p.y(), box.top(), box.bottom()) };
}

} // namespace

NamePlacer::Direction NamePlacer::towards(double degrees)
{
    const double a = degrees * M_PI / 180.0;
    const auto exact = [](double v) { return std::abs(v) < 1e-9 ? 0.0 : v; };
    const double dx = exact(std::cos(a));
    const double dy = exact(-std::sin(a));
    // Beside the dot the box's near edge faces it, on a diagonal its near corner.
    const auto anchor = [](double d) { return std::clamp(0.5 - d / (2 * kDiagonal), 0.0, 1.0); };
    return { dx, dy, anchor(dx), anchor(dy) };
}

// The places beside a dot in the order a map reader looks for a name: right, left, the four
// diagonals, above, below. Round a ringed dot, whose ring the cross hairs cut at right, left, top
// and bottom, the diagonals come first. Further out, eight more directions between those.
const std::array<NamePlacer::Direction, 8> &NamePlacer::nearPlaces(bool diagonalFirst)
{
    static const std::array<Direction, 8> beside = { towards(0), towards(180), towards(45), towards(-45), towards(135),
        towards(-135), towards(90), towards(-90) };
    static const std::array<Direction, 8> diagonal = { towards(45), towards(-45), towards(135), towards(-135),
        towards(0), towards(180), towards(90), towards(-90) };
    return diagonalFirst ? diagonal : beside;
}

const std::array<NamePlacer::Direction, 8> &NamePlacer::betweenPlaces()
{
    static const std::array<Direction, 8> between = { towards(22.5), towards(-22.5), towards(157.5), towards(-157.5),
        towards(67.5), towards(-67.5), towards(112.5), towards(-112.5) };
    return between;
}

NamePlacer::NamePlacer(const QRectF &bounds, double cell)
    : m_bounds(bounds)
    , m_cell(cell > 0.0 ? cell : 5.0)
    , m_columns(std::max(1, static_cast<int>(std::ceil(bounds.width() / m_cell))))
    , m_rows(std::max(1, static_cast<int>(std::ceil(bounds.height() / m_cell))))
    , m_grid(static_cast<size_t>(m_columns) * static_cast<size_t>(m_rows))
{ }

void NamePlacer::cells(const QRectF &box, int &x0, int &y0, int &x1, int &y1) const
{
    const auto cell = [this](double v, double origin, int count) {
        return std::clamp(static_cast<int>(std::floor((v - origin) / m_cell)), 0, count - 1);
    };
    x0 = cell(box.left(), m_bounds.left(), m_columns);
    x1 = cell(box.right(), m_bounds.left(), m_columns);
    y0 = cell(box.top(), m_bounds.top(), m_rows);
    y1 = cell(box.bottom(), m_bounds.top(), m_rows);
}

void NamePlacer::add(const Item &item)
{
    // What lies wholly outside the bounds can never meet a name inside them.
    if (!item.box.adjusted(-0.01, -0.01, 0.01, 0.01).intersects(m_bounds))
        return;
    const int index = static_cast<int>(m_items.size());
    m_items.push_back(item);
    int x0, y0, x1, y1;
    cells(item.box, x0, y0, x1, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            m_grid[static_cast<size_t>(y * m_columns + x)].push_back(index);
}

void NamePlacer::take(const QRectF &rect)
{
    add({ rect.normalized(), {}, false, -1 });
}

void NamePlacer::takeDot(int star, QPointF centre, double radius)
{
    add({ QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), {}, false, star });
}

bool NamePlacer::meets(const Item &a, const Item &b) const
{
    if (!a.box.intersects(b.box) && !(a.isLine || b.isLine))
        return false;
    if (a.isLine && b.isLine)
        return a.line.intersects(b.line, nullptr) == QLineF::BoundedIntersection;
    if (a.isLine)
        return clipToBox(a.line, b.box).has_value();
    if (b.isLine)
        return clipToBox(b.line, a.box).has_value();
    return true;
}

bool NamePlacer::isFree(const Item &item) const
{
    int x0, y0, x1, y1;
    cells(item.box, x0, y0, x1, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            for (const int index : m_grid[static_cast<size_t>(y * m_columns + x)]) {
                const Item &other = m_items[static_cast<size_t>(index)];
                if (other.owner >= 0 && other.owner == item.owner)
                    continue; // a star's own dot and leader
                if (meets(item, other))
                    return false;
            }
    return true;
}

bool NamePlacer::placeBox(const QRectF &box)
{
    const Item item { box, {}, false, -1 };
    if (!m_bounds.contains(box) || !isFree(item))
        return false;
    add(item);
    return true;
}

std::optional<PlacedName> NamePlacer::place(int star, QPointF dot, double clearance, QSizeF size, bool diagonalFirst)
{
    for (const double ring : kRings) {
        const double reach = clearance + kGap + ring;
        for (const Direction &d : nearPlaces(diagonalFirst))
            if (auto placed = tryPlace(star, dot, clearance, size, d, reach, ring > 0.0))
                return placed;
        for (const Direction &d : betweenPlaces())
            if (auto placed = tryPlace(star, dot, clearance, size, d, reach, ring > 0.0))
                return placed;
    }
    return std::nullopt;
}

std::optional<PlacedName> NamePlacer::tryPlace(
    int star, QPointF dot, double clearance, QSizeF size, const Direction &d, double reach, bool withLeader)
{
    // The box's facing point stands `reach` out from the centre.
    const QPointF anchor(dot.x() + d.dx * reach, dot.y() + d.dy * reach);
    const QRectF box(
        anchor.x() - d.anchorX * size.width(), anchor.y() - d.anchorY * size.height(), size.width(), size.height());
    if (!m_bounds.contains(box))
        return std::nullopt;
    const Item name { box, {}, false, star };
    if (!isFree(name))
        return std::nullopt;
    std::optional<QLineF> leader;
    if (withLeader) {
        const QPointF end = nearestPoint(box, dot);
        const QLineF toName(dot, end);
        const QLineF line(toName.pointAt(clearance / toName.length()), end);
        const Item leaderItem { QRectF(line.p1(), line.p2()).normalized(), line, true, star };
        if (!isFree(leaderItem))
            return std::nullopt;
        add(leaderItem);
        leader = line;
    }
    add(name);
    return PlacedName { star, box, leader };
}
