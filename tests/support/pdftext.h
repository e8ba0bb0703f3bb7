#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <utility>

// What `program` prints (with its errors when `channels` merges them) run on the PDF, named by "FILE" in
// `arguments`, and its exit code; -1 when it crashed or the PDF could not be written out.
inline std::pair<QString, int> runOnPdf(const QString &program, QStringList arguments, const QByteArray &pdf,
    QProcess::ProcessChannelMode channels = QProcess::SeparateChannels)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("atlas.pdf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return { {}, -1 };
    file.close();
    QProcess process;
    process.setProcessChannelMode(channels);
    process.start(program, arguments.replaceInStrings("FILE", file.fileName()));
    process.waitForFinished(60000);
    return { QString::fromUtf8(process.readAllStandardOutput()),
        process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1 };
}

// What poppler's pdftotext prints for the PDF, with `options` before the file name.
inline QString pdftotext(const QByteArray &pdf, const QStringList &options)
{
    return runOnPdf("pdftotext", options + QStringList { "FILE", "-" }, pdf).first;
}

// The text of a PDF as poppler reads it back.
inline QString pdfText(const QByteArray &pdf)
{
    return pdftotext(pdf, { "-enc", "UTF-8" });
}

// Whether the PDF has one page, `width` x `height` points give or take half a point.
inline bool onePdfPage(const QByteArray &pdf, double width, double height)
{
    static const QRegularExpression box(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])");
    const QRegularExpressionMatch match = box.match(QString::fromLatin1(pdf));
    return pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") == 1 && match.hasMatch()
        && qAbs(match.captured(1).toDouble() - width) < 0.5 && qAbs(match.captured(2).toDouble() - height) < 0.5;
}
