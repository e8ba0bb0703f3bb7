#pragma once

// Asks the user at what resolution a PNG is written.
class ResolutionChooser
{
public:
    virtual ~ResolutionChooser() = default;
    // One of mapexport::kPngDpis, or 0 when the user cancelled.
    virtual int chooseDpi() = 0;
};
