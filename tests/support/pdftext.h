#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// What poppler's pdftotext prints for the PDF, with `options` before the file name; empty when the
// PDF could not be written out.
inline QString pdftotext(const QByteArray &pdf, const QStringList &options)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("atlas.pdf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QProcess process;
    process.start("pdftotext", options + QStringList { file.fileName(), "-" });
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF as poppler reads it back.
inline QString pdfText(const QByteArray &pdf)
{
    return pdftotext(pdf, { "-enc", "UTF-8" });
}
