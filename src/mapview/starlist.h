#pragma once

#include "mapview/mapframe.h"

#include <QString>

struct MapModel;

// The numbered list of the stars in the sector, to the right of the map: a header and one row per
// listed star, each row with a click area over it.
class StarList
{
public:
    static constexpr double kListX = 180.0;
    static constexpr double kRight = 278.0;

    // Sets the list font, measures the line height and draws the header.
    StarList(const MapModel &model, Surface &surface);

    // Draws row k (1, 2, ...) for star i with its reference number and returns the row's click area.
    HitArea drawRow(qint32 i, int k, const QString &ref);

private:
    void drawHeader();

    const MapModel &m_model;
    Surface &m_surface;
    double m_lineHeight;
    double m_left; // left edge of the row boxes: room for the reference column only when it is shown
    int m_headerLines; // two on an atlas page, whose LY head says "from Sol"
};

// A star marker's tooltip: the distance from the selected star, or the star's own data when no
// star is selected.
QString starTooltip(const MapModel &model, qint32 i);
