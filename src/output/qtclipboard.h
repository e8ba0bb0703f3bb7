#pragma once

#include "output/clipboard.h"

// The system clipboard.
class QtClipboard : public Clipboard
{
public:
    void setText(const QString &text) override;
};
