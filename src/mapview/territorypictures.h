#pragma once

#include "polities/territoryborders.h"

#include <QImage>

#include <functional>
#include <list>
#include <memory>
#include <vector>

class PlaneTerritory;

// The territory as the map draws it (a sector's tint picture, borders and legend entries; the
// mini-map's tint), kept between redraws and made again only when the territory, the sector or
// the display mode changes. Every redraw then draws the same picture, which a screen's surface
// keeps resampled to its pixels. Copies of a model share one set, so the game master's and the
// players' views each find theirs.
class TerritoryPictures
{
public:
    struct Drawing
    {
        QImage tint;
        std::vector<BorderLine> borders;
        std::vector<int> shown; // the polities with ground in the sector, in list order
        bool neutral = false; // whether any of it is neutral ground
    };

    struct Key
    {
        std::shared_ptr<const PlaneTerritory> plane; // kept alive, so its address names it
        int column = 0; // the sector's bottom-left cell; all zero for the mini-map
        int row = 0;
        int count = 0;
        bool onWhite = false;
        std::vector<quint32> colours; // the polities' colours, in the plane's polity order
        bool operator==(const Key &other) const
        {
            return plane == other.plane && column == other.column && row == other.row && count == other.count
                && onWhite == other.onWhite && colours == other.colours;
        }
    };

    // The drawing kept for `key`, made by `make` when there is none. The reference stays valid
    // across the next call (a list keeps its elements, and the one dropped is never the one just used).
    const Drawing &drawing(const Key &key, const std::function<Drawing()> &make);

private:
    static constexpr size_t kKept = 6; // two views' sector and mini-map drawings, and a sector scrolled from
    std::list<std::pair<Key, Drawing>> m_drawings; // the most recently used first
};
