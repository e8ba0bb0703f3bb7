#pragma once

#include "atlas/atlasnotes.h"
#include "atlas/sectorchoice.h"
#include "atlas/sectorpage.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QRadioButton;

// What the user chose for an atlas.
struct AtlasChoice
{
    AtlasEdition edition = AtlasEdition::GameMaster;
    SectorChoice sectors = SectorChoice::WithNotes;
    AtlasMapOptions maps;
};

// File ▸ Export Atlas…: the edition, the sectors and how the maps look, before the file is named.
class AtlasDialog : public QDialog
{
    Q_OBJECT
public:
    // hasRoute: whether a route is plotted; the sectors along it are offered only then.
    AtlasDialog(bool hasRoute, QWidget *owner);

    AtlasChoice choice() const;
    // Shows the dialog; nothing when it was cancelled.
    static std::optional<AtlasChoice> ask(QWidget *owner, bool hasRoute);

private:
    QRadioButton *m_gameMaster;
    QRadioButton *m_player;
    QRadioButton *m_withNotes;
    QRadioButton *m_alongRoute;
    QRadioButton *m_whole;
    QRadioButton *m_light;
    QRadioButton *m_screen;
    QCheckBox *m_names;
    QCheckBox *m_routeForPlayers;
};
