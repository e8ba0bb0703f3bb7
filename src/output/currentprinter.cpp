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
    // A full-page layout: a printer with hardware margins refuses a zero-margin layout in the standard mode and
    // would keep its own paper. Should it still refuse, size and orientation are set one by one.
    QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(), QPageLayout::Millimeter);
    a4.setMode(QPageLayout::FullPageMode);
    if (!page.setPageLayout(a4)) {
        page.setPageSize(QPageSize(QPageSize::A4));
        page.setPageOrientation(QPageLayout::Landscape);
    }
    page.setFullPage(true);
    if (!installed())
        return { a4LandscapeTwips(), a4LandscapeMm() };
    const QSizeF mm = page.pageLayout().fullRect(QPageLayout::Millimeter).size();
    return { mm / 25.4 * 1440.0, mm };
}

bool CurrentPrinter::installed()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}
