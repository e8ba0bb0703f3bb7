#pragma once

#include <QSizeF>
#include <QVector3D>

#include <vector>

struct SpaceCamera;
struct SpaceOptions;
struct SpaceScene;

// The points a view must hold: the stars within the radius filter (every star under "All stars"),
// the selected and second star and every stop of the route.
std::vector<QVector3D> pointsToShow(const SpaceScene &scene, const SpaceOptions &options);

// The camera distance from which every point stands at least `margin` pixels inside a viewport of
// `viewport`, the camera keeping its turn, tilt and pan, for each of the eye angles given; within the
// camera's distance limits.
double fittingDistance(const SpaceCamera &camera, const QVector3D &centre, const std::vector<QVector3D> &points,
    const QSizeF &viewport, double margin, const std::vector<double> &eyeAngles = { 0.0 });
