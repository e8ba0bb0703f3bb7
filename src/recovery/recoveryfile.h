#pragma once

#include "history/editstate.h"

#include <QByteArray>
#include <QDateTime>

#include <optional>

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
//   the travel plan, as its side file holds it
// Lines end in CR LF.
QByteArray encodeRecovery(const RecoveryContents &contents);
// The contents of a recovery file for `starCount` stars; nothing when the bytes are not one.
std::optional<RecoveryContents> decodeRecovery(QByteArrayView bytes, int starCount);

// The question asked at start-up about a file a session left behind.
QString restoreQuestion(const RecoveryContents &contents);
