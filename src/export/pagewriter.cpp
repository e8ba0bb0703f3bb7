#include "export/pagewriter.h"

#include "common/safefile.h"
#include "export/pngwriter.h"
#include "output/pagesetup.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace pagewriter {

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

bool writeSvg(const Render &render, const QString &fileName, const QString &title, QString *error)
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
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    render(painter, QRectF(QPointF(0, 0), size));
    return painter.end() && writeFileSafely(fileName, bytes.data(), error);
}

bool writePdf(const Render &render, const QString &fileName, const QString &title, QString *error)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Quorvane"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    render(painter, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())));
    return painter.end() && writeFileSafely(fileName, bytes.data(), error);
}

bool writePng(const Render &render, const QString &fileName, int dpi, QString *error)
{
    QImage image(pagePixels(dpi), QImage::Format_RGB888);
    const int dotsPerMetre = qRound(dpi / kMmPerInch * 1000.0);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    // Paper is white; a dark drawing paints its own background over it.
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        render(painter, QRectF(QPointF(0, 0), image.size()));
    }
    return writeFastPng(image, fileName, error);
}

} // namespace pagewriter
