#include "atlas/atlasdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton *option(QGroupBox *group, const char *name, const QString &caption)
{
    auto *button = new QRadioButton(caption, group);
    button->setObjectName(QString::fromLatin1(name));
    group->layout()->addWidget(button);
    return button;
}

QGroupBox *group(const QString &title, QWidget *owner)
{
    auto *box = new QGroupBox(title, owner);
    box->setLayout(new QVBoxLayout);
    return box;
}

} // namespace

AtlasDialog::AtlasDialog(bool hasRoute, QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("atlasdialog"));
    setWindowTitle(QStringLiteral("Export Atlas"));
    QGroupBox *edition = group(QStringLiteral("Edition"), this);
    m_gameMaster = option(edition, "atlasgm", QStringLiteral("GM edition (GM and player notes)"));
    m_player = option(edition, "atlasplayer", QStringLiteral("Player edition (player notes only)"));
    QGroupBox *sectors = group(QStringLiteral("Sector maps"), this);
    m_withNotes = option(sectors, "atlasnotes", QStringLiteral("Sectors holding a star with notes"));
    m_alongRoute = option(sectors, "atlasroute", QStringLiteral("Sectors along the plotted route"));
    m_whole = option(sectors, "atlaswhole", QStringLiteral("The whole catalogue, tiled"));
    QGroupBox *maps = group(QStringLiteral("Maps"), this);
    m_light = option(maps, "atlaslight", QStringLiteral("Light pages (printer mode)"));
    m_screen = option(maps, "atlasscreen", QStringLiteral("The screen's display mode"));
    m_names = new QCheckBox(QStringLiteral("Show star names"), maps);
    m_names->setObjectName(QStringLiteral("atlasnames"));
    maps->layout()->addWidget(m_names);
    m_routeForPlayers = new QCheckBox(QStringLiteral("Show the route to the players"), maps);
    m_routeForPlayers->setObjectName(QStringLiteral("atlasplayerroute"));
    maps->layout()->addWidget(m_routeForPlayers);
    m_gameMaster->setChecked(true);
    m_withNotes->setChecked(true);
    m_light->setChecked(true);
    m_names->setChecked(true);
    m_alongRoute->setEnabled(hasRoute);
    if (!hasRoute)
        m_alongRoute->setToolTip(QStringLiteral("Plot a route first (File ▸ Travel ▸ Plot Route)"));
    // The GM edition always shows the route; the players' only when the GM says so.
    m_routeForPlayers->setEnabled(false);
    connect(m_player, &QRadioButton::toggled, m_routeForPlayers, &QCheckBox::setEnabled);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Export…"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(edition);
    layout->addWidget(sectors);
    layout->addWidget(maps);
    layout->addWidget(buttons);
}

AtlasChoice AtlasDialog::choice() const
{
    AtlasChoice chosen;
    chosen.edition = m_player->isChecked() ? AtlasEdition::Player : AtlasEdition::GameMaster;
    if (m_alongRoute->isChecked())
        chosen.sectors = SectorChoice::AlongRoute;
    else if (m_whole->isChecked())
        chosen.sectors = SectorChoice::WholeCatalogue;
    chosen.maps.screenColours = m_screen->isChecked();
    chosen.maps.starNames = m_names->isChecked();
    chosen.maps.routeForPlayers = m_routeForPlayers->isChecked();
    return chosen;
}

std::optional<AtlasChoice> AtlasDialog::ask(QWidget *owner, bool hasRoute)
{
    AtlasDialog dialog(hasRoute, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}
