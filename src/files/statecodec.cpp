#include "files/statecodec.h"

#include "files/stateformat.h"

#include "common/regularfile.h"
#include "common/safefile.h"
#include "common/textnumber.h"
#include "mapview/viewstate.h"
#include "notes/notesstore.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <limits>

using namespace stateformat;

namespace {

// Reads the file's fields from its bytes, the way line-and-field text input does. Fields are
// handed out as views into the data wherever the bytes stand as they are, so reading a large file
// copies only the strings that hold a doubled quote.
class FieldReader
{
public:
    explicit FieldReader(QByteArrayView data)
        : m_data(data)
        , m_bytes(data.data())
    { }

    qsizetype position() const { return m_pos; }

    // One line without its line end; false at the end of the data.
    bool line(QByteArrayView &out)
    {
        if (m_pos >= m_data.size())
            return false;
        qsizetype end = m_data.indexOf('\n', m_pos);
        if (end < 0)
            end = m_data.size();
        out = m_data.sliced(m_pos, end - m_pos);
        if (out.endsWith('\r'))
            out.chop(1);
        m_pos = end + 1;
        return true;
    }

    // One string field: a quoted string runs to its closing quote (a doubled quote inside stands
    // for one quote; line breaks and commas belong to the text); an unquoted one runs to the next
    // comma or line end. The delimiter after the field is consumed. The view stays valid until
    // the next call.
    bool stringField(QByteArrayView &out)
    {
        while (m_pos < m_data.size() && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t'))
            ++m_pos;
        if (m_pos >= m_data.size())
            return false;
        if (m_bytes[m_pos] != kQuote) {
            const qsizetype end = delimiterFrom(m_pos);
            out = m_data.sliced(m_pos, end - m_pos).trimmed();
            consumeDelimiter(end);
            return true;
        }
        const qsizetype begin = ++m_pos;
        qsizetype close = m_data.indexOf(kQuote, m_pos);
        if (close < 0)
            return false;
        if (close + 1 >= m_data.size() || m_bytes[close + 1] != kQuote) {
            out = m_data.sliced(begin, close - begin);
        } else {
            // Copies the pieces between doubled quotes into a buffer as long as the rest of the
            // data, which an unquoted string can never outgrow; untouched pages cost nothing.
            if (m_unquoted.size() < m_data.size() - begin)
                m_unquoted.resize(m_data.size() - begin);
            char *const start = m_unquoted.data();
            char *to = start;
            for (;;) {
                const qsizetype length = close - m_pos;
                std::memcpy(to, m_data.data() + m_pos, static_cast<size_t>(length));
                to += length;
                m_pos = close + 1;
                if (m_pos >= m_data.size() || m_bytes[m_pos] != kQuote)
                    break;
                *to++ = kQuote;
                close = m_data.indexOf(kQuote, ++m_pos);
                if (close < 0)
                    return false;
            }
            out = QByteArrayView(start, to - start);
            close = m_pos - 1;
        }
        m_pos = close + 1;
        consumeDelimiter(delimiterFrom(m_pos));
        return true;
    }

private:
    qsizetype delimiterFrom(qsizetype pos) const
    {
        while (pos < m_data.size() && m_bytes[pos] != ',' && m_bytes[pos] != '\r' && m_bytes[pos] != '\n')
            ++pos;
        return pos;
    }

    void consumeDelimiter(qsizetype pos)
    {
        m_pos = pos;
        if (m_pos >= m_data.size())
            return;
        const char c = m_bytes[m_pos++];
        if (c == '\r' && m_pos < m_data.size() && m_bytes[m_pos] == '\n')
            ++m_pos;
    }

    QByteArrayView m_data;
    const char *m_bytes; // read directly: a large file's every byte passes here
    qsizetype m_pos = 0;
    QByteArray m_unquoted; // a string with its doubled quotes made single
};

bool readWhole(FieldReader &reader, qint32 &value, QByteArrayView &line)
{
    return reader.line(line) && readWholeNumber(line, value);
}

// A star index from the file: anything outside the star table means no star.
qint32 starOrNone(qint32 index, int starCount)
{
    return index >= -1 && index < starCount ? index : -1;
}

// Collects what a read takes other than as the file holds it; byte offsets become line numbers
// at the end, in one pass.
class NoticeList
{
public:
    explicit NoticeList(ReadNotices *notices)
        : m_notices(notices)
    { }

    explicit operator bool() const { return m_notices != nullptr; }
    void add(int entry, qsizetype at, const QString &what)
    {
        m_notices->push_back({ entry, 0, what });
        m_offsets.push_back(at);
    }

    // The header line read at `at` as `value`; `starCount` stars in the catalogue.
    void header(int entry, qsizetype at, QByteArrayView line, qint32 value, int starCount)
    {
        const QString text = QString::fromLatin1(line.trimmed());
        bool whole = false;
        [[maybe_unused]] const int parsed = line.trimmed().toInt(&whole, 10);
        if (!whole && line.trimmed().toDouble() != value)
            add(entry, at, QStringLiteral("%1 is not a whole number; it is read as %2").arg(text).arg(value));
        if (entry < 2 && (value < -1 || value >= starCount))
            add(entry, at,
                QStringLiteral("%1 is not a star of the catalogue; %2")
                    .arg(text,
                        entry == 0 ? QStringLiteral("no star is selected")
                                   : QStringLiteral("there is no second star")));
        if ((entry == 2 || entry == 3) && (value < ViewState::kLowestOrigin || value > ViewState::kHighestOrigin))
            add(entry, at,
                QStringLiteral("%1 is outside the map; the sector starts at %2")
                    .arg(text)
                    .arg(std::clamp(value, ViewState::kLowestOrigin, ViewState::kHighestOrigin)));
        if (entry == 4 && (value < 0 || value > 3))
            add(entry, at,
                QStringLiteral("%1 is not a colour code (0 to 3); the map keeps the colour code of Display Options")
                    .arg(text));
    }

    void finish(QByteArrayView data)
    {
        qsizetype counted = 0;
        int line = 1;
        for (size_t i = 0; m_notices && i < m_offsets.size(); ++i) {
            line += int(data.sliced(counted, m_offsets[i] - counted).count('\n'));
            counted = m_offsets[i];
            (*m_notices)[m_notices->size() - m_offsets.size() + i].line = line;
        }
    }

private:
    ReadNotices *m_notices;
    std::vector<qsizetype> m_offsets;
};

// Whether the rest of the file after the last star's notes holds more than blank lines; the lines
// a recovery file adds after its game state are its own and not counted.
int linesAfterNotes(QByteArrayView rest)
{
    rest = rest.trimmed();
    if (rest.isEmpty() || rest.startsWith("Quorvane recovery "))
        return 0;
    int lines = 0;
    for (qsizetype from = 0; from < rest.size();) {
        qsizetype end = rest.indexOf('\n', from);
        if (end < 0)
            end = rest.size();
        lines += !rest.sliced(from, end - from).trimmed().isEmpty();
        from = end + 1;
    }
    return lines;
}

QString decodePiece(QByteArrayView piece, bool *notUtf8 = nullptr)
{
    if (piece.isEmpty()) // most stars have no notes
        return {};
    QStringDecoder utf8(
        QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(piece);
    if (!utf8.hasError())
        return text;
    if (notUtf8)
        *notUtf8 = true;
    QStringDecoder windows1252("windows-1252", QStringConverter::Flag::Stateless);
    if (windows1252.isValid())
        return windows1252.decode(piece);
    // A Qt without that code page: Latin-1 reads the same except for the bytes 0x80 to 0x9F.
    return QString::fromLatin1(piece);
}

// One star's notes from its quoted string's bytes: the game-master text before the first 0xFF byte
// and the player text after it, each piece UTF-8 when it is valid UTF-8, otherwise Windows-1252
// (files written by older programs in that code page). A string without the byte is a text without
// parts. Pieces after a second 0xFF byte are kept hidden: the boxes and the exports never show
// them, but a game-state file writes them back.
//
// `notUtf8` is set when a piece was not UTF-8.
void decodeNotes(QByteArrayView bytes, NotesStore &notes, int index, bool *notUtf8)
{
    qsizetype separator = bytes.indexOf(kSeparatorByte);
    if (separator < 0) {
        notes.setTextWithoutParts(index, decodePiece(bytes, notUtf8));
        return;
    }
    QStringList pieces;
    for (qsizetype from = 0;; from = separator + 1, separator = bytes.indexOf(kSeparatorByte, from)) {
        pieces.append(decodePiece(bytes.sliced(from, (separator < 0 ? bytes.size() : separator) - from), notUtf8));
        if (separator < 0)
            break;
    }
    const QString gameMaster = pieces.takeFirst(), player = pieces.takeFirst();
    notes.setNotes(index, gameMaster, player, pieces);
}

} // namespace

qsizetype byteOrderMarkLength(QByteArrayView data)
{
    return data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

bool readWholeNumber(QByteArrayView line, qint32 &value)
{
    line = line.trimmed();
    bool ok = false;
    const qint32 whole = line.toInt(&ok, 10);
    if (ok) {
        value = whole;
        return true;
    }
    const double number = common::roundHalfEven(line.toDouble(&ok));
    if (!ok || !(number >= std::numeric_limits<qint32>::min() && number <= std::numeric_limits<qint32>::max()))
        return false;
    value = static_cast<qint32>(number);
    return true;
}

bool decodeState(QIODevice &in, ViewState &view, NotesStore &notes)
{
    return decodeState(QByteArrayView(in.readAll()), view, notes);
}

bool decodeState(QByteArrayView data, ViewState &view, NotesStore &notes, ReadNotices *notices)
{
    data = data.sliced(byteOrderMarkLength(data));
    FieldReader reader(data);
    NoticeList noticed(notices);
    const struct Finish
    {
        NoticeList &noticed;
        QByteArrayView data;
        ~Finish() { noticed.finish(data); }
    } finish { noticed, data };
    qint32 *const fields[] = { &view.selectedStar, &view.secondStar, &view.originY, &view.originX, &view.colourCode };
    for (int entry = 0; entry < 5; ++entry) {
        const qsizetype at = reader.position();
        qint32 value = 0;
        QByteArrayView line;
        if (!readWhole(reader, value, line))
            return false;
        *fields[entry] = entry < 2 ? starOrNone(value, notes.size()) : value;
        if (noticed)
            noticed.header(entry, at, line, value, notes.size());
    }
    QByteArrayView field;
    for (int i = 0; i < notes.size(); ++i) {
        const qsizetype at = reader.position();
        if (!reader.stringField(field))
            return false;
        if (!noticed) {
            decodeNotes(field, notes, i, nullptr);
            continue;
        }
        bool notUtf8 = false;
        decodeNotes(field, notes, i, &notUtf8);
        if (notes.hasNotes(i) && !notes.hasParts(i))
            noticed.add(5 + i, at,
                QStringLiteral("no separator between the game master's and the players' notes; the boxes show "
                               "them empty and the text is kept as it is"));
        if (notUtf8)
            noticed.add(5 + i, at, QStringLiteral("the text is not UTF-8; it is read as Windows-1252"));
    }
    if (noticed) {
        qsizetype at = reader.position();
        while (at < data.size() && QChar::isSpace(uchar(data[at])))
            ++at;
        if (const int lines = linesAfterNotes(data.sliced(at)))
            noticed.add(5 + notes.size(), at,
                lines == 1 ? QStringLiteral("1 more line is not loaded")
                           : QStringLiteral("%1 more lines are not loaded").arg(lines));
    }
    return true;
}

bool readWholeFile(const QString &fileName, QByteArray &data, QString *error)
{
    return readRegularFile(fileName, kMaxStateBytes, data, error);
}

bool loadStateFile(const QString &fileName, ViewState &view, NotesStore &notes)
{
    QByteArray data;
    return readWholeFile(fileName, data, nullptr) && decodeState(data, view, notes);
}
