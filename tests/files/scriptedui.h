#pragma once

#include "dialogs/filedialog.h"
#include "dialogs/messagebox.h"
#include "output/clipboard.h"

#include <QFile>

// The dialogs the file commands talk to, scripted: the file dialog picks `answer` (none: cancels),
// a message box presses `button` and logs "text|title" (with "|?" unless Yes/No without an icon),
// and the clipboard keeps what was copied.
class ScriptedUi : public FileDialog, public MessageBox, public Clipboard
{
public:
    QString answer;
    Answer button = Answer::Yes;
    QStringList shown;
    QString copied;
    bool showSave() override { return showOpen(); }
    bool showOpen() override
    {
        fileName = answer.isEmpty() ? fileName : answer;
        return !answer.isEmpty() || !failOnCancel;
    }
    Answer show(const QString &text, const QString &title, Buttons buttons, Icon icon) override
    {
        shown << text + '|' + title + (buttons == Buttons::YesNo && icon == Icon::None ? "" : "|?");
        return button;
    }
    void setText(const QString &text) override { copied = text; }
};

// The file's bytes, after writing `write` over it when that is given (nothing when that fails).
inline QByteArray contents(const QString &name, const QByteArray &write = {})
{
    QFile file(name);
    if (!write.isEmpty() && (!file.open(QIODevice::WriteOnly) || file.write(write) != write.size()))
        return {};
    file.close();
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
