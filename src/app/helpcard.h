#pragma once

#include <QLabel>

class MapCanvas;

// The help card over the middle of the sector map when the main window first appears.
class HelpCard : public QLabel
{
    Q_OBJECT
public:
    explicit HelpCard(QWidget *parent);
    // Keeps the card inside the grid, clear of the scrolling bands.
    void placeOn(const MapCanvas &canvas);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
