#pragma once

#include <QFont>
#include <QRect>

class QLabel;
class QPushButton;
class QWidget;

// The Stellar Index's design units: places in twips (1/1440 inch) below the filter row, converted at
// the window's logical resolution, and the Arial fonts of its captions. The window and its parts
// build their controls through it, so that they share one conversion.
class IndexDesign
{
public:
    // The row above the list that holds the filter field; every design place lies below it.
    static constexpr int kFilterRowTwips = 420;

    explicit IndexDesign(const QWidget &window)
        : m_window(window)
    { }

    // Window pixels of a design place. Edges are rounded, not sizes, so that controls that meet in
    // twips meet on the screen.
    QRect toPixels(double left, double top, double width, double height) const;
    QRect toPixels(const QRect &twips) const;
    static QFont arial(double points);

    QLabel *addHeading(QWidget *parent, const char *name, const QString &caption, const QRect &twips) const;
    QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, const QRect &twips) const;

private:
    const QWidget &m_window;
};
