#pragma once

#include <QSizeF>
#include <QString>

struct SpaceCamera;
struct SpaceOptions;
struct SpaceScene;

// Writing the 3-D view as shown to a file on an A4 landscape page: SVG and PDF as vectors, PNG at
// `dpi`, chosen by the file name's extension. `viewport` is the view's size on the screen, whose
// height the page keeps. False when the format is unknown or the file could not be written, with
// the reason in `error`; a file that was there is then kept.
bool exportSpaceView(const SpaceScene &scene, const SpaceCamera &camera, const SpaceOptions &options,
    const QSizeF &viewport, const QString &fileName, int dpi, QString *error = nullptr);
