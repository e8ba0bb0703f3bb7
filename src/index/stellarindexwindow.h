#pragma once

#include "index/indexdesign.h"

#include <QDialog>

#include <array>
#include <vector>

class IndexEntryList;
class NotesPanel;
class PlayerCopy;
class QLabel;
class QPushButton;
class RevealBox;
class RoutePanel;
class StarFindField;
struct MapModel;

// The Stellar Index window: the list of every star (IndexEntryList), the notes of the selected
// system (NotesPanel), the filter field and the reveal box above the list, the selected system's
// caption and polity, the colour-code buttons and the route row. It is a modeless window beside
// the map: the map, the 3D View and the find windows keep working while it is open, and a selection
// made in any of them shows here with the next redraw (the boxes then show the new star's notes, as
// a press on its entry would). It is hidden, never destroyed, by its exit button or close box, so
// the notes and the boxes keep their contents for the whole run. It changes the model and asks the
// main window for the redraw; each redraw shows here.
class StellarIndexWindow : public QDialog
{
    Q_OBJECT
public:
    StellarIndexWindow(MapModel &model, QWidget *owner);

    // Creates one entry per star of the table and the filter over them (once, while the table is set up).
    void buildList();
    void setColourCaptions(const std::array<QString, 4> &captions);
    // Shows a redraw: the entries with their borders, text colours, dots and "*" / "R" / "N", the
    // selected system's caption and polity. `players` is the copy the player view draws, null in the
    // game master's view. The player view lists only the entries of the stars the players know, one
    // after another, marked as the players' copy has them, and puts away the notes boxes, the filter
    // and every game-master control.
    void applyFrame(const PlayerCopy *players);

    // As a press on the entry of catalogue star `index` with `button`: selects and shows its notes.
    void indexEntryPressed(int index, int button);

    NotesPanel *notes() const { return m_notes; }
    IndexEntryList *entryList() const { return m_list; }
    StarFindField *filter() const { return m_filter; }
    RoutePanel *routePanel() const { return m_routePanel; }
    // What the players know of the selected star, at the right of the filter row.
    RevealBox *revealBox() const { return m_revealBox; }

signals:
    void redrawRequested();
    // The colour-code choice of the display options changed.
    void optionsChanged();

public slots:
    void reject() override;

private:
    void colourButtonClicked(int index);
    void exitIndex();
    void buildFilter();
    // Greys the entries the filter text does not match.
    void applyFilter();
    void showGameMasterControls(bool shown);

    MapModel &m_model;
    IndexDesign m_design;
    NotesPanel *m_notes;
    QLabel *m_selectionLabel;
    QLabel *m_polityLabel; // "Polity: <name>" of the selected star, empty for a star of none
    std::array<QPushButton *, 4> m_colourButtons {};
    QPushButton *m_saveNotesButton;
    QPushButton *m_generate;
    RoutePanel *m_routePanel;
    RevealBox *m_revealBox;
    IndexEntryList *m_list;
    StarFindField *m_filter = nullptr;
    std::vector<int> m_everyStar; // 0, 1, 2 ...: the list in the game master's view
};
