#include "app/editwiring.h"
#include "app/launcher.h"
#include "app/mainwindow.h"
#include "app/navigationwiring.h"
#include "index/notespanel.h"
#include "index/stellarindexwindow.h"
#include "recovery/recoveryfile.h"
#include "recovery/recoverykeeper.h"

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QTimer>

#include <cstdio>

// The program as it ships, with scripted edits, so that the recovery tests can drive the real windows
// in a process of their own and kill it (a test program, never the shipped one): when the environment
// variable QUORVANE_EDIT_SCRIPT names a file, the program answers the recovery question from it and
// then runs its other lines once the main window is up. Lines:
//   restore | discard        the answer to the recovery question (discard when neither is given)
//   select N | second N      a left / right click on entry N of the Stellar Index
//   gm TEXT | player TEXT    types TEXT at the end of that notes box (\n \t \\ are a line break, a tab, a backslash)
//   save-notes               Save System Notes
//   key NAME                 that key on the map (Right, Left, Up, Down for the cursor keys)
//   limit X                  the jump limit
//   plot                     Plot Route
//   wait                     waits until the recovery file is up to date, then prints "recovery up to date"
//   dump FILE                writes everything the recovery file would hold to FILE
//   quit                     File ▸ Exit, leaving unsaved changes unsaved without asking
// Without the variable the test program runs as the shipped one does.

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// The recovery question and messages are printed; the answer is the script's.
struct ScriptPrompt : RecoveryPrompt
{
    explicit ScriptPrompt(bool restore)
        : restore(restore)
    { }
    bool askRestore(const QString &question) override
    {
        say(question);
        return restore;
    }
    void inform(const QString &message) override { say(message); }
    bool restore;
};

// The edits, which live with the window.
class EditScript : public QObject
{
public:
    EditScript(MainWindow &window, QStringList lines)
        : QObject(&window)
        , m_window(window)
        , m_lines(std::move(lines))
    { }

    // Runs the lines from the next one on, until a "wait" or the end.
    void run(RecoveryKeeper *keeper)
    {
        while (m_next < m_lines.size()) {
            const QString line = m_lines[m_next++];
            const QString command = line.section(u' ', 0, 0), argument = line.section(u' ', 1);
            if (command == u"wait" && keeper) {
                connect(keeper, &RecoveryKeeper::updated, this, [this, keeper] {
                    disconnect(keeper, nullptr, this, nullptr);
                    say(QStringLiteral("recovery up to date"));
                    run(keeper);
                });
                return;
            }
            if (!perform(command, argument))
                qWarning("QUORVANE_EDIT_SCRIPT: cannot do \"%s\"", qPrintable(line));
        }
    }

private:
    bool perform(const QString &command, const QString &argument)
    {
        StellarIndexWindow *index = m_window.stellarIndex();
        if (command == u"select" || command == u"second") {
            index->indexEntryPressed(argument.toInt(), command == u"select" ? 1 : 2);
        } else if (command == u"gm" || command == u"player") {
            QPlainTextEdit *box = command == u"gm" ? index->notes()->gameMasterNotes() : index->notes()->playerNotes();
            box->moveCursor(QTextCursor::End);
            QString text = argument; // \n, \t and \\ unescaped
            for (qsizetype i = text.indexOf(u'\\'); i >= 0 && i + 1 < text.size(); i = text.indexOf(u'\\', i + 1)) {
                const QChar next = text[i + 1];
                text.replace(i, 2, next == u'n' ? QChar(u'\n') : next == u't' ? QChar(u'\t') : next);
            }
            box->insertPlainText(text);
        } else if (command == u"save-notes") {
            index->notes()->saveSystemNotes();
        } else if (const QKeySequence key(argument);
                   command == u"key" && key.count() == 1 && key[0].key() != Qt::Key_unknown) {
            m_window.navigation()->keyPressed(QKeyEvent(QEvent::KeyPress, key[0].key(), key[0].keyboardModifiers()));
        } else if (command == u"limit") {
            index->findChild<QDoubleSpinBox *>(QStringLiteral("jumplimit"))->setValue(argument.toDouble());
        } else if (command == u"plot") {
            // The route's text comes in a message box, closed as soon as it shows.
            QTimer::singleShot(0, this, [] {
                if (QWidget *message = QApplication::activeModalWidget())
                    message->close();
            });
            m_window.menu().plotRouteAction->trigger();
        } else if (command == u"dump") {
            const QByteArray bytes
                = encodeRecovery({ editWiring(m_window.workspace()).capture(), 0, QDateTime::currentDateTime() });
            QFile file(argument);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        } else if (command == u"quit") {
            // Without the question about unsaved changes: the script's changes stay for the recovery file.
            m_window.setCloseGuard({});
            m_window.exitProgram();
        } else {
            return command == u"restore" || command == u"discard";
        }
        return true;
    }

    MainWindow &m_window;
    QStringList m_lines;
    int m_next = 0;
};

// The session of the script the environment names, or none.
std::optional<SessionScript> sessionFromEnvironment(MainWindow &window)
{
    const QString name = qEnvironmentVariable("QUORVANE_EDIT_SCRIPT");
    if (name.isEmpty())
        return std::nullopt;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning("QUORVANE_EDIT_SCRIPT: %s", qPrintable(file.errorString()));
        return std::nullopt;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    auto *script = new EditScript(window, lines);
    return SessionScript { std::make_unique<ScriptPrompt>(lines.contains(QStringLiteral("restore"))),
        [script](RecoveryKeeper *keeper) { script->run(keeper); } };
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setOrganizationName(QStringLiteral("Velmora Interactive"));
    Launcher launcher;
    launcher.scriptSession(&sessionFromEnvironment);
    launcher.run();
    return QApplication::exec();
}
