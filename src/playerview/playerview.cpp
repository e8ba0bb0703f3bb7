#include "playerview/playerview.h"

#include "mapview/paintersurface.h"
#include "mapview/redraw.h"
#include "output/pagesetup.h"
#include "reveal/playercopy.h"
#include "spaceview/scenepainter.h"
#include "spaceview/spacescene.h"

#include <QPaintDevice>
#include <QPainter>

namespace playerview {

namespace {

const QSizeF kPageMm(297.0, 210.0); // the map's A4 landscape page

} // namespace

MapFrame drawMap(const PlayerCopy &players, Surface &surface, double textScale)
{
    if (textScale <= 0.0)
        return ::drawMap(players.model(), surface);
    MapModel shown = players.model(); // the notes' texts are shared, not copied
    shown.view.textScale = textScale;
    return ::drawMap(shown, surface);
}

SpaceScene scene(const PlayerCopy &players)
{
    return sceneFromModel(players.model());
}

void paint(QPainter &painter, const QRectF &rect, const PlayerCopy &players, Kind kind, const SpaceCamera &camera,
    const SpaceOptions &options)
{
    if (kind == Kind::Space) {
        paintSpaceView(painter, rect, scene(players), camera, options, rect.size());
        return;
    }
    painter.fillRect(rect, players.model().view.printerMode ? Qt::white : Qt::black);
    const QRectF page = fitPage(rect.size(), kPageMm).translated(rect.topLeft());
    PainterSurface surface(painter, kPageMm, page, false);
    surface.setClearArea(rect);
    // The page's text scale as the page set-up makes it: its width over an A4 width on the screen.
    const double dpi = painter.device() ? painter.device()->logicalDpiX() : 96.0;
    drawMap(players, surface, page.width() / (kPageMm.width() / 25.4 * dpi));
    surface.flush();
}

} // namespace playerview
