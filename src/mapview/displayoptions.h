#pragma once

#include <QString>

#include <array>

struct ViewState;

// The state of the Display Options controls: the only store of the range, the colour code and
// the flags between redraws. A fresh object holds the design values.
struct DisplayOptions
{
    // Check boxes hold 0 (unchecked), 1 (checked) or 2 (greyed, counts as checked).
    QString rangeText = QStringLiteral("40");
    int rangeCircleBox = 0; // "Display Range Circle"
    int greyStarsBox = 0; // "Display Stars outside of Selected Range in Grey"
    int colourCode = 0; // which of the four colour-code buttons is selected
    int crossHairsBox = 1; // "Cross Hairs around Selected Star"
    int spheresBox = 0; // "Spheres of Development"
    int starNumbersBox = 0; // "Star ID Numbers"
    int heightBox = 0; // "Show height"
    int linksBox = 0; // "Show links within N ly"
    int territoriesBox = 0; // "Show territories"
    int starNamesBox = 0; // "Show star names"
    int notesMarkBox = 0; // "Mark stars with notes"
    bool printerMode = false; // "Printer or WYSIWYG Mode" selected instead of "Velmora Mode"

    static const std::array<QString, 4> &colourCaptions();
    // The fifth colour code, offered in this dialog only: each member star in its polity's colour.
    static constexpr int kPolityColourCode = 4;
    static QString polityCaption() { return QStringLiteral("Polity"); }
    static QString rangeButtonText(int button); // button 0..3 -> "10" .. "40"

    // Reads the options into the view state, in the order the redraw uses.
    void readInto(ViewState &view) const;

    bool operator==(const DisplayOptions &other) const;
};
