#include "polities/planeterritory.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The nearest claiming member of the nearest polity and of the nearest other polity at one cell.
struct Nearest
{
    float first = std::numeric_limits<float>::infinity(); // squared light years
    float second = std::numeric_limits<float>::infinity();
    qint16 firstPolity = -1;
    qint16 secondPolity = -1;

    void take(float squared, qint16 polity)
    {
        if (polity == firstPolity) {
            first = std::min(first, squared);
        } else if (polity == secondPolity) {
            second = std::min(second, squared);
            if (second < first) {
                std::swap(first, second);
                std::swap(firstPolity, secondPolity);
            }
        } else if (squared < first) {
            second = first;
            secondPolity = firstPolity;
            first = squared;
            firstPolity = polity;
        } else if (squared < second) {
            second = squared;
            secondPolity = polity;
        }
    }
};

} // namespace

PlaneTerritory::PlaneTerritory(
    const std::vector<MemberStar> &members, double neutralMargin, double z, double reach, double cellSize)
    : m_columns(static_cast<int>(std::ceil(2 * reach / cellSize)))
    , m_rows(m_columns)
    , m_cellSize(cellSize)
    , m_left(-reach)
    , m_bottom(-reach)
    , m_z(z)
{
    std::vector<Nearest> cells(static_cast<size_t>(m_columns) * static_cast<size_t>(m_rows));
    // Each member touches only the cells within the disc its claim sphere cuts from the plane.
    for (const MemberStar &m : members) {
        const double dz = double(m.at.z()) - z;
        const double radius = m.claimRadius;
        if (std::abs(dz) > radius)
            continue;
        const double disc = std::sqrt(radius * radius - dz * dz);
        const int rowFrom = std::max(0, int(std::floor((m.at.y() - disc - m_bottom) / cellSize)));
        const int rowTo = std::min(m_rows - 1, int(std::floor((m.at.y() + disc - m_bottom) / cellSize)));
        const int columnFrom = std::max(0, int(std::floor((m.at.x() - disc - m_left) / cellSize)));
        const int columnTo = std::min(m_columns - 1, int(std::floor((m.at.x() + disc - m_left) / cellSize)));
        const double limit = radius * radius;
        const auto polity = static_cast<qint16>(m.polity);
        for (int row = rowFrom; row <= rowTo; ++row) {
            const double dy = m_bottom + (row + 0.5) * cellSize - double(m.at.y());
            const double rest = dy * dy + dz * dz;
            Nearest *line = &cells[static_cast<size_t>(row) * static_cast<size_t>(m_columns)];
            for (int column = columnFrom; column <= columnTo; ++column) {
                const double dx = m_left + (column + 0.5) * cellSize - double(m.at.x());
                const double squared = dx * dx + rest;
                if (squared <= limit)
                    line[column].take(static_cast<float>(squared), polity);
            }
        }
    }
    m_holders.resize(cells.size());
    for (size_t i = 0; i < cells.size(); ++i) {
        const Nearest &c = cells[i];
        const double other = c.secondPolity >= 0 ? double(c.second) : -1.0;
        m_holders[i] = static_cast<qint16>(holderOf(c.firstPolity, double(c.first), other, neutralMargin));
        m_anyClaim = m_anyClaim || m_holders[i] != territory::kUnclaimed;
    }
}

int PlaneTerritory::holder(int column, int row) const
{
    if (column < 0 || row < 0 || column >= m_columns || row >= m_rows)
        return territory::kUnclaimed;
    return m_holders[static_cast<size_t>(row) * static_cast<size_t>(m_columns) + static_cast<size_t>(column)];
}

QPointF PlaneTerritory::cellCentre(int column, int row) const
{
    return { m_left + (column + 0.5) * m_cellSize, m_bottom + (row + 0.5) * m_cellSize };
}
