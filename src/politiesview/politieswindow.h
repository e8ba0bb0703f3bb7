#pragma once

#include "campaign/polities.h"

#include <QColor>
#include <QDialog>

#include <functional>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
struct MapModel;

// The Polities window: the campaign's polities with their name, colour, claim radius, note,
// whether the players know them and whether routes avoid their stars, and the commands that give stars to them. It
// changes nothing itself: each change is asked for as a named command with the polities after it, which the caller
// records for undo and applies; showPolities then shows the model again.
class PolitiesWindow : public QDialog
{
    Q_OBJECT
public:
    using ColourChooser = std::function<QColor(const QColor &current)>;

    explicit PolitiesWindow(const MapModel &model, QWidget *owner = nullptr);

    // Shows the model's polities, keeping the current polity chosen where it still exists.
    void showPolities();
    // The colour dialog behind "Colour…" (invalid colour: cancelled); QColorDialog unless set.
    void setColourChooser(ColourChooser chooser) { m_chooseColour = std::move(chooser); }
    int currentPolity() const;
    void setCurrentPolity(int index);

signals:
    void changeRequested(const QString &command, const Polities &after);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildDetails();
    QWidget *buildAssignment();
    void showCurrent();
    void request(const QString &command, const Polities &after);
    // The current polity changed by `edit`, as the command `command`, when one is chosen.
    void editCurrent(const QString &command, const std::function<void(Polity &)> &edit);
    void assignStars(const QString &command, const std::vector<int> &stars, int polity);
    void createPolity();
    void deletePolity();
    void chooseColour();

    const MapModel &m_model;
    ColourChooser m_chooseColour;
    bool m_showing = false; // the widgets are being set from the model: no command
    QListWidget *m_list;
    QPushButton *m_deleteButton;
    QLineEdit *m_name;
    QPushButton *m_colourButton;
    QDoubleSpinBox *m_radius;
    QCheckBox *m_known;
    QCheckBox *m_avoided;
    QPlainTextEdit *m_note;
    QLabel *m_members;
    QDoubleSpinBox *m_within;
    QDoubleSpinBox *m_margin;
    QWidget *m_details;
};
