#include "app/mapredraw.h"

#include "app/mapcanvas.h"
#include "common/waitcursor.h"
#include "mapview/redraw.h"
#include "reveal/playercopy.h"

#include <QTimer>

MapRedraw::MapRedraw(MapModel &model, MapCanvas &canvas, std::function<double()> textScale)
    : m_model(model)
    , m_canvas(canvas)
    , m_textScale(std::move(textScale))
{ }

MapRedraw::~MapRedraw() = default;

void MapRedraw::refresh()
{
    ++m_count;
    if (!beginRedraw(m_model))
        return;
    const WaitCursor wait;
    if (m_viewAsPlayer) {
        auto copy = std::make_shared<const PlayerCopy>(m_model);
        m_shown = std::make_unique<MapModel>(copy->model());
        m_playerCopy = std::move(copy);
    } else if (m_shown && !m_playerCopy) {
        *m_shown = m_model;
    } else {
        m_shown = std::make_unique<MapModel>(m_model);
        m_playerCopy.reset();
    }
    const MapFrame frame = paint(*m_shown);
    emit mapDrawn(frame);
}

MapFrame MapRedraw::paint(MapModel &model)
{
    model.view.textScale = m_textScale();
    m_model.view.textScale = model.view.textScale;
    MapFrame frame;
    m_canvas.paintMap([&model, &frame](Surface &surface) { frame = drawMap(model, surface); });
    if (m_playerCopy && model.stars == &m_playerCopy->stars())
        frame = m_playerCopy->catalogueFrame(std::move(frame));
    m_canvas.setHitAreas(frame.markers, frame.listRows);
    return frame;
}

void MapRedraw::repaintLater()
{
    // A new window size shows the map of the last redraw again at the new size (the texts are
    // shared, so keeping that model costs little); it is not a redraw and changes nothing else.
    if (!m_shown || m_repaintPending)
        return;
    m_repaintPending = true;
    QTimer::singleShot(0, this, [this] {
        m_repaintPending = false;
        paint(*m_shown);
    });
}

void MapRedraw::setViewAsPlayer(bool on)
{
    if (on == m_viewAsPlayer)
        return;
    m_viewAsPlayer = on;
    refresh();
}

int MapRedraw::catalogueStar(int shownStar) const
{
    return m_playerCopy ? m_playerCopy->toCatalogue(shownStar) : shownStar;
}
