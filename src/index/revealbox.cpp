#include "index/revealbox.h"

#include "reveal/revealselection.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

RevealBox::RevealBox(QWidget *parent)
    : QWidget(parent)
    , m_choice(new QComboBox(this))
{
    setObjectName(QStringLiteral("revealbox"));
    m_choice->setObjectName(QStringLiteral("revealchoice"));
    for (const Reveal state : reveal::kAllStates)
        m_choice->addItem(reveal::caption(state), static_cast<int>(state));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(QStringLiteral("Players know:"), this);
    label->setBuddy(m_choice);
    row->addWidget(label);
    row->addWidget(m_choice, 1);
    connect(m_choice, &QComboBox::activated, this,
        [this](int row) { emit stateChosen(static_cast<Reveal>(m_choice->itemData(row).toInt())); });
}

void RevealBox::showState(Reveal state, bool starSelected)
{
    const QSignalBlocker quiet(m_choice);
    m_choice->setCurrentIndex(m_choice->findData(static_cast<int>(state)));
    setEnabled(starSelected);
}
