#include "export/handout.h"

#include "catalogue/stardistance.h"
#include "catalogue/startable.h"
#include "common/safefile.h"
#include "common/textnumber.h"
#include "export/mapexport.h"
#include "notes/notesstore.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace handout {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

} // namespace

QString playerNotes(const NotesStore &notes, int star)
{
    // A text without parts (from an older file) is kept as game-master text: it never goes out.
    return star >= 0 && star < notes.size() ? notes.playerText(star) : QString();
}

QString handoutText(const StarTable &stars, const NotesStore &notes, int star)
{
    if (!stars.contains(star))
        return {};
    const StarRecord &s = stars[star];
    QString text = s.starName + kLineEnd;
    text += QStringLiteral("Co-ordinates X %1, Y %2, Z %3").arg(s.x).arg(s.y).arg(s.z) + kLineEnd;
    text += QStringLiteral("Distance from Sol %1 LY").arg(solDistance(stars, star)) + kLineEnd;
    text += kLineEnd + QStringLiteral("Player Notes") + kLineEnd;
    QString player = playerNotes(notes, star);
    player.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', kLineEnd);
    return text + player + kLineEnd;
}

bool writeHandout(const QString &fileName, const QString &text, QString *error)
{
    if (mapexport::formatFor(fileName) != mapexport::Format::Pdf)
        return writeFileSafely(fileName, text.toUtf8(), error);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    pdf.setTitle(text.section(kLineEnd, 0, 0));
    pdf.setCreator(QStringLiteral("Quorvane"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20)));
    QTextDocument document;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11);
    document.setDefaultFont(font);
    document.setPlainText(QString(text).replace(kLineEnd, QStringLiteral("\n")));
    document.print(&pdf);
    return writeFileSafely(fileName, bytes.data(), error);
}

} // namespace handout
