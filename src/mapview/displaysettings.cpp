#include "mapview/displaysettings.h"

#include <QSettings>

#include <utility>

namespace {

// The check boxes, by settings key.
constexpr std::pair<const char *, int DisplayOptions::*> kBoxes[] = {
    { "display/rangeCircle", &DisplayOptions::rangeCircleBox },
    { "display/greyStars", &DisplayOptions::greyStarsBox },
    { "display/crossHairs", &DisplayOptions::crossHairsBox },
    { "display/spheres", &DisplayOptions::spheresBox },
    { "display/starNumbers", &DisplayOptions::starNumbersBox },
    { "display/height", &DisplayOptions::heightBox },
    { "display/links", &DisplayOptions::linksBox },
};

// The value under `key` when it is a whole number from `low` to `high`, otherwise `design`.
int wholeIn(const QSettings &settings, const char *key, int low, int high, int design)
{
    bool ok = false;
    const int value = settings.value(QLatin1String(key)).toInt(&ok);
    return ok && value >= low && value <= high ? value : design;
}

} // namespace

namespace DisplaySettings {

DisplayOptions load(const QSettings &settings)
{
    DisplayOptions options;
    for (const auto &[key, box] : kBoxes)
        options.*box = wholeIn(settings, key, 0, 2, options.*box);
    options.colourCode = wholeIn(settings, "display/colourCode", 0, 3, options.colourCode);
    options.rangeText = settings.value(QStringLiteral("display/range"), options.rangeText).toString().left(20);
    const QVariant printer = settings.value(QStringLiteral("display/printerMode"));
    if (printer.isValid())
        options.printerMode = printer.toBool();
    return options;
}

void save(QSettings &settings, const DisplayOptions &options)
{
    for (const auto &[key, box] : kBoxes)
        settings.setValue(QLatin1String(key), options.*box);
    settings.setValue(QStringLiteral("display/colourCode"), options.colourCode);
    settings.setValue(QStringLiteral("display/range"), options.rangeText);
    settings.setValue(QStringLiteral("display/printerMode"), options.printerMode);
}

} // namespace DisplaySettings
