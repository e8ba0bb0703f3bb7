#include "reveal/starcontextmenu.h"

#include <QAction>
#include <QMenu>

StarContextMenu::StarContextMenu(std::function<QString(int star)> starName)
    : m_starName(std::move(starName))
{ }

void StarContextMenu::addSection(Section section)
{
    m_sections.push_back(std::move(section));
}

std::unique_ptr<QMenu> StarContextMenu::build(int star, QWidget *parent) const
{
    auto menu = std::make_unique<QMenu>(parent);
    menu->setObjectName(QStringLiteral("starContextMenu"));
    menu->addSection(m_starName(star));
    for (const Section &section : m_sections) {
        if (!menu->actions().isEmpty() && !menu->actions().constLast()->isSeparator())
            menu->addSeparator();
        section(*menu, star);
    }
    return menu;
}

void StarContextMenu::popUp(int star, const QPoint &globalPos, QWidget *parent) const
{
    if (m_sections.empty())
        return;
    // Shown without a loop of its own, so the map, the 3D View and every other window go on
    // working; the menu deletes itself once closed.
    QMenu *menu = build(star, parent).release();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}
