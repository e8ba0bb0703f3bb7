#include "export/mapexport.h"

#include "common/safefile.h"
#include "export/pngwriter.h"
#include "mapview/mapmodel.h"
#include "mapview/paintersurface.h"
#include "mapview/redraw.h"
#include "output/pagesetup.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace mapexport {

namespace {

constexpr double kMmPerInch = 25.4;
// Five SVG user units a millimetre: the page is a whole number of units (1485 x 1050), so its
// width and height come out as exactly 297 and 210 mm. At 96 units an inch they would not.
constexpr int kSvgDpi = 127;

QSize pagePixels(int dpi)
{
    const QSizeF mm = a4LandscapeMm();
    return { qRound(mm.width() / kMmPerInch * dpi), qRound(mm.height() / kMmPerInch * dpi) };
}

} // namespace

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

bool writeSvg(const MapModel &shown, const QString &fileName, QString *error)
{
    // Drawn into memory and then saved whole, so that a failed write keeps the old file and says why.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&bytes);
    svg.setResolution(kSvgDpi);
    const QSize size = pagePixels(kSvgDpi);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Quorvane star map"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    renderPage(shown, painter, QRectF(QPointF(0, 0), size));
    return painter.end() && writeFileSafely(fileName, bytes.data(), error);
}

bool writePdf(const MapModel &shown, const QString &fileName, QString *error)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    pdf.setTitle(QStringLiteral("Quorvane star map"));
    pdf.setCreator(QStringLiteral("Quorvane"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    renderPage(shown, painter, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())));
    return painter.end() && writeFileSafely(fileName, bytes.data(), error);
}

bool writePng(const MapModel &shown, const QString &fileName, int dpi, QString *error)
{
    QImage image(pagePixels(dpi), QImage::Format_RGB888);
    const int dotsPerMetre = qRound(dpi / kMmPerInch * 1000.0);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    // Paper is white; the dark mode paints its own background over it.
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        renderPage(shown, painter, QRectF(QPointF(0, 0), image.size()));
    }
    return writeFastPng(image, fileName, error);
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
