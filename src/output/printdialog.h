#pragma once

#include <QtGlobal>

class QPrinter;
class QWidget;

// The printer-selection dialog (printDialog): preset, then shown with an owner window on the printer
// that prints, whose printer, copies, paper, duplex and colour choices it edits in place.
class PrintDialog
{
public:
    static constexpr qint16 kPortrait = 1;
    static constexpr qint16 kLandscape = 2;

    virtual ~PrintDialog() = default;

    bool failOnCancel = false; // a cancelled dialog is reported as a failure
    qint16 orientation = kPortrait; // the orientation the dialog opens with

    // The presets of Print Map, which the 3D View's Print shares: a cancel is a failure, and the
    // dialog opens on a landscape page.
    void presetForMap()
    {
        failOnCancel = true;
        orientation = kLandscape;
    }

    // Returns false when the dialog was cancelled while failOnCancel is on; a cancelled dialog
    // leaves the printer as it was.
    virtual bool showPrinter(QWidget *owner, QPrinter &printer) = 0;
};
