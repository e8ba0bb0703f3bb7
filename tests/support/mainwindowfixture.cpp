#include "support/mainwindowfixture.h"

#include "support/starnamed.h"

#include <QTest>

MainWindowFixture::MainWindowFixture()
    : MainWindowFixture(nullptr)
{ }

MainWindowFixture::MainWindowFixture(const CommandServices &given)
    : MainWindowFixture(&given)
{ }

MainWindowFixture::MainWindowFixture(const CommandServices *given)
    : m_wiring(given ? *given : services.services())
    , m_window(new MainWindow(&splash, &m_wiring))
{
    m_window->startUp();
}

MainWindowFixture::~MainWindowFixture()
{
    delete m_window.data();
}

bool MainWindowFixture::show() const
{
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window);
}

int MainWindowFixture::star(const QString &name) const
{
    return starNamed(m_window->table(), name);
}
