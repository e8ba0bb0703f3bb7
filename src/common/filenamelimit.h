#pragma once

#include <QString>

// The longest file name the folder of `fileName` takes, in bytes of the name as the system stores
// it (255 on most file systems: fewer characters when they are not plain ASCII).
int fileNameLimit(const QString &fileName);

// Why the last part of `fileName` cannot be a file name there ("the name is 300 bytes long; a file
// name can be at most 255 bytes"), or empty when its length is fine.
QString fileNameLengthProblem(const QString &fileName);
