#pragma once

#include <QLineF>

#include <vector>

class PlaneTerritory;

// A stretch of border on the plane, in light years, with the polity whose edge it is.
struct BorderLine
{
    QLineF line;
    int polity = 0;
};

// The borders of the polities inside the window of the plane from cell (column, row) spanning
// `columns` x `rows` cells: every cell edge with a polity's cell on one side and anything else
// (another polity, neutral or unclaimed ground) on the other, joined into straight runs. Where two
// polities meet, the edge is the one of the polity on the left or below. The window's own edges
// are no borders.
std::vector<BorderLine> territoryBorders(const PlaneTerritory &plane, int column, int row, int columns, int rows);
