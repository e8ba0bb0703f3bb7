#include "polities/polityedits.h"

#include "routes/pairdistances.h"

#include <algorithm>
#include <array>

namespace polityedits {

namespace {

// Colours that read on black and on white, taken in turn by new polities.
constexpr std::array<quint32, 10> kPalette
    = { 0x3366CC, 0xDC3912, 0xFF9900, 0x109618, 0x990099, 0x0099C6, 0xDD4477, 0x66AA00, 0xB82E2E, 0x316395 };

} // namespace

Polities added(Polities polities, const QString &name)
{
    Polity polity;
    polity.name = name;
    for (const quint32 colour : kPalette) {
        const bool taken = std::any_of(
            polities.list.begin(), polities.list.end(), [colour](const Polity &p) { return p.colour == colour; });
        if (!taken) {
            polity.colour = colour;
            break;
        }
    }
    polities.list.push_back(polity);
    return polities;
}

Polities removed(Polities polities, int index)
{
    if (index < 0 || index >= static_cast<int>(polities.list.size()))
        return polities;
    polities.list.erase(polities.list.begin() + index);
    for (int &p : polities.memberOf) {
        if (p == index)
            p = Polities::kNone;
        else if (p > index)
            --p;
    }
    return polities;
}

Polities assigned(Polities polities, const std::vector<int> &stars, int polity)
{
    if (polity != Polities::kNone && (polity < 0 || polity >= static_cast<int>(polities.list.size())))
        return polities;
    for (const int star : stars)
        if (star >= 0 && star < static_cast<int>(polities.memberOf.size()))
            polities.memberOf[static_cast<size_t>(star)] = polity;
    return polities;
}

std::vector<int> members(const Polities &polities, int polity)
{
    std::vector<int> stars;
    for (size_t i = 0; i < polities.memberOf.size(); ++i)
        if (polities.memberOf[i] == polity)
            stars.push_back(static_cast<int>(i));
    return stars;
}

int polityOf(const Polities &polities, int star)
{
    if (star < 0 || star >= static_cast<int>(polities.memberOf.size()))
        return Polities::kNone;
    const int p = polities.memberOf[static_cast<size_t>(star)];
    return p >= 0 && p < static_cast<int>(polities.list.size()) ? p : Polities::kNone;
}

} // namespace polityedits
