#pragma once

#include "mapview/displayoptions.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QRadioButton;

// The Display Options dialog. Its controls edit the options model directly; "Exit Options"
// hides the dialog and asks for a redraw, the close box discards every change (design values).
class DisplayOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    DisplayOptionsDialog(DisplayOptions &options, QWidget *owner);

    // Shows the controls' state of the model (after the model changed elsewhere).
    void load();
    void chooseRange(int button); // range buttons 0..3: sets the range text, no redraw
    void confirmOptions();
    // The jump limit the reach-links choice names.
    void setLinkLimit(double limit);

signals:
    void redrawRequested();

public slots:
    void reject() override;

private:
    QWidget *buildRangeFrame();
    QWidget *buildColourFrame();
    QWidget *buildOtherFrame();
    QWidget *buildModeFrame();
    QCheckBox *addCheck(const char *name, const QString &caption, int DisplayOptions::*field);

    DisplayOptions &m_options;
    QComboBox *m_rangeText = nullptr;
    std::array<QRadioButton *, 5> m_colours {}; // the four colour codes and the polity code
    QRadioButton *m_velmoraModeButton = nullptr;
    QRadioButton *m_printerModeButton = nullptr;
    QCheckBox *m_linksBox = nullptr;
    std::vector<std::pair<QCheckBox *, int DisplayOptions::*>> m_checks;
};
