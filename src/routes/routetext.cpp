#include "routes/routetext.h"

#include "catalogue/startable.h"
#include "routes/pairdistances.h"
#include "routes/routesearch.h"
#include "routes/travelplan.h"

#include <cmath>

QString lightYears(double distance)
{
    return QString::number(distance, 'f', 1);
}

double tenthAtLeast(double distance)
{
    // Start from the rounded-up tenth and step to the neighbour the multiplication may have missed,
    // comparing as the search does (a jump of exactly the limit is allowed).
    double tenths = std::ceil(distance * 10.0);
    if ((tenths - 1.0) / 10.0 >= distance)
        tenths -= 1.0;
    else if (tenths / 10.0 < distance)
        tenths += 1.0;
    return tenths / 10.0;
}

QString routeStarName(const StarTable &stars, int star)
{
    const StarRecord &record = stars[star];
    for (int other = 0; other < stars.size(); ++other)
        if (other != star && stars[other].starName == record.starName)
            return QStringLiteral("%1 (X %2, Y %3, Z %4)")
                .arg(record.starName)
                .arg(record.x)
                .arg(record.y)
                .arg(record.z);
    return record.starName;
}

QString routeText(const StarTable &stars, const PairDistances &distances, int from, int to, double limit,
    const Route &route, const RouteTextOptions &options)
{
    const QString start = routeStarName(stars, from);
    const QString end = routeStarName(stars, to);
    if (!route.found()) {
        const double needed = tenthAtLeast(shortestLimit(distances, from, to, options.avoided));
        QString text = QStringLiteral("No route from %1 to %2 within a jump limit of %3 ly.\r\n"
                                      "The shortest jump limit that makes one is %4 ly")
                           .arg(start, end, lightYears(limit), lightYears(needed));
        if (needed > TravelPlan::kMaxLimit)
            text += QStringLiteral(", longer than the longest limit of %1 ly").arg(lightYears(TravelPlan::kMaxLimit));
        return text + QLatin1Char('.');
    }

    QString text = QStringLiteral("Route from %1 to %2, jump limit %3 ly:\r\n").arg(start, end, lightYears(limit));
    for (size_t k = 1; k < route.stars.size(); ++k) {
        const int a = route.stars[k - 1];
        const int b = route.stars[k];
        text += QStringLiteral("%1 to %2: %3 ly\r\n")
                    .arg(routeStarName(stars, a), routeStarName(stars, b), lightYears(distances(a, b)));
        if (options.legNotes)
            for (const QString &note : options.legNotes(a, b))
                text += note + QStringLiteral("\r\n");
    }
    text += QStringLiteral("Jumps: %1, total %2 ly").arg(route.jumps()).arg(lightYears(route.total));
    return text;
}
