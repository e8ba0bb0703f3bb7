#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The text of a PDF as poppler reads it back.
inline QString pdfText(const QByteArray &pdf)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("atlas.pdf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QProcess pdftotext;
    pdftotext.start("pdftotext", { "-enc", "UTF-8", file.fileName(), "-" });
    pdftotext.waitForFinished(60000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
