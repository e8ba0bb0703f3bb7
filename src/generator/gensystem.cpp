#include "generator/gensystem.h"

#include "catalogue/starrec.h"
#include "generator/notesbox.h"
#include "generator/planetlookups.h"

namespace {

void appendLine(NotesBox &box, const QString &line)
{
    box.setText(box.text() + line + QStringLiteral("\r\n"));
}

} // namespace

void gensystem(const starrec &star, RandomSource &random, NotesBox &gmnotes)
{
    gmnotes.setText(QStringLiteral("Creating System\r\n"));
    const int firstorb = star.firstorb;
    const int lastorb = star.lastorb;
    for (int orbit = firstorb; orbit <= lastorb; ++orbit) {
        if (!planetroll(star, random))
            continue;
        const QString code = planetcode(star, orbit, random);
        appendLine(gmnotes, QStringLiteral("Planet %1 %2").arg(orbit).arg(code));
        appendLine(gmnotes, QStringLiteral("Gravity = ") + gravtext(code));
        appendLine(gmnotes, QStringLiteral("Day = ") + daytext(code, random));
        const QString atmosphere = atmostext(code, random);
        appendLine(gmnotes, QStringLiteral("Atmosphere = ") + atmosphere);
        const QString temperature = temptext(star, orbit, code, random);
        appendLine(gmnotes, QStringLiteral("Temperature = ") + temperature);
        appendLine(
            gmnotes, QStringLiteral("Hydro Percentage = %1").arg(hydropct(code, temperature, atmosphere, random)));
        appendLine(gmnotes, QString());
    }
}
