#pragma once

#include <QString>

#include <vector>

class StarTable;

// Finds stars by a typed part of their name: case and accents do not count, and the typed text may
// stand anywhere in the name, inside a word too ("cen" and "tauri" find every "... Centauri", "alpha c"
// finds "Alpha Centauri A"). The names are folded once; a query folds its own text only.
class StarNameMatcher
{
public:
    explicit StarNameMatcher(const StarTable &stars);

    // The text in lower case without accents and with runs of white space made single spaces.
    static QString fold(const QString &text);

    bool matches(int star, const QString &query) const;
    // Every matching star in table order; every star for an empty query.
    std::vector<int> matching(const QString &query) const;
    // The star a query means when no list entry was chosen: the one whose whole name it is, else
    // the first whose word it starts, else the first match; -1 when none matches.
    int best(const QString &query) const;

private:
    static bool startsAWord(const QString &name, const QString &folded);

    std::vector<QString> m_names; // folded, in table order
};
