#pragma once

#include "atlas/atlasnotes.h"
#include "atlas/sectorchoice.h"

#include <QString>

#include <vector>

class StarTable;

// A star with notes as the index lists it: catalogue data, the notes of the edition, and the sector
// pages whose map shows it.
struct AtlasIndexEntry
{
    int star = -1;
    QString name;
    int x = 0, y = 0, z = 0;
    QString spectralClass;
    QString distanceFromSol; // whole light years
    QString gameMasterNotes; // always empty in the player edition
    QString playerNotes;
    std::vector<int> pages; // 1-based
};

// A line of the contents and an entry of the document outline: a title and the page it opens.
struct ContentsEntry
{
    QString title;
    int page = 0; // 1-based
};

// The pages of an atlas, in order: the title page, the contents, the overview, one page per
// sector, then the index (as many pages as its text fills, worked out when it is laid out).
struct AtlasPlan
{
    enum class Page { Title, Contents, Overview, Polities, Sector };

    AtlasEdition edition = AtlasEdition::Player;
    std::vector<AtlasSector> sectors;
    std::vector<QString> sectorTitles; // one per sector: its extent and the stars with notes it shows
    std::vector<AtlasIndexEntry> index;
    int contentsPages = 1;
    int polityPages = 0; // the legend page of the polities, after the overview, when there are any

    // 1-based page numbers.
    int overviewPage() const { return 2 + contentsPages; }
    int polityPage() const { return overviewPage() + 1; }
    int sectorPage(size_t sector) const { return overviewPage() + 1 + polityPages + static_cast<int>(sector); }
    int firstIndexPage() const { return sectorPage(sectors.size()); }
    // The page before the index: what kind, and which sector for a sector page.
    Page pageKind(int page) const;
    // What the contents list: the overview, every sector and the index.
    std::vector<ContentsEntry> contents() const;

    // Contents lines a page holds; the contents list the overview, every sector and the index.
    static constexpr int kContentsLinesPerPage = 24;
};

AtlasPlan planAtlas(
    const StarTable &stars, const AtlasNotes &notes, std::vector<AtlasSector> sectors, bool polityLegend = false);
