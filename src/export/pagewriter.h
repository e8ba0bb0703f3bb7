#pragma once

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

// Writing one A4 landscape page to a file, whatever draws on it: SVG and PDF as vectors, PNG at a
// chosen resolution. `render` fills the rectangle it is given with the page.
namespace pagewriter {

using Render = std::function<void(QPainter &, const QRectF &)>;

bool writeSvg(const Render &render, const QString &fileName, const QString &title);
bool writePdf(const Render &render, const QString &fileName, const QString &title);
bool writePng(const Render &render, const QString &fileName, int dpi);

} // namespace pagewriter
