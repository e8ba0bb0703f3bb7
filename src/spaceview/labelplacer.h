#pragma once

#include <QRectF>

#include <vector>

// Places labels that never overlap one another or a dot. Every rectangle taken (dot or label) is
// filed in the cells of a grid it covers, so a test looks only at its neighbours: placing n labels
// costs about n times the few rectangles near each, never n squared.
class LabelPlacer
{
public:
    // bounds: where labels may go (the viewport); cellSize about the height of two labels.
    explicit LabelPlacer(const QRectF &bounds, double cellSize = 32.0);

    // A dot of `owner`: its own label may touch it, no other label may.
    void addDot(const QRectF &rect, int owner);
    // Takes `rect` for a label of `owner` when it lies inside the bounds and is clear of every
    // placed label and every other star's dot; false (and nothing taken) otherwise.
    // With overDots, only the placed labels count (for a label that matters more than the dots under it).
    bool place(const QRectF &rect, int owner, bool overDots = false);
    bool isFree(const QRectF &rect, int owner, bool overDots = false) const;

private:
    struct Taken
    {
        QRectF rect;
        int owner;
        bool dot;
    };

    void cellRange(const QRectF &rect, int &x0, int &y0, int &x1, int &y1) const;
    void add(const Taken &taken);

    QRectF m_bounds;
    double m_cell;
    int m_columns;
    int m_rows;
    std::vector<Taken> m_taken;
    std::vector<std::vector<int>> m_cells; // indices into m_taken, row-major
};
