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

int generateSystem(const StarRecord &star, RandomSource &random, NotesBox &gameMasterNotes)
{
    int planets = 0;
    gameMasterNotes.setText(QStringLiteral("Creating System\r\n"));
    const int firstOrbit = star.firstOrbit;
    const int lastOrbit = star.lastOrbit;
    for (int orbit = firstOrbit; orbit <= lastOrbit; ++orbit) {
        if (!rollPlanet(star, random))
            continue;
        ++planets;
        const QString code = planetCode(star, orbit, random);
        appendLine(gameMasterNotes, QStringLiteral("Planet %1 %2").arg(orbit).arg(code));
        appendLine(gameMasterNotes, QStringLiteral("Gravity = ") + gravityText(code));
        appendLine(gameMasterNotes, QStringLiteral("Day = ") + dayLengthText(code, random));
        const QString atmosphere = atmosphereText(code, random);
        appendLine(gameMasterNotes, QStringLiteral("Atmosphere = ") + atmosphere);
        const QString temperature = temperatureText(star, orbit, code, random);
        appendLine(gameMasterNotes, QStringLiteral("Temperature = ") + temperature);
        appendLine(gameMasterNotes,
            QStringLiteral("Hydro Percentage = %1").arg(hydroPercentage(code, temperature, atmosphere, random)));
        appendLine(gameMasterNotes, QString());
    }
    return planets;
}
