// Feeds arbitrary bytes to the whole-file check and the game-state reader as "Load Game State"
// does: a file that passes the check always reads, and whatever a read produced survives a write,
// a check and a second read unchanged. Bytes that do not read become notes of every kind instead
// (with U+00FF, quotes, line breaks and any other character), which make the same trip. Each input
// makes one write, check and read: an input of even length as a game file, which reads back equal;
// of odd length as a player map, which reads back with the player texts only.
// The messages a load gives after reading (odd header values, notes without the separator, text
// that is not UTF-8, lines after the last star) each name a line inside the file and an entry;
// a file the writer made gets none but the separator ones for texts without parts.

#include "catalogue/startable.h"
#include "files/statecheck.h"
#include "files/statecodec.h"
#include "mapview/viewstate.h"
#include "notes/notesstore.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kStars = 192;

// Every notice names a line of the file and an entry, and (when `described`) reads as a sentence.
// The notices of a file the writer made are all of one kind, met in the input's own notices too:
// those are not described again, which would cost more than reading the file.
void checkNotices(QByteArrayView bytes, const ReadNotices &notices, bool described = true)
{
    static const StarTable table = StarTable::fromCatalogue();
    const int lines = int(bytes.count('\n')) + 1;
    for (const ReadNotice &notice : notices)
        if (notice.line < 1 || notice.line > lines || notice.entry < 0 || notice.entry > 5 + kStars
            || notice.what.isEmpty()
            || (described && !describeNotice(notice, table).startsWith(QLatin1String("Line "))))
            std::abort();
}

// Write, check, read: a file the writer made that fails the check is a fault of the check, and
// one that gets a notice other than for a text without parts is a fault of the notices.
bool readWritten(const QByteArray &bytes, ViewState &view, NotesStore &notes)
{
    if (checkState(bytes, kStars))
        std::abort();
    ReadNotices notices;
    const bool read = decodeState(bytes, view, notes, &notices);
    checkNotices(bytes, notices, false);
    int withoutParts = 0;
    for (int i = 0; i < kStars; ++i)
        withoutParts += notes.hasNotes(i) && !notes.hasParts(i);
    for (const ReadNotice &notice : notices)
        if (notice.entry >= 5 && !notice.what.startsWith(QLatin1String("no separator")))
            std::abort();
    if (std::count_if(notices.begin(), notices.end(), [](const ReadNotice &n) { return n.entry >= 5; }) != withoutParts)
        std::abort();
    return read;
}

bool sameView(const ViewState &a, const ViewState &b)
{
    return a.selectedStar == b.selectedStar && a.secondStar == b.secondStar && a.originX == b.originX
        && a.originY == b.originY && a.colourCode == b.colourCode;
}

// Notes cut from the text at U+0001: pieces go to the game-master and the player text of star
// after star; a piece starting with U+0002 becomes a text without parts.
NotesStore notesFrom(const QString &text)
{
    NotesStore notes(kStars);
    const QStringList pieces = text.split(QChar(1));
    for (qsizetype i = 0, star = 0; i < pieces.size() && star < kStars; i += 2, ++star) {
        if (pieces.at(i).startsWith(QChar(2)))
            notes.setTextWithoutParts(int(star), pieces.at(i));
        else
            notes.setNotes(int(star), pieces.at(i), i + 1 < pieces.size() ? pieces.at(i + 1) : QString());
    }
    return notes;
}

// The stores reads go to, reused from input to input (a read that succeeds sets every star): a fresh
// store for every read cost more than the read itself under the sanitizers.
struct ReusedStores
{
    NotesStore reads { kStars }, writes { kStars }, parts { kStars };
};
ReusedStores &reused()
{
    static ReusedStores stores;
    return stores;
}

// Lets go of every note an input left in the reused stores before the input ends, so that an input
// frees all it took: otherwise libFuzzer sees more allocations than frees and runs the input a
// second time looking for a leak that is only the stores' contents. Only stars that hold notes are
// emptied: most inputs leave most stars without any.
struct LetGoOfNotes
{
    ~LetGoOfNotes()
    {
        for (NotesStore *store : { &reused().reads, &reused().writes, &reused().parts })
            for (int i = 0; i < kStars; ++i)
                if (store->hasNotes(i))
                    store->setTextWithoutParts(i, QString());
    }
};

void checkWrittenNotes(const ViewState &view, const NotesStore &notes, bool playerMode)
{
    NotesStore &read = reused().reads;
    ViewState view2;
    if (!readWritten(encodeState(view, notes, playerMode), view2, read) || !sameView(view, view2))
        std::abort();
    if (!playerMode) {
        if (!(read == notes))
            std::abort();
        return;
    }
    for (int i = 0; i < kStars; ++i)
        if (read.hasParts(i) != notes.hasParts(i) || !read.gameMasterText(i).isEmpty()
            || read.playerText(i) != notes.playerText(i) || !read.hiddenPieces(i).isEmpty())
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const bool playerMode = size % 2 == 1;
    const LetGoOfNotes letGo;
    NotesStore &notes = reused().writes;
    NotesStore &part = reused().parts;
    ViewState view;
    const StateFault fault = checkState(bytes, kStars);
    if (fault) {
        // What "Load what can be read" takes: the header and exactly the notes before the fault.
        if (fault.star() >= 0
            && (decodeState(bytes.first(fault.readableEnd), view, part) || fault.readableStars != fault.star()))
            std::abort();
    }
    ReadNotices notices;
    const bool read = decodeState(bytes, view, notes, &notices);
    checkNotices(bytes, notices);
    if (!read) {
        if (!fault)
            std::abort(); // a file that passes the check always reads
        checkWrittenNotes(ViewState(), notesFrom(QString::fromUtf8(bytes)), playerMode);
        return 0;
    }
    if (view.selectedStar < -1 || view.selectedStar >= kStars || view.secondStar < -1 || view.secondStar >= kStars)
        std::abort();
    checkWrittenNotes(view, notes, playerMode);
    return 0;
}
