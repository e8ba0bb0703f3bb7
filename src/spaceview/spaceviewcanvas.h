#pragma once

#include "spaceview/scenecache.h"
#include "spaceview/scenepainter.h"
#include "spaceview/spacecamera.h"
#include "spaceview/spacescene.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

// The 3-D view's drawing area: the scene drawn on a backing image at the screen's pixel density,
// turned, tilted, zoomed and panned with the mouse and keys. A click on a dot reports the star; the
// window decides what a pick does.
class SpaceViewCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit SpaceViewCanvas(QWidget *parent = nullptr);

    void setScene(SpaceScene scene);
    void setCamera(const SpaceCamera &camera);
    void setOptions(const SpaceOptions &options);
    const SpaceScene &scene() const { return m_scene; }
    const SpaceCamera &camera() const { return m_camera; }
    const SpaceOptions &options() const { return m_options; }
    // What the last frame drew where, in widget pixels.
    const SceneFrame &frame() const { return m_frame; }
    const QImage &image() const { return m_image; }

    // Draws the frame of the current scene, camera and options on the backing image and shows it.
    void render();

signals:
    // A click on a star's dot; button 1 left, 2 right.
    void starPicked(int star, int button);
    void cameraChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    void moveCamera(const SpaceCamera &camera);

    SpaceScene m_scene;
    SpaceCamera m_camera;
    SpaceOptions m_options;
    SceneCache m_cache;
    SceneFrame m_frame;
    QImage m_image;
    QPoint m_pressAt;
    QPoint m_lastAt;
    Qt::MouseButton m_button = Qt::NoButton;
    bool m_panning = false;
    bool m_dragged = false;
};
