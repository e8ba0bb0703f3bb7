#include "spaceview/territoryshells.h"

#include "polities/shellterritory.h"
#include "spaceview/scenelines.h"
#include "spaceview/scenepalette.h"
#include "spaceview/spaceprojection.h"
#include "spaceview/spacescene.h"

#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QVector>

namespace {

// The outlines are drawn opaque in the polity's colour mixed this far into the background: they
// look translucent at the cost of plain lines, which blended ones are many times over.
constexpr double kShellStrength = 0.45;

QColor mixed(quint32 rgb, const QColor &background)
{
    const QColor colour(QRgb(0xFF000000 | rgb));
    const auto mix = [](int a, int b) { return int(a * kShellStrength + b * (1.0 - kShellStrength) + 0.5); };
    return QColor(mix(colour.red(), background.red()), mix(colour.green(), background.green()),
        mix(colour.blue(), background.blue()));
}

} // namespace

void drawTerritoryShells(QPainter &painter, const SpaceProjection &projection, const SpaceScene &scene)
{
    if (!scene.territory || scene.polityColours.empty())
        return;
    const std::vector<ShellTerritory::Segment> &segments = scene.territory->segments();
    std::vector<qsizetype> counts(scene.polityColours.size(), 0);
    for (const ShellTerritory::Segment &s : segments)
        if (s.polity >= 0 && size_t(s.polity) < counts.size())
            ++counts[size_t(s.polity)];
    std::vector<QVector<QLineF>> lines(counts.size());
    for (size_t p = 0; p < lines.size(); ++p)
        lines[p].reserve(counts[p]);
    for (const ShellTerritory::Segment &s : segments) {
        if (s.polity < 0 || size_t(s.polity) >= lines.size())
            continue;
        if (const auto line = projection.segment(s.from, s.to))
            lines[size_t(s.polity)].append(*line);
    }
    const QColor background = ScenePalette::forMode(scene.light).background;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (size_t p = 0; p < lines.size(); ++p) {
        painter.setPen(QPen(mixed(scene.polityColours[p], background), 0.0));
        drawSceneLines(painter, lines[p]);
    }
    painter.restore();
}
