#pragma once

#include "mapview/mapframe.h"
#include "mapview/rastercache.h"

#include <QImage>
#include <QSizeF>
#include <QWidget>

#include <functional>

class Surface;

// The main window's drawing area: a backing image the map is drawn on in map units, with the click
// areas of the star markers and list rows and their tooltips. The page keeps its proportions: it
// fills the widget as wide or as high as it can, centred, and the rest shows the page's background.
class MapCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit MapCanvas(QWidget *parent = nullptr);

    void setScaleSize(const QSizeF &mm) { m_scaleSize = mm; }
    QSizeF scaleSize() const { return m_scaleSize; }
    // Draws on a fresh backing image of the widget's size through `draw`, then shows it.
    void paintMap(const std::function<void(Surface &)> &draw);
    void setHitAreas(std::vector<HitArea> markers, std::vector<HitArea> listRows);
    const std::vector<HitArea> &markers() const { return m_markers; }
    const std::vector<HitArea> &listRows() const { return m_listRows; }
    const QImage &image() const { return m_image; }

    // Where the page lies in the widget.
    QRectF pageRect() const;
    QPointF toMap(const QPointF &widgetPos) const;
    QPointF toWidget(const QPointF &mapPos) const;
    double markerHeight() const; // a marker's fixed physical height in map units
    // The marker or list row under a map point: {star, isListRow}; star -1 when none.
    std::pair<int, bool> hitAt(const QPointF &mapPos) const;

signals:
    void markerPressed(int star, int button);
    void listRowPressed(int star, int button);
    void mapPressed(int button, QPointF mapPos);
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    QSizeF m_scaleSize { 297.0, 210.0 };
    QImage m_image;
    RasterCache m_rasterCache;
    std::vector<HitArea> m_markers;
    std::vector<HitArea> m_listRows;
};
