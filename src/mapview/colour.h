#pragma once

#include <QColor>
#include <QtGlobal>

// A packed colour: red + 256 * green + 65536 * blue.
using Colour = quint32;

inline QColor toQColor(Colour colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
        static_cast<int>((colour >> 16) & 0xFF));
}

// The colours the passes draw with besides the star colours.
namespace colours {
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kCyan = 0xFFFF00;
constexpr Colour kGrey = 0xA0A0A0;
constexpr Colour kDarkTeal = 0x202000; // grid lines and panel outlines in the dark mode
constexpr Colour kDimGrey = 0x505050; // dashed lines and frame in the dark mode
constexpr Colour kRoute = 0xFF00FF; // magenta, used by no star colour: reads on black, on white and on paper
constexpr Colour kLink = 0x00A000; // mid green, drawn thin: present on both backgrounds without crowding the dots
} // namespace colours
