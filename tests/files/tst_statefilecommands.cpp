#include "files/commondialog.h"
#include "files/messagebox.h"
#include "files/statecodec.h"
#include "files/statefilecommands.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Answers every dialog with a scripted file name, or cancels.
class ScriptedDialog : public CommonDialog
{
public:
    QString answer;
    bool cancel = false;
    QString shown; // "save" or "open"

    bool ShowSave() override { return show(QStringLiteral("save")); }
    bool ShowOpen() override { return show(QStringLiteral("open")); }

private:
    bool show(const QString &kind)
    {
        shown = kind;
        if (cancel)
            return !CancelError;
        FileName = answer;
        return true;
    }
};

class ScriptedMessages : public MessageBox
{
public:
    Answer answer = Answer::Yes;
    QStringList asked;

    Answer show(const QString &text, const QString &title, Buttons buttons, Icon icon) override
    {
        asked << text + QLatin1Char('|') + title;
        return buttons == Buttons::YesNo && icon == Icon::None ? answer : Answer::Ok;
    }
};

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestStateFileCommands : public QObject
{
    Q_OBJECT
public:
    TestStateFileCommands()
        : m_table(StarTable::fromCatalogue())
    { }

private slots:
    void init();
    void dialogSettings_data();
    void dialogSettings();
    void overwritePrompt_data();
    void overwritePrompt();
    void loadReplacesStateAndRedraws();
    void loadFailuresDoNotRedraw();
    void failedWriteKeepsOldFile();

private:
    // The redraw as the window runs it, without drawing: options into the view, origin clamped.
    StateFileCommands commands()
    {
        return StateFileCommands(*m_model, m_dialog, m_messages, [this] {
            ++m_redraws;
            beginRedraw(*m_model);
        });
    }
    QString path(const char *name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    StarTable m_table;
    std::unique_ptr<MapModel> m_model;
    ScriptedDialog m_dialog;
    ScriptedMessages m_messages;
    QTemporaryDir m_dir;
    int m_redraws = 0;
};

void TestStateFileCommands::init()
{
    m_model = std::make_unique<MapModel>(m_table);
    m_model->logoBoxVisible = false;
    m_dialog = ScriptedDialog();
    m_messages = ScriptedMessages();
    m_redraws = 0;
}

void TestStateFileCommands::dialogSettings_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QStringList>("settings"); // filter, extension, title, file name, dialog kind
    QTest::newRow("sfile") << 0
                           << QStringList { "Velmora Database file (*.kmf) | *.kmf", "kmf", "Save Game State", "mymap",
                                  "save" };
    QTest::newRow("fload") << 1
                           << QStringList { "Velmora Database file (*.kmf) | *.kmf", "kmf", "Load Game State", "mymap",
                                  "open" };
    QTest::newRow("splayer") << 2
                             << QStringList { "Velmora Player File (*.ply) | *.ply", "ply", "Save Player Game State",
                                    "myplayer", "save" };
    QTest::newRow("lplayer") << 3
                             << QStringList { "Velmora Player file (*.ply) | *.ply", "ply", "Load Player Map",
                                    "myplayer", "open" };
}

void TestStateFileCommands::dialogSettings()
{
    QFETCH(int, command);
    QFETCH(QStringList, settings);
    // Cancelled: the command ends with nothing written, asked or redrawn.
    m_dialog.cancel = true;
    StateFileCommands files = commands();
    const std::function<void()> run[] = { [&] { files.sfile_Click(); }, [&] { files.fload_Click(); },
        [&] { files.splayer_Click(); }, [&] { files.lplayer_Click(); } };
    run[command]();
    QCOMPARE(
        (QStringList { m_dialog.Filter, m_dialog.DefaultExt, m_dialog.DialogTitle, m_dialog.FileName, m_dialog.shown }),
        settings);
    QVERIFY(m_dialog.CancelError);
    QVERIFY(m_messages.asked.isEmpty());
    QCOMPARE(m_redraws, 0);
    QVERIFY(QDir(m_dir.path()).isEmpty());
}

void TestStateFileCommands::overwritePrompt_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("yes");
    QTest::newRow("new file") << false << false;
    QTest::newRow("overwrite accepted") << true << true;
    QTest::newRow("overwrite declined") << true << false;
}

void TestStateFileCommands::overwritePrompt()
{
    QFETCH(bool, exists);
    QFETCH(bool, yes);
    const QString name = path("game.kmf");
    if (exists)
        writeFile(name, "old contents");
    m_dialog.answer = name;
    m_messages.answer = yes ? MessageBox::Answer::Yes : MessageBox::Answer::No;
    m_model->notes.setText(5, QStringLiteral("Hot jungle") + NotesStore::kSeparator + QStringLiteral("Landed here"));
    commands().sfile_Click();

    QCOMPARE(m_messages.asked, exists ? QStringList { "Overwrite existing file|Save File" } : QStringList());
    const bool written = !exists || yes;
    QCOMPARE(contents(name), written ? encodeState(m_model->view, m_model->notes, false) : "old contents");
}

void TestStateFileCommands::loadReplacesStateAndRedraws()
{
    // The file asks for origin X 40 and colour code 2; the redraw clamps the one and takes the
    // other from Display Options, so the next save writes 20 and 0.
    const QString name = path("in.kmf");
    writeFile(name, "3\r\n9\r\n-40\r\n40\r\n2\r\n\"Landed\"\r\n" + QByteArray("\"\"\r\n").repeated(191));
    m_model->notes.setText(100, QStringLiteral("kept?"));
    m_dialog.answer = name;
    StateFileCommands files = commands();
    files.fload_Click();
    QCOMPARE(m_redraws, 1);
    QCOMPARE(m_model->view.selstar, 3);
    QCOMPARE(m_model->view.diststar, 9);
    QCOMPARE(m_model->notes.text(0), QStringLiteral("Landed"));
    QVERIFY(!m_model->notes.hasNotes(100));

    m_dialog.answer = path("out.kmf");
    files.sfile_Click();
    QVERIFY(contents(m_dialog.answer).startsWith("3\r\n9\r\n-35\r\n20\r\n0\r\n\"Landed\"\r\n"));
}

void TestStateFileCommands::loadFailuresDoNotRedraw()
{
    const QString cut = path("cut.kmf");
    writeFile(cut, "3\r\n9\r\n0\r\n0\r\n0\r\n\"a\"\r\n");
    for (const QString &name : { path("missing.kmf"), cut }) {
        m_dialog.answer = name;
        commands().lplayer_Click();
    }
    QCOMPARE(m_redraws, 0);
    QCOMPARE(m_model->view.selstar, 3);
    QCOMPARE(m_model->notes.text(0), QStringLiteral("a"));
}

void TestStateFileCommands::failedWriteKeepsOldFile()
{
    // A file-size limit makes the write fail part-way, whoever runs the test.
    const QString name = path("full.kmf");
    writeFile(name, "old contents");
    m_model->notes.setText(0, QString(200000, QLatin1Char('x')));
    const NotesStore before = m_model->notes;
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limited);
    const bool written = commands().writestate(name, false);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!written);
    QCOMPARE(contents(name), QByteArray("old contents"));
    QCOMPARE(m_model->notes.text(0), before.text(0));
    QCOMPARE(QDir(m_dir.path()).entryList({ "full*" }, QDir::Files), QStringList { "full.kmf" });
}

QTEST_GUILESS_MAIN(TestStateFileCommands)
#include "tst_statefilecommands.moc"
