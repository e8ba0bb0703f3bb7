#pragma once

#include "mapview/colour.h"

#include <QColor>

// The colours of the 3-D view in the map's two display modes: light lines on black, or dark ink on
// white for paper.
struct ScenePalette
{
    QColor background;
    QColor grid;
    QColor rings;
    QColor sector;
    QColor foot;
    QColor text;
    QColor dotRim;
    QColor selected;
    QColor second;
    QColor route;
    QColor link;
    // The names of the selected and second star: in their marks' hue, yet as bright as any other name.
    QColor selectedName;
    QColor secondName;

    QColor labelColour(int star, int selectedStar, int secondStar) const
    {
        if (star < 0)
            return route;
        if (star == selectedStar)
            return selectedName;
        return star == secondStar ? secondName : text;
    }

    static ScenePalette forMode(bool light)
    {
        if (light)
            return { Qt::white, QColor(120, 140, 170), QColor(200, 150, 60), QColor(60, 60, 60), QColor(110, 110, 110),
                QColor(20, 20, 20), Qt::black, toQColor(colours::kRed), toQColor(colours::kBlue),
                toQColor(colours::kRoute), toQColor(colours::kLink), QColor(170, 0, 0), QColor(0, 0, 200) };
        return { Qt::black, QColor(70, 120, 150), QColor(150, 125, 60), QColor(210, 210, 210), QColor(130, 130, 130),
            QColor(215, 215, 215), QColor(80, 80, 80), toQColor(colours::kRed), QColor(60, 120, 255),
            toQColor(colours::kRoute), toQColor(colours::kLink), QColor(255, 205, 205), QColor(205, 220, 255) };
    }
};
