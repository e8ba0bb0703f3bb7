#pragma once

#include <QString>

// The system clipboard as the notes export uses it: its text is replaced.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString &text) = 0;
};
