#include "atlas/indexlayout.h"

#include "atlas/pagecanvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QTextLayout>

namespace {

constexpr double kNotesIndent = 5.0;
constexpr double kEntryGap = 3.0;
constexpr double kMmPerInch = 25.4;
// A heading needs this many lines below it on the page, or it starts the next one.
constexpr int kKeepWithHeading = 3;

} // namespace

QFont IndexLayout::font(int style)
{
    switch (style) {
    case Heading:
        return PageCanvas::font(11, true);
    case NotesTitle:
        return PageCanvas::font(9, true);
    default:
        return PageCanvas::font(9);
    }
}

QString indexDetails(const AtlasIndexEntry &entry)
{
    QString pages;
    for (const int page : entry.pages)
        pages += (pages.isEmpty() ? QString() : QStringLiteral(", ")) + QString::number(page);
    QString text = QStringLiteral("X %1, Y %2, Z %3    Class %4    %5 LY from Sol")
                       .arg(entry.x)
                       .arg(entry.y)
                       .arg(entry.z)
                       .arg(entry.spectralClass.trimmed(), entry.distanceFromSol);
    if (!pages.isEmpty())
        text += (entry.pages.size() == 1 ? QStringLiteral("    Map page ") : QStringLiteral("    Map pages ")) + pages;
    return text;
}

IndexLayout::IndexLayout(const std::vector<AtlasIndexEntry> &entries, AtlasEdition edition, QPaintDevice *device)
    : m_device(device)
    , m_pixelsPerMm(device->logicalDpiX() / kMmPerInch)
{
    for (int style = 0; style < StyleCount; ++style)
        m_lineHeight[style] = QFontMetricsF(font(style), device).lineSpacing() / m_pixelsPerMm;
    m_pages.emplace_back();
    for (const AtlasIndexEntry &entry : entries) {
        if (m_y + m_lineHeight[Heading] + kKeepWithHeading * m_lineHeight[NotesText] > kBottom)
            newPage();
        add(entry.name, Heading, 0);
        add(indexDetails(entry), Details, 0);
        if (edition == AtlasEdition::GameMaster && !entry.gameMasterNotes.isEmpty()) {
            add(QStringLiteral("GM Notes"), NotesTitle, 0);
            addParagraphs(entry.gameMasterNotes, kNotesIndent);
        }
        if (!entry.playerNotes.isEmpty()) {
            add(QStringLiteral("Player Notes"), NotesTitle, 0);
            addParagraphs(entry.playerNotes, kNotesIndent);
        }
        space(kEntryGap);
    }
}

void IndexLayout::newPage()
{
    m_pages.emplace_back();
    m_y = kTop;
}

void IndexLayout::space(double mm)
{
    m_y += mm;
}

void IndexLayout::add(const QString &text, int style, double indent)
{
    if (m_y + m_lineHeight[style] > kBottom)
        newPage();
    m_pages.back().push_back({ text, PageCanvas::kMargin + indent, m_y, style });
    m_y += m_lineHeight[style];
}

void IndexLayout::addParagraphs(const QString &text, double indent)
{
    const double width = (PageCanvas::kWidth - 2 * PageCanvas::kMargin - indent) * m_pixelsPerMm;
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n').replace(u'\t', u' ');
    const QFont notesFont = font(NotesText);
    for (const QString &paragraph : plain.split(u'\n')) {
        if (paragraph.isEmpty()) {
            add(QString(), NotesText, indent);
            continue;
        }
        QTextLayout layout(paragraph, notesFont, m_device);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            add(paragraph.mid(line.textStart(), line.textLength()), NotesText, indent);
        }
        layout.endLayout();
    }
}
