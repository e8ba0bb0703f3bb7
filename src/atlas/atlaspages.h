#pragma once

#include "atlas/atlasplan.h"

#include <QDate>
#include <QImage>
#include <QRectF>

#include <functional>
#include <vector>

class PageCanvas;
struct IndexLine;
struct MapModel;

// A second picture beside the catalogue map on the overview page, drawn into `area` (painter
// coordinates) in the colours of a light page when `light` (dark ink on white) and of a dark one
// otherwise. When the atlas has none, the catalogue map takes the whole page.
using OverviewPicture = std::function<void(QPainter &painter, const QRectF &area, bool light)>;

// The pages of the atlas that are not sector maps, drawn on a page canvas.
namespace atlaspages {

void drawTitle(const PageCanvas &page, const AtlasPlan &plan, const QDate &date, const QImage &logo);

// One contents page: the lines it holds, and where each line lies (mm) with the page it goes to.
struct ContentsLine
{
    QRectF rect;
    int target = 0;
};
std::vector<ContentsLine> drawContents(const PageCanvas &page, const AtlasPlan &plan, int contentsPage);

// The whole catalogue from above with the sectors of the atlas outlined and numbered by page.
// `shown` gives the colours of the stars under the current colour code.
void drawOverview(const PageCanvas &page, const AtlasPlan &plan, const MapModel &shown, const OverviewPicture &second);

void drawIndexPage(const PageCanvas &page, const std::vector<IndexLine> &lines, bool first);

} // namespace atlaspages
