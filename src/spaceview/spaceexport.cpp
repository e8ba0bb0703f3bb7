#include "spaceview/spaceexport.h"

#include "export/mapexport.h"
#include "export/pagewriter.h"
#include "spaceview/scenepainter.h"

bool exportSpaceView(const SpaceScene &scene, const SpaceCamera &camera, const SpaceOptions &options,
    const QSizeF &viewport, const QString &fileName, int dpi)
{
    const pagewriter::Render render = [&](QPainter &painter, const QRectF &page) {
        paintSpaceView(painter, page, scene, camera, options, viewport);
    };
    const QString title = QStringLiteral("Quorvane 3D view");
    switch (mapexport::formatFor(fileName)) {
    case mapexport::Format::Svg:
        return pagewriter::writeSvg(render, fileName, title);
    case mapexport::Format::Pdf:
        return pagewriter::writePdf(render, fileName, title);
    case mapexport::Format::Png:
        return pagewriter::writePng(render, fileName, dpi);
    case mapexport::Format::Unknown:
        break;
    }
    return false;
}
