#pragma once

#include <QString>

#include <functional>

class Clipboard;
class MessageBox;
struct MapModel;

// The route commands: plot between the selected and the second star, clear, and send the route's
// text to the clipboard as the notes commands send notes. Each ends in the redraw when the map
// changes.
class TravelCommands
{
public:
    TravelCommands(MapModel &model, Clipboard &clipboard, MessageBox &messages, std::function<void()> redraw);

    // Plots the route between the selected and the second star and shows its text, or why there
    // is none.
    void plotSelectedRoute();
    void clearRoute();
    void copyRoute();

    // The text of the route the model holds; empty without one.
    QString currentRouteText() const;

private:
    MapModel &m_model;
    Clipboard &m_clipboard;
    MessageBox &m_messages;
    std::function<void()> m_redraw;
};
