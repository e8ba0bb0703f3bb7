#pragma once

#include "dialogs/filedialog.h"

#include <QFileDialog>

class QWidget;

// The file dialog over QFileDialog, owned by a window. The command asks about overwriting
// itself, so the dialog does not.
class QtFileDialog : public FileDialog
{
public:
    explicit QtFileDialog(QWidget *owner)
        : m_owner(owner)
    { }

    bool showSave() override { return show(QFileDialog::AcceptSave); }
    bool showOpen() override { return show(QFileDialog::AcceptOpen); }

private:
    bool show(QFileDialog::AcceptMode mode);

    QWidget *m_owner;
};
