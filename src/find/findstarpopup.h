#pragma once

#include <QFrame>

class StarFindField;
class StarTable;

// The "Find Star" field over the top of the map. Opening it clears it and gives it the focus; a
// chosen star (or second star, with Shift+Enter) closes it and is reported; Escape closes it and
// reports nothing.
class FindStarPopup : public QFrame
{
    Q_OBJECT
public:
    FindStarPopup(const StarTable &stars, QWidget *parent);

    void open();
    StarFindField *field() const { return m_field; }

signals:
    void starChosen(int star);
    void secondStarChosen(int star);

private:
    void close();

    StarFindField *m_field;
};
