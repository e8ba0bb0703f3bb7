#include "recovery/editscript.h"

#include "app/editwiring.h"
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
#include <QPlainTextEdit>
#include <QTimer>

#include <cstdio>

namespace {

QString unescaped(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        out += next == u'n' ? QChar(u'\n') : next == u't' ? QChar(u'\t') : next;
    }
    return out;
}

void say(const char *line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The script's answers, for a session recovery that owns its prompt; the script lives with the window.
class ScriptPrompt : public RecoveryPrompt
{
public:
    explicit ScriptPrompt(RecoveryPrompt &script)
        : m_script(script)
    { }
    bool askRestore(const QString &question) override { return m_script.askRestore(question); }
    void inform(const QString &message) override { m_script.inform(message); }

private:
    RecoveryPrompt &m_script;
};

} // namespace

std::optional<SessionScript> EditScript::sessionFromEnvironment(MainWindow &window)
{
    const QString name = qEnvironmentVariable("QUORVANE_EDIT_SCRIPT");
    if (name.isEmpty())
        return std::nullopt;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning("QUORVANE_EDIT_SCRIPT: %s", qPrintable(file.errorString()));
        return std::nullopt;
    }
    auto *script = new EditScript(window, QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts));
    return SessionScript { std::make_unique<ScriptPrompt>(*script),
        [script](RecoveryKeeper *keeper) { script->run(keeper); } };
}

EditScript::EditScript(MainWindow &window, QStringList lines)
    : QObject(&window)
    , m_window(window)
    , m_lines(std::move(lines))
{ }

bool EditScript::askRestore(const QString &question)
{
    say(qPrintable(question));
    return m_lines.contains(QStringLiteral("restore"));
}

void EditScript::inform(const QString &message)
{
    say(qPrintable(message));
}

void EditScript::run(RecoveryKeeper *keeper)
{
    m_keeper = keeper;
    while (m_next < m_lines.size()) {
        const QString line = m_lines[m_next++];
        const qsizetype space = line.indexOf(u' ');
        const QString command = line.left(space);
        const QString argument = space < 0 ? QString() : line.mid(space + 1);
        if (command == QLatin1String("wait") && m_keeper) {
            connect(m_keeper, &RecoveryKeeper::updated, this, [this] {
                disconnect(m_keeper, nullptr, this, nullptr);
                say("recovery up to date");
                run(m_keeper);
            });
            return;
        }
        if (!perform(command, argument))
            qWarning("QUORVANE_EDIT_SCRIPT: cannot do \"%s\"", qPrintable(line));
    }
}

bool EditScript::perform(const QString &command, const QString &argument)
{
    StellarIndexWindow *index = m_window.stellarIndex();
    if (command == QLatin1String("restore") || command == QLatin1String("discard"))
        return true;
    if (command == QLatin1String("select") || command == QLatin1String("second")) {
        index->indexEntryPressed(argument.toInt(), command == QLatin1String("select") ? 1 : 2);
    } else if (command == QLatin1String("gm") || command == QLatin1String("player")) {
        QPlainTextEdit *box
            = command == QLatin1String("gm") ? index->notes()->gameMasterNotes() : index->notes()->playerNotes();
        box->moveCursor(QTextCursor::End);
        box->insertPlainText(unescaped(argument));
    } else if (command == QLatin1String("save-notes")) {
        index->notes()->saveSystemNotes();
    } else if (command == QLatin1String("key")) {
        static const QHash<QString, int> keys
            = { { QStringLiteral("Right"), Qt::Key_Right }, { QStringLiteral("Left"), Qt::Key_Left },
                  { QStringLiteral("Up"), Qt::Key_Up }, { QStringLiteral("Down"), Qt::Key_Down } };
        if (!keys.contains(argument))
            return false;
        m_window.navigation()->keyPressed(QKeyEvent(QEvent::KeyPress, keys[argument], Qt::NoModifier));
    } else if (command == QLatin1String("limit")) {
        index->findChild<QDoubleSpinBox *>(QStringLiteral("jumplimit"))->setValue(argument.toDouble());
    } else if (command == QLatin1String("plot")) {
        // The route's text comes in a message box, closed as soon as it shows.
        QTimer::singleShot(0, this, [] {
            if (QWidget *message = QApplication::activeModalWidget())
                message->close();
        });
        m_window.menu().plotRouteAction->trigger();
    } else if (command == QLatin1String("dump")) {
        const QByteArray bytes
            = encodeRecovery({ editWiring(m_window.workspace()).capture(), 0, QDateTime::currentDateTime() });
        QFile file(argument);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    } else if (command == QLatin1String("quit")) {
        // Without the question about unsaved changes: the script's changes stay for the recovery file.
        m_window.setCloseGuard({});
        m_window.exitProgram();
    } else {
        return false;
    }
    return true;
}
