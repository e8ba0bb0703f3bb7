#pragma once

#include "mapview/displayoptions.h"

class QSettings;

// The Display Options kept between runs, under "display/" in the program's settings. A key that is
// missing or holds a value the dialog could not show keeps the design value, so the first run on a
// new machine starts exactly as the design does.
namespace DisplaySettings {

DisplayOptions load(const QSettings &settings);
void save(QSettings &settings, const DisplayOptions &options);

} // namespace DisplaySettings
