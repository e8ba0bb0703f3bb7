#pragma once

#include <QString>

class NotesStore;
class StarTable;

// A player handout: one system's name, co-ordinates, distance from Sol and player notes, for a game
// master to hand to the players. It never holds game-master text.
namespace handout {

// The player part of a star's notes; empty when the star has none.
QString playerNotes(const NotesStore &notes, int star);

// The handout as plain text, lines ending in CR LF as the notes keep them.
QString handoutText(const StarTable &stars, const NotesStore &notes, int star);

// Writes the handout to a PDF (an A4 page of text) or, for any other extension, a UTF-8 text file.
// A failed write keeps the old file and puts the system's reason in `error`.
bool writeHandout(const QString &fileName, const QString &text, QString *error = nullptr);

} // namespace handout
