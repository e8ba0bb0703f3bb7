#pragma once

#include "common/windowaction.h"

#include <QObject>

class FindStarPopup;
class QKeyEvent;
class Workspace;

// Turns the main window's mouse presses, keys and found stars into the selection and scrolling handlers and
// carries out what they return: one redraw, closing the window, or nothing.
class NavigationWiring : public QObject
{
    Q_OBJECT
public:
    explicit NavigationWiring(Workspace &workspace);

    void keyPressed(const QKeyEvent &event);
    // A press on a star's dot on the map (also how a star found by name is selected).
    void markerPressed(int star, int button);
    // Edit ▸ Find Star…: the find field over the map; a star chosen in it is selected by markerPressed.
    void findStar();

private:
    void act(WindowAction action);

    Workspace &m_workspace;
    FindStarPopup *m_find = nullptr; // made on first use, when the star table is filled
};
