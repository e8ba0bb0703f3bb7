// The writer of the game-state and player-map files (the reader is statecodec.cpp). Kept apart so
// that the fuzz target traces the reader's comparisons only: the writer's loops over every
// character would cost time on every input and guide nothing there.

#include "common/safefile.h"
#include "files/statecodec.h"
#include "files/stateformat.h"
#include "mapview/viewstate.h"
#include "notes/notesstore.h"

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif
#ifdef __SSE2__
#include <emmintrin.h>
#endif

using namespace stateformat;

namespace {

// Writes one character that is not plain ASCII (or a quote, doubled) as UTF-8 and returns the
// next one to read. A lone surrogate, which no text typed or read can hold, becomes U+FFFD.
const char16_t *encodeOne(const char16_t *from, const char16_t *end, char *&to)
{
    char32_t c = *from++;
    if (c < 0x80) {
        *to++ = static_cast<char>(c);
        if (c == char32_t(kQuote))
            *to++ = kQuote;
        return from;
    }
    if (c < 0x800) {
        *to++ = static_cast<char>(0xC0 | (c >> 6));
        *to++ = static_cast<char>(0x80 | (c & 0x3F));
        return from;
    }
    if (QChar::isSurrogate(c)) {
        if (QChar::isHighSurrogate(c) && from < end && QChar::isLowSurrogate(*from)) {
            c = QChar::surrogateToUcs4(char16_t(c), *from++);
            *to++ = static_cast<char>(0xF0 | (c >> 18));
            *to++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            *to++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *to++ = static_cast<char>(0x80 | (c & 0x3F));
            return from;
        }
        c = QChar::ReplacementCharacter;
    }
    *to++ = static_cast<char>(0xE0 | (c >> 12));
    *to++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *to++ = static_cast<char>(0x80 | (c & 0x3F));
    return from;
}

// Appends one text as UTF-8 with every quote doubled, in one pass. Runs of plain ASCII without a
// quote, which most notes are, are narrowed eight characters at a time. Three bytes a UTF-16 unit
// are room enough: a doubled quote takes two, a surrogate pair four for its two units.
void appendQuoted(QByteArray &data, const QString &text)
{
    const qsizetype at = data.size();
    data.resize(at + text.size() * 3);
    char *const begin = data.data() + at;
    char *to = begin;
    const char16_t *from = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *const end = from + text.size();
    while (from < end) {
#ifdef __SSE2__
        if (end - from >= 8) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
            const __m128i ascii = _mm_cmpeq_epi16(_mm_and_si128(units, _mm_set1_epi16(-0x80)), _mm_setzero_si128());
            const __m128i quote = _mm_cmpeq_epi16(units, _mm_set1_epi16(kQuote));
            const int plain = _mm_movemask_epi8(_mm_andnot_si128(quote, ascii));
            // All eight bytes are stored; only the plain characters before the first other one count.
            _mm_storel_epi64(reinterpret_cast<__m128i *>(to), _mm_packus_epi16(units, units));
            const int count = plain == 0xFFFF ? 8 : qCountTrailingZeroBits(unsigned(~plain)) / 2;
            from += count;
            to += count;
            if (count == 8)
                continue;
        }
#endif
        from = encodeOne(from, end, to);
    }
    data.resize(to - data.data());
}

// Appends the quoted line of one star's notes (without the line end). The separator byte 0xFF
// goes only between the game-master and the player text: a typed U+00FF is written as its UTF-8
// bytes C3 BF, so it reads back as text. In player mode only the separator and the player text
// are written.
void appendNotes(QByteArray &data, const NotesStore &notes, int index, bool playerMode)
{
    data.append(kQuote);
    if (!playerMode)
        appendQuoted(data, notes.gameMasterText(index));
    if (notes.hasParts(index)) {
        data.append(kSeparatorByte);
        appendQuoted(data, notes.playerText(index));
        for (const QString &piece : playerMode ? QStringList() : notes.hiddenPieces(index)) {
            data.append(kSeparatorByte);
            appendQuoted(data, piece);
        }
    }
    data.append(kQuote);
}

// The room one star's line may need: three bytes a character covers UTF-8 and doubled quotes.
qsizetype roomFor(const NotesStore &notes, int index)
{
    qsizetype room = (notes.gameMasterText(index).size() + notes.playerText(index).size()) * 3 + 5;
    for (const QString &piece : notes.hiddenPieces(index))
        room += piece.size() * 3 + 1;
    return room;
}

// Encodes the file and hands it to `deliver` in pieces of about a megabyte, so that saving a large
// game state reuses one buffer instead of building the whole file in fresh memory. Stops when
// `deliver` fails.
template <typename Deliver>
bool encodeInChunks(const ViewState &view, const NotesStore &notes, bool playerMode, Deliver deliver)
{
    constexpr qsizetype kChunkBytes = qsizetype(1) << 20;
    // The buffer starts small and grows with the notes: reserving a whole piece for every file made
    // each save of a few kilobytes map and clear a megabyte (under the sanitizers, its shadow too).
    QByteArray data;
    data.reserve(4096);
    for (const qint32 value : { view.selectedStar, view.secondStar, view.originY, view.originX, view.colourCode })
        data.append(QByteArray::number(value)).append(kLineEnd);
    for (int i = 0; i < notes.size(); ++i) {
        const qsizetype needed = data.size() + roomFor(notes, i);
        if (needed > data.capacity())
            data.reserve(needed * 2);
        appendNotes(data, notes, i, playerMode);
        data.append(kLineEnd);
        if (data.size() >= kChunkBytes) {
            if (!deliver(data))
                return false;
            data.resize(0);
        }
    }
    return data.isEmpty() || deliver(data);
}

// Starts writing a piece just handed to the file out to the disk while the next piece is encoded, so
// that the flush before the old file is replaced has less left to wait for. Only a hint: without it
// (or where it fails) the flush writes everything.
void startWriteBack(int handle, qint64 offset, qint64 length)
{
#ifdef Q_OS_LINUX
    if (handle >= 0)
        ::sync_file_range(handle, offset, length, SYNC_FILE_RANGE_WRITE);
#else
    Q_UNUSED(handle)
    Q_UNUSED(offset)
    Q_UNUSED(length)
#endif
}

} // namespace

QByteArray encodeState(const ViewState &view, const NotesStore &notes, bool playerMode)
{
    QByteArray whole;
    encodeInChunks(view, notes, playerMode, [&whole](const QByteArray &chunk) {
        whole.append(chunk);
        return true;
    });
    return whole;
}

bool saveStateFile(const QString &fileName, const ViewState &view, const NotesStore &notes, bool playerMode,
    QString *error, const FileCalls &calls)
{
    SafeFile file(fileName, calls);
    qint64 offset = 0;
    const bool saved = file.open()
        && encodeInChunks(view, notes, playerMode,
            [&file, &offset](const QByteArray &chunk) {
                if (!file.write(chunk))
                    return false;
                startWriteBack(file.handle(), offset, chunk.size());
                offset += chunk.size();
                return true;
            })
        && file.commit();
    if (!saved && error)
        *error = file.errorString();
    return saved;
}
