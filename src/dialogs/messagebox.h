#pragma once

#include <QString>

// A message box: a text, a title, a set of buttons and an icon; it answers with the button pressed.
class MessageBox
{
public:
    // KeepOrLoadReadable: "Don't Load" (the default, answered No) and "Load what can be read" (Yes).
    // SaveDiscardCancel: "Save" (the default, answered Yes), "Don't Save" (No) and "Cancel" (Cancel,
    // also Escape and the close box).
    // LoadAsPlayerMapOrNot: "Don't Load" (the default, No) and "Load as Player Map" (Yes).
    enum class Buttons { Ok, YesNo, KeepOrLoadReadable, SaveDiscardCancel, LoadAsPlayerMapOrNot };
    enum class Icon { None, Information, Warning };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~MessageBox() = default;
    virtual Answer show(const QString &text, const QString &title, Buttons buttons, Icon icon) = 0;
};
