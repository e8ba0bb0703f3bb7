#include "travel/routetext.h"

#include "catalogue/startable.h"
#include "travel/pairdistances.h"
#include "travel/routesearch.h"

#include <cmath>

QString lightYears(double distance)
{
    return QString::number(distance, 'f', 1);
}

QString routeText(
    const StarTable &stars, const PairDistances &distances, int from, int to, double limit, const Route &route)
{
    const QString start = stars[from].starname;
    const QString end = stars[to].starname;
    if (!route.found()) {
        // The tolerance keeps an exact tenth (a whole-number distance) from rounding up a step.
        const double needed = std::ceil(shortestLimit(distances, from, to) * 10.0 - 1e-9) / 10.0;
        return QStringLiteral("No route from %1 to %2 within a jump limit of %3 ly.\r\n"
                              "The shortest jump limit that makes one is %4 ly.")
            .arg(start, end, lightYears(limit), lightYears(needed));
    }

    QString text = QStringLiteral("Route from %1 to %2, jump limit %3 ly:\r\n").arg(start, end, lightYears(limit));
    for (size_t k = 1; k < route.stars.size(); ++k) {
        const int a = route.stars[k - 1];
        const int b = route.stars[k];
        text += QStringLiteral("%1 to %2: %3 ly\r\n")
                    .arg(stars[a].starname, stars[b].starname, lightYears(distances(a, b)));
    }
    text += QStringLiteral("Jumps: %1, total %2 ly").arg(route.jumps()).arg(lightYears(route.total));
    return text;
}
