#pragma once

#include <QImage>
#include <QWidget>

// The splash window: one 320 x 220 picture. A click or a key closes it.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    SplashWindow();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QImage m_picture;
};
