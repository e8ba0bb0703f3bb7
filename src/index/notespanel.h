#pragma once

#include "notes/notesboxes.h"

#include <QObject>

#include <memory>

class IndexDesign;
class QLabel;
class QPlainTextEdit;
class QWidget;
class RandomSource;
struct MapModel;

// The notes of the selected system in the Stellar Index: the game master's and the players' box
// under their headings. The boxes keep the notes' CR LF line ends and every character typed; each
// text they are given is one edit that the box's own undo takes back, so that typing not yet saved
// comes back. Save System Notes stores the boxes (asking first when that would replace text the
// boxes cannot show) and Generate System writes a new system into the game master's box.
class NotesPanel : public QObject
{
    Q_OBJECT
public:
    // Creates the boxes and their headings on `window` at their design places.
    NotesPanel(MapModel &model, const IndexDesign &design, QWidget *window);
    ~NotesPanel() override;

    QPlainTextEdit *gameMasterNotes() const { return m_gameMaster; }
    QPlainTextEdit *playerNotes() const { return m_player; }
    // The two boxes' texts with CR LF line ends, as the notes keep them.
    NotesBoxes boxes() const;
    // Replaces the text of each box that differs, as one edit its own undo brings back.
    void setBoxes(const NotesBoxes &boxes);
    // Shows the selected star's notes in the boxes.
    void showSelectedStar();
    // The star whose notes the boxes were last set to.
    int shownStar() const { return m_shownStar; }
    void saveSystemNotes();
    // A new random system for the selected star in the game master's box (not saved).
    void generateSystem();
    // The boxes and their headings; the player view puts them away.
    void setVisible(bool visible);

signals:
    void redrawRequested();
    // Around "Save System Notes" and "Generate System", so that the edit can be undone as a whole.
    void commandStarting(const QString &name);
    void commandFinished();

private:
    // Asks before Save System Notes replaces notes the boxes cannot show; true to go on.
    bool confirmReplacingHiddenText();

    MapModel &m_model;
    QWidget *m_window;
    QPlainTextEdit *m_gameMaster;
    QPlainTextEdit *m_player;
    QLabel *m_gameMasterHeading;
    QLabel *m_playerHeading;
    std::unique_ptr<RandomSource> m_random;
    int m_shownStar = -1;
};
