#include "mapview/starlist.h"

#include "catalogue/stardistance.h"
#include "common/textnumber.h"
#include "mapview/colours.h"
#include "mapview/mapmodel.h"
#include "mapview/primitives.h"

#include <array>

namespace {

constexpr int kLightYearsX = 265;

struct Column
{
    const char *heading;
    int x;
};

// Every column but the reference number, which shows only with the star ID numbers.
constexpr std::array<Column, 7> kColumns = { {
    { "Star Designation", 190 },
    { "X", 225 },
    { "Y", 235 },
    { "Z", 245 },
    { "SC", 255 },
    { "LY", kLightYearsX },
    { "PC", 271 },
} };

void print(Surface &surface, const QString &text, int x, double top, qint32 size = 0, bool bold = false)
{
    printText(surface, text, x, static_cast<qint32>(top), TextColour::keep(), QString(), size, bold, 0);
}

} // namespace

StarList::StarList(const MapModel &model, Surface &surface)
    : m_model(model)
    , m_surface(surface)
{
    m_surface.fontSize = model.view.textScale * 9;
    m_lineHeight = common::roundHalfEven(m_surface.textHeight(QStringLiteral("Hello")));
    m_left = model.view.showStarNumbers ? kListX - 2 : kListX + 8;
    m_headerLines = model.view.atlasPage > 0 ? 2 : 1;
    drawHeader();
}

void StarList::drawHeader()
{
    if (m_model.view.printerMode) {
        m_surface.foreColor = colours::kWhite;
        m_surface.drawLine(
            m_left, 2, kRight, m_headerLines * m_lineHeight + 2, m_surface.foreColor, Surface::Shape::FilledBox);
        m_surface.foreColor = colours::kBlack;
    } else {
        m_surface.foreColor = colours::kWhite;
    }
    if (m_model.view.showStarNumbers)
        print(m_surface, QStringLiteral("Ref"), 180, 2);
    for (const Column &column : kColumns)
        print(m_surface, QString::fromLatin1(column.heading), column.x, 2, 0, true);
    // The atlas says under its LY head what the light years are counted from.
    if (m_headerLines == 2)
        print(m_surface, QStringLiteral("from Sol"), kLightYearsX, 2 + m_lineHeight, 0, true);
    m_surface.fontBold = false;
}

HitArea StarList::drawRow(qint32 i, int k, const QString &ref)
{
    const ViewState &view = m_model.view;
    const StarRecord &star = (*m_model.stars)[i];
    const double top = (k + m_headerLines - 1) * m_lineHeight + 2;
    const double bottom = top + m_lineHeight;

    m_surface.fillStyle = Surface::Fill::Solid;
    Colour background = colours::kBlack;
    if (view.printerMode)
        background = k % 2 == 1 ? colours::kCyan : colours::kWhite;
    m_surface.drawLine(m_left, top, kRight, bottom, background, Surface::Shape::FilledBox);
    if (i == view.selectedStar) {
        m_surface.fillStyle = Surface::Fill::Transparent;
        m_surface.drawLine(m_left, top, kRight, bottom, colours::kRed, Surface::Shape::FilledBox);
        m_surface.fillStyle = Surface::Fill::Solid;
    }

    if (i == view.selectedStar)
        m_surface.foreColor = colours::kWhite;
    else
        m_surface.foreColor = view.printerMode ? colours::kBlack : starColour(m_model, i);

    if (view.showStarNumbers)
        print(m_surface, ref, 180, top);
    print(m_surface, star.starName, 190, top);
    print(m_surface, common::formatWhole(star.x), 225, top);
    print(m_surface, common::formatWhole(star.y), 235, top);
    print(m_surface, common::formatWhole(star.z), 245, top);
    print(m_surface, star.spectralClass, 255, top);
    // An atlas page counts from Sol (which a table of the stars the players know may leave out).
    print(m_surface,
        view.atlasPage > 0 ? solDistance(*m_model.stars, i)
                           : common::formatWhole(starDistance(*m_model.stars, view.selectedStar, i)),
        kLightYearsX, top);
    if (star.mark == QLatin1String("*"))
        print(m_surface, star.mark, 271, top, static_cast<qint32>(common::roundHalfEven(view.textScale * 18)));
    else if (star.mark == QLatin1String("R"))
        print(m_surface, star.mark, 271, top, 0, true);

    return { i, QRectF(kListX - 2, top, 98, m_lineHeight), QString() };
}

QString starTooltip(const MapModel &model, qint32 i)
{
    const StarTable &stars = *model.stars;
    const StarRecord &star = stars[i];
    const qint32 sel = model.view.selectedStar;
    if (sel > -1)
        return QStringLiteral("Distance From ") + stars[sel].starName + QStringLiteral(" to ") + star.starName
            + QStringLiteral(" = ") + common::formatWhole(starDistance(stars, sel, i)) + QStringLiteral(" Ly");
    return star.starName + u' ' + QString::number(star.x) + u',' + QString::number(star.y) + u','
        + QString::number(star.z) + u' ' + star.spectralClass + u' ' + star.mark;
}
