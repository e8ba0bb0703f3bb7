#pragma once

#include "generator/notesbox.h"

#include <functional>
#include <utility>

// A NotesBox over two callbacks, so a window can hand any text control to the generator
// without the generator knowing the control:
//     CallbackNotesBox box([&] { return edit->toPlainText(); },
//                          [&](const QString &text) { edit->setPlainText(text); });
class CallbackNotesBox : public NotesBox
{
public:
    using Reader = std::function<QString()>;
    using Writer = std::function<void(const QString &)>;

    CallbackNotesBox(Reader reader, Writer writer)
        : m_reader(std::move(reader))
        , m_writer(std::move(writer))
    { }

    QString text() const override { return m_reader(); }
    void setText(const QString &text) override { m_writer(text); }

private:
    Reader m_reader;
    Writer m_writer;
};
