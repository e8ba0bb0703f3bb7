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

bool writeSvg(const MapModel &shown, const QString &fileName, QString *error)
{
    return pagewriter::writeSvg(page(shown), fileName, QStringLiteral("Quorvane star map"), error);
}

bool writePdf(const MapModel &shown, const QString &fileName, QString *error)
{
    return pagewriter::writePdf(page(shown), fileName, QStringLiteral("Quorvane star map"), error);
}

bool writePng(const MapModel &shown, const QString &fileName, int dpi, QString *error)
{
    return pagewriter::writePng(page(shown), fileName, dpi, error);
}

bool exportMap(const MapModel &shown, const QString &fileName, int dpi, QString *error)
{
    switch (formatFor(fileName)) {
    case Format::Svg:
        return writeSvg(shown, fileName, error);
    case Format::Pdf:
        return writePdf(shown, fileName, error);
    case Format::Png:
        return writePng(shown, fileName, dpi, error);
    case Format::Unknown:
        break;
    }
    if (error)
        *error = QStringLiteral("the name must end in .svg, .pdf or .png");
    return false;
}

} // namespace mapexport
