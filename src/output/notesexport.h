#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

class NotesStore;
class StarTable;

// The notes of every system as one plain text for the clipboard, lines ending in CR LF: a heading
// with the date and time, then for each star that has notes its star line and its notes blocks.
// The player export leaves out every game-master text but still lists each star that has notes.
QString notesText(const StarTable &stars, const NotesStore &notes, bool gameMaster, const QDateTime &now,
    const QLocale &locale = QLocale::system());

// The general date format: short date, a space, long time.
QString generalDate(const QDateTime &when, const QLocale &locale = QLocale::system());
