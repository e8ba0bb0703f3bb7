#pragma once

#include <QString>

// Help ▸ Keys and Mouse: every key and mouse input of the map, the Stellar Index, the 3D View and the
// find windows, and what the marks beside the stars mean, as rich text.
QString keysAndMouseText();