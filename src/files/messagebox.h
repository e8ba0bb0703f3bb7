#pragma once

#include <QString>

// A message box: a text, a title, a set of buttons and an icon; it answers with the button pressed.
class MessageBox
{
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Information };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBox() = default;
    virtual Answer show(const QString &text, const QString &title, Buttons buttons, Icon icon) = 0;
};
