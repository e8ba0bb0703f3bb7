#pragma once

#include "atlas/atlaspages.h"
#include "atlas/atlasplan.h"
#include "atlas/sectorpage.h"

#include <QByteArray>
#include <QDate>
#include <QString>

struct MapModel;

// What an atlas is made from.
struct AtlasRequest
{
    AtlasEdition edition = AtlasEdition::GameMaster;
    SectorChoice sectors = SectorChoice::WithNotes;
    QDate date; // on the title page
    OverviewPicture overviewPicture; // optional second picture on the overview page
    AtlasMapOptions maps; // colours, route and names of the maps
};

// The atlas as one PDF of A4 landscape pages, vector throughout: the title page, the contents
// (each line a link to its page), the overview, the sector maps as Print Map draws them (light
// unless the screen's colours were chosen), and the index of the systems with notes. Every map is
// drawn from one atlas model (see atlasModel): the player edition's holds the player texts only.
class AtlasWriter
{
public:
    AtlasWriter(const MapModel &shown, const AtlasRequest &request);

    const AtlasPlan &plan() const { return m_plan; }
    // The PDF; empty when it could not be made.
    QByteArray pdf() const;
    // False when the file could not be written, with the reason in `error`. Written through a
    // temporary file, so a failure keeps the file that was there.
    bool write(const QString &fileName, QString *error = nullptr) const;

private:
    const MapModel &m_shown;
    AtlasRequest m_request;
    AtlasNotes m_notes;
    AtlasPlan m_plan;
};
