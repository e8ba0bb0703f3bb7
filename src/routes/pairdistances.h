#pragma once

#include <cstddef>
#include <memory>
#include <vector>

class StarTable;

// The distance in light years between every two stars of the table, worked out once with the
// distance readout's formula (unrounded) so routes and links agree with what the map says. Copies
// share the one table, so copying a map model for the window's last drawing costs nothing here.
class PairDistances
{
public:
    explicit PairDistances(const StarTable &stars);

    int size() const { return m_size; }
    // Every star within `lightYears` of `star` (the star itself included), in catalogue order; none
    // for no star (-1).
    std::vector<int> within(int star, double lightYears) const;
    double operator()(int i, int j) const { return (*m_distance)[static_cast<std::size_t>(i * m_size + j)]; }

private:
    int m_size = 0;
    std::shared_ptr<const std::vector<double>> m_distance; // row-major, m_size * m_size
};
