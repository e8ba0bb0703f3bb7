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
    view.hirange = static_cast<qint32>(common::roundToRange(common::lenientNumber(zmax), -limit, limit));
    view.lorange = -view.hirange;
    view.idsflag = staridon != 0;
    view.xhairflag = xhair != 0;
    view.sodflag = sodonflag != 0;
    view.dfsflag = dfsonflag != 0;
    view.wysflag = printerMode;
    view.greyflag = dispsodstars != 0;
    view.colmode = colourCode;
    view.heightflag = showheight != 0;
    view.linksflag = showlinks != 0;
}

bool DisplayOptions::operator==(const DisplayOptions &other) const
{
    return zmax == other.zmax && dfsonflag == other.dfsonflag && dispsodstars == other.dispsodstars
        && colourCode == other.colourCode && xhair == other.xhair && sodonflag == other.sodonflag
        && staridon == other.staridon && printerMode == other.printerMode && showheight == other.showheight
        && showlinks == other.showlinks;
}
