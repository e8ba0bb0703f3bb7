#include "output/pagesetup.h"

#include "common/textnumber.h"

PageGeometry setUpPage(const QSizeF &printerTwips, const QSizeF &printerScaleMm, const QSizeF &screenTwips)
{
    PageGeometry page;
    const double printerWidth = common::roundHalfEven(printerTwips.width());
    const double printerHeight = common::roundHalfEven(printerTwips.height());
    page.pageRatio = printerWidth / printerHeight;
    const double width = 0.9 * screenTwips.width();
    page.textScale = width / printerWidth;
    const double height = width / page.pageRatio;
    page.windowTwips = QRectF((screenTwips.width() - width) / 2, (screenTwips.height() - height) / 2, width, height);
    page.scaleSize = printerScaleMm;
    return page;
}

QSizeF a4LandscapeMm()
{
    return QSizeF(297.0, 210.0);
}

QSizeF a4LandscapeTwips()
{
    return a4LandscapeMm() / 25.4 * 1440.0;
}
