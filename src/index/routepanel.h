#pragma once

#include <QWidget>

class QDoubleSpinBox;
class QPushButton;

// The Stellar Index's route row: the jump limit (remembered between runs) and the Plot Route and
// Clear Route buttons. It only reports; the travel commands do the work.
class RoutePanel : public QWidget
{
    Q_OBJECT
public:
    explicit RoutePanel(QWidget *parent);

    double jumpLimit() const;
    // Shows a limit that changed elsewhere (a loaded travel plan) without reporting it back.
    void showJumpLimit(double limit);

    // The limit last chosen, from the settings; the default on a first run.
    static double savedJumpLimit();

signals:
    void jumpLimitChanged(double limit);
    void plotRequested();
    void clearRequested();

private:
    QDoubleSpinBox *m_limit;
};
