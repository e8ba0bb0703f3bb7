#include "app/revealwiring.h"

#include "app/editwiring.h"
#include "app/mapcanvas.h"
#include "app/playerwindow.h"
#include "app/workspace.h"
#include "index/revealbox.h"
#include "index/stellarindexwindow.h"
#include "reveal/playercopy.h"
#include "reveal/revealselection.h"
#include "spaceview/spaceviewcanvas.h"
#include "spaceview/spaceviewwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr int kRightButton = 2;

} // namespace

RevealWiring::RevealWiring(Workspace &workspace)
    : QObject(&workspace.window())
    , m_workspace(workspace)
    , m_commands(workspace.model(),
          [&workspace](const QString &name, const std::function<void()> &change) {
              editWiring(workspace).perform(name, change);
          })
    , m_starMenu([&workspace](int star) {
        return workspace.table().contains(star) ? workspace.table()[star].starName : QString();
    })
    , m_banner(new QLabel(QStringLiteral("View as Player: only what the players know"), workspace.canvas()))
{
    setObjectName(QStringLiteral("revealWiring"));
    m_banner->setObjectName(QStringLiteral("playerbanner"));
    m_banner->setStyleSheet(
        QStringLiteral("QLabel { background: #b01818; color: #ffffff; font: bold 11pt 'Arial'; padding: 3px 12px; }"));
    m_banner->hide();
    connect(workspace.canvas(), &MapCanvas::resized, this, &RevealWiring::placeBanner);

    m_starMenu.addSection([this](QMenu &menu, int star) { addRevealSection(menu, star); });
    connect(workspace.canvas(), &MapCanvas::markerPressed, this, [this](int star, int button) {
        if (button == kRightButton)
            m_starMenu.popUp(star, QCursor::pos(), m_workspace.canvas());
    });

    RevealBox *box = workspace.stellarIndex()->revealBox();
    connect(box, &RevealBox::stateChosen, this,
        [this](Reveal state) { m_commands.setStar(m_workspace.model().view.selectedStar, state); });
    connect(&workspace.redraw(), &MapRedraw::mapDrawn, box, [this, box] {
        const MapModel &model = m_workspace.model();
        const int star = model.view.selectedStar;
        const bool selected = star >= 0 && star < model.campaign.reveal.size();
        box->showState(selected ? model.campaign.reveal.state(star) : Reveal::Surveyed, selected);
    });
    buildPlayersMenu();
}

void RevealWiring::buildPlayersMenu()
{
    QMenuBar *bar = m_workspace.window().menuBar();
    QAction *help = nullptr;
    for (QAction *action : bar->actions())
        if (action->menu() && action->menu()->objectName() == QLatin1String("helpmenu"))
            help = action;
    m_playersMenu = new QMenu(QStringLiteral("&Players"), bar);
    m_playersMenu->setObjectName(QStringLiteral("playersmenu"));
    bar->insertMenu(help, m_playersMenu);

    m_viewAsPlayer = m_playersMenu->addAction(QStringLiteral("View as Player"));
    m_viewAsPlayer->setObjectName(QStringLiteral("viewasplayer"));
    m_viewAsPlayer->setCheckable(true);
    m_viewAsPlayer->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    connect(m_viewAsPlayer, &QAction::toggled, this, &RevealWiring::showViewAsPlayer);
    m_playerWindow = m_playersMenu->addAction(QStringLiteral("Player Window"));
    m_playerWindow->setObjectName(QStringLiteral("playerwindowmenu"));
    m_playerWindow->setShortcut(QKeySequence(Qt::Key_F4));
    connect(m_playerWindow, &QAction::triggered, this, &RevealWiring::openPlayerWindow);
    m_playerSpace = m_playersMenu->addAction(QStringLiteral("Player Window Shows 3D View"));
    m_playerSpace->setObjectName(QStringLiteral("playerspace"));
    m_playerSpace->setCheckable(true);
    connect(m_playerSpace, &QAction::toggled, this, [this](bool on) {
        if (m_player)
            m_player->setKind(on ? playerview::Kind::Space : playerview::Kind::Map);
    });
    m_playersMenu->addSeparator();

    struct Many
    {
        const char *caption;
        const char *name;
        std::function<void(Reveal)> set;
    };
    const Many many[] = {
        { "Selected Star", "revealselected",
            [this](Reveal state) { m_commands.setStar(m_workspace.model().view.selectedStar, state); } },
        { "Stars Within…", "revealwithin",
            [this](Reveal state) { setWithinAsked(m_workspace.model().view.selectedStar, state); } },
        { "Stars Along the Route", "revealroute", [this](Reveal state) { m_commands.setAlongRoute(state); } },
        { "Stars with Notes", "revealnotes", [this](Reveal state) { m_commands.setWithNotes(state); } },
    };
    for (const Many &entry : many) {
        QMenu *sub = m_playersMenu->addMenu(QString::fromUtf8(entry.caption));
        sub->setObjectName(QLatin1String(entry.name));
        for (const Reveal state : reveal::kAllStates) {
            QAction *action = sub->addAction(reveal::caption(state));
            connect(action, &QAction::triggered, this, [set = entry.set, state] { set(state); });
        }
    }
}

void RevealWiring::addRevealSection(QMenu &menu, int star)
{
    const RevealStates &states = m_workspace.model().campaign.reveal;
    if (star < 0 || star >= states.size())
        return;
    auto *group = new QActionGroup(&menu);
    for (const Reveal state : reveal::kAllStates) {
        QAction *action = menu.addAction(reveal::caption(state));
        action->setCheckable(true);
        action->setChecked(states.state(star) == state);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, star, state] { m_commands.setStar(star, state); });
    }
    QMenu *within = menu.addMenu(QStringLiteral("All Within…"));
    for (const Reveal state : reveal::kAllStates)
        connect(within->addAction(reveal::caption(state)), &QAction::triggered, this,
            [this, star, state] { setWithinAsked(star, state); });
}

void RevealWiring::setWithinAsked(int star, Reveal state)
{
    if (!m_workspace.table().contains(star))
        return;
    bool ok = false;
    const double lightYears = QInputDialog::getDouble(&m_workspace.window(), QStringLiteral("Stars Within"),
        QStringLiteral("Set every star within this many light years of %1 to %2:")
            .arg(m_workspace.table()[star].starName, reveal::caption(state)),
        5.0, 0.0, 100.0, 1, &ok);
    if (ok)
        m_commands.setWithin(star, lightYears, state);
}

void RevealWiring::showViewAsPlayer(bool on)
{
    // The game master's finders search every star and text: they close; the player view opens its own.
    for (const char *name : { "findstar", "findnotes", "playerfindstar", "playerfindnotes" })
        if (auto *finder = m_workspace.window().findChild<QWidget *>(QLatin1String(name)))
            finder->hide();
    m_banner->setVisible(on);
    placeBanner();
    m_workspace.redraw().setViewAsPlayer(on);
}

void RevealWiring::placeBanner()
{
    m_banner->adjustSize();
    m_banner->move((m_workspace.canvas()->width() - m_banner->width()) / 2, 0);
    m_banner->raise();
}

void RevealWiring::openPlayerWindow()
{
    if (!m_player) {
        m_player = new PlayerWindow(&m_workspace.window());
        m_player->setKind(m_playerSpace->isChecked() ? playerview::Kind::Space : playerview::Kind::Map);
        m_player->restorePlace();
        connect(&m_workspace.redraw(), &MapRedraw::mapDrawn, this, &RevealWiring::updatePlayerWindow);
    }
    updatePlayerWindow();
    m_player->show();
    m_player->raise();
}

void RevealWiring::updatePlayerWindow()
{
    if (!m_player)
        return;
    // In the player view the redraw has just made the players' copy; otherwise one is made here.
    std::shared_ptr<const PlayerCopy> players = m_workspace.redraw().playerCopy();
    m_player->follow(players ? std::move(players) : std::make_shared<const PlayerCopy>(m_workspace.model()));
    auto *space = m_workspace.window().findChild<SpaceViewWindow *>();
    if (!space)
        return;
    SpaceViewCanvas *canvas = space->canvas();
    m_player->followCamera(canvas->camera(), canvas->options());
    if (!m_cameraLinked) {
        m_cameraLinked = true;
        connect(canvas, &SpaceViewCanvas::cameraChanged, m_player,
            [this, canvas] { m_player->followCamera(canvas->camera(), canvas->options()); });
    }
}

RevealWiring &wireReveal(Workspace &workspace)
{
    return *new RevealWiring(workspace);
}

RevealWiring &revealWiring(Workspace &workspace)
{
    return *workspace.window().findChild<RevealWiring *>(QStringLiteral("revealWiring"), Qt::FindDirectChildrenOnly);
}
