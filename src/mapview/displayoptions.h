#pragma once

#include <QString>

#include <array>

struct ViewState;

// The state of the Display Options controls: the only store of the range, the colour code and
// the flags between redraws. A fresh object holds the design values.
struct DisplayOptions
{
    // Check boxes hold 0 (unchecked), 1 (checked) or 2 (greyed, counts as checked).
    QString zmax = QStringLiteral("40");
    int dfsonflag = 0; // "Display Range Circle"
    int dispsodstars = 0; // "Display Stars outside of Selected Range in Grey"
    int colourCode = 0; // which of col1 .. col4 is selected
    int xhair = 1; // "Cross Hairs around Selected Star"
    int sodonflag = 0; // "Spheres of Development"
    int staridon = 0; // "Star ID Numbers"
    int showheight = 0; // "Show height"
    int showlinks = 0; // "Show links within N ly"
    bool printerMode = false; // Option10 "Printer or WYSIWYG Mode" selected instead of pcolflag

    static const std::array<QString, 4> &colourCaptions();
    static QString rangeButtonText(int button); // button 0..3 -> "10" .. "40"

    // Reads the options into the view state, in the order the redraw uses.
    void readInto(ViewState &view) const;

    bool operator==(const DisplayOptions &other) const;
};
