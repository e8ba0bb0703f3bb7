#pragma once

#include <QRectF>
#include <QString>

class QPainter;
struct MapModel;

// Writing the map to a file as it would print: the same redraw and painter surface as the screen
// and the printer, on an A4 landscape page, in the display mode the model shows.
namespace mapexport {

enum class Format { Unknown, Svg, Pdf, Png };

// Chosen by the file name's extension, in any case.
Format formatFor(const QString &fileName);

// The resolutions a PNG can be written at.
constexpr int kPngDpis[] = { 150, 300, 600 };

// Draws the map of `shown` (a model its redraw has already read the options into) on the painter,
// filling `target` with the A4 landscape page at the printer's text scale.
void renderPage(const MapModel &shown, QPainter &painter, const QRectF &target);

// Writes the map to the file; `dpi` is used for PNG only. False when the format is unknown or the
// file could not be written, with the reason in `error`; a file that was there is then kept.
bool exportMap(const MapModel &shown, const QString &fileName, int dpi = 300, QString *error = nullptr);

bool writeSvg(const MapModel &shown, const QString &fileName, QString *error = nullptr);
bool writePdf(const MapModel &shown, const QString &fileName, QString *error = nullptr);
bool writePng(const MapModel &shown, const QString &fileName, int dpi, QString *error = nullptr);

} // namespace mapexport
