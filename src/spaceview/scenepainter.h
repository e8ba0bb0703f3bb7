#pragma once

#include "spaceview/scenelabels.h"
#include "spaceview/spacecamera.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

class QPainter;
class SceneCache;
struct SpaceOptions;
struct SpaceScene;

// A star's dot where the last frame drew it, for picking and tooltips.
struct SceneDot
{
    int star = -1;
    QPointF at; // scene pixels
    double radius = 0.0;
    float depth = 0.0f; // light years in front of the eye
};

// What one frame drew where: dots from back to front, and the labels it placed.
struct SceneFrame
{
    std::vector<SceneDot> dots;
    std::vector<SceneLabel> labels;
};

// Draws the 3-D view of `scene` seen through `camera` on the painter, over a viewport of `viewport`
// scene pixels from the painter's origin: background, reference plane, stalks, reach links, route,
// dots back to front and labels. The same code draws the window, the printer, SVG, PDF and PNG.
// `cache` keeps fonts, names and dots between frames (one of its own for this frame when null);
// `eyeAngle` turns the eye about the screen's vertical axis (one view of a stereo pair). With `placed`,
// the labels are those placed in another view of the same viewport, moved with the points they name.
SceneFrame paintScene(QPainter &painter, const QSizeF &viewport, const SpaceScene &scene, const SpaceCamera &camera,
    const SpaceOptions &options, SceneCache *cache = nullptr, double eyeAngle = 0.0,
    const std::vector<SceneLabel> *placed = nullptr);

// The labels a frame of the view would place, without drawing it.
std::vector<SceneLabel> sceneLabels(const QSizeF &viewport, const SpaceScene &scene, const SpaceCamera &camera,
    const SpaceOptions &options, SceneCache &cache);

// Draws the view as shown in a window of `viewport` pixels, scaled to fill `rect` of the painter
// (a page, or a box on a page); the scene keeps the viewport's height and shows more or less at the
// sides when `rect` has other proportions. An empty viewport is taken as 800 pixels high. With the
// stereo option on, `rect` is an A4 landscape page and the stereo pair for free viewing is drawn on it.
void paintSpaceView(QPainter &painter, const QRectF &rect, const SpaceScene &scene, const SpaceCamera &camera,
    const SpaceOptions &options, QSizeF viewport = {});

// The star whose dot is under `at` (within a few pixels; the nearest, the front one on a tie), or -1.
int starAt(const SceneFrame &frame, QPointF at);

// The hover text of a star: name, X, Y, Z, spectral class and distance from the selected star.
QString starToolTip(const SpaceScene &scene, int star);
