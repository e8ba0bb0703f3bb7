#include "files/statecheck.h"

#include "catalogue/startable.h"
#include "files/statecodec.h"

#include <QtAlgorithms>

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr char kQuote = '"';
constexpr int kHeaderLines = 5;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

class Checker
{
public:
    Checker(QByteArrayView data, int starCount)
        : m_data(data)
        , m_bytes(data.data())
        , m_starCount(starCount)
    { }

    StateFault run()
    {
        m_pos = byteOrderMarkLength(m_data);
        for (int entry = 0; entry < kHeaderLines; ++entry)
            if (!headerLine(entry))
                return m_fault;
        m_fault.readableEnd = m_pos;
        for (int star = 0; star < m_starCount; ++star) {
            if (!notes(kHeaderLines + star))
                return m_fault;
            m_fault.readableEnd = m_pos;
            m_fault.readableStars = star + 1;
        }
        return m_fault;
    }

private:
    bool fault(StateFault::Problem problem, int entry, qsizetype at)
    {
        m_fault.problem = problem;
        m_fault.entry = entry;
        m_fault.line = int(m_data.first(at).count('\n')) + 1;
        return false;
    }

    // As the reader takes a header line: up to the line feed, a carriage return before it dropped.
    bool headerLine(int entry)
    {
        if (m_pos >= m_data.size())
            return fault(StateFault::Problem::FileEnds, entry, m_pos);
        qsizetype end = m_data.indexOf('\n', m_pos);
        if (end < 0)
            end = m_data.size();
        QByteArrayView line = m_data.sliced(m_pos, end - m_pos);
        if (line.endsWith('\r'))
            line.chop(1);
        qint32 value = 0;
        if (!readWholeNumber(line, value))
            return fault(StateFault::Problem::NotWholeNumber, entry, m_pos);
        m_pos = std::min(end + 1, m_data.size()); // the last line may have no line end
        return true;
    }

    // One star's notes, framed exactly as the reader frames a string field.
    bool notes(int entry)
    {
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && isBlank(m_bytes[m_pos]))
            ++m_pos;
        if (m_pos >= m_data.size())
            return fault(StateFault::Problem::FileEnds, entry, start);
        if (m_bytes[m_pos] != kQuote)
            return unquoted(entry, start);
        const qsizetype open = m_pos;
        const qsizetype close = closingQuote(open + 1);
        if (close < 0)
            return fault(StateFault::Problem::NoClosingQuote, entry, open);
        m_pos = close + 1;
        while (m_pos < m_data.size() && isBlank(m_bytes[m_pos]))
            ++m_pos;
        if (m_pos < m_data.size() && m_bytes[m_pos] != '\r' && m_bytes[m_pos] != '\n') {
            // A quote that starts a later line and has text after it is most likely the opening
            // quote of the next star's notes: this star's string was never closed.
            if (startsLine(close) && m_data.sliced(open, close - open).contains('\n'))
                return fault(StateFault::Problem::NoClosingQuote, entry, open);
            return fault(StateFault::Problem::TextAfterClosingQuote, entry, close);
        }
        consumeLineEnd();
        return true;
    }

    // The first quote from `from` on that is not doubled, or -1.
    qsizetype closingQuote(qsizetype from) const
    {
        const qsizetype size = m_data.size();
        qsizetype pos = from;
#ifdef __SSE2__
        // Sixteen bytes at a time: notes hold a doubled quote every few dozen characters, and a
        // library search call for each cost as much as the reading of the notes after the check.
        while (pos + 16 <= size) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(m_bytes + pos));
            unsigned quotes = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(kQuote))));
            qsizetype next = pos + 16;
            while (quotes) {
                const int at = int(qCountTrailingZeroBits(quotes));
                const qsizetype quote = pos + at;
                if (quote + 1 >= size || m_bytes[quote + 1] != kQuote)
                    return quote;
                if (at == 15) { // its pair is the first byte of the next sixteen
                    next = quote + 2;
                    break;
                }
                quotes &= ~(3u << at);
            }
            pos = next;
        }
#endif
        for (; pos < size; ++pos) {
            if (m_bytes[pos] != kQuote)
                continue;
            if (pos + 1 >= size || m_bytes[pos + 1] != kQuote)
                return pos;
            ++pos;
        }
        return -1;
    }

    bool unquoted(int entry, qsizetype start)
    {
        while (m_pos < m_data.size() && m_bytes[m_pos] != ',' && m_bytes[m_pos] != '\r' && m_bytes[m_pos] != '\n')
            ++m_pos;
        // The reader would end the field at the comma and give the rest of the line to the next star.
        if (m_pos < m_data.size() && m_bytes[m_pos] == ',')
            return fault(StateFault::Problem::CommaWithoutQuotes, entry, start);
        consumeLineEnd();
        return true;
    }

    bool startsLine(qsizetype at) const
    {
        while (at > 0 && isBlank(m_bytes[at - 1]))
            --at;
        return at > 0 && m_bytes[at - 1] == '\n';
    }

    void consumeLineEnd()
    {
        if (m_pos >= m_data.size())
            return;
        if (m_bytes[m_pos++] == '\r' && m_pos < m_data.size() && m_bytes[m_pos] == '\n')
            ++m_pos;
    }

    QByteArrayView m_data;
    const char *m_bytes; // read directly: the check runs over every byte of a large file
    int m_starCount;
    qsizetype m_pos = 0;
    StateFault m_fault;
};

} // namespace

StateFault checkState(QByteArrayView data, int starCount)
{
    return Checker(data, starCount).run();
}

namespace {

// What an entry of the file holds: "the selected star", "the notes of Alpha Centauri A".
QString entryName(int entry, const StarTable &stars)
{
    static const char *const headers[kHeaderLines]
        = { "the selected star", "the second star", "the sector origin Y", "the sector origin X", "the colour code" };
    const int star = entry - kHeaderLines;
    if (entry < kHeaderLines)
        return QString::fromUtf8(headers[entry]);
    if (star >= stars.size())
        return QStringLiteral("after the notes of the last star");
    return QStringLiteral("the notes of ")
        + (stars.contains(star) ? stars[star].starName.trimmed() : QStringLiteral("star %1").arg(star + 1));
}

} // namespace

QString describeNotice(const ReadNotice &notice, const StarTable &stars)
{
    return QStringLiteral("Line %1, %2: %3").arg(notice.line).arg(entryName(notice.entry, stars), notice.what);
}

QString describeFault(const StateFault &fault, const StarTable &stars)
{
    const QString what = entryName(fault.entry, stars);
    // In the order of StateFault::Problem.
    static const char *const problems[] = { "", "not a whole number", "the file ends here (it may have been cut off)",
        "no closing quote", "text after the closing quote", "a comma in notes without quotes" };
    if (!fault)
        return {};
    const char *const problem = problems[static_cast<int>(fault.problem)];
    return QStringLiteral("Line %1, %2: %3").arg(fault.line).arg(what, QString::fromUtf8(problem));
}
