#pragma once

#include <QDateTime>

#include <functional>

class Clipboard;
class MessageBox;
struct MapModel;

// The Print menu's two notes exports: the text goes to the clipboard, then a message box says so.
class NotesCommands
{
public:
    NotesCommands(const MapModel &model, Clipboard &clipboard, MessageBox &messages,
        std::function<QDateTime()> clock = &QDateTime::currentDateTime);

    void copyAllNotes(); // "Send GM and Player Notes to Clipboard"
    void copyPlayerNotes(); // "Send Player Notes to Clipboard"

private:
    void send(bool gameMaster);

    const MapModel &m_model;
    Clipboard &m_clipboard;
    MessageBox &m_messages;
    std::function<QDateTime()> m_clock;
};
