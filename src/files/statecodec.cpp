#include "files/statecodec.h"

#include "index/notesstore.h"
#include "mapview/viewstate.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

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

bool readWhole(FieldReader &reader, qint32 &value)
{
    QByteArray line;
    if (!reader.line(line))
        return false;
    bool ok = false;
    const qint32 number = line.trimmed().toInt(&ok, 10);
    if (ok)
        value = number;
    return ok;
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
    QStringDecoder windows1252("windows-1252");
    return windows1252.decode(piece);
}

} // namespace

QByteArray encodeNotes(const QString &text)
{
    // In UTF-8 the separator character U+00FF is the byte pair C3 BF, and that pair stands for
    // nothing else; it becomes the single byte 0xFF. Quotes are doubled.
    const QByteArray utf8 = text.toUtf8();
    const char *bytes = utf8.constData();
    const qsizetype size = utf8.size();
    QByteArray line;
    line.reserve(size + utf8.count(kQuote) + 2);
    line.append(kQuote);
    qsizetype copied = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (bytes[i] == kQuote) {
            line.append(bytes + copied, i + 1 - copied).append(kQuote);
            copied = i + 1;
        } else if (bytes[i] == '\xC3' && i + 1 < size && bytes[i + 1] == '\xBF') {
            line.append(bytes + copied, i - copied).append(kSeparatorByte);
            copied = i + 2;
            ++i;
        }
    }
    line.append(bytes + copied, size - copied);
    line.append(kQuote);
    return line;
}

QString decodeNotes(const QByteArray &bytes)
{
    if (!bytes.contains(kSeparatorByte))
        return decodePiece(bytes);
    QStringList pieces;
    for (const QByteArray &piece : bytes.split(kSeparatorByte))
        pieces.append(decodePiece(piece));
    return pieces.join(NotesStore::kSeparator);
}

QByteArray encodeState(const ViewState &view, const NotesStore &notes, bool playerMode)
{
    QByteArray data;
    qsizetype estimate = 64;
    for (int i = 0; i < notes.size(); ++i)
        estimate += notes.text(i).size() + 4;
    data.reserve(estimate);
    for (const qint32 value : { view.selstar, view.diststar, view.yorg, view.xorg, view.colmode })
        data.append(QByteArray::number(value)).append(kLineEnd);
    for (int i = 0; i < notes.size(); ++i) {
        if (!playerMode) {
            data.append(encodeNotes(notes.text(i)));
        } else {
            // The game-master text never reaches a player map.
            const QStringList parts = NotesStore::parts(notes.text(i));
            data.append(parts.size() >= 2 ? encodeNotes(NotesStore::kSeparator + parts.at(1)) : encodeNotes({}));
        }
        data.append(kLineEnd);
    }
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
        notes.setText(i, decodeNotes(field));
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
