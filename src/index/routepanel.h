#pragma once

#include <QWidget>

class QDoubleSpinBox;

// The Stellar Index's route row: the jump limit (remembered between runs) and the Plot Route and
// Clear Route buttons. It only reports; the travel commands do the work.
class RoutePanel : public QWidget
{
    Q_OBJECT
public:
    explicit RoutePanel(QWidget *parent);

    double jumpLimit() const; // the last run's limit until it is changed
    // Shows a limit that changed elsewhere (a loaded travel plan) without reporting it back.
    void showJumpLimit(double limit);

signals:
    void jumpLimitChanged(double limit);
    void plotRequested();
    void clearRequested();

private:
    QDoubleSpinBox *m_limit;
};
