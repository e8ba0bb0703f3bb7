#include "index/stellarindexwindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

StellarIndexWindow::StellarIndexWindow(QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Stellar Index"));
    setWindowModality(Qt::ApplicationModal);
    auto *buttons = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("SIC%1").arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { emit colourCodeChosen(i); });
        buttons->addWidget(button);
        m_sic[static_cast<size_t>(i)] = button;
    }
    auto *exit = new QPushButton(QStringLiteral("Exit Stellar Index"), this);
    exit->setObjectName(QStringLiteral("Command1"));
    connect(exit, &QPushButton::clicked, this, &StellarIndexWindow::Command1_Click);
    buttons->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

void StellarIndexWindow::setColourCaptions(const std::array<QString, 4> &captions)
{
    for (size_t i = 0; i < captions.size(); ++i)
        m_sic[i]->setText(captions[i]);
}

void StellarIndexWindow::Command1_Click()
{
    hide();
}
