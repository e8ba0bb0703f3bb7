#include "export/exportcommands.h"
#include "export/resolutionchooser.h"
#include "files/scriptedui.h"
#include "files/statecodec.h"
#include "files/statefilecommands.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

class TestSaveFailures : public QObject
{
    Q_OBJECT
private:
    StarTable m_table = StarTable::fromCatalogue();
    QTemporaryDir m_settings;
private slots:
    void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path()); }

    void save_data()
    {
        QTest::addColumn<QString>("name"); // in a fresh folder
        QTest::addColumn<QString>("failing"); // the system call made to fail, "limit" for a file-size limit
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason"); // empty: the save succeeds

        QTest::newRow("saved") << "game.kmf"
                               << "" << 0 << "";
        QTest::newRow("long name") << QString(246, u'n') + ".kmf"
                                   << "" << 0 << "";
        QTest::newRow("read-only folder") << "game.kmf"
                                          << "open" << EACCES << "Permission denied";
        QTest::newRow("full disk") << "game.kmf"
                                   << "write" << ENOSPC << "No space left on device";
        QTest::newRow("flush fails") << "game.kmf"
                                     << "fdatasync" << EIO << "Input/output error";
        QTest::newRow("close fails") << "game.kmf"
                                     << "close" << EDQUOT << "Disk quota exceeded";
        QTest::newRow("rename fails") << "game.kmf"
                                      << "rename" << EBUSY << "Device or resource busy";
        QTest::newRow("file-size limit") << "game.kmf"
                                         << "limit" << 0 << "File too large";
        QTest::newRow("folder is a file") << "plain/game.kmf"
                                          << "" << 0 << "Not a directory";
    }

    // Saving over an old file either replaces it whole or leaves it byte for byte as it was, with
    // one message naming the file and the system's reason; no temporary file is left behind.
    void save()
    {
        QFETCH(QString, name);
        QFETCH(QString, failing);
        QFETCH(int, error);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString file = dir.filePath(name);
        const QByteArray old = "old game\r\n";
        QCOMPARE(contents(dir.filePath("plain"), old), old);
        if (!name.contains('/'))
            QCOMPARE(contents(file, old), old);
        MapModel model(m_table);
        model.notes.setNotes(7, "Hot jungle", "Landed here");

        FileCalls calls = FileCalls::system();
        int writes = 0;
        const auto fails = [error](auto result) {
            errno = error;
            return decltype(result)(-1);
        };
        if (failing == "open")
            calls.open = [fails](const char *, int, mode_t) { return fails(0); };
        if (failing == "write") // the disk fills up after the first half
            calls.write = [&writes, fails](int fd, const void *bytes, size_t count) {
                return writes++ ? fails(ssize_t()) : ::write(fd, bytes, count / 2);
            };
        if (failing == "fdatasync")
            calls.fdatasync = [fails](int) { return fails(0); };
        if (failing == "close")
            calls.close = [fails](int fd) { return ::close(fd) ? -1 : fails(0); };
        if (failing == "rename")
            calls.rename = [fails](const char *, const char *) { return fails(0); };
        ScriptedUi ui;
        StateFileCommands files(model, ui, ui, [] {});
        files.setFileCalls(calls);
        ui.answer = file;
        rlimit saved {};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limited = { failing == "limit" ? 100 : saved.rlim_cur, saved.rlim_max };
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limited);
        files.saveGameState();
        setrlimit(RLIMIT_FSIZE, &saved);

        QStringList shown = { "Could not save " + file + ": " + reason + "|Save Game State|?" };
        if (!name.contains('/'))
            shown.prepend("Overwrite existing file|Save File");
        if (reason.isEmpty())
            shown.removeLast();
        QCOMPARE(ui.shown, shown);
        const QString base = name.section('.', 0, 0);
        QStringList left = { "plain" };
        if (!name.contains('/'))
            left += reason.isEmpty() ? QStringList { base + ".kmf", base + ".campaign" } : QStringList { name };
        left.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), left);
        if (!name.contains('/'))
            QCOMPARE(contents(file), reason.isEmpty() ? encodeState(model.view, model.notes, false) : old);
    }

    // An export into a folder that is a file says why, as a save does; the handout's text file too.
    void exportFailure()
    {
        struct Dpi : ResolutionChooser
        {
            int chooseDpi(const QString &) override { return 150; }
        } dpi;
        QTemporaryDir dir;
        QCOMPARE(contents(dir.filePath("plain"), "x"), "x");
        MapModel model(m_table);
        model.view.selectedStar = 165;
        beginRedraw(model);
        ScriptedUi ui;
        ExportCommands exports([&model] { return &model; }, ui, ui, dpi);
        QStringList expected;
        for (const char *name : { "map.png", "map.pdf", "map.jpg", "handout.txt" }) {
            ui.answer = dir.filePath(QStringLiteral("plain/") + name);
            if (ui.answer.endsWith("txt"))
                exports.chooseAndExportHandout();
            else
                exports.chooseAndExportMap();
            const QString title = ui.answer.endsWith("txt") ? "Export Player Handout" : "Export Map";
            expected << (ui.answer.endsWith("jpg")
                                ? "map.jpg is not written: Export Map writes .svg, .pdf or .png files only."
                                : "Could not export " + ui.answer + ": Not a directory")
                    + "|" + title + "|?";
        }
        QCOMPARE(ui.shown, expected);
    }

    // A load that cannot read its file says so, naming it, and changes nothing.
    void loadFailure()
    {
        MapModel model(m_table);
        ScriptedUi ui;
        int redraws = 0;
        StateFileCommands files(model, ui, ui, [&redraws] { ++redraws; });
        QVERIFY(!files.openFile("/nonexistent/campaign.ply"));
        QCOMPARE(ui.shown,
            QStringList { "Could not load /nonexistent/campaign.ply: No such file or directory|Load Player Map|?" });
        QCOMPARE(redraws, 0);
    }
};

QTEST_MAIN(TestSaveFailures)
#include "tst_savefailures.moc"
