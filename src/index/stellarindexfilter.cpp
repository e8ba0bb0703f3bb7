// The filter field above the Stellar Index list: the same type-ahead field as Find Star on the map.
// Typing greys the entries that do not match; Enter selects the chosen star as a left click on its
// entry does; Escape clears the filter.

#include "find/starfindfield.h"
#include "index/stellarindexwindow.h"
#include "mapview/mapmodel.h"

#include <QLabel>

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
    connect(m_filter, &StarFindField::cancelled, m_filter, &QLineEdit::clear);
}

void StellarIndexWindow::applyFilter()
{
    if (!m_filter)
        return;
    const QString text = m_filter->text();
    for (size_t i = 0; i < m_entries.size(); ++i) {
        QLabel *entry = m_entries[i];
        const bool shown = text.trimmed().isEmpty() || m_filter->matcher().matches(static_cast<int>(i), text);
        QPalette palette = entry->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText, kFilteredOut);
        entry->setPalette(palette);
        entry->setEnabled(shown);
    }
}
