#include "output/currentprinter.h"

#include "output/pagesetup.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

CurrentPrinter::CurrentPrinter() = default;

CurrentPrinter::~CurrentPrinter() = default;

QPrinter &CurrentPrinter::printer()
{
    // Made on first use: asking the printing system for its default printer can take a moment.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

PrinterPage CurrentPrinter::prepare(const QString &fontName)
{
    m_fontName = fontName;
    QPrinter &page = printer();
    page.setFullPage(true);
    page.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(), QPageLayout::Millimeter));
    if (!installed())
        return { a4LandscapeTwips(), a4LandscapeMm() };
    const QSizeF mm = page.pageLayout().fullRect(QPageLayout::Millimeter).size();
    return { mm / 25.4 * 1440.0, mm };
}

bool CurrentPrinter::installed()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}
