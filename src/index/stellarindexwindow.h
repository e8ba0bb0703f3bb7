#pragma once

#include <QDialog>

#include <array>

class QPushButton;

// The Stellar Index window: every star, the notes of the selected system and the colour-code
// buttons. Hidden, never destroyed, by its exit button or close box.
class StellarIndexWindow : public QDialog
{
    Q_OBJECT
public:
    explicit StellarIndexWindow(QWidget *owner);

    void setColourCaptions(const std::array<QString, 4> &captions);
    void Command1_Click();

signals:
    void colourCodeChosen(int index);

private:
    std::array<QPushButton *, 4> m_sic {};
};
