#pragma once

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

// Writing one A4 landscape page to a file, whatever draws on it: SVG and PDF as vectors, PNG at a
// chosen resolution. `render` fills the rectangle it is given with the page. The file is written
// whole or not at all: on failure the old file is kept and `error` says why.
namespace pagewriter {

using Render = std::function<void(QPainter &, const QRectF &)>;

bool writeSvg(const Render &render, const QString &fileName, const QString &title, QString *error = nullptr);
bool writePdf(const Render &render, const QString &fileName, const QString &title, QString *error = nullptr);
bool writePng(const Render &render, const QString &fileName, int dpi, QString *error = nullptr);

} // namespace pagewriter
