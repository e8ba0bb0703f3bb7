#pragma once

#include "polities/territoryrule.h"

#include <QPointF>
#include <QtGlobal>

#include <vector>

// The territory of every polity on a horizontal plane of space, cell by cell: the holder of each
// cell's centre under the territory rule. Columns run along X from `left`, rows along Y from
// `bottom` (upwards, as the co-ordinates do).
class PlaneTerritory
{
public:
    static constexpr double kCellSize = 0.125; // light years
    static constexpr double kReach = 35.0; // the plane spans -kReach .. kReach on X and Y

    PlaneTerritory() = default;
    // The territory on the plane Z = `z` over the square of half-width `reach` round the origin.
    PlaneTerritory(const std::vector<MemberStar> &members, double neutralMargin, double z, double reach = kReach,
        double cellSize = kCellSize);

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    double cellSize() const { return m_cellSize; }
    double left() const { return m_left; }
    double bottom() const { return m_bottom; }
    double z() const { return m_z; }
    // The holder of a cell (a polity index, territory::kUnclaimed or territory::kNeutral); cells off
    // the plane are unclaimed.
    int holder(int column, int row) const;
    QPointF cellCentre(int column, int row) const;
    // Whether any cell is held or neutral.
    bool anyClaim() const { return m_anyClaim; }

private:
    int m_columns = 0;
    int m_rows = 0;
    double m_cellSize = kCellSize;
    double m_left = 0.0;
    double m_bottom = 0.0;
    double m_z = 0.0;
    bool m_anyClaim = false;
    std::vector<qint16> m_holders; // row by row
};
