#pragma once

#include "campaign/revealstates.h"

#include <QWidget>

class QComboBox;

// "Players know:" and a choice of Hidden, Known or Surveyed for the selected star of the Stellar
// Index. Choosing asks for the change; the box shows whatever state the campaign then holds.
class RevealBox : public QWidget
{
    Q_OBJECT
public:
    explicit RevealBox(QWidget *parent = nullptr);

    // Shows `state`; disabled when no star is selected.
    void showState(Reveal state, bool starSelected);
    QComboBox *choice() const { return m_choice; }

signals:
    void stateChosen(Reveal state);

private:
    QComboBox *m_choice;
};
