#pragma once

#include <QString>

#include <vector>

// Something a game-state read took other than as the file holds it, so that the game master can
// be told after the load: a header value out of range or rounded, notes without the separator,
// text that was not UTF-8, lines after the last star's notes.
struct ReadNotice
{
    int entry = 0; // 0 to 4: the header lines; 5 on: the notes of star entry - 5 (after the last: the lines after)
    int line = 0; // counted from 1
    QString what; // "999 is not a star of the catalogue; no star is selected"
};

using ReadNotices = std::vector<ReadNotice>;
