#include "mapview/colours.h"

#include "catalogue/stardistance.h"
#include "mapview/mapmodel.h"
#include "mapview/territorypass.h"
#include "polities/polityedits.h"

#include <array>
#include <utility>

Colour colourByZ(qint16 x)
{
    if (x >= -40 && x <= -11)
        return 0xFF0000;
    if (x >= -10 && x <= -1)
        return 0x00FF00;
    if (x >= 0 && x <= 10)
        return 0x00FFFF;
    if (x >= 11 && x <= 40)
        return 0x0080FF;
    return 0xFFFF00;
}

Colour colourBySpectralType(const QString &spectralText)
{
    static constexpr std::array<std::pair<char16_t, Colour>, 7> kClasses = { {
        { u'O', 0xFF0000 },
        { u'B', 0xFFFF00 },
        { u'A', 0xFFFFFF },
        { u'F', 0x99FFFF },
        { u'G', 0x33CCFF },
        { u'K', 0x0080FF },
        { u'M', 0x0000FF },
    } };
    Colour colour = 0;
    for (const auto &[letter, classColour] : kClasses)
        if (spectralText.contains(QChar(letter), Qt::CaseSensitive))
            colour = classColour;
    return colour;
}

Colour colourByDistance(double x)
{
    // Each band is closed from its whole-number start up to .99 below the next band's start; a value
    // in one of the small gaps between bands falls through to black.
    if (x < 5)
        return 0xFFFFFF;
    if (x >= 5 && x <= 9.99)
        return 0xC0C0FF;
    if (x >= 10 && x <= 14.99)
        return 0x8080FF;
    if (x >= 15 && x <= 19.99)
        return 0x4040FF;
    if (x >= 20 && x <= 24.99)
        return 0x0000C0;
    if (x >= 25 && x <= 29.99)
        return 0x000080;
    if (x >= 30)
        return 0x000040;
    return 0;
}

Colour colourByDistanceFromSol(qint16 x)
{
    if (x < 10)
        return 0xFFCD70;
    if (x < 20)
        return 0xFF9000;
    return 0x6E001B;
}

Colour starColour(const MapModel &model, qint32 index)
{
    const StarRecord &star = (*model.stars)[index];
    switch (model.view.colourCode) {
    case 0:
        return colourByZ(star.z);
    case 1:
        return colourBySpectralType(star.spectralClass);
    case 2:
        return colourByDistance(starDistance(*model.stars, index, model.view.selectedStar));
    case 3:
        return colourByDistanceFromSol(star.distanceFromSol);
    case DisplayOptions::kPolityColourCode: {
        const Polities &polities = model.campaign.polities;
        const int p = polityedits::polityOf(polities, index);
        return p == Polities::kNone ? colours::kDimGrey
                                    : polityColour(polities.list[size_t(p)].colour, model.view.printerMode);
    }
    default:
        return 0;
    }
}
