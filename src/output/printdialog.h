#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

// The printer-selection dialog (printdlg): preset, shown with an owner window, then read back.
class PrintDialog
{
public:
    static constexpr qint16 kPortrait = 1;
    static constexpr qint16 kLandscape = 2;

    virtual ~PrintDialog() = default;

    bool CancelError = false; // a cancelled dialog is reported as a failure
    qint16 Orientation = kPortrait; // preset before showing, the chosen one after
    qint32 Flags = 0; // kept as given
    // Read after showing: the chosen printer, or the PDF file chosen instead of a printer.
    QString PrinterName;
    QString FileName;
    qint16 Copies = 1;

    // Returns false when the dialog was cancelled while CancelError is on.
    virtual bool ShowPrinter(QWidget *owner) = 0;
};
