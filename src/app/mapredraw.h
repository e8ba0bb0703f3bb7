#pragma once

#include "mapview/mapframe.h"

#include <QObject>

#include <functional>
#include <memory>

class MapCanvas;
class PlayerCopy;
struct MapModel;

// The one redraw of the map area: draws the game master's model, or while View as Player is on the
// player-safe copy of it, on the canvas, and keeps what it drew (the shown model the 3D View, the
// exports and the prints take).
class MapRedraw : public QObject
{
    Q_OBJECT
public:
    // textScale: the scale of the map's texts at the canvas's present size.
    MapRedraw(MapModel &model, MapCanvas &canvas, std::function<double()> textScale);
    ~MapRedraw() override;

    // Draws the model again; every change of the model ends here.
    void refresh();
    // Shows the last drawing again at the canvas's new size, from the event loop; not a redraw.
    void repaintLater();
    // How many redraws were asked for, drawn or not.
    int count() const { return m_count; }

    // The model of the map now on the screen; null before the first drawing.
    const MapModel *shownModel() const { return m_shown.get(); }
    // The copy the player view draws; null in the game master's view.
    std::shared_ptr<const PlayerCopy> playerCopy() const { return m_playerCopy; }
    // The catalogue star of a star number of the shown model (they differ in the player view).
    int catalogueStar(int shownStar) const;
    // View as Player: every redraw then draws the player-safe copy of the model.
    void setViewAsPlayer(bool on);
    bool viewAsPlayer() const { return m_viewAsPlayer; }

signals:
    // After every drawing of the map on the screen, with what the passes returned.
    void mapDrawn(const MapFrame &frame);

private:
    MapFrame paint(MapModel &model);

    MapModel &m_model;
    MapCanvas &m_canvas;
    std::function<double()> m_textScale;
    int m_count = 0;
    std::unique_ptr<MapModel> m_shown; // what the last redraw drew
    bool m_viewAsPlayer = false;
    std::shared_ptr<const PlayerCopy> m_playerCopy; // the copy m_shown was made from in the player view
    bool m_repaintPending = false;
};
