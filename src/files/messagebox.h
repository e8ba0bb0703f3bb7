#pragma once

#include <QString>

// A message box: a text, a title, a set of buttons and an icon; it answers with the button pressed.
class MessageBox
{
public:
    // KeepOrLoadReadable: "Don't Load" (the default, answered No) and "Load what can be read" (Yes).
    // LoadAsPlayerMapOrNot: "Don't Load" (the default, No) and "Load as Player Map" (Yes).
    enum class Buttons { Ok, YesNo, KeepOrLoadReadable, LoadAsPlayerMapOrNot };
    enum class Icon { None, Information, Warning };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBox() = default;
    virtual Answer show(const QString &text, const QString &title, Buttons buttons, Icon icon) = 0;
};
