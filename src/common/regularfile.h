#pragma once

#include <QByteArray>
#include <QString>

// Reads a file the user named (on the command line, in a file dialog, in Recent Files, beside a
// game state) without ever blocking or filling the memory: only a regular file is read, and only up
// to `limitBytes`. The file is opened without waiting (a named pipe with no writer would block the
// open for good) and checked on the open handle before a byte is read, so a pipe, a device, a
// folder or a file of the system's process table (/proc, /sys) gets a reason instead.
//
// False with the reason in `error`, which says what the name is: "No such file or directory",
// "it is a named pipe (FIFO), not a file", "it is a device, not a file", "it is a folder, not a
// file", "it is larger than 256 MB".
bool readRegularFile(const QString &fileName, qint64 limitBytes, QByteArray &data, QString *error);

// The size limit in words ("256 MB").
QString sizeInWords(qint64 bytes);
