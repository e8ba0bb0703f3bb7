#include "mapview/territorypictures.h"

const TerritoryPictures::Drawing &TerritoryPictures::drawing(const Key &key, const std::function<Drawing()> &make)
{
    for (auto it = m_drawings.begin(); it != m_drawings.end(); ++it)
        if (it->first == key) {
            m_drawings.splice(m_drawings.begin(), m_drawings, it);
            return m_drawings.front().second;
        }
    m_drawings.emplace_front(key, make());
    if (m_drawings.size() > kKept)
        m_drawings.pop_back();
    return m_drawings.front().second;
}
