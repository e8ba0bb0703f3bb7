#include "export/mapexport.h"

#include "export/pagewriter.h"
#include "mapview/mapmodel.h"
#include "mapview/paintersurface.h"
#include "mapview/redraw.h"
#include "output/pagesetup.h"

#include <QFileInfo>
#include <QPainter>

namespace mapexport {

Format formatFor(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    if (suffix == QLatin1String("png"))
        return Format::Png;
    return Format::Unknown;
}

void renderPage(const MapModel &shown, QPainter &painter, const QRectF &target)
{
    // A page is drawn at the printer's text scale, whatever scale the window draws at.
    MapModel page = shown;
    page.view.textScale = 1.0;
    PainterSurface surface(painter, a4LandscapeMm(), target, true);
    drawMap(page, surface);
}

namespace {

pagewriter::Render page(const MapModel &shown)
{
    return [&shown](QPainter &painter, const QRectF &target) { renderPage(shown, painter, target); };
}

} // namespace

bool writeSvg(const MapModel &shown, const QString &fileName)
{
    return pagewriter::writeSvg(page(shown), fileName, QStringLiteral("Quorvane star map"));
}

bool writePdf(const MapModel &shown, const QString &fileName)
{
    return pagewriter::writePdf(page(shown), fileName, QStringLiteral("Quorvane star map"));
}

bool writePng(const MapModel &shown, const QString &fileName, int dpi)
{
    return pagewriter::writePng(page(shown), fileName, dpi);
}

bool exportMap(const MapModel &shown, const QString &fileName, int dpi)
{
    switch (formatFor(fileName)) {
    case Format::Svg:
        return writeSvg(shown, fileName);
    case Format::Pdf:
        return writePdf(shown, fileName);
    case Format::Png:
        return writePng(shown, fileName, dpi);
    case Format::Unknown:
        break;
    }
    return false;
}

} // namespace mapexport
