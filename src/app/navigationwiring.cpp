#include "app/navigationwiring.h"

#include "app/mapcanvas.h"
#include "app/playerfind.h"
#include "app/workspace.h"
#include "find/findstarpopup.h"
#include "navigation/inputcodes.h"
#include "navigation/scrolling.h"
#include "navigation/selection.h"

#include <QKeyEvent>

NavigationWiring::NavigationWiring(Workspace &workspace)
    : QObject(&workspace.window())
    , m_workspace(workspace)
{
    // The canvas reports a press on a marker or a list row instead of, never besides, a press on the map.
    MapCanvas *canvas = workspace.canvas();
    connect(canvas, &MapCanvas::markerPressed, this, &NavigationWiring::markerPressed);
    connect(canvas, &MapCanvas::listRowPressed, this, [this](int star, int button) {
        act(listRowPressed(m_workspace.model().view, m_workspace.table(), star, button));
    });
    connect(canvas, &MapCanvas::mapPressed, this, [this](int button, QPointF mapPos) {
        act(scrollByPress(
            m_workspace.model().view, button, static_cast<float>(mapPos.x()), static_cast<float>(mapPos.y())));
    });
}

void NavigationWiring::markerPressed(int star, int button)
{
    act(::markerPressed(m_workspace.model().view, m_workspace.table(), star, button));
}

void NavigationWiring::findStar()
{
    if (m_workspace.redraw().viewAsPlayer()) {
        findStarAsPlayer(m_workspace);
        return;
    }
    if (!m_find) {
        m_find = new FindStarPopup(m_workspace.table(), m_workspace.canvas());
        // A found star is selected exactly as a left click on its dot selects it.
        connect(m_find, &FindStarPopup::starChosen, this, [this](int star) { markerPressed(star, 1); });
        // Shift+Enter: the second star, as a right click on its Stellar Index entry makes it.
        connect(m_find, &FindStarPopup::secondStarChosen, this,
            [this](int star) { act(indexEntryPressed(m_workspace.model().view, m_workspace.table(), star, 2)); });
    }
    m_find->open();
}

void NavigationWiring::keyPressed(const QKeyEvent &event)
{
    act(::keyPressed(m_workspace.model().view, virtualKey(event.key(), event.modifiers())));
}

void NavigationWiring::act(WindowAction action)
{
    switch (action) {
    case WindowAction::Redraw:
        m_workspace.redraw().refresh();
        break;
    case WindowAction::Close:
        m_workspace.window().close();
        break;
    case WindowAction::Nothing:
        break;
    }
}
