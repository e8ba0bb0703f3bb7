#include "output/qtprintdialog.h"

#include <QPrintDialog>
#include <QPrinter>

QtPrintDialog::QtPrintDialog() = default;

QtPrintDialog::~QtPrintDialog() = default;

bool QtPrintDialog::ShowPrinter(QWidget *owner)
{
    if (!m_choice)
        m_choice = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_choice->setPageOrientation(Orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(m_choice.get(), owner);
    dialog.setObjectName(QStringLiteral("printdlg"));
    if (dialog.exec() != QDialog::Accepted)
        return !CancelError;
    const bool toFile = m_choice->outputFormat() == QPrinter::PdfFormat;
    PrinterName = toFile ? QString() : m_choice->printerName();
    FileName = toFile ? m_choice->outputFileName() : QString();
    Copies = static_cast<qint16>(m_choice->copyCount());
    Orientation = m_choice->pageLayout().orientation() == QPageLayout::Landscape ? kLandscape : kPortrait;
    return true;
}
