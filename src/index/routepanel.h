#pragma once

#include <QWidget>

class QDoubleSpinBox;
class QLineEdit;
class QPushButton;

// The Stellar Index's route row: the jump limit (remembered between runs), the Plot Route and Clear
// Route buttons, and the route's text, selectable, with a Copy button. It only reports; the travel
// commands do the work.
class RoutePanel : public QWidget
{
    Q_OBJECT
public:
    explicit RoutePanel(QWidget *parent);

    double jumpLimit() const; // the last run's limit until it is changed
    // Shows a limit that changed elsewhere (a loaded travel plan) without reporting it back.
    void showJumpLimit(double limit);
    // The route text as the travel commands give it (lines ending in CR LF), on one line; empty hides it.
    void showRoute(const QString &text);
    QString routeText() const { return m_text; }

signals:
    void jumpLimitChanged(double limit);
    void plotRequested();
    void clearRequested();
    void copyRequested();

private:
    QDoubleSpinBox *m_limit;
    QLineEdit *m_route;
    QPushButton *m_copy;
    QString m_text;
};
