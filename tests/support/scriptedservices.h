#pragma once

#include "app/commandwiring.h"
#include "export/resolutionchooser.h"
#include "files/scriptedui.h"
#include "output/printdialog.h"

#include <QPrinter>

// Every service a main window's commands use, scripted as ScriptedUi is; the print dialog prints to
// the PDF file `printTo` (cancelled while that is empty), the resolution chooser answers `dpi` (0: cancelled).
class ScriptedServices : public ScriptedUi, public PrintDialog, public ResolutionChooser
{
public:
    QString printTo;
    int dpi = 0;
    bool showPrinter(QWidget *, QPrinter &printer) override
    {
        if (!printTo.isEmpty())
            printer.setOutputFileName(printTo);
        return !printTo.isEmpty();
    }
    int chooseDpi(const QString &) override { return dpi; }
    CommandServices services() { return { *this, *this, *this, *this, *this }; }
};
