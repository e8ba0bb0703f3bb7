#include "atlas/atlasplan.h"

#include "catalogue/stardistance.h"
#include "catalogue/startable.h"
#include "common/textnumber.h"

#include <QStringList>

namespace {

// Up to this many stars name a sector in the contents.
constexpr int kNamesPerSector = 3;

QString titleFor(const AtlasSector &sector, const StarTable &stars, const AtlasNotes &notes)
{
    QStringList names;
    for (int i = 0; i < stars.size() && names.size() < kNamesPerSector; ++i)
        if (notes.hasNotes(i) && sectorShows(sector, stars, i))
            names << stars[i].starName;
    return names.isEmpty() ? sectorName(sector) : sectorName(sector) + QStringLiteral(": ") + names.join(", ");
}

} // namespace

AtlasPlan::Page AtlasPlan::pageKind(int page) const
{
    if (page <= 1)
        return Page::Title;
    if (page < overviewPage())
        return Page::Contents;
    if (page == overviewPage())
        return Page::Overview;
    if (polityPages > 0 && page == polityPage())
        return Page::Polities;
    return Page::Sector;
}

std::vector<ContentsEntry> AtlasPlan::contents() const
{
    std::vector<ContentsEntry> entries { { QStringLiteral("Overview of the catalogue"), overviewPage() } };
    if (polityPages > 0)
        entries.push_back({ QStringLiteral("Polities"), polityPage() });
    for (size_t k = 0; k < sectors.size(); ++k)
        entries.push_back({ QStringLiteral("Sector ") + sectorTitles[k], sectorPage(k) });
    entries.push_back({ QStringLiteral("Index of systems with notes"), firstIndexPage() });
    return entries;
}

AtlasPlan planAtlas(
    const StarTable &stars, const AtlasNotes &notes, std::vector<AtlasSector> sectors, bool polityLegend)
{
    AtlasPlan plan;
    plan.edition = notes.edition();
    plan.sectors = std::move(sectors);
    plan.polityPages = polityLegend ? 1 : 0;
    const int contentsLines = static_cast<int>(plan.sectors.size()) + 2 + plan.polityPages;
    plan.contentsPages
        = qMax(1, (contentsLines + AtlasPlan::kContentsLinesPerPage - 1) / AtlasPlan::kContentsLinesPerPage);
    for (const AtlasSector &sector : plan.sectors)
        plan.sectorTitles.push_back(titleFor(sector, stars, notes));

    for (int i = 0; i < stars.size(); ++i) {
        if (!notes.hasNotes(i))
            continue;
        const StarRecord &s = stars[i];
        AtlasIndexEntry entry { i, s.starName, s.x, s.y, s.z, s.spectralClass, solDistance(stars, i),
            notes.gameMaster(i), notes.player(i), {} };
        for (size_t k = 0; k < plan.sectors.size(); ++k)
            if (sectorShows(plan.sectors[k], stars, i))
                entry.pages.push_back(plan.sectorPage(k));
        plan.index.push_back(std::move(entry));
    }
    return plan;
}
