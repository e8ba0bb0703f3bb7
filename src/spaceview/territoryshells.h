#pragma once

class QPainter;
class SpaceProjection;
struct SpaceScene;

// The polities' territory in the 3-D view: the outlines of their members' claim spheres, cut where
// they meet another polity's ground or neutral ground, in each polity's colour faded into the
// background, so that the stars and the route stay in front. Nothing when the scene holds no territory.
void drawTerritoryShells(QPainter &painter, const SpaceProjection &projection, const SpaceScene &scene);
