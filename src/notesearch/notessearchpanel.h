#pragma once

#include "notesearch/notessearch.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class StarTable;

// Edit ▸ Find in Notes: a search field and the live list of the notes texts that hold its text,
// one row per text: the star's name, GM or Player, and the line with the match highlighted.
// Enter or a click on a row chooses its star; Ctrl+Enter or "Show in Stellar Index" asks for the
// star's notes with the match selected. Escape closes the panel.
class NotesSearchPanel : public QWidget
{
    Q_OBJECT
public:
    NotesSearchPanel(const NotesStore &notes, const StarTable &stars, QWidget *owner);

    void open();
    QLineEdit *field() const { return m_field; }
    QTreeWidget *results() const { return m_results; }
    const std::vector<NotesMatch> &matches() const { return m_matches; }

    // Searches the text now in the field again (the notes may have changed).
    void refreshResults();

signals:
    void starChosen(int star);
    void showInIndex(const NotesMatch &match);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // "No notes match" after a miss, how many notes matched otherwise, empty with no text typed.
    QString status() const;
    // The match of the current row, or null.
    const NotesMatch *currentMatch() const;
    // Enter chooses, Ctrl+Enter shows in the Stellar Index, Escape closes; false for other keys.
    bool handleKey(const QKeyEvent &event);
    void chooseCurrent();
    void showCurrentInIndex();

    NotesSearch m_search;
    const StarTable &m_stars;
    std::vector<NotesMatch> m_matches;
    QString m_searched; // the text the list was last filled for
    QLineEdit *m_field;
    QTreeWidget *m_results;
    QPushButton *m_select;
    QPushButton *m_show;
    QLabel *m_status;
};
