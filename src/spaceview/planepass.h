#pragma once

#include <vector>

class QPainter;
class SpaceProjection;
struct ScenePalette;
struct SpaceScene;
struct SpaceOptions;

// The reference plane of the 3-D view: its grid every 5 ly fading with distance from the centre star,
// the distance rings every 5 ly around that star, and the map's sector as a square on the plane with
// its corners raised into a light prism around the sector's stars.
void drawReferencePlane(QPainter &painter, const SpaceProjection &projection, const SpaceScene &scene,
    const SpaceOptions &options, const ScenePalette &palette);

// The height of the reference plane: Z = 0 through Sol, or through the centre star.
float planeHeight(const SpaceScene &scene, const SpaceOptions &options);
// How far the grid and rings reach from the centre star: the radius filter, or the whole catalogue.
double planeReach(const SpaceOptions &options);
// The radii of the distance rings on the plane, every 5 ly out to `reach`.
std::vector<double> ringRadii(double reach);
