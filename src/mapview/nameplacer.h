#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <array>
#include <optional>
#include <vector>

// A star's name as it was set: the box its text fills and, when the name had to stand away from
// its dot, the leader line from the dot's edge to the box.
struct PlacedName
{
    int star = -1;
    QRectF rect;
    std::optional<QLineF> leader;
};

// Sets star names beside their dots, in map units, without widgets: no name covers another name,
// a leader line, a dot or any space taken before it (axis labels, keys, reference numbers), and
// every name lies inside the bounds. A name that finds no free place is not set at all. The taken
// space is filed in a grid of cells, so that a test looks only at what lies near it.
class NamePlacer
{
public:
    // bounds: where names may lie; cell: the side of a grid cell, about two names' height.
    explicit NamePlacer(const QRectF &bounds, double cell = 5.0);

    // Space no name or leader may cover.
    void take(const QRectF &rect);
    // A star's dot: no other star's name or leader may cover it; its own leader starts at its edge.
    void takeDot(int star, QPointF centre, double radius);

    // Sets the name of `star`, a box of `size`, at the nearest free place around its dot, keeping
    // `clearance` (the dot's radius, or a ring's round it) free around the dot's centre: at its
    // right, left, the four diagonals, above and below first (the diagonals first with
    // `diagonalFirst`), then further out in more directions with a leader. Takes the space it sets
    // the name (and its leader) in; nothing when no place is free.
    std::optional<PlacedName> place(int star, QPointF dot, double clearance, QSizeF size, bool diagonalFirst = false);
    // Takes the box for a label of its own (a page number) when it lies inside the bounds and meets
    // nothing taken; false, and nothing taken, otherwise.
    bool placeBox(const QRectF &box);

    // The gap between a dot's clearance and its name.
    static constexpr double kGap = 0.4;

private:
    // A place round a dot: the direction from the dot's centre to the name, and the point of the
    // name's box that faces the dot (0 left or top, 0.5 middle, 1 right or bottom).
    struct Direction
    {
        double dx, dy;
        double anchorX, anchorY;
    };
    static Direction towards(double degrees); // 0 right, 90 up
    static const std::array<Direction, 8> &nearPlaces(bool diagonalFirst);
    static const std::array<Direction, 8> &betweenPlaces();

    struct Item
    {
        QRectF box; // the rectangle taken, or the bounding box of a line
        QLineF line;
        bool isLine = false;
        int owner = -1; // the star whose dot or leader it is; -1 for everything else
    };

    std::optional<PlacedName> tryPlace(
        int star, QPointF dot, double clearance, QSizeF size, const Direction &d, double reach, bool withLeader);
    void add(const Item &item);
    bool isFree(const Item &item) const;
    bool meets(const Item &a, const Item &b) const;
    void cells(const QRectF &box, int &x0, int &y0, int &x1, int &y1) const;

    QRectF m_bounds;
    double m_cell;
    int m_columns;
    int m_rows;
    std::vector<Item> m_items;
    std::vector<std::vector<int>> m_grid; // per cell, row by row: indices into m_items
};
