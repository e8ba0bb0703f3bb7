// Takes the README's pictures from the real windows: the map in both display modes and the
// Stellar Index with notes, the find field and an exported map, driven through the same controls a user clicks.

#include "app/helpcard.h"
#include "app/launcher.h"
#include "app/mainwindow.h"
#include "app/mapcanvas.h"
#include "export/mapexport.h"
#include "find/findstarpopup.h"
#include "find/starfindfield.h"
#include "index/stellarindexwindow.h"
#include "mapview/displayoptionsdialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

void click(QObject *parent, const char *name)
{
    auto *button = parent->findChild<QAbstractButton *>(QString::fromLatin1(name));
    if (!button)
        qFatal("no button %s", name);
    button->click();
}

bool save(QWidget *window, const QDir &out, const char *file)
{
    QApplication::processEvents();
    return window->grab().save(out.filePath(QString::fromLatin1(file)));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    Launcher launcher(0.0);
    launcher.run();
    while (!launcher.mainWindow())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    MainWindow *window = launcher.mainWindow();
    window->hideHelpCard();
    bool ok = save(window, out, "map-velmora-mode.png");

    window->showDisplayOptions();
    DisplayOptionsDialog *options = window->displayOptionsDialog();
    click(options, "Option10");
    click(options, "staridon");
    click(options, "dfsonflag");
    click(options, "Command2");
    click(options, "OKButton");
    ok = save(window, out, "map-printer-mode.png") && ok;

    // The printer mode with heights, exported as the File menu's command does.
    window->showDisplayOptions();
    click(options, "showheight");
    click(options, "Command2");
    click(options, "OKButton");
    ok = mapexport::exportMap(*window->shownModel(), out.filePath(QStringLiteral("map-export.svg"))) && ok;

    // The find field with its list open after typing "cen"; the list is a window of its own, so the
    // screen is grabbed.
    window->menu().findStarAction->trigger();
    QWidget *field = window->canvas()->findChild<FindStarPopup *>()->field();
    for (const QChar c : QStringLiteral("cen")) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &key);
    }
    QApplication::processEvents();
    ok = window->screen()
             ->grabWindow(
                 0, window->x(), window->y(), window->frameGeometry().width(), window->frameGeometry().height())
             .save(out.filePath(QStringLiteral("find-star.png")))
        && ok;
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(field, &escape);

    window->showStellarIndex();
    StellarIndexWindow *index = window->stellarIndex();
    index->indexEntryPressed(21, 1); // Alpha Centauri A selected
    index->indexEntryPressed(165, 2); // distance to Sol
    index->gameMasterNotes()->setPlainText(
        QStringLiteral("Mining outpost on the second moon.\nPirates seen near the belt."));
    index->playerNotes()->setPlainText(QStringLiteral("Refuel and trade here."));
    index->saveSystemNotes();
    ok = save(index, out, "stellar-index.png") && ok;
    window->close();
    return ok ? 0 : 1;
}
