#pragma once

#include "app/commandwiring.h"
#include "export/resolutionchooser.h"
#include "files/scriptedui.h"
#include "output/printdialog.h"

// Every service a main window's commands use, scripted as ScriptedUi is; printing and the export
// resolution are cancelled.
class ScriptedServices : public ScriptedUi, public PrintDialog, public ResolutionChooser
{
public:
    bool showPrinter(QWidget *, QPrinter &) override { return false; }
    int chooseDpi(const QString &) override { return 0; }
    CommandServices services() { return { *this, *this, *this, *this, *this }; }
};
