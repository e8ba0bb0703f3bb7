#include "index/listlayout.h"

#include "common/textnumber.h"

namespace {

int whole(double value)
{
    return static_cast<int>(common::roundHalfEven(value));
}

} // namespace

ListLayout::ListLayout(double entryHeight, double windowWidth)
    : m_rowH(whole(entryHeight))
    , m_firstTop(whole(m_rowH / 2.0))
    , m_colW(whole(windowWidth / 6.5))
    , m_firstLeft(3 * m_rowH)
    , m_h(whole(m_rowH / 2.0))
{ }

QPoint ListLayout::entryPos(int i) const
{
    return QPoint((i / kRowsPerColumn) * m_colW + m_firstLeft, (i % kRowsPerColumn) * m_rowH + m_firstTop);
}
