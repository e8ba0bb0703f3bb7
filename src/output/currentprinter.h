#pragma once

#include <QSizeF>
#include <QString>

#include <memory>

class QPrinter;

// The page the map is laid out on, as the printer gives it.
struct PrinterPage
{
    QSizeF twips; // page width and height in twips
    QSizeF scaleMm; // the printer's scale width and height in millimetres
};

// The program's current printer: the page set-up prepares it and Print Map draws on it. Where no
// printer is installed it is a PDF printer and the page is the nominal A4 landscape page.
class CurrentPrinter
{
public:
    CurrentPrinter();
    ~CurrentPrinter();

    QPrinter &printer();
    const QString &fontName() const { return m_fontName; }

    // Sets the font name, then landscape, millimetres and A4 on the whole paper, and returns the page.
    PrinterPage prepare(const QString &fontName);
    static bool installed();

private:
    std::unique_ptr<QPrinter> m_printer;
    QString m_fontName;
};
