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
#include <QDir>
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

class AnsweringPrompt : public RecoveryPrompt
{
public:
    explicit AnsweringPrompt(bool restore, QStringList &log)
        : m_restore(restore)
        , m_log(log)
    { }
    bool askRestore(const QString &question) override
    {
        m_log << question;
        return m_restore;
    }
    void inform(const QString &message) override { m_log << message; }

private:
    bool m_restore;
    QStringList &m_log;
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

    void damagedFileIsRefused_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("cut off") << QByteArray("\r\n") << QByteArray("");
        QTest::newRow("bad campaign") << QByteArray("campaign ") << QByteArray("campaign e30K");
        QTest::newRow("wrong length") << QByteArray("game state ") << QByteArray("game state 1");
        QTest::newRow("bad box") << QByteArray("player box ") << QByteArray("player box *");
        QTest::newRow("no marker") << QByteArray("Quorvane recovery 1") << QByteArray("Quorvane recovery 2");
    }

    void damagedFileIsRefused()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QByteArray bytes = encodeRecovery({ sampleState(), 1, QDateTime::currentDateTime() });
        QVERIFY(decodeRecovery(bytes, catalogueDistances()));
        QVERIFY(bytes.contains(from));
        bytes.replace(bytes.lastIndexOf(from), from.size(), to);
        QVERIFY(!decodeRecovery(bytes, catalogueDistances()));
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
        QCOMPARE(recovery->keeper()->fileName(), file);

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

    // Restore brings back everything; Discard keeps the file as a dated game state that loads.
    void leftoverFile()
    {
        for (const bool restore : { true, false }) {
            QTemporaryDir dir;
            const RecoveryContents left { sampleState(), 4, QDateTime(QDate(2026, 12, 7), QTime(14, 32)) };
            QVERIFY(RecoveryWriter().write(dir.filePath("recovery.kmf"), left).isEmpty());
            MainWindowFixture main;
            const EditState fresh = editWiring(main->workspace()).capture();
            QStringList asked;
            SessionRecovery recovery(main->workspace(), std::make_unique<AnsweringPrompt>(restore, asked), dir.path());
            recovery.start();
            const QStringList dated = QDir(dir.path()).entryList({ "unsaved-notes-2026-12-07-1432.kmf" });
            QCOMPARE(dated.size(), restore ? 0 : 1);
            // Discard tells where the notes went.
            QCOMPARE(asked.size(), restore ? 1 : 2);
            QCOMPARE(asked.first(), restoreQuestion(left));
            QVERIFY(restore || asked.last().contains(dated.value(0)));
            const EditState now = editWiring(main->workspace()).capture();
            QCOMPARE(EditState::differingParts(now, restore ? left.state : fresh), 0);
            QCOMPARE(main->model().options.colourCode, restore ? 2 : 0);
            if (!restore) {
                ViewState view;
                NotesStore notes(192);
                QVERIFY(loadStateFile(dir.filePath(dated.value(0)), view, notes));
                QVERIFY(notes == left.state.notes);
            }
        }
    }

    // Two programs killed at once leave recovery.kmf and recovery-2.kmf: a later single start
    // offers both; one can be restored, and the other is kept as a dated game state, said.
    void everyLeftoverIsOffered()
    {
        for (const bool restore : { true, false }) {
            QTemporaryDir dir;
            const RecoveryContents first { sampleState(), 4, QDateTime(QDate(2026, 12, 7), QTime(14, 32)) };
            RecoveryContents second { sampleState(), 1, QDateTime(QDate(2026, 12, 7), QTime(15, 10)) };
            second.state.notes.setNotes(20, "second session", QString());
            QVERIFY(RecoveryWriter().write(dir.filePath("recovery.kmf"), first).isEmpty());
            QVERIFY(RecoveryWriter().write(dir.filePath("recovery-2.kmf"), second).isEmpty());
            MainWindowFixture main;
            QStringList asked;
            SessionRecovery recovery(main->workspace(), std::make_unique<AnsweringPrompt>(restore, asked), dir.path());
            recovery.start();
            const QString firstKept = dir.filePath("unsaved-notes-2026-12-07-1432.kmf");
            const QString secondKept = dir.filePath("unsaved-notes-2026-12-07-1510.kmf");
            const auto notRestored = [](const QString &kept) {
                return "The unsaved notes were not restored; they are kept in " + kept
                    + ", which Load Game State opens.";
            };
            const QStringList expected = restore ? QStringList { restoreQuestion(first),
                "Another session also ended with unsaved notes (1 system changed, last change at 15:10); they "
                "are kept as "
                    + secondKept + "." }
                                                 : QStringList { restoreQuestion(first), notRestored(firstKept),
                                                       restoreQuestion(second), notRestored(secondKept) };
            QCOMPARE(asked, expected);
            QVERIFY(!QFile::exists(dir.filePath("recovery-2.kmf")));
            QVERIFY(QFile::exists(secondKept));
            QCOMPARE(QFile::exists(dir.filePath("unsaved-notes-2026-12-07-1432.kmf")), !restore);
            QCOMPARE(main->model().notes.gameMasterText(20), QString());
            QCOMPARE(main->model().notes.gameMasterText(8), QString());
            QCOMPARE(main->model().notes.hasNotes(9), restore); // the first session's text without parts
        }
    }

    // The real program, given edits, is killed with SIGKILL once its file is up to date; the next
    // start restores exactly what the first had.
    void killedProgramIsRestored()
    {
        QTemporaryDir dir;
        const StarTable table = StarTable::fromCatalogue();
        const PairDistances distances(table);
        int second = 0;
        while (second < table.size()
            && (distances(StarTable::kSol, second) < 8
                || plotRoute(distances, StarTable::kSol, second, 7.5).stars.empty()))
            ++second;
        QVERIFY(second < table.size());
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
        QFile file(scriptFile);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(script.toUtf8());
        file.close();
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUORVANE_EDIT_SCRIPT", scriptFile);
        environment.insert("XDG_DATA_HOME", dir.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(QUORVANE_EXE, {});
        QByteArray printed;
        QElapsedTimer clock;
        clock.start();
        while (program.state() != QProcess::NotRunning && clock.elapsed() < 30000) {
            program.waitForReadyRead(100);
            printed += program.readAllStandardOutput();
            if (kill && printed.contains("recovery up to date")) {
                program.kill();
                program.waitForFinished();
                return printed;
            }
        }
        printed += program.readAllStandardOutput();
        if (program.state() != QProcess::NotRunning || kill) {
            program.kill();
            program.waitForFinished();
            qWarning("the program did not %s: %s", kill ? "write its recovery file" : "end", printed.constData());
        }
        return printed;
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
