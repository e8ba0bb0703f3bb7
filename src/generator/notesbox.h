#pragma once

#include <QString>

// The text box the generator writes into (the Stellar Index's GM notes box in the program).
class NotesBox
{
public:
    virtual ~NotesBox() = default;

    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
};
