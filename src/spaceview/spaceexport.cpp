#include "spaceview/spaceexport.h"

#include "export/mapexport.h"
#include "export/pagewriter.h"
#include "spaceview/scenepainter.h"

bool exportSpaceView(const SpaceScene &scene, const SpaceCamera &camera, const SpaceOptions &options,
    const QSizeF &viewport, const QString &fileName, int dpi, QString *error)
{
    const pagewriter::Render render = [&](QPainter &painter, const QRectF &page) {
        paintSpaceView(painter, page, scene, camera, options, viewport);
    };
    const QString title = QStringLiteral("Quorvane 3D view");
    switch (mapexport::formatFor(fileName)) {
    case mapexport::Format::Svg:
        return pagewriter::writeSvg(render, fileName, title, error);
    case mapexport::Format::Pdf:
        return pagewriter::writePdf(render, fileName, title, error);
    case mapexport::Format::Png:
        return pagewriter::writePng(render, fileName, dpi, error);
    case mapexport::Format::Unknown:
        break;
    }
    if (error)
        *error = QStringLiteral("the name must end in .svg, .pdf or .png");
    return false;
}
