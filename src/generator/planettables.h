#pragma once

#include <array>
#include <string_view>

// The fixed tables of the star-system generator, exactly as the generator reads them: strings
// indexed by 1-based character position, or comma-separated lists indexed from 0.
namespace planettables {

// Orbit zones per spectral letter, one character per orbit 1..12: "B" the run of warm orbits,
// "N" normal, "H" the far cold orbits. The letters are tested in this order and the last one
// found in the class wins.
struct ZoneRow
{
    char letter;
    std::string_view zones;
};
inline constexpr std::array<ZoneRow, 5> kZoneRows { {
    { 'A', "HNBBBBBNNNNN" },
    { 'F', "NBBBBNNNNNNH" },
    { 'G', "NBBBNNNNNNHH" },
    { 'K', "BBBNNNNNNHHH" },
    { 'M', "BNNNNNNHHHHH" },
} };

// The 10 x 10 planet grids: position = (row - 1) * 10 + column.
inline constexpr std::string_view kSizeGrid
    = "34444455773344445888444555557723336666662334445588133a4455a81244a55aa6123a4a54a61222336686123a567879";
inline constexpr std::string_view kEnvironmentGrid
    = "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeetttteeeeeetttttttttthtthtttththhhhhtthhthhhhhhthhthhhhhhtttthhhhhhhhth";
inline constexpr std::string_view kResourceGrid
    = "rprrrrrpprpprrrrrrpprpprrprprprpprrrrrppprrrrprrrprpprpprppprrrrrppprrrrrrprpprprrrrrrrprpppppprpprr";
static_assert(kSizeGrid.size() == 100 && kEnvironmentGrid.size() == 100 && kResourceGrid.size() == 100);

// Presence of a planet by subclass key: keys from `low` to `high` (character-code order) have a
// planet when the two-roll total is below `below`, or exactly 17 where `seventeen` is set.
struct PresenceRow
{
    std::string_view low;
    std::string_view high;
    int below;
    bool seventeen;
};
inline constexpr std::array<PresenceRow, 10> kPresenceRows { {
    { "A0", "A4", 6, false },
    { "A5", "A9", 8, false },
    { "F0", "F4", 9, false },
    { "F5", "F9", 10, true },
    { "G0", "G4", 12, false },
    { "G5", "G9", 11, false },
    { "K0", "K4", 10, false },
    { "K5", "K9", 9, true },
    { "M0", "M4", 7, false },
    { "M5", "M9", 4, false },
} };

// Gravity by size value 0..9.
inline constexpr std::array<std::string_view, 10> kGravity { "None", "Trace", "0.2", "0.4", "0.7", "1.0", "1.3", "1.7",
    "2.0", "2.5" };

// Day lengths: item roll * 3 + environment column.
inline constexpr std::string_view kDays
    = "12,6,4,15,9,6,18,12,8,21,15,N,24,18,N,24,24,72,27,36,4d,30,48,6d,33,60,8d,36,72,10d";

// Atmosphere codes: 17 groups of three (earth-like, tolerable, hostile), one group per row.
inline constexpr std::string_view kAtmosphereDigits = "100100100220310250120156315466525356445346355456345";
static_assert(kAtmosphereDigits.size() == 51);

inline constexpr std::array<std::string_view, 7> kAtmospheres { "None", "Thin", "Thin Contaminated", "Normal",
    "Normal Contaminated", "Poisonous", "Corrosive" };

// Temperatures by adjusted roll -5..16, two rolls a row; items by environment column.
inline constexpr std::array<std::string_view, 11> kTemperatureRows {
    "125,175,200 and higher",
    "100,150,200",
    "100,125,175",
    "75,125,175",
    "75,100,150",
    "50,25,-25",
    "50,0,-25",
    "25,0,-50",
    "25,-25,-50",
    "0,-25,-75",
    "0,-50,-75 and lower",
};

// Hydrographic percentages by roll 1..10: table A for temperatures 50 and 75, table B for
// 0, 25, 100 and 125.
inline constexpr std::array<std::string_view, 10> kHydroA {
    "0,0,20,20",
    "0,20,20,40",
    "0,20,40,40",
    "20,20,40,40",
    "20,40,60,60",
    "20,40,60,60",
    "20,40,60,80",
    "40,60,80,80",
    "40,60,80,100",
    "40,80,100,100",
};
inline constexpr std::array<std::string_view, 10> kHydroB {
    "0,0,0,0,0",
    "0,0,0,0,20",
    "0,0,0,20,20",
    "0,0,0,20,20",
    "0,0,20,20,40",
    "0,20,20,40,40",
    "0,20,20,40,60",
    "20,20,40,40,60",
    "20,40,40,60,80",
    "20,40,60,60,80",
};

} // namespace planettables
