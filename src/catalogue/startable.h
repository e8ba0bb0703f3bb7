#pragma once

#include "catalogue/starrec.h"

#include <vector>

// The in-memory star table, built once from the catalogue and read-only afterwards.
class StarTable
{
public:
    // Builds the table from catalogueRow(): fields by lenient conversion, then the plotting
    // positions that keep up to three stars sharing an (X, Y) cell apart.
    static StarTable fromCatalogue();
    // A table of the given stars as they are (plotting positions included): small hand-built
    // catalogues for checking what works over the table.
    static StarTable fromStars(std::vector<StarRecord> stars);
    // The rows `rows` of this table (indices into it, in the order given): a table of fewer stars,
    // such as the stars the players know. Sol keeps its name as sol().
    StarTable subset(const std::vector<int> &rows) const;

    int size() const { return static_cast<int>(m_stars.size()); }
    int highestIndex() const { return size() - 1; }
    bool contains(int index) const { return index >= 0 && index < size(); }
    const StarRecord &operator[](int index) const { return m_stars.at(static_cast<size_t>(index)); }
    const std::vector<StarRecord> &stars() const { return m_stars; }

    // The sol row (165): the start-up selection.
    static constexpr int kSol = 165;
    // Sol's row in this table: kSol in the catalogue, -1 in a subset without Sol.
    int sol() const { return m_sol; }

private:
    std::vector<StarRecord> m_stars;
    int m_sol = kSol;
};
