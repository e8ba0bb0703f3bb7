#pragma once

#include <QByteArray>

// The bytes the game-state and player-map files are made of, shared by their reader and writer.
namespace stateformat {

constexpr char kSeparatorByte = '\xFF'; // between a star's game-master and player text
constexpr char kQuote = '"';
inline const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

} // namespace stateformat
