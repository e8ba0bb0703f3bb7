#include "mapview/keypanel.h"

#include "common/textnumber.h"
#include "mapview/colours.h"
#include "mapview/mapmodel.h"
#include "mapview/primitives.h"
#include "mapview/territorypass.h"

namespace {

constexpr double kKeyLeft = 108.0;
constexpr double kKeyWidth = 66.5;
constexpr double kTitleLeft = 31.0;
constexpr double kPanelTop = 11.5;
constexpr double kPanelBottom = 27.0;
constexpr float kKeyCentre = kKeyLeft + kKeyWidth / 2;
constexpr float kTitleCentre = 69.0f;

void drawPanelBoxes(Surface &surface, bool printerMode)
{
    const Colour fill = printerMode ? colours::kWhite : colours::kBlack;
    const Colour outline = printerMode ? colours::kCyan : colours::kDarkTeal;
    surface.drawLine(kKeyLeft, kPanelTop, kKeyLeft + kKeyWidth, kPanelBottom, fill, Surface::Shape::FilledBox);
    surface.drawLine(kTitleLeft, kPanelTop, kKeyLeft - 1, kPanelBottom, fill, Surface::Shape::FilledBox);
    surface.drawLine(kKeyLeft, kPanelTop, kKeyLeft + kKeyWidth, kPanelBottom, outline, Surface::Shape::Box);
    surface.drawLine(kTitleLeft, kPanelTop, kKeyLeft - 1, kPanelBottom, outline, Surface::Shape::Box);
    surface.foreColor = printerMode ? colours::kBlack : colours::kGrey;
}

void drawPanelTitle(const MapModel &model, Surface &surface, qint32 size)
{
    const ViewState &view = model.view;
    const QString heading = view.atlasPage > 0 ? QStringLiteral("SECTOR MAP, PAGE %1").arg(view.atlasPage)
                                               : QStringLiteral("SECTOR DISPLAY");
    printText(surface, heading, 0, 12, TextColour::keep(), QString(), size, true, kTitleCentre);
    printText(surface, sectorLine(view.originX, view.originY, view.rangeLow, view.rangeHigh), 0, 17, TextColour::keep(),
        QString(), size, true, kTitleCentre);
    if (view.selectedStar > -1)
        printText(surface, QStringLiteral("Selected Star : ") + (*model.stars)[view.selectedStar].starName, 0, 22,
            TextColour::keep(), QString(), size, true, kTitleCentre);
}

// The key of the polity colour code: the first polities by name, cut short to fit, and no polity.
ColourKey politykey(const MapModel &model)
{
    constexpr size_t kShown = 5;
    constexpr int kNameLength = 8;
    ColourKey key { QStringLiteral("POLITY KEY"), 0, {} };
    for (const Polity &p : model.campaign.polities.list) {
        if (key.entries.size() == kShown)
            break;
        const QString name = p.name.size() > kNameLength ? p.name.left(kNameLength - 1) + u'\u2026' : p.name;
        key.entries.push_back({ name, polityColour(p.colour, model.view.printerMode) });
    }
    key.entries.push_back({ QStringLiteral("None"), colours::kDimGrey });
    key.divisions = static_cast<int>(key.entries.size()) + 1;
    return key;
}

void drawColourKey(const MapModel &model, Surface &surface, qint32 size)
{
    surface.fillStyle = Surface::Fill::Solid;
    const ColourKey key = model.view.colourCode == DisplayOptions::kPolityColourCode
        ? politykey(model)
        : colourKeyFor(model.view.colourCode);
    if (key.divisions == 0)
        return;
    printText(surface, key.title, 0, 12, TextColour::keep(), QString(), size, true, kKeyCentre);
    for (size_t j = 1; j <= key.entries.size(); ++j) {
        const KeyEntry &entry = key.entries[j - 1];
        const auto x = static_cast<float>(kKeyLeft + kKeyWidth * static_cast<double>(j) / key.divisions);
        drawKeyEntry(entry.caption, entry.colour, x, 20, 2, surface);
    }
}

} // namespace

ColourKey colourKeyFor(int colourCode)
{
    switch (colourCode) {
    case 0:
        return { QStringLiteral("Z CO-ORDINATE KEY"), 5,
            { { QStringLiteral("< -10"), colourByZ(-20) }, { QStringLiteral("-9 to -1"), colourByZ(-5) },
                { QStringLiteral("1 to 9"), colourByZ(5) }, { QStringLiteral(">10"), colourByZ(20) } } };
    case 1: {
        ColourKey key { QStringLiteral("SPECTRAL CLASS KEY"), 8, {} };
        for (const char *letter : { "O", "B", "A", "F", "G", "K", "M" })
            key.entries.push_back({ QString::fromLatin1(letter), colourBySpectralType(QString::fromLatin1(letter)) });
        return key;
    }
    case 2: {
        ColourKey key { QStringLiteral("DISTANCE FROM SELECTED KEY"), 8, {} };
        for (int d = 0; d <= 30; d += 5)
            key.entries.push_back({ QString::number(d), colourByDistance(d) });
        return key;
    }
    case 3:
        return { QStringLiteral("DEVELOPMENT SPHERE KEY"), 4,
            { { QStringLiteral("0-9"), colourByDistanceFromSol(0) },
                { QStringLiteral("10-19"), colourByDistanceFromSol(10) },
                { QStringLiteral("20-30"), colourByDistanceFromSol(20) } } };
    default:
        return {};
    }
}

QString sectorLine(qint32 originX, qint32 originY, qint32 rangeLow, qint32 rangeHigh)
{
    return QStringLiteral("X %1 to %2  Y %3 to %4  Z %5 to %6")
        .arg(signedLabel(originX), signedLabel(originX + 15), signedLabel(originY), signedLabel(originY + 15),
            signedLabel(rangeLow), signedLabel(rangeHigh));
}

void drawPanels(const MapModel &model, Surface &surface)
{
    drawPanelBoxes(surface, model.view.printerMode);
    const auto size = static_cast<qint32>(common::roundHalfEven(model.view.textScale * 12));
    drawPanelTitle(model, surface, size);
    drawColourKey(model, surface, size);
}
