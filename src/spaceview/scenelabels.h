#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>
#include <QVector3D>

#include <vector>

class QPainter;
class SceneCache;
class SpaceProjection;
struct ScenePalette;
struct ShownStar;
struct SpaceScene;

// A label the frame placed: a star's name (star >= 0) or a leg length of the route (star -1).
struct SceneLabel
{
    int star = -1;
    QRectF rect;
    QString text;
    QPointF anchor; // the point named (a dot's middle, a leg's middle), scene pixels
    QVector3D world; // the same point in space
    QLineF leader; // from the dot's rim to the label when the label stands away from its dot; null otherwise

    bool hasLeader() const { return !leader.isNull(); }
};

// Labels in order of priority: the selected and second star's names, the route's stops, the leg
// lengths of the route, then the rest from the nearest to the farthest. Each goes in the first place
// beside its dot that is clear of every label placed before it and of every other dot. The names of
// the selected and second star and of the route's stops are always placed: farther from the dot
// with a leader where nothing beside it is clear, over dots before over names.
std::vector<SceneLabel> placeSceneLabels(
    const SpaceProjection &projection, const SpaceScene &scene, const std::vector<ShownStar> &shown, SceneCache &cache);

// The labels placed in one view as another view of the same space shows them: each label and its
// leader move with the point it names, so that both views of a stereo pair carry one set of labels.
std::vector<SceneLabel> followLabels(const std::vector<SceneLabel> &labels, const SpaceProjection &projection);

// Draws the leaders, then each label over a halo of the background colour, so that no line runs
// through a name.
void drawSceneLabels(QPainter &painter, const SpaceScene &scene, const std::vector<SceneLabel> &labels,
    const ScenePalette &palette, SceneCache &cache);
