#pragma once

#include <QString>

// Where index `at` of a notes text lies in a notes box showing it: the box holds a CR LF pair as
// one line break, so every pair before `at` counts one less.
qsizetype boxPosition(const QString &text, qsizetype at);
