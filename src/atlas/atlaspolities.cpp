#include "atlas/atlaspolities.h"

#include "atlas/pagecanvas.h"
#include "catalogue/startable.h"
#include "polities/polityedits.h"
#include "routes/routetext.h"

#include <QPainter>
#include <QStringList>

namespace atlaspolities {

namespace {

constexpr double kTop = 28.0;
constexpr double kSwatchWidth = 10.0;
constexpr double kSwatchHeight = 6.0;
constexpr double kTextLeft = PageCanvas::kMargin + kSwatchWidth + 4.0;
constexpr double kBottom = PageCanvas::kHeight - 15.0;

// The words of `text` in lines no wider than `width` mm.
QStringList wrapped(const PageCanvas &page, const QString &text, const QFont &font, double width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n')) {
        QString line;
        for (const QString &word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && page.textWidth(longer, font) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    return lines;
}

} // namespace

Polities forEdition(const Polities &polities, AtlasEdition edition)
{
    if (edition == AtlasEdition::GameMaster)
        return polities;
    Polities shown = polities;
    for (int p = static_cast<int>(shown.list.size()) - 1; p >= 0; --p)
        if (!shown.list[static_cast<size_t>(p)].knownToPlayers)
            shown = polityedits::removed(shown, p);
    for (Polity &p : shown.list)
        p.note.clear();
    return shown;
}

void drawLegendPage(const PageCanvas &page, const Polities &polities, const StarTable &stars)
{
    QPainter &p = page.painter();
    p.setPen(Qt::black);
    page.text(PageCanvas::kMargin, 10, QStringLiteral("Polities"), PageCanvas::font(16, true));
    const QFont nameFont = PageCanvas::font(12, true);
    const QFont textFont = PageCanvas::font(9);
    const double width = PageCanvas::kWidth - PageCanvas::kMargin - kTextLeft;
    const double line = page.lineHeight(textFont);
    page.text(PageCanvas::kMargin, 20,
        QStringLiteral("Territory: the nearest member star within the claim radius; where two claims come within "
                       "%1 ly of the same distance, neutral ground (hatched on the sector maps).")
            .arg(lightYears(polities.neutralMargin)),
        textFont);
    double y = kTop;
    for (size_t k = 0; k < polities.list.size(); ++k) {
        const Polity &polity = polities.list[k];
        QStringList names;
        for (const int star : polityedits::members(polities, static_cast<int>(k)))
            names << stars[star].starName;
        QStringList lines = wrapped(page,
            QStringLiteral("Claim radius %1 ly. Stars: %2")
                .arg(lightYears(polity.claimRadius), names.isEmpty() ? QStringLiteral("none") : names.join(", ")),
            textFont, width);
        if (!polity.note.isEmpty())
            lines << wrapped(page, polity.note, textFont, width);
        const double height = page.lineHeight(nameFont) + line * lines.size() + 4.0;
        if (y + height > kBottom) {
            page.text(kTextLeft, y, QStringLiteral("… and %1 more").arg(polities.list.size() - k), textFont);
            return;
        }
        p.fillRect(page.rect(QRectF(PageCanvas::kMargin, y + 0.5, kSwatchWidth, kSwatchHeight)),
            QColor(QRgb(0xFF000000 | polity.colour)));
        p.setPen(Qt::black);
        page.text(kTextLeft, y, polity.name, nameFont);
        double at = y + page.lineHeight(nameFont);
        for (const QString &text : lines) {
            page.text(kTextLeft, at, text, textFont);
            at += line;
        }
        y = at + 4.0;
    }
}

} // namespace atlaspolities
