#include "output/pagesetup.h"

#include "common/textnumber.h"

#include <algorithm>
#include <cmath>

PageGeometry setUpPage(const QSizeF &printerTwips, const QSizeF &printerScaleMm, const QSizeF &screenTwips)
{
    PageGeometry page;
    const double printerWidth = common::roundHalfEven(printerTwips.width());
    const double printerHeight = common::roundHalfEven(printerTwips.height());
    page.pageRatio = printerWidth / printerHeight;
    page.printerWidthTwips = printerWidth;
    const double width = 0.9 * std::min(screenTwips.width(), screenTwips.height() * page.pageRatio);
    page.textScale = page.textScaleAt(width);
    const double height = width / page.pageRatio;
    page.windowTwips = QRectF((screenTwips.width() - width) / 2, (screenTwips.height() - height) / 2, width, height);
    page.scaleSize = printerScaleMm;
    return page;
}

QRectF fitPage(const QSizeF &area, const QSizeF &page)
{
    const double ratio = page.width() / page.height();
    const double width = std::min(area.width(), area.height() * ratio);
    const double height = width / ratio;
    if (area.width() - width < 1.0 && area.height() - height < 1.0)
        return QRectF(QPointF(0, 0), area);
    const double w = std::round(width);
    const double h = std::round(height);
    return QRectF(std::floor((area.width() - w) / 2), std::floor((area.height() - h) / 2), w, h);
}

QSizeF a4LandscapeMm()
{
    return QSizeF(297.0, 210.0);
}

QSizeF a4LandscapeTwips()
{
    return a4LandscapeMm() / 25.4 * 1440.0;
}
