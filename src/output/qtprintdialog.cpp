#include "output/qtprintdialog.h"

#include <QPrintDialog>
#include <QPrinter>

bool QtPrintDialog::ShowPrinter(QWidget *owner, QPrinter &printer)
{
    printer.setPageOrientation(Orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("printdlg"));
    return dialog.exec() == QDialog::Accepted || !CancelError;
}
