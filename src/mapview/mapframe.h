#pragma once

#include "mapview/surface.h"

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

// A click area on the map with the star it belongs to, in map units.
struct HitArea
{
    int star = -1;
    QRectF rect;
    QString toolTip;
};

// How one Stellar Index entry looks after a redraw.
struct IndexEntryMark
{
    bool border = false; // selected or second star
    Colour textColour = 0; // red for the selected star, blue for the second, else black
    Colour dotColour = 0; // the star's colour under the current colour code
    QString mark; // "*", "R" or nothing
    bool hasNotes = false; // prints "N"
};

// What a redraw leaves on the controls: the visible star markers with their tooltips, the click
// areas over the star list rows, the Stellar Index marks and its "selected system" caption.
struct MapFrame
{
    // Star markers: left, top and width as placed by the star pass; the height of a marker is a
    // physical size (kMarkerHeightTwips) that the window converts to map units.
    std::vector<HitArea> markers;
    std::vector<HitArea> listRows;
    std::vector<IndexEntryMark> index; // one per star, in star order
    std::optional<QString> selectionLabel; // new caption, set only while a star is selected
    std::vector<int> unnamed; // stars in the sector whose names found no free place, with star names shown

    static constexpr int kMarkerHeightTwips = 210;
};
