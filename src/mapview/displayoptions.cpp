#include "mapview/displayoptions.h"

#include "common/textnumber.h"
#include "mapview/viewstate.h"

#include <limits>

const std::array<QString, 4> &DisplayOptions::colourCaptions()
{
    static const std::array<QString, 4> captions = {
        QStringLiteral("Z Co-ordinate"),
        QStringLiteral("Spectral Type"),
        QStringLiteral("Distance From Selected Star"),
        QStringLiteral("Spheres of Development"),
    };
    return captions;
}

QString DisplayOptions::rangeButtonText(int button)
{
    return QString::number((button + 1) * 10);
}

void DisplayOptions::readInto(ViewState &view) const
{
    // The range is clamped so that its negation always fits as well.
    constexpr qint64 limit = std::numeric_limits<qint32>::max();
    view.rangeHigh = static_cast<qint32>(common::roundToRange(common::lenientNumber(rangeText), -limit, limit));
    view.rangeLow = -view.rangeHigh;
    view.showStarNumbers = starNumbersBox != 0;
    view.showCrossHairs = crossHairsBox != 0;
    view.showSpheres = spheresBox != 0;
    view.showRangeCircle = rangeCircleBox != 0;
    view.printerMode = printerMode;
    view.greyOutOfRange = greyStarsBox != 0;
    view.colourCode = colourCode;
    view.showHeight = heightBox != 0;
    view.showLinks = linksBox != 0;
    view.showTerritories = territoriesBox != 0;
    view.showStarNames = starNamesBox != 0;
    view.markNotes = notesMarkBox != 0;
}

bool DisplayOptions::operator==(const DisplayOptions &other) const
{
    return rangeText == other.rangeText && rangeCircleBox == other.rangeCircleBox && greyStarsBox == other.greyStarsBox
        && colourCode == other.colourCode && crossHairsBox == other.crossHairsBox && spheresBox == other.spheresBox
        && starNumbersBox == other.starNumbersBox && printerMode == other.printerMode && heightBox == other.heightBox
        && linksBox == other.linksBox && territoriesBox == other.territoriesBox && starNamesBox == other.starNamesBox
        && notesMarkBox == other.notesMarkBox;
}
