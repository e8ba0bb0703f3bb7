#pragma once

#include "output/printdialog.h"

// The printer dialog over QPrintDialog. Qt's dialog always offers printing to a PDF file, which is
// where the map goes when no printer is installed. The choices stay on the printer, so the dialog
// shows them again the next time.
class QtPrintDialog : public PrintDialog
{
public:
    bool showPrinter(QWidget *owner, QPrinter &printer) override;
};
