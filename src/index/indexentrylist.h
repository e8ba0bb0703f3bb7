#pragma once

#include "index/indexdesign.h"
#include "index/indexentries.h"
#include "index/listlayout.h"

#include <QWidget>

#include <vector>

class QLabel;
class StarTable;

// The Stellar Index's list: one entry per catalogue star, listed in columns of 32, each with its
// colour dot, its "N" and its "*" / "R" mark beside it and a black border when it is the selected
// or the second star. It covers the list area of the window; its entries are placed in the
// window's design units. A press on an entry reports the entry's star and the button.
class IndexEntryList : public QWidget
{
    Q_OBJECT
public:
    IndexEntryList(const IndexDesign &design, QWidget *window);

    // Creates one entry per star of the table (once, while the table is set up).
    void build(const StarTable &stars);
    // Lists the entries of `stars` (catalogue numbers, in catalogue order) one after another from
    // the first place on, marks[k] beside the k-th, and hides every other entry. Every star listed
    // in order puts each entry in its own place.
    void showEntries(const std::vector<int> &stars, std::vector<IndexEntryMark> marks);
    // Greys the entries of the stars not matched (per catalogue star).
    void showMatches(const std::vector<bool> &matched);

    const ListLayout &layout() const { return m_layout; }

signals:
    void entryPressed(int star, int button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Puts the entry of catalogue star `star` at list place `place`.
    void place(int star, int place);

    IndexDesign m_design;
    ListLayout m_layout;
    std::vector<QLabel *> m_entries; // per catalogue star
    std::vector<double> m_widths; // per catalogue star, in twips
    std::vector<int> m_listed; // the catalogue star at each place
    std::vector<IndexEntryMark> m_marks; // per place
};
