// Feeds arbitrary bytes to the game-state reader exactly as "Load Game State" does, and checks
// that whatever a successful read produced survives a write and a second read unchanged.

#include "files/statecodec.h"
#include "index/notesstore.h"
#include "mapview/viewstate.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kStars = 192;

bool sameNotes(const NotesStore &a, const NotesStore &b)
{
    for (int i = 0; i < kStars; ++i)
        if (a.text(i) != b.text(i))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    ViewState view;
    NotesStore notes(kStars);
    if (!decodeState(file, view, notes))
        return 0;
    if (view.selstar < -1 || view.selstar >= kStars || view.diststar < -1 || view.diststar >= kStars)
        std::abort();

    for (bool playerMode : { false, true }) {
        QByteArray written = encodeState(view, notes, playerMode);
        QBuffer again(&written);
        again.open(QIODevice::ReadOnly);
        ViewState view2;
        NotesStore notes2(kStars);
        if (!decodeState(again, view2, notes2))
            std::abort();
        if (view2.selstar != view.selstar || view2.diststar != view.diststar || view2.xorg != view.xorg
            || view2.yorg != view.yorg || view2.colmode != view.colmode)
            std::abort();
        if (!playerMode && !sameNotes(notes, notes2))
            std::abort();
    }
    return 0;
}
