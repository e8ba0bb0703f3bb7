#include "app/playerwindow.h"

#include "reveal/playercopy.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QSettings>

namespace {

const QString kScreenKey = QStringLiteral("playerWindow/screen");
const QString kGeometryKey = QStringLiteral("playerWindow/geometry");

} // namespace

PlayerWindow::PlayerWindow(QWidget *owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("playerwindow"));
    setWindowTitle(QStringLiteral("Quorvane: Player View"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(960, 680);
}

PlayerWindow::~PlayerWindow() = default;

void PlayerWindow::follow(std::shared_ptr<const PlayerCopy> players)
{
    m_players = std::move(players);
    update();
}

void PlayerWindow::followCamera(const SpaceCamera &camera, const SpaceOptions &options)
{
    m_camera = camera;
    m_options = options;
    if (m_kind == playerview::Kind::Space)
        update();
}

void PlayerWindow::setKind(playerview::Kind kind)
{
    m_kind = kind;
    update();
}

void PlayerWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_players) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    playerview::paint(painter, QRectF(rect()), *m_players, m_kind, m_camera, m_options);
}

void PlayerWindow::keyPressEvent(QKeyEvent *event)
{
    // F11 or Alt+Enter fill the players' screen, Escape leaves full screen.
    const bool fullScreenKey = event->key() == Qt::Key_F11
        || ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            && (event->modifiers() & Qt::AltModifier));
    if (fullScreenKey)
        setWindowState(windowState() ^ Qt::WindowFullScreen);
    else if (event->key() == Qt::Key_Escape)
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    else
        QWidget::keyPressEvent(event);
}

void PlayerWindow::hideEvent(QHideEvent *event)
{
    savePlace();
    QWidget::hideEvent(event);
}

void PlayerWindow::restorePlace()
{
    const QSettings settings;
    restoreGeometry(settings.value(kGeometryKey).toByteArray());
    const QString name = settings.value(kScreenKey).toString();
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->name() != name)
            continue;
        // Back on the screen it was on, at its place there when that still lies on it.
        if (!screen->geometry().intersects(frameGeometry()))
            move(screen->availableGeometry().topLeft());
        setScreen(screen);
        return;
    }
}

void PlayerWindow::savePlace() const
{
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    if (const QScreen *on = screen())
        settings.setValue(kScreenKey, on->name());
}
