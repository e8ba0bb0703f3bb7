#include "app/editwiring.h"
#include "app/sessionrecovery.h"
#include "files/statecodec.h"
#include "index/notespanel.h"
#include "index/stellarindexwindow.h"
#include "recovery/recoveryfile.h"
#include "recovery/recoverykeeper.h"
#include "recovery/recoveryprompt.h"
#include "routes/routesearch.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <memory>

#include <unistd.h>

namespace {

struct AnsweringPrompt : RecoveryPrompt
{
    AnsweringPrompt(bool restore, QStringList &log)
        : restore(restore)
        , log(log)
    { }
    bool askRestore(const QString &question) override
    {
        log << question;
        return restore;
    }
    void inform(const QString &message) override { log << message; }
    bool restore;
    QStringList &log;
};

// A state with every kind of note and box text, the recovery marker inside a note, and a route.
const PairDistances &catalogueDistances()
{
    static const StarTable table = StarTable::fromCatalogue();
    static const PairDistances distances(table);
    return distances;
}

EditState sampleState()
{
    EditState state { NotesStore(192), { "typed \"GM\"\r\n\ttab", "caf\u00E9" }, { 7, 165, -3, -10, 2 },
        Campaign(192) };
    state.notes.setNotes(7, "a \"quoted\" note\r\nQuorvane recovery 1\r\ngame state 12", "player", { "hidden" });
    state.notes.setNotes(8, "", "\u00FF only player");
    state.notes.setTextWithoutParts(9, "old file text");
    // A route the travel file takes: no leg longer than its limit.
    state.campaign.travel = { 8.0, plotRoute(catalogueDistances(), 165, 169, 8.0).stars }; // Sol to Tau Ceti
    // The rest of the campaign, a newer program's key included, survives a crash as well.
    state.campaign.reveal.setState(12, Reveal::Hidden);
    state.campaign.otherKeys.insert("fromNewer", 42);
    return state;
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT
private slots:
    // The file is a game state (the bytes Save Game State writes) followed by the rest, and reads
    // back exactly.
    void fileRoundTrip()
    {
        const RecoveryContents written { sampleState(), 3, QDateTime(QDate(2026, 12, 7), QTime(14, 32, 5)) };
        QVERIFY(written.state.campaign.travel.route.size() > 2);
        const QByteArray bytes = encodeRecovery(written);
        ViewState view;
        written.state.place.applyTo(view);
        QVERIFY(bytes.startsWith(encodeState(view, written.state.notes, false)));
        const auto back = decodeRecovery(bytes, catalogueDistances());
        QVERIFY(back);
        QCOMPARE(EditState::differingParts(back->state, written.state), 0);
        QCOMPARE(back->changedStars, 3);
        QCOMPARE(back->lastChange, written.lastChange);
        // The writer keeps the encoded notes: a new place and new box texts still come out whole.
        QTemporaryDir dir;
        RecoveryWriter writer;
        RecoveryContents moved = written;
        QVERIFY(writer.write(dir.filePath("r"), written).isEmpty());
        moved.state.place = { 12, -1, 20, -35, 0 };
        moved.state.boxes.playerNotes += "more";
        QVERIFY(writer.write(dir.filePath("r"), moved).isEmpty());
        QCOMPARE(contents(dir.filePath("r")), encodeRecovery(moved));
        QCOMPARE(restoreQuestion(*back),
            "Quorvane ended with unsaved notes (3 systems changed, last change at 14:32). Restore them?");
        RecoveryContents one = *back;
        one.changedStars = 1;
        QCOMPARE(restoreQuestion(one),
            "Quorvane ended with unsaved notes (1 system changed, last change at 14:32). Restore them?");
    }

    // A write that fails part-way (a full disk) leaves the last recovery file byte for byte; the next ones
    // replace it whole, also where the temporary file they write over held a longer file before.
    void failedWriteKeepsTheLastFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("r");
        RecoveryContents written { sampleState(), 1, QDateTime::currentDateTime() };
        RecoveryWriter writer;
        QVERIFY(writer.write(name, written).isEmpty());
        const QByteArray first = contents(name);
        FileCalls full = FileCalls::system();
        full.write = [](int fd, const void *bytes, size_t count) -> ssize_t {
            if (::write(fd, bytes, std::min<size_t>(count, 100)) < 0 || count <= 100)
                return static_cast<ssize_t>(std::min<size_t>(count, 100));
            errno = ENOSPC;
            return -1;
        };
        written.state.boxes.playerNotes += "more";
        QCOMPARE(writer.write(name, written, full), QString::fromLocal8Bit(std::strerror(ENOSPC)));
        QCOMPARE(contents(name), first);
        for (const int star : { 7, 8 }) {
            written.state.notes.setNotes(star, "", "");
            QVERIFY(writer.write(name, written).isEmpty());
            QCOMPARE(contents(name), encodeRecovery(written));
        }
    }

    // A damaged file, whatever part of it is wrong, is refused as a whole.
    void damagedFileIsRefused()
    {
        const QByteArray good = encodeRecovery({ sampleState(), 1, QDateTime::currentDateTime() });
        QVERIFY(decodeRecovery(good, catalogueDistances()));
        const char *const faults[][3] = { { "cut off", "\r\n", "" }, { "bad campaign", "campaign ", "campaign e30K" },
            { "wrong length", "game state ", "game state 1" }, { "bad box", "player box ", "player box *" },
            { "no marker", "Quorvane recovery 1", "Quorvane recovery 2" } };
        for (const auto &[name, from, to] : faults) {
            QByteArray bytes = good;
            QVERIFY2(bytes.contains(from), name);
            bytes.replace(bytes.lastIndexOf(from), qstrlen(from), to);
            QVERIFY2(!decodeRecovery(bytes, catalogueDistances()), name);
        }
    }

    // The file follows changes a second later, never inside the redraw, and goes once everything
    // is saved; a second session in the same folder keeps its own file.
    void fileFollowsChangesAndSaves()
    {
        QTemporaryDir dir;
        MainWindowFixture main;
        QStringList asked;
        auto *recovery
            = new SessionRecovery(main->workspace(), std::make_unique<AnsweringPrompt>(true, asked), dir.path());
        recovery->start();
        const QString file = dir.filePath("recovery.kmf");

        StellarIndexWindow *index = main->stellarIndex();
        index->indexEntryPressed(12, 1);
        QTest::keyClicks(index->notes()->gameMasterNotes(), "typed");
        main->refreshMap();
        QVERIFY(!QFile::exists(file));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(file), 2000);
        auto recovered = decodeRecovery(contents(file), catalogueDistances());
        QVERIFY(recovered);
        QCOMPARE(recovered->state.boxes.gameMasterNotes, QStringLiteral("typed"));
        QCOMPARE(recovered->changedStars, 1);

        SessionRecovery second(main->workspace(), std::make_unique<AnsweringPrompt>(true, asked), dir.path());
        second.start();
        QCOMPARE(second.keeper()->fileName(), dir.filePath("recovery-2.kmf"));

        main.services.answer = dir.filePath("game.kmf");
        index->notes()->saveSystemNotes();
        main->menu().saveStateAction->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(file), 2000);
        QVERIFY(asked.isEmpty());
    }

    void leftoverFilesAreOffered_data()
    {
        QTest::addColumn<int>("sessions");
        QTest::addColumn<bool>("restore");
        QTest::newRow("one, restored") << 1 << true;
        QTest::newRow("one, discarded") << 1 << false;
        QTest::newRow("two, the first restored") << 2 << true;
        QTest::newRow("two, both discarded") << 2 << false;
    }

    // Restore brings back everything; Discard keeps the file as a dated game state that loads, and says
    // where. Two programs killed at once leave recovery.kmf and recovery-2.kmf: a later single start
    // offers both; one can be restored, and the other is kept as a dated game state, said.
    void leftoverFilesAreOffered()
    {
        QFETCH(int, sessions);
        QFETCH(bool, restore);
        QTemporaryDir dir;
        RecoveryContents left[] = { { sampleState(), 4, QDateTime(QDate(2026, 12, 7), QTime(14, 32)) },
            { sampleState(), 1, QDateTime(QDate(2026, 12, 7), QTime(15, 10)) } };
        left[1].state.notes.setNotes(20, "second session", QString());
        const QString files[] = { dir.filePath("recovery.kmf"), dir.filePath("recovery-2.kmf") };
        const QString kept[]
            = { dir.filePath("unsaved-notes-2026-12-07-1432.kmf"), dir.filePath("unsaved-notes-2026-12-07-1510.kmf") };
        for (int i = 0; i < sessions; ++i)
            QVERIFY(RecoveryWriter().write(files[i], left[i]).isEmpty());
        MainWindowFixture main;
        const EditState fresh = editWiring(main->workspace()).capture();
        QStringList asked;
        SessionRecovery recovery(main->workspace(), std::make_unique<AnsweringPrompt>(restore, asked), dir.path());
        recovery.start();

        QStringList expected;
        for (int i = 0; i < sessions; ++i) {
            if (restore && i > 0)
                expected << "Another session also ended with unsaved notes (1 system changed, last change at 15:10); "
                            "they are kept as "
                        + kept[i] + ".";
            else
                expected << restoreQuestion(left[i]);
            if (!restore)
                expected << "The unsaved notes were not restored; they are kept in " + kept[i]
                        + ", which Load Game State opens.";
        }
        QCOMPARE(asked, expected);
        QVERIFY(!QFile::exists(files[1]));
        QCOMPARE(
            EditState::differingParts(editWiring(main->workspace()).capture(), restore ? left[0].state : fresh), 0);
        QCOMPARE(main->model().options.colourCode, restore ? 2 : 0);
        for (int i = 0; i < 2; ++i) {
            const bool isKept = i < sessions && (i > 0 || !restore);
            ViewState view;
            NotesStore notes(192);
            QCOMPARE(QFile::exists(kept[i]), isKept);
            QVERIFY(!isKept || (loadStateFile(kept[i], view, notes) && notes == left[i].state.notes));
        }
    }

    // The real program, given edits, is killed with SIGKILL once its file is up to date; the next
    // start restores exactly what the first had.
    void killedProgramIsRestored()
    {
        QTemporaryDir dir;
        const int second = 169; // Tau Ceti, 11.6 ly from Sol: six jumps at 7.5 ly
        const QString before = dir.filePath("before.rec"), after = dir.filePath("after.rec");
        runProgram(dir,
            QStringLiteral("select 12\ngm Ice world\\tcold\\n\"quoted\" caf\u00E9\nsave-notes\n"
                           "select 40\ngm more\nsave-notes\nselect %1\nsecond %2\nlimit 7.5\nplot\n"
                           "player unsaved\\ttyping\nkey Right\ndump %3\nwait\n")
                .arg(StarTable::kSol)
                .arg(second)
                .arg(before),
            true);
        const QByteArray question = runProgram(dir, QStringLiteral("restore\ndump %1\nquit\n").arg(after), false);
        QVERIFY2(question.contains("Quorvane ended with unsaved notes (3 systems changed, last change at "), question);
        const auto was = decodeRecovery(contents(before), catalogueDistances()),
                   is = decodeRecovery(contents(after), catalogueDistances());
        QVERIFY(was && is);
        QCOMPARE(EditState::differingParts(was->state, is->state), 0);
        QCOMPARE(is->state.notes.gameMasterText(12), QStringLiteral("Ice world\tcold\r\n\"quoted\" caf\u00E9"));
        QCOMPARE(is->state.boxes.playerNotes, QStringLiteral("unsaved\ttyping"));
        QCOMPARE(is->state.campaign.travel.jumpLimit, 7.5);
        QVERIFY(!is->state.campaign.travel.route.empty());
    }

private:
    // Runs the program with `script`; killed with SIGKILL once the recovery file is up to date,
    // or left to end by itself. Returns what it printed.
    static QByteArray runProgram(const QTemporaryDir &dir, const QString &script, bool kill)
    {
        const QString scriptFile = dir.filePath("script.txt");
        contents(scriptFile, script.toUtf8());
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUORVANE_EDIT_SCRIPT", scriptFile);
        environment.insert("XDG_DATA_HOME", dir.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(QUORVANE_EXE, {});
        QByteArray printed;
        const auto done
            = [&] { return kill ? printed.contains("recovery up to date") : program.state() == QProcess::NotRunning; };
        QElapsedTimer clock;
        clock.start();
        while (!done() && program.state() != QProcess::NotRunning && clock.elapsed() < 30000) {
            program.waitForReadyRead(100);
            printed += program.readAllStandardOutput();
        }
        printed += program.readAllStandardOutput();
        if (!done())
            qWarning("the program did not %s: %s", kill ? "write its recovery file" : "end", printed.constData());
        program.kill();
        program.waitForFinished();
        return printed;
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
