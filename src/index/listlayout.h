#pragma once

#include <QPoint>

// Where the Stellar Index entries go, in twips: columns of 32 entries, one row per entry height,
// six and a half columns to the window's width, with room on the left of each entry for its
// notes mark and colour dot.
class ListLayout
{
public:
    static constexpr int kRowsPerColumn = 32;

    ListLayout() = default;
    // entryHeight: the height of an entry at its 9-point font; windowWidth: the client width.
    ListLayout(double entryHeight, double windowWidth);

    int rowH() const { return m_rowH; }
    // Half the entry height: the unit of the dot and "N" positions.
    int h() const { return m_h; }
    // Left and top of entry i.
    QPoint entryPos(int i) const;

private:
    int m_rowH = 0;
    int m_firstTop = 0;
    int m_colW = 0;
    int m_firstLeft = 0;
    int m_h = 0;
};
