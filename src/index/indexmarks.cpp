#include "index/indexmarks.h"

#include "index/listlayout.h"
#include "mapview/surface.h"

namespace {

constexpr Colour kBlack = 0;
constexpr double kMarkGap = 500.0; // twips between the width of entry 0 and the "*" / "R" mark

} // namespace

void drawIndexMarks(
    Surface &surface, const std::vector<IndexEntryMark> &marks, const ListLayout &layout, double firstEntryWidth)
{
    const double h = layout.h();
    surface.fillStyle = Surface::Fill::Solid;
    for (size_t i = 0; i < marks.size(); ++i) {
        const IndexEntryMark &mark = marks[i];
        const QPoint entry = layout.entryPos(static_cast<int>(i));
        surface.fillColor = mark.dotColour;
        surface.drawCircle(entry.x() - 1.2 * h, entry.y() + h, 0.6 * h, kBlack);
        surface.foreColor = kBlack;

        surface.currentX = firstEntryWidth + entry.x() + kMarkGap;
        surface.currentY = entry.y();
        if (mark.mark == QLatin1String("*")) {
            surface.fontSize *= 1.5;
            surface.drawText(mark.mark);
            surface.fontSize /= 1.5;
        } else if (mark.mark == QLatin1String("R")) {
            surface.drawText(mark.mark);
        }
        if (mark.hasNotes) {
            surface.currentX = entry.x() - 3.5 * h;
            surface.currentY = entry.y();
            surface.drawText(QStringLiteral("N"));
        }
    }
}

QString marksExplained()
{
    return QStringLiteral("N: the system has notes. * (\u2605) and R, right of the first column's names and in the "
                          "map list's PC column: the catalogue's own markers for the star.");
}
