#pragma once

#include "app/commandwiring.h"
#include "app/mainwindow.h"
#include "app/splashwindow.h"
#include "export/resolutionchooser.h"
#include "files/scriptedui.h"
#include "output/printdialog.h"
#include "support/starnamed.h"

#include <QPointer>
#include <QPrinter>
#include <QTest>

#include <optional>

// Every service a main window's commands use, scripted as ScriptedUi is; the print dialog prints to
// the PDF file `printTo` (cancelled while that is empty), the resolution chooser answers `dpi` (0: cancelled).
class ScriptedServices : public ScriptedUi, public PrintDialog, public ResolutionChooser
{
public:
    QString printTo;
    int dpi = 0;
    bool showPrinter(QWidget *, QPrinter &printer) override
    {
        if (!printTo.isEmpty())
            printer.setOutputFileName(printTo);
        return !printTo.isEmpty();
    }
    int chooseDpi(const QString &) override { return dpi; }
    CommandServices services() { return { *this, *this, *this, *this, *this }; }
};

// The main window after start-up, with ScriptedServices (or the services given) behind its commands,
// for the tests that drive the real window. The window may delete itself on closing.
class MainWindowFixture
{
public:
    explicit MainWindowFixture(const std::optional<CommandServices> &given = std::nullopt)
        : m_wiring(given ? *given : services.services())
        , m_window(new MainWindow(&splash, &m_wiring))
    {
        m_window->startUp();
    }
    ~MainWindowFixture() { delete m_window.data(); }
    MainWindowFixture(const MainWindowFixture &) = delete;
    MainWindowFixture &operator=(const MainWindowFixture &) = delete;

    MainWindow *operator->() const { return m_window; }
    MainWindow &operator*() const { return *m_window; }
    MainWindow *window() const { return m_window; }
    MapModel &model() const { return m_window->model(); }
    const MainMenu &menu() const { return m_window->menu(); }
    // Shows the window and waits until the windowing system has exposed it.
    bool show() const
    {
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window);
    }
    // The catalogue number of the star of that name, or -1.
    int star(const QString &name) const { return starNamed(m_window->table(), name); }

    ScriptedServices services;
    SplashWindow splash;

private:
    CommandServices m_wiring;
    QPointer<MainWindow> m_window;
};
