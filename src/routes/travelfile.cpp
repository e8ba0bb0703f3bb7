#include "routes/travelfile.h"

#include "common/regularfile.h"

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

std::optional<double> parseNumber(const QList<QByteArray> &words)
{
    if (words.size() != 1)
        return std::nullopt;
    bool ok = false;
    const double value = words.front().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<std::vector<int>> parseRoute(const QList<QByteArray> &words)
{
    std::vector<int> route;
    for (const QByteArray &word : words) {
        if (word.isEmpty())
            continue; // "route" alone splits into one empty word
        bool ok = false;
        const int star = word.toInt(&ok);
        if (!ok)
            return std::nullopt;
        route.push_back(star);
    }
    return route;
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
    const auto limit = parseNumber(*limitWords);
    auto route = parseRoute(*routeWords);
    if (!limit || !route)
        return std::nullopt;
    TravelPlan plan { *limit, std::move(*route) };
    if (!travelPlanFault(plan, distances).isEmpty())
        return std::nullopt;
    plan.jumpLimit = std::round(plan.jumpLimit * 10.0) / 10.0;
    return plan;
}

QString travelPlanFault(const TravelPlan &plan, const PairDistances &distances)
{
    // The jump limit box holds tenths (its arrows step by halves, a typed 6.3 is kept).
    const double tenths = std::round(plan.jumpLimit * 10.0);
    if (!(plan.jumpLimit >= TravelPlan::kMinLimit && plan.jumpLimit <= TravelPlan::kMaxLimit)
        || std::abs(plan.jumpLimit * 10.0 - tenths) > 1e-6)
        return QStringLiteral("the jump limit %1 is not a number of tenths from %2 to %3 ly")
            .arg(plan.jumpLimit)
            .arg(TravelPlan::kMinLimit)
            .arg(TravelPlan::kMaxLimit);
    for (int star : plan.route)
        if (star < 0 || star >= distances.size())
            return QStringLiteral("the route's star %1 is not a star of the catalogue").arg(star);
    if (plan.route.size() == 1)
        return QStringLiteral("the route holds a single star");
    // A route saved with its limit keeps within it, as every route plotted at that limit does.
    for (size_t k = 1; k < plan.route.size(); ++k)
        if (!(distances(plan.route[k - 1], plan.route[k]) <= plan.jumpLimit))
            return QStringLiteral("the route's leg from star %1 to star %2 is longer than the jump limit")
                .arg(plan.route[k - 1])
                .arg(plan.route[k]);
    return {};
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

TravelLoad loadTravelFile(const QString &fileName, const PairDistances &distances, TravelPlan &plan, QString *reason)
{
    if (!QFileInfo::exists(fileName))
        return TravelLoad::Absent;
    // A travel plan is a few lines; anything but a small regular file is not one.
    QByteArray bytes;
    if (!readRegularFile(fileName, 1024 * 1024, bytes, reason))
        return TravelLoad::Malformed;
    const auto decoded = decodeTravel(bytes, distances);
    if (!decoded) {
        if (reason)
            *reason = QStringLiteral("not a travel plan");
        return TravelLoad::Malformed;
    }
    plan = *decoded;
    return TravelLoad::Loaded;
}
