#pragma once

#include "atlas/atlasplan.h"

#include <QFont>
#include <QString>

#include <vector>

class QPaintDevice;

// One line of the index as it is printed.
struct IndexLine
{
    QString text;
    double x = 0.0; // mm from the page's left edge
    double y = 0.0; // mm from its top edge to the top of the line
    int style = 0; // IndexLayout::Style
};

// The index pages: every entry's heading, its catalogue line and its notes, wrapped to the page
// width with the fonts' metrics on the device the atlas is written to, and broken into pages.
class IndexLayout
{
public:
    enum Style { Heading, Details, NotesTitle, NotesText, StyleCount };

    IndexLayout(const std::vector<AtlasIndexEntry> &entries, AtlasEdition edition, QPaintDevice *device);

    const std::vector<std::vector<IndexLine>> &pages() const { return m_pages; }
    static QFont font(int style);

    static constexpr double kTop = 22.0; // below the page's heading
    static constexpr double kBottom = 195.0;

private:
    void add(const QString &text, int style, double indent);
    void addParagraphs(const QString &text, double indent);
    void space(double mm);
    void newPage();

    QPaintDevice *m_device;
    double m_pixelsPerMm;
    double m_lineHeight[StyleCount] {};
    std::vector<std::vector<IndexLine>> m_pages;
    double m_y = kTop;
};

// "X 1, Y -2, Z 3   Class G2   4 LY from Sol   Map page 5" for an entry.
QString indexDetails(const AtlasIndexEntry &entry);
