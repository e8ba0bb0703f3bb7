#pragma once

#include "spaceview/spacescene.h"

#include <QWidget>

class FileDialog;
class CurrentPrinter;
class MessageBox;
class PrintDialog;
class QCheckBox;
class QComboBox;
class QLabel;
class ResolutionChooser;
class SpaceViewCanvas;
struct MapModel;

// The dialogs and the printer the 3-D window prints and exports through: the ones the map uses.
struct SpaceServices
{
    FileDialog &fileDialog;
    MessageBox &messages;
    ResolutionChooser &resolution;
    PrintDialog &printDialog;
    CurrentPrinter &printer;
};

// The "3D View" window: a modeless window beside the map with the view, its presets and options,
// Print and Export. It shows the scene of the map's last drawing (follow) and reports a click on a
// star (starPicked) for the main window to act on as a click on the map or in the Stellar Index.
// The camera and options are kept between runs.
class SpaceViewWindow : public QWidget
{
    Q_OBJECT
public:
    SpaceViewWindow(const SpaceServices &services, QWidget *owner);
    ~SpaceViewWindow() override;

    // Takes the scene from the map as its last redraw drew it.
    void follow(const MapModel &model);
    SpaceViewCanvas *canvas() const { return m_canvas; }
    QLabel *readout() const { return m_readout; }

    void showTop();
    void showHome();
    void printView();
    void exportView();

signals:
    // A click on a star's dot: button 1 (left) selects it, 2 (right) makes it the second star.
    void starPicked(int star, int button);
    // The user changed an option; the canvas shows it already.
    void optionsSet(const SpaceOptions &options);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void addOptions();
    void optionsChanged();
    void saveSettings() const;
    void zoomToFit();
    void updateReadout();

    const SpaceServices m_services;
    SpaceViewCanvas *m_canvas;
    QComboBox *m_radius = nullptr;
    QCheckBox *m_throughCentre = nullptr;
    QCheckBox *m_links = nullptr;
    QCheckBox *m_stereo = nullptr;
    QComboBox *m_viewing = nullptr;
    QLabel *m_readout;
    bool m_fitPending = false;
};
