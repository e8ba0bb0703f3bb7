#pragma once

#include "files/commondialog.h"

#include <QFileDialog>

class QWidget;

// The file dialog over QFileDialog, owned by a window. The command asks about overwriting
// itself, so the dialog does not.
class QtCommonDialog : public CommonDialog
{
public:
    explicit QtCommonDialog(QWidget *owner)
        : m_owner(owner)
    { }

    bool ShowSave() override { return show(QFileDialog::AcceptSave); }
    bool ShowOpen() override { return show(QFileDialog::AcceptOpen); }

private:
    bool show(QFileDialog::AcceptMode mode);

    QWidget *m_owner;
};
