#include "routes/pairdistances.h"

#include "catalogue/stardistance.h"
#include "catalogue/startable.h"

PairDistances::PairDistances(const StarTable &stars)
    : m_size(stars.size())
{
    auto distance = std::make_shared<std::vector<double>>(static_cast<size_t>(m_size) * static_cast<size_t>(m_size));
    for (int i = 0; i < m_size; ++i)
        for (int j = i + 1; j < m_size; ++j) {
            const double d = starDistance(stars, i, j);
            (*distance)[static_cast<size_t>(i * m_size + j)] = d;
            (*distance)[static_cast<size_t>(j * m_size + i)] = d;
        }
    m_distance = std::move(distance);
}

std::vector<int> PairDistances::within(int star, double lightYears) const
{
    std::vector<int> stars;
    if (star < 0 || star >= m_size)
        return stars;
    for (int i = 0; i < m_size; ++i)
        if (i == star || (*this)(star, i) <= lightYears)
            stars.push_back(i);
    return stars;
}
