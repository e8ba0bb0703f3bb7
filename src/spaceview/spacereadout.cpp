#include "spaceview/spacereadout.h"

#include "routes/routetext.h"
#include "spaceview/planepass.h"
#include "spaceview/spacescene.h"

#include <QColor>

namespace {

QString ly(double distance)
{
    return lightYears(distance) + QStringLiteral(" ly");
}

} // namespace

SpaceReadout spaceReadout(const SpaceScene &scene, const SpaceOptions &options)
{
    SpaceReadout readout;
    const auto name = [&scene](int star) { return scene.stars[size_t(star)].name; };
    if (scene.contains(scene.selected) && scene.contains(scene.second) && scene.selected != scene.second)
        readout.lines << QStringLiteral("%1 to %2: %3")
                             .arg(name(scene.selected), name(scene.second),
                                 ly(scene.distance(scene.selected, scene.second)));
    if (scene.route.size() > 1) {
        readout.lines << QStringLiteral("Route:");
        double total = 0.0;
        for (size_t k = 1; k < scene.route.size() && k - 1 < scene.legLengths.size(); ++k) {
            total += scene.legLengths[k - 1];
            readout.lines << QStringLiteral("  %1 to %2: %3")
                                 .arg(name(scene.route[k - 1]), name(scene.route[k]), ly(scene.legLengths[k - 1]));
        }
        readout.lines << QStringLiteral("  Total: %1").arg(ly(total));
    }
    const int centre = scene.centreStar();
    if (centre >= 0) {
        QStringList radii;
        for (const double radius : ringRadii(planeReach(options)))
            radii << QString::number(radius);
        readout.lines << QStringLiteral("Rings on the plane around %1: %2 ly")
                             .arg(name(centre), radii.join(QStringLiteral(", ")));
    }
    readout.key = colourKeyFor(scene.colourCode);
    return readout;
}

QString SpaceReadout::html() const
{
    QString text;
    for (const QString &line : lines) {
        QString escaped = line.toHtmlEscaped();
        escaped.replace(QStringLiteral("  "), QStringLiteral("&nbsp;&nbsp;"));
        text += escaped + QStringLiteral("<br>");
    }
    if (!key.entries.empty()) {
        text += QStringLiteral("<br>%1<br>").arg(key.title.toHtmlEscaped());
        for (const KeyEntry &entry : key.entries)
            text += QStringLiteral("<span style=\"color:%1\">&#9679;</span> %2<br>")
                        .arg(toQColor(entry.colour).name(), entry.caption.toHtmlEscaped());
    }
    return text;
}
