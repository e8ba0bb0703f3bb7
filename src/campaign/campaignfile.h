#pragma once

#include "campaign/campaign.h"
#include "common/safefile.h"

#include <QByteArray>
#include <QString>

class PairDistances;

// The campaign side file kept next to a game state: same folder and base name, extension
// ".campaign". A JSON object, indented, in UTF-8:
//   {
//       "format": "Quorvane campaign",
//       "version": 1,
//       "travel": { "jumpLimit": 5, "route": [165, 12, 40] },
//       "reveal": { "hidden": [3, 17], "known": [40] },
//       "polities": { "neutralMargin": 1,
//                     "list": [ { "name": "Concordat", "colour": "#3366cc", "claimRadius": 5,
//                                 "note": "", "knownToPlayers": false, "stars": [165, 12] } ] }
//   }
// Stars are catalogue indices (0 to 191). Every section may be left out and then holds its default:
// no route at a limit of 5 ly, every star Surveyed, no polities. Keys this program does not know are
// read, kept and written back, so an older program never drops what a newer one stored.
namespace CampaignFile {

constexpr int kVersion = 1;
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

QByteArray encode(const Campaign &campaign);

struct Decoded
{
    bool ok = false;
    Campaign campaign;
    QString error; // what is wrong and where ("travel.route: 999 is not a star of the catalogue")
};
// The campaign for the stars of `distances` (which also check the route's legs).
Decoded decode(const QByteArray &bytes, const PairDistances &distances);

// "dir/mymap.kmf" -> "dir/mymap.campaign".
QString fileNameFor(const QString &stateFileName);

// Writes through SafeFile, so a failed write keeps the old file; `error` then holds the reason.
bool save(const QString &fileName, const Campaign &campaign, QString *error = nullptr,
    const FileCalls &calls = FileCalls::system());

enum class Load { Absent, Loaded, Malformed };
// Reads the side file of the game state `stateFileName` into `campaign`; without one, the travel
// plan of an older campaign's ".travel" file. `campaign` is unchanged unless Loaded; `error` names
// the file and what is wrong with it when Malformed.
Load load(const QString &stateFileName, const PairDistances &distances, Campaign &campaign, QString *error = nullptr);

} // namespace CampaignFile
