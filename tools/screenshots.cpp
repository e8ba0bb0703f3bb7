// Takes the README's pictures from the real windows: the map in both display modes and the
// Stellar Index with notes, a plotted route, the find field, an exported map and three polities' territory,
// driven through the same controls a user clicks.

#include "app/helpcard.h"
#include "app/launcher.h"
#include "app/mainwindow.h"
#include "app/mapcanvas.h"
#include "app/spacewiring.h"
#include "atlas/atlaswriter.h"
#include "export/mapexport.h"
#include "find/findstarpopup.h"
#include "find/starfindfield.h"
#include "index/notespanel.h"
#include "index/stellarindexwindow.h"
#include "mapview/displayoptionsdialog.h"
#include "notesearch/notessearchpanel.h"
#include "routes/routesearch.h"
#include "spaceview/spaceexport.h"
#include "spaceview/spaceviewcanvas.h"
#include "spaceview/spaceviewwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
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

int starNamed(const StarTable &table, const QString &name)
{
    for (int i = 0; i < table.size(); ++i)
        if (table[i].starName == name)
            return i;
    qFatal("no star %s", qPrintable(name));
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

    // A route from Sol to Tau Ceti at an 8 ly limit, planned as Plot Route plans it (its text box left out).
    MapModel &model = window->model();
    model.view.secondStar = starNamed(window->table(), QStringLiteral("Tau Ceti"));
    model.campaign.travel.jumpLimit = 8.0;
    model.campaign.travel.route = plotRoute(model.distances, model.view.selectedStar, model.view.secondStar, 8.0).stars;
    window->refreshMap();
    ok = save(window, out, "route-velmora-mode.png") && ok;

    // The same route in the 3D View window.
    window->menu().spaceViewAction->trigger();
    auto *space = window->findChild<SpaceViewWindow *>();
    space->resize(1400, 860);
    SpaceCamera camera;
    camera.turn = 20.0;
    camera.tilt = 55.0;
    camera.distance = 38.0;
    space->canvas()->setCamera(camera);
    ok = save(space, out, "space-view.png") && ok;
    // The same view as a stereo pair for parallel viewing, exported to PDF (made a picture by the script).
    SpaceOptions stereo = space->canvas()->options();
    stereo.stereoPair = true;
    ok = exportSpaceView(space->canvas()->scene(), camera, stereo, QSizeF(space->canvas()->size()),
             out.filePath(QStringLiteral("space-stereo.pdf")), 0)
        && ok;
    space->close();
    model.campaign.travel = TravelPlan();

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
    index->notes()->gameMasterNotes()->setPlainText(
        QStringLiteral("Mining outpost on the second moon.\nPirates seen near the belt."));
    index->notes()->playerNotes()->setPlainText(QStringLiteral("Refuel and trade here."));
    index->notes()->saveSystemNotes();
    ok = save(index, out, "stellar-index.png") && ok;
    index->hide();

    // Edit ▸ Find in Notes after typing "pirat", with notes on two more systems.
    const StarTable &table = window->table();
    model.notes.setNotes(starNamed(table, QStringLiteral("Tau Ceti")),
        QStringLiteral("The harbour master takes bribes.\r\nPIRATE base on the second moon of Tau Ceti e."),
        QStringLiteral("Busy trade port; the café serves the best coffee this side of Sol."));
    model.notes.setNotes(starNamed(table, QStringLiteral("Epsilon Eridani")), QString(),
        QStringLiteral("Ice mining outpost. The miners talk of a pirate ship hiding in the comet cloud."));
    window->menu().findNotesAction->trigger();
    auto *panel = window->findChild<NotesSearchPanel *>();
    panel->field()->setText(QStringLiteral("pirat"));
    ok = save(panel, out, "find-in-notes.png") && ok;
    panel->close();

    // The GM edition of the atlas of the sectors with notes, with the route to Tau Ceti.
    model.view.secondStar = starNamed(table, QStringLiteral("Tau Ceti"));
    model.campaign.travel.route = plotRoute(model.distances, model.view.selectedStar, model.view.secondStar, 8.0).stars;
    window->refreshMap();
    ok = AtlasWriter(*window->shownModel(),
             { AtlasEdition::GameMaster, SectorChoice::WithNotes, QDate::currentDate(),
                 spaceViewPicture(window->workspace()), {} })
             .write(out.filePath(QStringLiteral("atlas.pdf")))
        && ok;

    // Three polities around Sol and Tau Ceti, in the dark mode without the printer mode's extras: their
    // territory on the map and the outlines of their claims in the 3D View.
    model.campaign.travel = TravelPlan();
    Polities &polities = model.campaign.polities;
    polities.list = { Polity { QStringLiteral("Concordat"), 0x3366CC, 5.0, {}, true, false },
        Polity { QStringLiteral("Free Worlds"), 0xCC3322, 4.0, {}, true, false },
        Polity { QStringLiteral("Tau League"), 0xFF9900, 4.0, {}, true, false } };
    const auto claim = [&](int polity, std::initializer_list<const char *> stars) {
        for (const char *star : stars)
            polities.memberOf[size_t(starNamed(table, QString::fromUtf8(star)))] = polity;
    };
    claim(0, { "Sol", "Alpha Centauri A", "Alpha Centauri B", "Proxima Centauri", "Luten 97-12" });
    claim(1, { "Epsilon Eridani", "Sirius A", "Sirius B", "Kapteyn's Star" });
    claim(2, { "Tau Ceti", "UV Ceti A", "UV Ceti B", "Kruger 60 A", "LFT 1729" });
    model.view.selectedStar = starNamed(table, QStringLiteral("Tau Ceti"));
    model.view.secondStar = StarTable::kSol;
    model.view.originX = -3;
    model.view.originY = -5;
    window->showDisplayOptions();
    for (const char *button : { "pcolflag", "staridon", "dfsonflag", "showheight", "showterritories", "Command4" })
        click(options, button);
    click(options, "OKButton");
    ok = save(window, out, "polities-map.png") && ok;
    window->menu().spaceViewAction->trigger();
    space->resize(1000, 720);
    space->canvas()->setCamera(camera);
    ok = save(space, out, "polities-3d.png") && ok;
    space->close();

    window->close();
    return ok ? 0 : 1;
}
