#include "find/starnamematcher.h"

#include "catalogue/startable.h"

StarNameMatcher::StarNameMatcher(const StarTable &stars)
{
    m_names.reserve(static_cast<size_t>(stars.size()));
    for (int i = 0; i < stars.size(); ++i)
        m_names.push_back(fold(stars[i].starName));
}

QString StarNameMatcher::fold(const QString &text)
{
    // Compatibility decomposition splits "é" into "e" and a combining accent, and "ﬁ" into "fi";
    // the combining marks are then dropped.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c);
    return folded.toCaseFolded().simplified();
}

bool StarNameMatcher::startsAWord(const QString &name, const QString &folded)
{
    for (qsizetype at = name.indexOf(folded); at >= 0; at = name.indexOf(folded, at + 1))
        if (at == 0 || !name.at(at - 1).isLetterOrNumber())
            return true;
    return false;
}

bool StarNameMatcher::matches(int star, const QString &query) const
{
    if (star < 0 || star >= static_cast<int>(m_names.size()))
        return false;
    return m_names[static_cast<size_t>(star)].contains(fold(query));
}

std::vector<int> StarNameMatcher::matching(const QString &query) const
{
    const QString folded = fold(query);
    std::vector<int> found;
    for (size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i].contains(folded))
            found.push_back(static_cast<int>(i));
    return found;
}

int StarNameMatcher::best(const QString &query) const
{
    const QString folded = fold(query);
    if (folded.isEmpty())
        return -1;
    int firstWord = -1;
    int first = -1;
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (m_names[i] == folded)
            return static_cast<int>(i);
        if (firstWord < 0 && startsAWord(m_names[i], folded))
            firstWord = static_cast<int>(i);
        if (first < 0 && m_names[i].contains(folded))
            first = static_cast<int>(i);
    }
    return firstWord >= 0 ? firstWord : first;
}
