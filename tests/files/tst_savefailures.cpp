#include "atlas/atlaswriter.h"
#include "catalogue/startable.h"
#include "common/filesizesignal.h"
#include "export/exportcommands.h"
#include "export/resolutionchooser.h"
#include "files/scriptedui.h"
#include "files/statecodec.h"
#include "files/statefilecommands.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"
#include "recovery/recoveryfile.h"
#include "support/childprocess.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>

#include <sys/stat.h>

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
        QTest::addColumn<QString>("failing"); // the system call made to fail
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason"); // empty: the save succeeds
        const std::tuple<const char *, QString, const char *, int, QString> rows[]
            = { { "saved", "game.kmf", "", 0, "" }, { "long name", QString(246, u'n') + ".kmf", "", 0, "" },
                  { "read-only folder", "game.kmf", "open", EACCES, "Permission denied" },
                  { "full disk", "game.kmf", "write", ENOSPC, "No space left on device" },
                  { "flush fails", "game.kmf", "fdatasync", EIO, "Input/output error" },
                  { "close fails", "game.kmf", "close", EDQUOT, "Disk quota exceeded" },
                  { "rename fails", "game.kmf", "rename", EBUSY, "Device or resource busy" },
                  { "folder is a file", "plain/game.kmf", "", 0, "Not a directory" },
                  // Refused before anything is written, with the limit.
                  { "too long a name", QString(300, u'n') + ".kmf", "", 0,
                      "the name is 304 bytes long; a file name can be at most 255 bytes" } };
        for (const auto &[tag, name, failing, error, reason] : rows)
            QTest::newRow(tag) << name << QString(failing) << error << reason;
    }

    // Saving over an old file (where the name can be one) either replaces it whole or leaves it byte for
    // byte as it was, with one message naming the file and the system's reason; no temporary file is left.
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
        const bool over = !name.contains('/') && name.size() <= 255; // an old file of that name
        if (over)
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
        files.saveGameState();

        QStringList shown = { "Could not save " + file + ": " + reason + "|Save Game State|?" };
        if (over)
            shown.prepend("Overwrite existing file|Save File");
        if (reason.isEmpty())
            shown.removeLast();
        QCOMPARE(ui.shown, shown);
        const QString base = name.section('.', 0, 0);
        QStringList left = { "plain" };
        if (over)
            left += reason.isEmpty() ? QStringList { base + ".kmf", base + ".campaign" } : QStringList { name };
        left.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), left);
        if (over)
            QCOMPARE(contents(file), reason.isEmpty() ? encodeState(model.view, model.notes, false) : old);
    }

    void fileSizeLimit_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<bool>("startUp"); // whether the child ignores SIGXFSZ as the program does
        QTest::newRow("game state, signal not ignored: it kills") << "game state" << false;
        QTest::newRow("game state") << "game state" << true;
        QTest::newRow("player map") << "player map" << true;
        QTest::newRow("recovery file") << "recovery" << true;
        QTest::newRow("atlas") << "atlas" << true;
    }

    // Under a file-size limit (a quota, a small "ulimit -f") a save over an old file fails with
    // "File too large" like any other failure: the program is not killed, the old file keeps its
    // bytes and no temporary file is left behind.
    void fileSizeLimit()
    {
        QFETCH(QString, writer);
        QFETCH(bool, startUp);
        QTemporaryDir dir;
        const QString file = dir.filePath(writer == "player map" ? "game.ply"
                : writer == "atlas"                              ? "atlas.pdf"
                                                                 : "game.kmf");
        const QByteArray old = "old game\r\n";
        QCOMPARE(contents(file, old), old);
        const ChildResult child = runWithFileSizeLimit(100, [&]() -> QByteArray {
            if (startUp)
                ignoreFileSizeSignal();
            MapModel model(m_table);
            model.notes.setNotes(7, QString(200, u'j'), QString(200, u'p'));
            if (writer == "atlas") {
                model.view.selectedStar = 7;
                beginRedraw(model);
                QString reason;
                AtlasWriter(model, { AtlasEdition::GameMaster, SectorChoice::WithNotes, QDate(2026, 12, 7), {}, {} })
                    .write(file, &reason);
                return reason.toUtf8();
            }
            if (writer == "recovery") {
                RecoveryContents recovered;
                recovered.state.notes = model.notes;
                recovered.lastChange = QDateTime::currentDateTime();
                return RecoveryWriter().write(file, recovered).toUtf8();
            }
            ScriptedUi ui;
            StateFileCommands files(model, ui, ui, [] {});
            ui.answer = file;
            if (writer == "player map")
                files.savePlayerMap();
            else
                files.saveGameState();
            return ui.shown.join('\n').toUtf8();
        });
        QCOMPARE(child.signalled, !startUp);
        if (!startUp) {
            QCOMPARE(child.signal, SIGXFSZ);
            return;
        }
        QVERIFY2(child.output.endsWith("File too large") || child.output.contains("File too large|"), child.output);
        QCOMPARE(contents(file), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList { QFileInfo(file).fileName() });
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
        model.view.selectedStar = StarTable::kSol;
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

    void loadSpecialName_data()
    {
        QTest::addColumn<QString>("name"); // "@" stands for a fresh folder
        QTest::addColumn<QString>("reason");
        const char *const rows[][3] = { { "missing", "@/campaign.kmf", "No such file or directory" },
            { "missing folder", "/nonexistent/campaign.ply", "No such file or directory" },
            { "folder", "@", "it is a folder, not a file" },
            { "named pipe", "@/pipe.kmf", "it is a named pipe (FIFO), not a file" },
            { "/dev/null", "/dev/null", "it is a device, not a file" },
            { "/dev/zero", "/dev/zero", "it is a device, not a file" },
            { "/proc/self/mem", "/proc/self/mem", "it is a file of the running system, not a saved file" },
            { "larger than the limit", "@/huge.kmf", "it is larger than 256 MB" } };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]);
    }

    // A name that is not a regular file, through Load Game State, Load Player Map, the command
    // line or Recent Files, gets one message saying what it is, at once (a pipe with no writer
    // never blocks the load, /dev/zero is not read without end), and nothing changes.
    void loadSpecialName()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        name.replace('@', dir.path());
        if (name.endsWith("pipe.kmf"))
            QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        if (name.endsWith("huge.kmf")) { // sparse: no disk space taken
            QFile huge(name);
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxStateBytes + 1));
        }
        MapModel model(m_table);
        model.notes.setNotes(7, "Hot jungle", "Landed here");
        const NotesStore before = model.notes;
        ScriptedUi ui;
        int redraws = 0;
        StateFileCommands files(model, ui, ui, [&redraws] { ++redraws; });
        ui.answer = name;
        files.loadGameState();
        files.loadPlayerMap();
        QVERIFY(!files.openFile(name));
        const QString shown = "Could not load " + name + ": " + reason;
        const QString asOpened = name.endsWith(".ply") ? "Load Player Map" : "Load Game State";
        QCOMPARE(ui.shown,
            QStringList({ shown + "|Load Game State|?", shown + "|Load Player Map|?", shown + "|" + asOpened + "|?" }));
        QCOMPARE(redraws, 0);
        QVERIFY(model.notes == before);
    }

    // The travel plan beside a game state is read the same way: a pipe in its place is ignored
    // with the message a damaged plan gets, and the game state loads.
    void travelPlanIsPipe()
    {
        QTemporaryDir dir;
        MapModel model(m_table);
        model.notes.setNotes(7, "Hot jungle", "Landed here");
        QVERIFY(saveStateFile(dir.filePath("game.kmf"), model.view, model.notes, false));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("game.travel")).constData(), 0600), 0);
        MapModel loaded(m_table);
        ScriptedUi ui;
        StateFileCommands files(loaded, ui, ui, [] {});
        QVERIFY(files.openFile(dir.filePath("game.kmf")));
        QCOMPARE(ui.shown.size(), 1);
        QVERIFY2(ui.shown.first().startsWith("The campaign file is not in the expected form")
                && ui.shown.first().contains("game.travel: it is a named pipe (FIFO), not a file"),
            qPrintable(ui.shown.first()));
        QVERIFY(loaded.notes == model.notes);
    }
};

QTEST_MAIN(TestSaveFailures)
#include "tst_savefailures.moc"
