#pragma once

#include <QString>

// Asks the user at what resolution a PNG is written.
class ResolutionChooser
{
public:
    virtual ~ResolutionChooser() = default;
    // One of mapexport::kPngDpis, or 0 when the user cancelled; `title` names what is exported
    // ("Export Map", "Export 3D View").
    virtual int chooseDpi(const QString &title) = 0;
};
