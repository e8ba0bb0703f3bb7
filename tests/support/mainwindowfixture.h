#pragma once

#include "app/mainwindow.h"
#include "app/splashwindow.h"
#include "support/scriptedservices.h"

#include <QPointer>

// The main window after start-up, with ScriptedServices (or the services given) behind its commands,
// for the tests that drive the real window. The window may delete itself on closing.
class MainWindowFixture
{
public:
    MainWindowFixture();
    explicit MainWindowFixture(const CommandServices &services);
    ~MainWindowFixture();
    MainWindowFixture(const MainWindowFixture &) = delete;
    MainWindowFixture &operator=(const MainWindowFixture &) = delete;

    MainWindow *operator->() const { return m_window; }
    MainWindow &operator*() const { return *m_window; }
    MainWindow *window() const { return m_window; }
    MapModel &model() const { return m_window->model(); }
    const MainMenu &menu() const { return m_window->menu(); }
    // Shows the window and waits until the windowing system has exposed it.
    bool show() const;
    // The catalogue number of the star of that name, or -1.
    int star(const QString &name) const;

    ScriptedServices services;
    SplashWindow splash;

private:
    explicit MainWindowFixture(const CommandServices *given);

    CommandServices m_wiring;
    QPointer<MainWindow> m_window;
};
