#pragma once

#include <QByteArrayView>
#include <QString>

#include "files/readnotice.h"

class StarTable;

// What is wrong with a game-state or player-map file, and where. A file passes when it has the five
// whole-number header lines and then one notes string for each star: a quoted string whose inner
// quotes are doubled, followed by nothing but blanks up to the line end (lines after the last star
// are not looked at). A string without quotes still passes when it holds no comma, as it reads as
// one star's notes. A UTF-8 byte-order mark at the start is skipped.
struct StateFault
{
    enum class Problem {
        None,
        NotWholeNumber, // a header line
        FileEnds, // before this header line or these notes
        NoClosingQuote,
        TextAfterClosingQuote,
        CommaWithoutQuotes,
    };

    Problem problem = Problem::None;
    int entry = 0; // 0 to 4: the header lines; 5 on: the notes of star entry - 5
    int line = 0; // counted from 1
    // The header and the notes of the stars before the fault read as they were checked: the bytes
    // up to `readableEnd` hold them, and `readableStars` notes. Zero when the header has the fault.
    qsizetype readableEnd = 0;
    int readableStars = 0;

    explicit operator bool() const { return problem != Problem::None; }
    int star() const { return entry - 5; }
};

// Reads the whole file without changing anything. Line numbers are counted only for a fault, so
// a file that passes costs one pass over its quotes.
StateFault checkState(QByteArrayView data, int starCount);

// "Line 27, the notes of Alpha Centauri A: no closing quote", with the star's name from the table.
QString describeFault(const StateFault &fault, const StarTable &stars);
// "Line 1, the selected star: 999 is not a star of the catalogue; no star is selected".
QString describeNotice(const ReadNotice &notice, const StarTable &stars);
