#pragma once

#include "common/safefile.h"
#include "routes/travelplan.h"

class PairDistances;

#include <QByteArray>
#include <QString>

#include <optional>

// The travel side file kept next to a game state: same folder and base name, extension ".travel",
// plain text, so the game-state file itself stays exactly as other programs read it:
//   Quorvane travel plan 1
//   limit 5.0
//   route 165 12 40        (the star indices from start to destination; no numbers for no route)
// Lines end in CR LF; LF alone is read as well.

QByteArray encodeTravel(const TravelPlan &plan);
// The plan, or nothing when the text is not a travel file: wrong first line, a limit that is not a
// number of tenths from 1 to 15, a star index that is not a whole number below the number of stars,
// a route of a single star, a leg longer than the limit, or a missing line.
std::optional<TravelPlan> decodeTravel(const QByteArray &bytes, const PairDistances &distances);

// What is wrong with a plan for the stars of `distances`, or empty: a limit that is not a number of
// tenths from 1 to 15, a star that is not in the catalogue, a route of a single star or a leg longer
// than the limit.
QString travelPlanFault(const TravelPlan &plan, const PairDistances &distances);

// "dir/mymap.kmf" -> "dir/mymap.travel".
QString travelFileName(const QString &stateFileName);

// Writes through SafeFile, so a failed write keeps the old file; `error` then holds the reason.
bool saveTravelFile(const QString &fileName, const TravelPlan &plan, QString *error = nullptr,
    const FileCalls &calls = FileCalls::system());

enum class TravelLoad { Absent, Loaded, Malformed };
// Reads the file into plan when it holds a valid plan; plan is unchanged otherwise.
// `reason`, when given, says why a Malformed file is not one ("it is a named pipe (FIFO), not a file").
TravelLoad loadTravelFile(
    const QString &fileName, const PairDistances &distances, TravelPlan &plan, QString *reason = nullptr);
