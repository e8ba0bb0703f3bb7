#include "routes/travelfile.h"

#include "routes/pairdistances.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <cmath>

namespace {

const QByteArray kHeader = QByteArrayLiteral("Quorvane travel plan 1");
const QByteArray kLimit = QByteArrayLiteral("limit");
const QByteArray kRoute = QByteArrayLiteral("route");

// The words after `key` on a line "key word word ...", or nothing when the line has another key.
std::optional<QList<QByteArray>> keyed(const QByteArray &line, const QByteArray &key)
{
    QList<QByteArray> words = line.simplified().split(' ');
    if (words.isEmpty() || words.front() != key)
        return std::nullopt;
    words.removeFirst();
    return words;
}

std::optional<double> parseLimit(const QList<QByteArray> &words)
{
    if (words.size() != 1)
        return std::nullopt;
    bool ok = false;
    const double limit = words.front().toDouble(&ok);
    // The jump limit box holds tenths (its arrows step by halves, a typed 6.3 is kept).
    if (!ok || !(limit >= TravelPlan::kMinLimit && limit <= TravelPlan::kMaxLimit))
        return std::nullopt;
    const double tenths = std::round(limit * 10.0);
    if (std::abs(limit * 10.0 - tenths) > 1e-6)
        return std::nullopt;
    return tenths / 10.0;
}

std::optional<std::vector<int>> parseRoute(const QList<QByteArray> &words, int starCount)
{
    std::vector<int> route;
    for (const QByteArray &word : words) {
        if (word.isEmpty())
            continue; // "route" alone splits into one empty word
        bool ok = false;
        const int star = word.toInt(&ok);
        if (!ok || star < 0 || star >= starCount)
            return std::nullopt;
        route.push_back(star);
    }
    if (route.size() == 1)
        return std::nullopt;
    return route;
}

// A route saved with its limit keeps within it, as every route plotted at that limit does.
bool legsWithin(const std::vector<int> &route, double limit, const PairDistances &distances)
{
    for (size_t k = 1; k < route.size(); ++k)
        if (!(distances(route[k - 1], route[k]) <= limit))
            return false;
    return true;
}

} // namespace

QByteArray encodeTravel(const TravelPlan &plan)
{
    QByteArray bytes = kHeader + "\r\n" + kLimit + ' ' + QByteArray::number(plan.jumpLimit, 'f', 1) + "\r\n" + kRoute;
    for (int star : plan.route)
        bytes += ' ' + QByteArray::number(star);
    return bytes + "\r\n";
}

std::optional<TravelPlan> decodeTravel(const QByteArray &bytes, const PairDistances &distances)
{
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 3 || lines[0].trimmed() != kHeader)
        return std::nullopt;
    const auto limitWords = keyed(lines[1], kLimit);
    const auto routeWords = keyed(lines[2], kRoute);
    if (!limitWords || !routeWords)
        return std::nullopt;
    const auto limit = parseLimit(*limitWords);
    auto route = parseRoute(*routeWords, distances.size());
    if (!limit || !route || !legsWithin(*route, *limit, distances))
        return std::nullopt;
    return TravelPlan { *limit, std::move(*route) };
}

QString travelFileName(const QString &stateFileName)
{
    const QFileInfo info(stateFileName);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".travel"));
}

bool saveTravelFile(const QString &fileName, const TravelPlan &plan, QString *error, const FileCalls &calls)
{
    return writeFileSafely(fileName, encodeTravel(plan), error, calls);
}

TravelLoad loadTravelFile(const QString &fileName, const PairDistances &distances, TravelPlan &plan)
{
    QFile file(fileName);
    if (!file.exists())
        return TravelLoad::Absent;
    if (!file.open(QIODevice::ReadOnly))
        return TravelLoad::Malformed;
    const auto decoded = decodeTravel(file.readAll(), distances);
    if (!decoded)
        return TravelLoad::Malformed;
    plan = *decoded;
    return TravelLoad::Loaded;
}
