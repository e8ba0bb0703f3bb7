#pragma once

#include <QCursor>
#include <QGuiApplication>

// Shows the wait cursor for as long as it lives, so the cursor comes back on every way out of a
// long drawing, a failed or thrown one included.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
