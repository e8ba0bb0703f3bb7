#include "spaceview/spacesettings.h"

#include <QSettings>

#include <algorithm>

namespace {

const QString kGroup = QStringLiteral("spaceView");

} // namespace

SpaceSettings SpaceSettings::load()
{
    QSettings settings;
    settings.beginGroup(kGroup);
    SpaceSettings loaded;
    loaded.camera.turn = settings.value(QStringLiteral("turn"), loaded.camera.turn).toDouble();
    loaded.camera.tilt = settings.value(QStringLiteral("tilt"), loaded.camera.tilt).toDouble();
    loaded.camera.distance = settings.value(QStringLiteral("distance"), loaded.camera.distance).toDouble();
    loaded.camera.normalise();
    loaded.remembered = settings.contains(QStringLiteral("distance"));
    const int radius = settings.value(QStringLiteral("radius"), SpaceOptions::kDefaultRadius).toInt();
    loaded.options.radius = radius == 0 ? 0 : std::clamp(radius, SpaceOptions::kMinRadius, SpaceOptions::kMaxRadius);
    loaded.options.planeThroughCentre = settings.value(QStringLiteral("planeThroughCentre"), false).toBool();
    loaded.options.reachLinks = settings.value(QStringLiteral("reachLinks"), false).toBool();
    loaded.options.stereoPair = settings.value(QStringLiteral("stereoPair"), false).toBool();
    loaded.options.crossedEyes = settings.value(QStringLiteral("crossedEyes"), false).toBool();
    return loaded;
}

void SpaceSettings::save() const
{
    QSettings settings;
    settings.beginGroup(kGroup);
    settings.setValue(QStringLiteral("turn"), camera.turn);
    settings.setValue(QStringLiteral("tilt"), camera.tilt);
    settings.setValue(QStringLiteral("distance"), camera.distance);
    settings.setValue(QStringLiteral("radius"), options.radius);
    settings.setValue(QStringLiteral("planeThroughCentre"), options.planeThroughCentre);
    settings.setValue(QStringLiteral("reachLinks"), options.reachLinks);
    settings.setValue(QStringLiteral("stereoPair"), options.stereoPair);
    settings.setValue(QStringLiteral("crossedEyes"), options.crossedEyes);
}
