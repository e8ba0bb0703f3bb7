#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// Writes an RGB image as a PNG quickly: each row filtered by its left neighbour ("Sub") and the
// whole deflated at the fastest level. A map page is mostly flat colour, which this keeps small,
// and it is several times faster than the general writer, which tries every filter on every row.
// The resolution is stored in the file (pHYs). False when the file could not be written, with the
// system's reason in `error`; the old file is then kept.
bool writeFastPng(const QImage &rgb888, const QString &fileName, QString *error = nullptr);
// The PNG file's bytes; empty when the image is not RGB888.
QByteArray encodeFastPng(const QImage &rgb888);
