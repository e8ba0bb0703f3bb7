#include "atlas/atlaspages.h"

#include "atlas/indexlayout.h"
#include "atlas/pagecanvas.h"
#include "catalogue/startable.h"
#include "mapview/colours.h"
#include "mapview/mapmodel.h"
#include "mapview/namepass.h"
#include "mapview/nameplacer.h"

#include <QLocale>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <functional>
#include <iterator>

namespace atlaspages {

namespace {

constexpr double kGap = 6.0; // between the catalogue map and a second picture
constexpr double kOverviewTop = 28.0;
constexpr double kStarRadius = 0.9;
const QColor kSectorColour(200, 0, 160);

QString editionName(AtlasEdition edition)
{
    return edition == AtlasEdition::GameMaster ? QStringLiteral("Game Master Edition")
                                               : QStringLiteral("Player Edition");
}

void heading(const PageCanvas &page, const QString &text)
{
    page.painter().setPen(Qt::black);
    page.text(PageCanvas::kMargin, 10, text, PageCanvas::font(16, true));
}

// Light years on the overview map: the catalogue's extent, square, with a light year to spare.
struct Extent
{
    double left, top, size; // ly: smallest X, largest Y, side
};

Extent catalogueExtent(const StarTable &stars)
{
    int minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const StarRecord &s : stars.stars()) {
        minX = std::min<int>(minX, s.x);
        maxX = std::max<int>(maxX, s.x);
        minY = std::min<int>(minY, s.y);
        maxY = std::max<int>(maxY, s.y);
    }
    const double size = std::max(maxX - minX, maxY - minY) + 2.0;
    return { (minX + maxX) / 2.0 - size / 2, (minY + maxY) / 2.0 + size / 2, size };
}

using MmAt = std::function<QPointF(double x, double y)>;

// The outline of every sector of the atlas with the page its map is on, the number inside the part
// of the outline the overview shows, in the first of its corners that is free.
void drawSectorOutlines(
    const PageCanvas &page, const AtlasPlan &plan, const QRectF &box, const MmAt &mmAt, NamePlacer &placer)
{
    QPainter &p = page.painter();
    const QFont small = PageCanvas::font(7, true);
    constexpr double kInset = 0.8;
    for (size_t k = 0; k < plan.sectors.size(); ++k) {
        const AtlasSector &s = plan.sectors[k];
        const QRectF outline
            = QRectF(mmAt(s.originX - 0.5, s.originY + 15.5), mmAt(s.originX + 15.5, s.originY - 0.5)).normalized();
        p.setPen(QPen(kSectorColour, page.px(0.4)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(page.rect(outline));
        const QString label = QStringLiteral("p. %1").arg(plan.sectorPage(k));
        const QSizeF size(page.textWidth(label, small), page.lineHeight(small));
        const QRectF inside = outline.intersected(box).adjusted(kInset, kInset, -kInset, -kInset);
        const QRectF corners[] = {
            QRectF(inside.topLeft(), size),
            QRectF(QPointF(inside.right() - size.width(), inside.top()), size),
            QRectF(QPointF(inside.left(), inside.bottom() - size.height()), size),
            QRectF(inside.bottomRight() - QPointF(size.width(), size.height()), size),
        };
        const auto free = std::find_if(std::begin(corners), std::end(corners),
            [&placer](const QRectF &corner) { return placer.placeBox(corner); });
        // With every corner taken the number still goes in the first: a page number is never left out.
        const QRectF at = free != std::end(corners) ? *free : corners[0];
        if (free == std::end(corners))
            placer.take(at);
        page.text(at.left(), at.top(), label, small);
    }
}

// The names of Sol, the selected star, the route's stops and the systems with notes, set by the
// placer of the sector maps in the same order.
void drawOverviewNames(
    const PageCanvas &page, const AtlasPlan &plan, const MapModel &shown, const MmAt &mmAt, NamePlacer &placer)
{
    const StarTable &stars = *shown.stars;
    std::vector<SectorMarks::Dot> named;
    const auto add = [&](int star) {
        const bool listed
            = std::any_of(named.begin(), named.end(), [star](const SectorMarks::Dot &dot) { return dot.star == star; });
        if (stars.contains(star) && !listed)
            named.push_back({ star, mmAt(stars[star].x, stars[star].y) });
    };
    add(stars.sol());
    add(shown.view.selectedStar);
    for (const int star : shown.campaign.travel.route)
        add(star);
    for (const AtlasIndexEntry &entry : plan.index)
        add(entry.star);

    QPainter &p = page.painter();
    const QFont label = PageCanvas::font(6);
    for (const int star : namingOrder(shown, named)) {
        const QString name = stars[star].starName.trimmed();
        const QSizeF size(page.textWidth(name, label), page.lineHeight(label));
        const std::optional<PlacedName> placed
            = placer.place(star, mmAt(stars[star].x, stars[star].y), kStarRadius, size);
        if (!placed)
            continue;
        p.setPen(QPen(Qt::black, page.px(0.15)));
        if (placed->leader)
            p.drawLine(page.at(placed->leader->x1(), placed->leader->y1()),
                page.at(placed->leader->x2(), placed->leader->y2()));
        page.text(placed->rect.left(), placed->rect.top(), name, label);
    }
}

} // namespace

void drawTitle(const PageCanvas &page, const AtlasPlan &plan, const QDate &date, const QImage &logo)
{
    QPainter &p = page.painter();
    p.setPen(Qt::black);
    const double centre = PageCanvas::kWidth / 2;
    const auto centred = [&](double y, const QString &text, const QFont &font) {
        page.text(centre - page.textWidth(text, font) / 2, y, text, font);
    };
    if (!logo.isNull()) {
        const double width = 110.0;
        const double height = width * logo.height() / logo.width();
        p.drawImage(page.rect(QRectF(centre - width / 2, 30, width, height)), logo);
    }
    centred(95, QStringLiteral("Campaign Atlas"), PageCanvas::font(32, true));
    centred(115, editionName(plan.edition), PageCanvas::font(18));
    centred(130, QLocale(QLocale::English).toString(date, QStringLiteral("d MMMM yyyy")), PageCanvas::font(14));
    centred(150,
        QStringLiteral("%1 sector maps, %2 systems with notes").arg(plan.sectors.size()).arg(plan.index.size()),
        PageCanvas::font(11));
}

std::vector<ContentsLine> drawContents(const PageCanvas &page, const AtlasPlan &plan, int contentsPage)
{
    const std::vector<ContentsEntry> entries = plan.contents();
    heading(page, contentsPage == 0 ? QStringLiteral("Contents") : QStringLiteral("Contents (continued)"));
    const QFont font = PageCanvas::font(11);
    const double lineHeight = 7.0;
    const double right = PageCanvas::kWidth - PageCanvas::kMargin;
    std::vector<ContentsLine> lines;
    const size_t first = static_cast<size_t>(contentsPage) * AtlasPlan::kContentsLinesPerPage;
    const size_t last = std::min(entries.size(), first + AtlasPlan::kContentsLinesPerPage);
    double y = 26.0;
    QPainter &p = page.painter();
    for (size_t i = first; i < last; ++i, y += lineHeight) {
        const auto &[title, target] = entries[i];
        const QString number = QString::number(target);
        p.setPen(QColor(0, 0, 150));
        const double titleWidth = page.text(PageCanvas::kMargin, y, title, font);
        const double numberWidth = page.textWidth(number, font);
        page.text(right - numberWidth, y, number, font);
        // Dot leaders from the title to the page number.
        p.setPen(QPen(Qt::gray, page.px(0.3), Qt::DotLine));
        const double baseline = y + page.lineHeight(font) * 0.75;
        if (right - numberWidth - 2 > PageCanvas::kMargin + titleWidth + 2)
            p.drawLine(
                page.at(PageCanvas::kMargin + titleWidth + 2, baseline), page.at(right - numberWidth - 2, baseline));
        lines.push_back({ QRectF(PageCanvas::kMargin, y, right - PageCanvas::kMargin, lineHeight), target });
    }
    return lines;
}

void drawOverview(const PageCanvas &page, const AtlasPlan &plan, const MapModel &shown, const OverviewPicture &second)
{
    heading(page, QStringLiteral("Overview of the catalogue"));
    const StarTable &stars = *shown.stars;
    const double height = PageCanvas::kHeight - kOverviewTop - 12;
    const double side = second ? std::min(height, (PageCanvas::kWidth - 2 * PageCanvas::kMargin - kGap) / 2) : height;
    // Alone, the catalogue map stands in the middle of the page; with a second picture, at its left.
    const QRectF box(second ? PageCanvas::kMargin : (PageCanvas::kWidth - side) / 2, kOverviewTop, side, side);
    const Extent extent = catalogueExtent(stars);
    const double mmPerLy = side / extent.size;
    const auto mmAt = [&](double x, double y) {
        return QPointF(box.left() + (x - extent.left) * mmPerLy, box.top() + (extent.top - y) * mmPerLy);
    };
    const auto place = [&](double x, double y) {
        const QPointF mm = mmAt(x, y);
        return page.at(mm.x(), mm.y());
    };

    QPainter &p = page.painter();
    p.save();
    p.setClipRect(page.rect(box));
    // A line every five light years, darker through Sol.
    for (int ly = static_cast<int>(std::floor(extent.left / 5)) * 5; ly <= extent.left + extent.size; ly += 5) {
        p.setPen(QPen(ly == 0 ? QColor(150, 150, 150) : QColor(220, 220, 220), page.px(0.2)));
        p.drawLine(place(ly, extent.top), place(ly, extent.top - extent.size));
    }
    for (int ly = static_cast<int>(std::floor((extent.top - extent.size) / 5)) * 5; ly <= extent.top; ly += 5) {
        p.setPen(QPen(ly == 0 ? QColor(150, 150, 150) : QColor(220, 220, 220), page.px(0.2)));
        p.drawLine(place(extent.left, ly), place(extent.left + extent.size, ly));
    }
    // Page numbers and names share the map without covering one another or a star.
    NamePlacer placer(box);
    for (int i = 0; i < stars.size(); ++i)
        placer.takeDot(i, mmAt(stars[i].x, stars[i].y), kStarRadius);
    drawSectorOutlines(page, plan, box, mmAt, placer);
    // The plotted route, as the sector maps draw it.
    QPolygonF route;
    for (const int star : shown.campaign.travel.route)
        if (stars.contains(star))
            route << place(stars[star].x, stars[star].y);
    p.setPen(QPen(Qt::magenta, page.px(0.5)));
    p.drawPolyline(route);
    p.setPen(QPen(Qt::black, page.px(0.1)));
    for (int i = 0; i < stars.size(); ++i) {
        p.setBrush(toQColor(starColour(shown, i)));
        p.drawEllipse(place(stars[i].x, stars[i].y), page.px(kStarRadius), page.px(kStarRadius));
    }
    drawOverviewNames(page, plan, shown, mmAt, placer);
    p.restore();
    p.setPen(QPen(Qt::black, page.px(0.3)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(page.rect(box));
    page.text(box.left(), box.bottom() + 1.5,
        QStringLiteral("Seen from above, north up; grid lines every 5 light years, sectors outlined with their page."),
        PageCanvas::font(8));

    if (second) {
        const QRectF area(box.right() + kGap, kOverviewTop, side, side);
        p.save();
        p.setClipRect(page.rect(area));
        // The overview is drawn in dark ink on a white page, so its second picture is drawn light too.
        second(p, page.rect(area), true);
        p.restore();
    }
}

void drawIndexPage(const PageCanvas &page, const std::vector<IndexLine> &lines, bool first)
{
    heading(page, first ? QStringLiteral("Index of systems with notes") : QStringLiteral("Index (continued)"));
    QPainter &p = page.painter();
    for (const IndexLine &line : lines) {
        p.setPen(line.style == IndexLayout::Details ? QColor(60, 60, 60) : QColor(Qt::black));
        page.text(line.x, line.y, line.text, IndexLayout::font(line.style));
    }
}

} // namespace atlaspages
