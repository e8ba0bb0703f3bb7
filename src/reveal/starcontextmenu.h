#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QPoint;
class QWidget;

// The menu a right click on a star opens, on the map and in the 3D View. Each feature adds its
// own section once (what the players know, polities, ...); the menu shows the star's name, then
// each section's entries for that star, sections apart by separators.
class StarContextMenu
{
public:
    // Fills `menu` with a section's entries for catalogue star `star`.
    using Section = std::function<void(QMenu &menu, int star)>;

    explicit StarContextMenu(std::function<QString(int star)> starName);

    void addSection(Section section);
    // The menu for `star`, for `parent`.
    std::unique_ptr<QMenu> build(int star, QWidget *parent) const;
    // Builds the menu and opens it at `globalPos`; it closes on a choice or a click elsewhere.
    void popUp(int star, const QPoint &globalPos, QWidget *parent) const;

private:
    std::function<QString(int)> m_starName;
    std::vector<Section> m_sections;
};
