#include "output/qtprintdialog.h"

#include <QPrintDialog>
#include <QPrinter>

bool QtPrintDialog::showPrinter(QWidget *owner, QPrinter &printer)
{
    printer.setPageOrientation(orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("printdlg"));
    return dialog.exec() == QDialog::Accepted || !failOnCancel;
}
