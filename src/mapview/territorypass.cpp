#include "mapview/territorypass.h"

#include "mapview/colours.h"
#include "mapview/mapmodel.h"
#include "mapview/sectorgeometry.h"
#include "polities/territoryborders.h"

#include <QImage>

#include <set>

namespace {

constexpr int kPixelsPerCell = 4; // sector image: room for the hatching of neutral ground
constexpr int kHatchSpacing = 6; // pixels between the hatch lines
constexpr int kTintAlpha = 64; // light enough to keep the grid, the dots and their text readable
constexpr int kMiniTintAlpha = 96;
constexpr double kSectorLy = 15.0;
constexpr double kMiniLeft = 5.0; // the mini-map spans these map units for -35 .. 35 ly
constexpr double kMiniTop = 2.0;
constexpr double kMiniSide = 25.0;
constexpr double kLegendY = 200.0;
constexpr double kLegendFontSize = 7.0;
constexpr int kLightestInk = 160; // brighter colours are darkened for ink on white

QRgb tint(quint32 rgb, int alpha)
{
    const QColor colour(QRgb(0xFF000000 | rgb));
    return qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), alpha));
}

// The cells of the sector, from its bottom-left cell, as many each way.
struct SectorCells
{
    int column;
    int row;
    int count;
};

SectorCells sectorCells(const PlaneTerritory &plane, const ViewState &view)
{
    const auto cellOf = [&](double ly, double from) { return qRound((ly - from) / plane.cellSize()); };
    return { cellOf(view.originX, plane.left()), cellOf(view.originY, plane.bottom()),
        qRound(kSectorLy / plane.cellSize()) };
}

QImage sectorImage(const PlaneTerritory &plane, const SectorCells &cells, const Polities &polities, bool onWhite)
{
    const int side = cells.count * kPixelsPerCell;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    std::vector<QRgb> tints;
    for (const Polity &p : polities.list)
        tints.push_back(tint(p.colour, kTintAlpha));
    const QRgb hatch = onWhite ? qRgba(0x60, 0x60, 0x60, 0xFF) : qRgba(0x90, 0x90, 0x90, 0xFF);
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const int row = cells.row + cells.count - 1 - y / kPixelsPerCell;
        for (int x = 0; x < side; ++x) {
            const int holder = plane.holder(cells.column + x / kPixelsPerCell, row);
            if (holder >= 0 && holder < int(tints.size()))
                line[x] = tints[size_t(holder)];
            else if (holder == territory::kNeutral && (x + y) % kHatchSpacing == 0)
                line[x] = hatch;
        }
    }
    return image;
}

QImage miniImage(const PlaneTerritory &plane, const Polities &polities)
{
    constexpr int kCellsPerPixel = 4;
    const int side = plane.columns() / kCellsPerPixel;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const int row = plane.rows() - 1 - (y * kCellsPerPixel + kCellsPerPixel / 2);
        for (int x = 0; x < side; ++x) {
            const int holder = plane.holder(x * kCellsPerPixel + kCellsPerPixel / 2, row);
            if (holder >= 0 && holder < int(polities.list.size()))
                line[x] = tint(polities.list[size_t(holder)].colour, kMiniTintAlpha);
        }
    }
    return image;
}

void drawBorders(const MapModel &model, Surface &surface, const std::vector<BorderLine> &borders)
{
    const ViewState &view = model.view;
    const auto mapX = [&](double ly) { return 15.0 + 10.0 * (ly - view.originX); };
    const auto mapY = [&](double ly) { return 188.0 - 10.0 * (ly - view.originY); };
    surface.drawWidth = 2;
    surface.drawStyle = 0;
    surface.squareEnds = true;
    for (const BorderLine &b : borders) {
        const Colour colour = polityColour(model.campaign.polities.list[size_t(b.polity)].colour, view.printerMode);
        surface.drawLine(mapX(b.line.x1()), mapY(b.line.y1()), mapX(b.line.x2()), mapY(b.line.y2()), colour);
    }
    surface.squareEnds = false;
}

// The polities with ground in the sector, in list order, and whether any of it is neutral.
std::pair<std::vector<int>, bool> shownPolities(const PlaneTerritory &plane, const SectorCells &cells)
{
    std::set<int> held;
    bool neutral = false;
    for (int r = cells.row; r < cells.row + cells.count; ++r)
        for (int c = cells.column; c < cells.column + cells.count; ++c) {
            const int holder = plane.holder(c, r);
            if (holder >= 0)
                held.insert(holder);
            neutral = neutral || holder == territory::kNeutral;
        }
    return { std::vector<int>(held.begin(), held.end()), neutral };
}

void drawLegend(const MapModel &model, Surface &surface, const std::vector<int> &shown, bool neutral)
{
    const bool onWhite = model.view.printerMode;
    const Colour text = onWhite ? colours::kBlack : colours::kGrey;
    surface.fontSize = kLegendFontSize;
    surface.fontBold = false;
    surface.drawWidth = 1;
    double x = sectorBox().left();
    const double swatch = 3.0;
    const auto entry = [&](const QString &name, Colour colour, bool hatched) {
        const double width = swatch + 1.5 + surface.textWidth(name) + 4.0;
        if (x + width > sectorBox().right())
            return false;
        if (hatched) {
            surface.drawLine(x, kLegendY, x + swatch, kLegendY + swatch, colour, Surface::Shape::Box);
            surface.drawLine(x, kLegendY + swatch, x + swatch, kLegendY, colour);
        } else {
            surface.drawLine(x, kLegendY, x + swatch, kLegendY + swatch, colour, Surface::Shape::FilledBox);
        }
        surface.foreColor = text;
        surface.currentX = x + swatch + 1.5;
        surface.currentY = kLegendY + swatch / 2 - surface.textHeight(name) / 2;
        surface.drawText(name);
        x += width;
        return true;
    };
    for (const int p : shown) {
        const Polity &polity = model.campaign.polities.list[size_t(p)];
        if (!entry(polity.name, polityColour(polity.colour, onWhite), false))
            return;
    }
    if (neutral)
        entry(QStringLiteral("Neutral ground"), text, true);
}

} // namespace

Colour polityColour(quint32 rgb, bool onWhite)
{
    QColor colour(QRgb(0xFF000000 | rgb));
    // Perceived brightness: yellow and cyan are as hard to read on paper as white would be.
    const int luma = (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
    if (onWhite && luma > kLightestInk)
        colour = colour.darker(160);
    return Colour(colour.red()) | Colour(colour.green()) << 8 | Colour(colour.blue()) << 16;
}

double territoryPlaneZ(const MapModel &model)
{
    const ViewState &view = model.view;
    if (view.territoryPlaneThroughSelected && model.stars->contains(view.selectedStar))
        return (*model.stars)[view.selectedStar].z;
    return 0.0;
}

void drawTerritory(const MapModel &model, Surface &surface)
{
    if (!model.view.showTerritories || model.campaign.polities.list.empty())
        return;
    const auto plane = model.territory.plane(model.campaign.polities, *model.stars, territoryPlaneZ(model));
    if (!plane->anyClaim())
        return;
    const Polities &polities = model.campaign.polities;
    const SectorCells cells = sectorCells(*plane, model.view);
    const QRectF box = sectorBox();
    TerritoryPictures &pictures = *model.territoryPictures;
    const bool onWhite = model.view.printerMode;
    std::vector<quint32> colours;
    for (const Polity &p : polities.list)
        colours.push_back(p.colour);
    const TerritoryPictures::Drawing &sector
        = pictures.drawing({ plane, cells.column, cells.row, cells.count, onWhite, colours }, [&] {
              auto [shown, neutral] = shownPolities(*plane, cells);
              return TerritoryPictures::Drawing { sectorImage(*plane, cells, polities, onWhite),
                  territoryBorders(*plane, cells.column, cells.row, cells.count, cells.count), std::move(shown),
                  neutral };
          });
    surface.drawKeptPicture(sector.tint, box.left(), box.top(), box.width(), box.height());
    const TerritoryPictures::Drawing &mini = pictures.drawing({ plane, 0, 0, 0, false, colours }, [&] {
        return TerritoryPictures::Drawing { miniImage(*plane, polities), {}, {}, false };
    });
    surface.drawKeptPicture(mini.tint, kMiniLeft, kMiniTop, kMiniSide, kMiniSide);

    const int oldWidth = surface.drawWidth;
    const int oldStyle = surface.drawStyle;
    const Colour oldFore = surface.foreColor;
    const double oldSize = surface.fontSize;
    const bool oldBold = surface.fontBold;
    drawBorders(model, surface, sector.borders);
    drawLegend(model, surface, sector.shown, sector.neutral);
    surface.drawWidth = oldWidth;
    surface.drawStyle = oldStyle;
    surface.foreColor = oldFore;
    surface.fontSize = oldSize;
    surface.fontBold = oldBold;
}
