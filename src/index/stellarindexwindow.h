#pragma once

#include "common/windowaction.h"
#include "generator/randomsource.h"
#include "index/indexentries.h"
#include "index/listlayout.h"
#include "mapview/mapframe.h"
#include "notes/notesboxes.h"

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class StarFindField;
class RevealBox;
class RoutePanel;
struct MapModel;

// The Stellar Index window: every star in columns of 32 with its colour dot and marks, the
// notes of the selected system in two boxes, the colour-code buttons. It is a modeless window beside
// the map: the map, the 3D View and the find windows keep working while it is open, and a selection
// made in any of them shows here with the next redraw (the boxes then show the new star's notes, as
// a click on its entry would). It is hidden, never destroyed, by its exit button or close box, so the
// notes and the boxes keep their contents for the whole run. It changes the model and asks the main
// window for the redraw; each redraw hands back the marks it shows.
class StellarIndexWindow : public QDialog
{
    Q_OBJECT
public:
    StellarIndexWindow(MapModel &model, QWidget *owner);

    // Creates one entry per star of the table (once, while the table is set up).
    void buildList();
    void setColourCaptions(const std::array<QString, 4> &captions);
    // Shows what a redraw returned: borders, text colours, dots, "*" / "R" / "N" and the caption
    // naming the selected system.
    void applyFrame(const MapFrame &frame);

    void indexEntryPressed(int index, int button);
    // Shows the selected star's notes in the boxes (each replacement one undoable edit of its box).
    void boxesForStar();
    // The two boxes' texts with CR LF line ends, as the notes keep them.
    NotesBoxes boxes() const;
    // Replaces the text of each box that differs, as one edit its own undo brings back.
    void setBoxes(const NotesBoxes &boxes);
    void saveSystemNotes();
    void colourButtonClicked(int index);
    void exitIndex();
    // "Generate System": a new random system for the selected star in the GM notes box (not saved).
    void generatePlanets();

    QPlainTextEdit *gameMasterNotes() const { return m_gameMasterNotes; }
    QPlainTextEdit *playerNotes() const { return m_playerNotes; }
    const ListLayout &listLayout() const { return m_layout; }
    StarFindField *filter() const { return m_filter; }

    // The row above the list that holds the filter field; everything else lies below it.
    static constexpr int kFilterRowTwips = 420;
    RoutePanel *routePanel() const { return m_routePanel; }
    // What the players know of the selected star, at the right of the filter row.
    RevealBox *revealBox() const { return m_revealBox; }
    // View as Player: only the entries of `known` stars (per catalogue star) are listed, and the
    // notes boxes, the filter and every game-master control are put away. Empty: everything again.
    void showPlayerView(const std::vector<bool> &known);

signals:
    void redrawRequested();
    // Around "Save System Notes" and "Generate System", so that the edit can be undone as a whole.
    void commandStarting(const QString &name);
    void commandFinished();
    // The colour-code choice of the display options changed.
    void optionsChanged();

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Asks before Save System Notes replaces notes the boxes cannot show; true to go on.
    bool confirmReplacingHiddenText();
    QRect toPixels(double left, double top, double width, double height) const;
    QRect toPixels(const QRect &twips) const;
    QLabel *addHeading(const char *name, const QString &caption, const QRect &twips);
    QPushButton *addButton(const char *name, const QString &caption, const QRect &twips);
    QPlainTextEdit *addNotesBox(const char *name, const QRect &twips);
    void act(WindowAction action);
    void buildFilter();
    // Greys the entries the filter text does not match.
    void applyFilter();
    static QString boxText(const QPlainTextEdit *box);
    static void replaceText(QPlainTextEdit *box, const QString &text);

    MapModel &m_model;
    QPushButton *m_exitButton;
    QPlainTextEdit *m_gameMasterNotes;
    std::vector<bool> m_knownStars; // per catalogue star in the player view; empty otherwise
    QPlainTextEdit *m_playerNotes;
    QLabel *m_selectionLabel;
    QLabel *m_polityLabel; // "Polity: <name>" of the selected star, empty for a star of none
    std::array<QPushButton *, 4> m_colourButtons {};
    QPushButton *m_saveNotesButton;
    QPushButton *m_generate;
    RoutePanel *m_routePanel;
    RevealBox *m_revealBox;

    ListLayout m_layout;
    std::vector<QLabel *> m_entries;
    double m_firstEntryWidth = 0.0; // twips
    std::vector<IndexEntryMark> m_marks;
    std::unique_ptr<RandomSource> m_random;
    StarFindField *m_filter = nullptr;
    int m_boxesStar = -1; // the star whose notes the boxes were last set to
};
