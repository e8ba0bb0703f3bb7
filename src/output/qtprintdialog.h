#pragma once

#include "output/printdialog.h"

#include <memory>

class QPrinter;

// The printer dialog over QPrintDialog. Qt's dialog always offers printing to a PDF file, which is
// where the map goes when no printer is installed. The choices are kept from one use to the next.
class QtPrintDialog : public PrintDialog
{
public:
    QtPrintDialog();
    ~QtPrintDialog() override;

    bool ShowPrinter(QWidget *owner) override;

private:
    std::unique_ptr<QPrinter> m_choice;
};
