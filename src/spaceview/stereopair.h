#pragma once

#include "spaceview/scenepainter.h"
#include "spaceview/spacecamera.h"

#include <QRectF>
#include <QSizeF>

class QPainter;
struct SpaceOptions;
struct SpaceScene;

// A stereo pair for free viewing on paper: two square views of the same point of space seen from
// eyes a few degrees apart, side by side with a gap. The views are small enough that corresponding
// points stand at most kMaxSeparation apart, which eyes looking parallel can fuse; with crossed
// viewing the left eye's view goes on the right.
struct StereoPair
{
    static constexpr double kMaxSeparation = 65.0; // mm between corresponding points on paper
    static constexpr double kGap = 4.0; // mm between the views
    static constexpr double kMaxViewWidth = 60.0; // mm
    static constexpr double kHalfAngle = 3.0; // degrees each eye turns from the middle

    SpaceCamera camera; // the window's camera, zoomed so that the stars shown and the route fit
    QSizeF viewport; // scene pixels of each view
    double viewWidth = 0.0; // mm on paper, the same as the height
    double parallax = 0.0; // the largest shift of a point between the views, as a share of the width

    // How far apart the same point of space stands in the two views at most: the pitch of the views
    // and the largest shift between them.
    double maxSeparation() const { return (viewWidth + kGap) + parallax * viewWidth; }
};

StereoPair stereoPairFor(const SpaceScene &scene, const SpaceCamera &camera, const SpaceOptions &options);

// What a stereo pair drew: each view's box in painter coordinates (left-hand first) and its frame.
struct StereoFrames
{
    QRectF boxes[2];
    SceneFrame frames[2];
    double pixelScale = 1.0; // painter units a scene pixel
};

// Draws the pair in the middle of `page`, an A4 landscape page in painter coordinates, with a mark
// above each view's middle to fuse and a line telling how to view it. The labels are placed once,
// seen from between the eyes, and each view shows them where its own eye sees the point they name.
StereoFrames paintStereoPair(QPainter &painter, const QRectF &page, const SpaceScene &scene, const SpaceCamera &camera,
    const SpaceOptions &options);
