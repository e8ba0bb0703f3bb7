#pragma once

#include "common/safefile.h"
#include "files/readnotice.h"

#include <QByteArray>
#include <QString>

class NotesStore;
class QIODevice;
struct ViewState;

// The game-state and player-map file layout: five whole-number lines (selectedStar, secondStar, originY,
// originX, colourCode; Y before X), then one quoted notes line per star, every line ending in CR LF.
// Texts are stored as UTF-8; the raw byte 0xFF separates a star's game-master text from its player
// text. A double quote inside a note is written doubled.

// The whole file. In player mode only the separator and the player text of each note are written.
QByteArray encodeState(const ViewState &view, const NotesStore &notes, bool playerMode);

// The length of a UTF-8 byte-order mark at the start of the data (3), or 0; it is skipped on reading.
qsizetype byteOrderMarkLength(QByteArrayView data);

// One header line as a whole number: decimal whatever its leading zeros; a number with a fraction
// or an exponent ("7.0", "1e1") is rounded, halves to the even neighbour. Anything else, or a
// number outside the 32-bit range, fails.
bool readWholeNumber(QByteArrayView line, qint32 &value);

// Reads a file into the view state and the notes, applying every value as soon as it is read, so a
// file that fails part-way leaves applied what came before the failure. Returns false on failure:
// a header line that is not a whole number, or the end of the file before the last entry.
// Selection indices outside the notes' star range are taken as -1. Lines after the entries are
// ignored. `notices`, when given, gets what was not taken as the file holds it (see ReadNotice),
// in the order of the file.
bool decodeState(QByteArrayView data, ViewState &view, NotesStore &notes, ReadNotices *notices = nullptr);
bool decodeState(QIODevice &in, ViewState &view, NotesStore &notes);

// The same on files. Writing goes through SafeFile, so a failed write keeps the previous file intact;
// `error` then holds the system's reason.
bool saveStateFile(const QString &fileName, const ViewState &view, const NotesStore &notes, bool playerMode,
    QString *error = nullptr, const FileCalls &calls = FileCalls::system());
// The largest game state or player map read: far beyond any campaign's notes (a game state with
// 64 KB of notes on every star is 12 MB), and it keeps a wrong file from filling the memory.
constexpr qint64 kMaxStateBytes = qint64(256) * 1024 * 1024;

// The whole file, or false with the reason in `error`: the system's, or what the name is when it
// is not a regular file (a pipe, a device, a folder), or that it is larger than kMaxStateBytes.
bool readWholeFile(const QString &fileName, QByteArray &data, QString *error);
bool loadStateFile(const QString &fileName, ViewState &view, NotesStore &notes);
