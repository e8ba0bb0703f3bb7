#pragma once

#include "mapview/mapframe.h"

#include <QRectF>

class PlayerCopy;
class QPainter;
class Surface;
struct SpaceCamera;
struct SpaceOptions;
struct SpaceScene;

// What the player window shows, drawn only from the player-safe copy: the sector map as the main
// window draws it, or the 3-D view from the game master's camera.
namespace playerview {

enum class Kind { Map, Space };

// The map of `players` on `surface`: the same passes as every other map. A `textScale` above 0
// replaces the game master's window's, for a page of another size.
MapFrame drawMap(const PlayerCopy &players, Surface &surface, double textScale = 0.0);
// The 3-D scene of `players`.
SpaceScene scene(const PlayerCopy &players);
// The view of `kind` filling `rect` of `painter`, its background included.
void paint(QPainter &painter, const QRectF &rect, const PlayerCopy &players, Kind kind, const SpaceCamera &camera,
    const SpaceOptions &options);

} // namespace playerview
