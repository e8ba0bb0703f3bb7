// The filter field above the Stellar Index list: the same type-ahead field as Find Star on the map.
// Typing greys the entries that do not match; Enter selects the chosen star as a left click on its
// entry does, Shift+Enter makes it the second star as a right click does; Escape clears the filter.

#include "find/starfindfield.h"
#include "index/stellarindexwindow.h"
#include "mapview/mapmodel.h"

#include <QLabel>

#include <vector>

namespace {

constexpr QRect kFilter(180, 60 - StellarIndexWindow::kFilterRowTwips, 4200, 315);
const QColor kFilteredOut(0xB4, 0xB4, 0xB4);

} // namespace

void StellarIndexWindow::buildFilter()
{
    m_filter = new StarFindField(*m_model.stars, this);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setPlaceholderText(QStringLiteral("Filter star names"));
    m_filter->setGeometry(toPixels(kFilter));
    m_filter->show();
    connect(m_filter, &StarFindField::matchesChanged, this, &StellarIndexWindow::applyFilter);
    connect(m_filter, &StarFindField::starChosen, this, [this](int star) { indexEntryPressed(star, 1); });
    connect(m_filter, &StarFindField::secondStarChosen, this, [this](int star) { indexEntryPressed(star, 2); });
    connect(m_filter, &StarFindField::cancelled, m_filter, &QLineEdit::clear);
    // Entries the filter leaves out are greyed; the redraw sets only their enabled colours.
    for (QLabel *entry : m_entries) {
        QPalette palette = entry->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText, kFilteredOut);
        entry->setPalette(palette);
    }
}

void StellarIndexWindow::applyFilter()
{
    std::vector<bool> shown(m_entries.size(), m_filter->text().trimmed().isEmpty());
    for (const int star : m_filter->matches())
        shown[static_cast<size_t>(star)] = true;
    for (size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i]->setEnabled(shown[i]);
}
