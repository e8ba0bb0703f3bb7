#pragma once

#include "dialogs/messagebox.h"

class QWidget;

// Message boxes over QMessageBox, owned by a window.
class QtMessageBox : public MessageBox
{
public:
    explicit QtMessageBox(QWidget *owner)
        : m_owner(owner)
    { }

    Answer show(const QString &text, const QString &title, Buttons buttons, Icon icon) override;

private:
    QWidget *m_owner;
};
