#include "files/statecodec.h"

#include "common/textnumber.h"
#include "index/notesstore.h"
#include "mapview/viewstate.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <limits>

namespace {

constexpr char kSeparatorByte = '\xFF';
constexpr char kQuote = '"';
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// Reads the file's fields from its bytes, the way line-and-field text input does.
class FieldReader
{
public:
    explicit FieldReader(const QByteArray &data)
        : m_data(data)
    { }

    // One line without its line end; false at the end of the data.
    bool line(QByteArray &out)
    {
        if (m_pos >= m_data.size())
            return false;
        qsizetype end = m_data.indexOf('\n', m_pos);
        if (end < 0)
            end = m_data.size();
        out = m_data.mid(m_pos, end - m_pos);
        if (out.endsWith('\r'))
            out.chop(1);
        m_pos = end + 1;
        return true;
    }

    // One string field: a quoted string runs to its closing quote (a doubled quote inside stands
    // for one quote; line breaks and commas belong to the text); an unquoted one runs to the next
    // comma or line end. The delimiter after the field is consumed.
    bool stringField(QByteArray &out)
    {
        while (m_pos < m_data.size() && (m_data.at(m_pos) == ' ' || m_data.at(m_pos) == '\t'))
            ++m_pos;
        if (m_pos >= m_data.size())
            return false;
        if (m_data.at(m_pos) != kQuote) {
            const qsizetype end = delimiterFrom(m_pos);
            out = m_data.mid(m_pos, end - m_pos).trimmed();
            consumeDelimiter(end);
            return true;
        }
        out.clear();
        ++m_pos;
        for (;;) {
            const qsizetype close = m_data.indexOf(kQuote, m_pos);
            if (close < 0)
                return false;
            out.append(m_data.constData() + m_pos, close - m_pos);
            m_pos = close + 1;
            if (m_pos < m_data.size() && m_data.at(m_pos) == kQuote) {
                out.append(kQuote);
                ++m_pos;
                continue;
            }
            break;
        }
        consumeDelimiter(delimiterFrom(m_pos));
        return true;
    }

private:
    qsizetype delimiterFrom(qsizetype pos) const
    {
        while (pos < m_data.size() && m_data.at(pos) != ',' && m_data.at(pos) != '\r' && m_data.at(pos) != '\n')
            ++pos;
        return pos;
    }

    void consumeDelimiter(qsizetype pos)
    {
        m_pos = pos;
        if (m_pos >= m_data.size())
            return;
        const char c = m_data.at(m_pos++);
        if (c == '\r' && m_pos < m_data.size() && m_data.at(m_pos) == '\n')
            ++m_pos;
    }

    const QByteArray &m_data;
    qsizetype m_pos = 0;
};

// One header line as a whole number: decimal whatever its leading zeros; a number with a fraction
// or an exponent ("7.0", "1e1") is rounded, halves to the even neighbour. Anything else, or a
// number outside the 32-bit range, fails.
bool readWhole(FieldReader &reader, qint32 &value)
{
    QByteArray line;
    if (!reader.line(line))
        return false;
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

// A star index from the file: anything outside the star table means no star.
qint32 starOrNone(qint32 index, int starCount)
{
    return index >= -1 && index < starCount ? index : -1;
}

QString decodePiece(const QByteArray &piece)
{
    QStringDecoder utf8(
        QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(piece);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252", QStringConverter::Flag::Stateless);
    if (windows1252.isValid())
        return windows1252.decode(piece);
    // A Qt without that code page: Latin-1 reads the same except for the bytes 0x80 to 0x9F.
    return QString::fromLatin1(piece);
}

// One text as UTF-8 with every quote doubled.
QByteArray quotedContent(const QString &text)
{
    QByteArray utf8 = text.toUtf8();
    return utf8.replace(kQuote, QByteArrayLiteral("\"\""));
}

// The quoted line of one star's notes (without the line end). The separator byte 0xFF goes only
// between the game-master and the player text: a typed U+00FF is written as its UTF-8 bytes C3 BF,
// so it reads back as text. In player mode only the separator and the player text are written.
QByteArray encodeNotes(const NotesStore &notes, int index, bool playerMode)
{
    QByteArray line(1, kQuote);
    if (notes.hasParts(index)) {
        if (!playerMode)
            line.append(quotedContent(notes.gameMasterText(index)));
        line.append(kSeparatorByte).append(quotedContent(notes.playerText(index)));
        if (!playerMode)
            for (const QString &piece : notes.hiddenPieces(index))
                line.append(kSeparatorByte).append(quotedContent(piece));
    } else if (!playerMode) {
        line.append(quotedContent(notes.gameMasterText(index)));
    }
    return line.append(kQuote);
}

// One star's notes from its quoted string's bytes: the game-master text before the first 0xFF byte
// and the player text after it, each piece UTF-8 when it is valid UTF-8, otherwise Windows-1252
// (files written by older programs in that code page). A string without the byte is a text without
// parts. Pieces after a second 0xFF byte are kept hidden: the boxes and the exports never show
// them, but a game-state file writes them back.
void decodeNotes(const QByteArray &bytes, NotesStore &notes, int index)
{
    if (!bytes.contains(kSeparatorByte)) {
        notes.setTextWithoutParts(index, decodePiece(bytes));
        return;
    }
    const QList<QByteArray> pieces = bytes.split(kSeparatorByte);
    QStringList hidden;
    for (qsizetype i = 2; i < pieces.size(); ++i)
        hidden.append(decodePiece(pieces.at(i)));
    notes.setNotes(index, decodePiece(pieces.at(0)), decodePiece(pieces.at(1)), hidden);
}

} // namespace

QByteArray encodeState(const ViewState &view, const NotesStore &notes, bool playerMode)
{
    QByteArray data;
    qsizetype estimate = 64;
    for (int i = 0; i < notes.size(); ++i)
        estimate += notes.gameMasterText(i).size() + notes.playerText(i).size() + 5;
    data.reserve(estimate);
    for (const qint32 value : { view.selstar, view.diststar, view.yorg, view.xorg, view.colmode })
        data.append(QByteArray::number(value)).append(kLineEnd);
    for (int i = 0; i < notes.size(); ++i)
        data.append(encodeNotes(notes, i, playerMode)).append(kLineEnd);
    return data;
}

bool decodeState(QIODevice &in, ViewState &view, NotesStore &notes)
{
    const QByteArray data = in.readAll();
    FieldReader reader(data);
    qint32 index = 0;
    for (qint32 *field : { &view.selstar, &view.diststar }) {
        if (!readWhole(reader, index))
            return false;
        *field = starOrNone(index, notes.size());
    }
    for (qint32 *field : { &view.yorg, &view.xorg, &view.colmode })
        if (!readWhole(reader, *field))
            return false;
    QByteArray field;
    for (int i = 0; i < notes.size(); ++i) {
        if (!reader.stringField(field))
            return false;
        decodeNotes(field, notes, i);
    }
    return true;
}

bool saveStateFile(const QString &fileName, const ViewState &view, const NotesStore &notes, bool playerMode)
{
    QSaveFile file(fileName);
    // Unbuffered, so that a write that fails part-way (a full disk, a size limit) shows here: with
    // a buffer, a small file is only written inside commit(), which then replaces the old file
    // with the cut-off one and still reports success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray data = encodeState(view, notes, playerMode);
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool loadStateFile(const QString &fileName, ViewState &view, NotesStore &notes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return decodeState(file, view, notes);
}
