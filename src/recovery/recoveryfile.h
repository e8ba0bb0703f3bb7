#pragma once

#include "common/safefile.h"
#include "history/editstate.h"

#include <QByteArray>
#include <QDateTime>

#include <optional>

class PairDistances;

// What a recovery file holds: the whole state the game master would lose, how many systems differ
// from what was last saved or loaded, and when the last change was made.
struct RecoveryContents
{
    EditState state;
    int changedStars = 0;
    QDateTime lastChange; // local time
};

// A recovery file is a game-state file (the bytes Save Game State writes for the same notes and
// place), so that it loads as one, followed by lines the game-state reader ignores:
//   Quorvane recovery 1
//   game state 123456            (the length of the game-state part in bytes)
//   changed 3
//   last change 2026-12-07T14:32:05
//   gm box <base64 of the UTF-8 text>
//   player box <base64 of the UTF-8 text>
//   campaign <base64 of the campaign side file's JSON: travel plan, reveal states, polities>
// Lines end in CR LF.
QByteArray encodeRecovery(const RecoveryContents &contents);
// The contents of a recovery file for the stars of `distances` (which also check its campaign);
// nothing when the bytes are not one.
std::optional<RecoveryContents> decodeRecovery(QByteArrayView bytes, const PairDistances &distances);

// The temporary file kept beside a recovery file for its next write.
QString temporaryFileName(const QString &fileName);

// Writes recovery files, encoding the notes again only when they changed since the last file: typing,
// scrolling or a route then costs only the writing of the bytes.
class RecoveryWriter
{
public:
    // Writes the file through a temporary file put in its place in one step, so a process killed at any
    // moment leaves the old file or the new one; the error, or empty.
    QString write(
        const QString &fileName, const RecoveryContents &contents, const FileCalls &calls = FileCalls::system());

private:
    quint64 m_revision = 0; // of the notes encoded
    QByteArray m_encoded; // the game state they were encoded in
    qsizetype m_linesAt = 0; // where its notes lines start
};

// The question asked at start-up about a file a session left behind.
QString restoreQuestion(const RecoveryContents &contents);
// "3 systems changed, last change at 14:32".
QString changeSummary(const RecoveryContents &contents);
