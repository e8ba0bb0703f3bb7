// Takes the README's pictures from the real windows: the map in both display modes and the
// Stellar Index with notes, driven through the same controls a user clicks.

#include "app/helpcard.h"
#include "app/launcher.h"
#include "app/mainwindow.h"
#include "index/stellarindexwindow.h"
#include "mapview/displayoptionsdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>

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
    MainWindow *window = launcher.run();
    window->helpimage_Click();
    bool ok = save(window, out, "map-velmora-mode.png");

    window->dispopts_Click();
    DisplayOptionsDialog *options = window->dispoptions();
    click(options, "Option10");
    click(options, "staridon");
    click(options, "dfsonflag");
    click(options, "Command2");
    click(options, "OKButton");
    ok = save(window, out, "map-printer-mode.png") && ok;

    window->dist_Click();
    StellarIndexWindow *index = window->form3();
    index->fullist_MouseDown(21, 1); // Alpha Centauri A selected
    index->fullist_MouseDown(165, 2); // distance to Sol
    index->gmnotes()->setPlainText(QStringLiteral("Mining outpost on the second moon.\nPirates seen near the belt."));
    index->plnotes()->setPlainText(QStringLiteral("Refuel and trade here."));
    index->savenotes_Click();
    ok = save(index, out, "stellar-index.png") && ok;
    window->close();
    return ok ? 0 : 1;
}
