#pragma once

#include "find/starnamematcher.h"

#include <QLineEdit>

#include <vector>

class QCompleter;
class QStringListModel;
class StarTable;

// A type-ahead field over the star names: every key shows the matching names in a completer list
// (matched by StarNameMatcher, so case and accents do not count and any word may be typed).
// Enter chooses the highlighted name, or else the best match of the text; Shift+Enter chooses it as
// the second star; Escape gives up. Text that matches no star says so in the field.
class StarFindField : public QLineEdit
{
    Q_OBJECT
public:
    StarFindField(const StarTable &stars, QWidget *parent = nullptr);

    const StarNameMatcher &matcher() const { return m_matcher; }
    // The stars the completer now lists, in table order.
    const std::vector<int> &matches() const { return m_matches; }
    QCompleter *starCompleter() const { return m_completer; }
    // "No star matches" while the text matches none, else empty.
    QString status() const;

signals:
    void starChosen(int star);
    void secondStarChosen(int star);
    void cancelled();
    // The text changed; `matches()` holds the stars it matches.
    void matchesChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateMatches(const QString &text);
    void choose(bool asSecond);

    const StarTable &m_stars;
    StarNameMatcher m_matcher;
    std::vector<int> m_matches;
    QStringListModel *m_names;
    QCompleter *m_completer;
};
