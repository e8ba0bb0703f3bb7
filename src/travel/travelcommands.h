#pragma once

#include "routes/travelplan.h"

#include <QString>

#include <functional>

class Clipboard;
class MessageBox;
struct MapModel;

// The route commands: plot between the selected and the second star, clear, change the jump limit,
// and send the route's text to the clipboard as the notes commands send notes. Each ends in the
// redraw when the map changes. A route always keeps within the limit it is shown with.
class TravelCommands
{
public:
    TravelCommands(MapModel &model, Clipboard &clipboard, MessageBox &messages, std::function<void()> redraw);

    // Plots the route between the selected and the second star and shows its text, or why there
    // is none, in a message box (the menu command).
    void plotSelectedRoute() { plot(true); }
    // The same for the route row, which shows the text itself: a message box only for a missing star.
    void plot(bool tell);
    void clearRoute();
    void copyRoute(); // what the route row shows
    // A new jump limit: a plotted route is plotted again at it between the same two stars, or is
    // cleared when none keeps within it (the route text then says why).
    void setJumpLimit(double limit);

    // The text of the route the model holds; empty without one.
    QString currentRouteText() const;
    // What the route row shows: the route's text, or why the last plot found none while the plan
    // is still the one it left; empty otherwise.
    QString shownText() const;

private:
    void tell(const QString &text);
    // Plots from `from` to `to` at the model's limit, keeping the text of a failure.
    QString plotBetween(int from, int to);

    MapModel &m_model;
    Clipboard &m_clipboard;
    MessageBox &m_messages;
    std::function<void()> m_redraw;
    QString m_failure;
    TravelPlan m_failedPlan;
};
