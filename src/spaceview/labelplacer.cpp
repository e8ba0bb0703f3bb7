#include "spaceview/labelplacer.h"

#include <algorithm>
#include <cmath>

LabelPlacer::LabelPlacer(const QRectF &bounds, double cellSize)
    : m_bounds(bounds)
    , m_cell(cellSize > 0.0 ? cellSize : 32.0)
    , m_columns(std::max(1, int(std::ceil(bounds.width() / m_cell))))
    , m_rows(std::max(1, int(std::ceil(bounds.height() / m_cell))))
    , m_cells(size_t(m_columns) * size_t(m_rows))
{ }

void LabelPlacer::cellRange(const QRectF &rect, int &x0, int &y0, int &x1, int &y1) const
{
    const auto cell = [this](double v, double origin, int count) {
        return std::clamp(int(std::floor((v - origin) / m_cell)), 0, count - 1);
    };
    x0 = cell(rect.left(), m_bounds.left(), m_columns);
    x1 = cell(rect.right(), m_bounds.left(), m_columns);
    y0 = cell(rect.top(), m_bounds.top(), m_rows);
    y1 = cell(rect.bottom(), m_bounds.top(), m_rows);
}

void LabelPlacer::add(const Taken &taken)
{
    const int index = int(m_taken.size());
    m_taken.push_back(taken);
    int x0, y0, x1, y1;
    cellRange(taken.rect, x0, y0, x1, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            m_cells[size_t(y) * size_t(m_columns) + size_t(x)].push_back(index);
}

void LabelPlacer::addDot(const QRectF &rect, int owner)
{
    if (rect.intersects(m_bounds))
        add({ rect, owner, true });
}

bool LabelPlacer::isFree(const QRectF &rect, int owner, bool overDots) const
{
    if (!m_bounds.contains(rect))
        return false;
    int x0, y0, x1, y1;
    cellRange(rect, x0, y0, x1, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            for (const int index : m_cells[size_t(y) * size_t(m_columns) + size_t(x)]) {
                const Taken &taken = m_taken[size_t(index)];
                if (!(taken.dot && (overDots || taken.owner == owner)) && taken.rect.intersects(rect))
                    return false;
            }
    return true;
}

bool LabelPlacer::place(const QRectF &rect, int owner, bool overDots)
{
    if (!isFree(rect, owner, overDots))
        return false;
    add({ rect, owner, false });
    return true;
}
