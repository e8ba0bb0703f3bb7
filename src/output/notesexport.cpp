#include "output/notesexport.h"

#include "catalogue/startable.h"
#include "notes/notesstore.h"

#include <QRegularExpression>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString starLine(const StarRecord &star)
{
    return star.starName + QLatin1Char(' ') + QString::number(star.x) + QLatin1Char(',') + QString::number(star.y)
        + QLatin1Char(',') + QString::number(star.z) + QLatin1Char(' ') + star.spectralClass + QLatin1Char(' ')
        + star.mark;
}

QString block(const QString &heading, const QString &text)
{
    return heading + kLineEnd + text + kLineEnd + kLineEnd;
}

} // namespace

QString generalDate(const QDateTime &when, const QLocale &locale)
{
    // The long time of the locale, without the time-zone name Qt adds to it.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")))
        .remove(QRegularExpression(QStringLiteral("\\s+$")));
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + locale.toString(when.time(), timeFormat.trimmed());
}

QString notesText(
    const StarTable &stars, const NotesStore &notes, bool gameMaster, const QDateTime &now, const QLocale &locale)
{
    QString text
        = gameMaster ? QStringLiteral("VQA Game Master Notes and Player Notes ") : QStringLiteral("VQA Player Notes ");
    text += generalDate(now, locale) + kLineEnd + kLineEnd;
    for (int i = 0; i < notes.size(); ++i) {
        if (!notes.hasNotes(i))
            continue;
        text += starLine(stars[i]) + kLineEnd + kLineEnd;
        if (!notes.hasParts(i))
            continue;
        if (gameMaster)
            text += block(QStringLiteral("Game Master Notes"), notes.gameMasterText(i));
        text += block(QStringLiteral("Player Notes"), notes.playerText(i));
    }
    return text;
}
