#include "app/splashwindow.h"

#include <QKeyEvent>
#include <QPainter>

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint)
    , m_picture(QStringLiteral(":/splash.png"))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Quorvane"));
    setFixedSize(320, 220);
    setFocusPolicy(Qt::StrongFocus);
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(rect(), m_picture);
}

void SplashWindow::mousePressEvent(QMouseEvent *)
{
    close();
}

void SplashWindow::keyPressEvent(QKeyEvent *event)
{
    // Character keys close the splash, as a key-press handler would see them.
    if (!event->text().isEmpty())
        close();
}
