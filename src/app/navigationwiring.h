#pragma once

#include "navigation/windowaction.h"

#include <QObject>

class MainWindow;
class QKeyEvent;

// Turns the main window's mouse presses and keys into the selection and scrolling handlers and
// carries out what they return: one redraw, closing the window, or nothing.
class NavigationWiring : public QObject
{
    Q_OBJECT
public:
    explicit NavigationWiring(MainWindow &window);

    void Form_KeyDown(const QKeyEvent &event);

private:
    void act(WindowAction action);

    MainWindow &m_window;
};
