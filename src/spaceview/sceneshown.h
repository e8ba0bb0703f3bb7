#pragma once

#include <QPointF>

#include <vector>

class SpaceProjection;
struct SpaceOptions;
struct SpaceScene;

// A star in front of the eye and within the radius filter, where it falls on the screen.
struct ShownStar
{
    int star;
    QPointF at;
    float depth;
    double radius;
};

// The stars the view shows, from back to front: those within the radius filter of the centre star,
// and always the selected and second star and every stop of the route.
std::vector<ShownStar> shownStars(
    const SpaceProjection &projection, const SpaceScene &scene, const SpaceOptions &options);

// True for the stars whose names the view always gives: the selected and second star and the route's stops.
bool alwaysNamed(const SpaceScene &scene, int star);
