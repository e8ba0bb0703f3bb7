#include "output/printmapcommand.h"

#include "common/waitcursor.h"
#include "mapview/mapmodel.h"
#include "mapview/paintersurface.h"
#include "mapview/redraw.h"
#include "output/currentprinter.h"
#include "output/printdialog.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

PrintMapCommand::PrintMapCommand(MapModel &model, CurrentPrinter &printer, PrintDialog &printDialog, QWidget *owner,
    std::function<void()> setUpPage, std::function<void()> redraw, Draw draw)
    : m_model(model)
    , m_printer(printer)
    , m_printDialog(printDialog)
    , m_owner(owner)
    , m_setUpPage(std::move(setUpPage))
    , m_redraw(std::move(redraw))
    , m_draw(std::move(draw))
{ }

void PrintMapCommand::redrawOnSurface(MapModel &model, Surface &surface)
{
    redrawMap(model, surface);
}

void PrintMapCommand::printMap()
{
    printPage();
    // Back to the window, printed or not: its own size, place, scale and a fresh drawing.
    m_setUpPage();
    m_redraw();
}

bool PrintMapCommand::printPage()
{
    m_printDialog.presetForMap();
    QPrinter &printer = m_printer.printer();
    if (!m_printDialog.showPrinter(m_owner, printer))
        return false;
    // The map is laid out in millimetres of an A4 landscape page, whatever paper and orientation
    // were chosen; the other choices (printer, copies, tray, duplex, colour) stay as the dialog set them.
    const PrinterPage page = m_printer.prepare(m_owner->font().family());
    m_model.view.textScale = 1.0;

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    {
        const WaitCursor wait;
        PainterSurface surface(
            painter, page.scaleMm, QRectF(QPointF(0, 0), printer.paperRect(QPrinter::DevicePixel).size()), true);
        surface.fontName = m_printer.fontName();
        m_draw(m_model, surface);
    }
    return painter.end();
}
