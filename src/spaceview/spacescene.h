#pragma once

#include "mapview/colour.h"

#include <QString>
#include <QVector3D>

#include <memory>
#include <vector>

class ShellTerritory;
struct MapModel;

// One star as the 3-D view shows it.
struct SceneStar
{
    QVector3D at; // X, Y, Z in light years
    Colour colour = 0; // under the map's current colour code
    QString name;
    QString spectralClass;
};

// What the 3-D view draws, taken from the map's last drawing: the stars in their map colours, the
// selection, the map's sector and the plotted route.
struct SpaceScene
{
    std::vector<SceneStar> stars;
    int selected = -1;
    int second = -1;
    int sol = -1; // the centre when no star is selected
    std::vector<int> route;
    std::vector<double> legLengths; // light years, one a leg of the route
    double jumpLimit = 5.0;
    int sectorX = -7; // the corner of the map's 15 x 15 ly sector
    int sectorY = -7;
    bool light = false; // the printer mode: dark ink on white
    int colourCode = 0; // the map's colour code (0 by Z, 1 spectral class, 2 distance, 3 development sphere)
    // Each star's polity (-1: none) and each polity's name and colour (0xRRGGBB); the polities'
    // territory as outlines of claim spheres, null unless the map shows territories.
    std::vector<int> polityOf;
    std::vector<QString> polityNames;
    std::vector<quint32> polityColours;
    std::shared_ptr<const ShellTerritory> territory;

    // The star the camera circles: the selected star, else Sol, else none (-1).
    int centreStar() const;
    QVector3D centre() const;
    bool contains(int star) const { return star >= 0 && star < int(stars.size()); }
    // Light years between two stars.
    double distance(int a, int b) const { return double(stars[size_t(a)].at.distanceToPoint(stars[size_t(b)].at)); }
};

// The options of the 3-D view the user sets in its window.
struct SpaceOptions
{
    static constexpr int kMinRadius = 5;
    static constexpr int kMaxRadius = 40;

    static constexpr int kDefaultRadius = 15;

    int radius = kDefaultRadius; // light years around the centre star; 0 shows every star
    bool planeThroughCentre = false; // the reference plane through the centre star instead of Sol
    bool reachLinks = false; // lines between stars within the jump limit
    bool stereoPair = false; // print and export a stereo pair for free viewing
    bool crossedEyes = false; // the stereo pair for crossed viewing: the left eye's view on the right

    bool operator==(const SpaceOptions &other) const;
};

// The scene of the map as `model` (as its last redraw read it) shows it.
SpaceScene sceneFromModel(const MapModel &model);
