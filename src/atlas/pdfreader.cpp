#include "atlas/pdfreader.h"

#include <QByteArrayList>
#include <QByteArrayView>

namespace {

constexpr int kMaxUpdates = 64; // a longer /Prev chain is taken as a loop
constexpr int kMaxTreeDepth = 32;

bool isWhite(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool isDelimiter(char c)
{
    return isWhite(c) || c == '/' || c == '[' || c == ']' || c == '<' || c == '>' || c == '(' || c == ')' || c == '%';
}

qsizetype skipWhite(const QByteArray &text, qsizetype i)
{
    while (i < text.size()) {
        if (text[i] == '%') { // a comment runs to the end of its line
            while (i < text.size() && text[i] != '\n' && text[i] != '\r')
                ++i;
        } else if (isWhite(text[i])) {
            ++i;
        } else {
            break;
        }
    }
    return i;
}

// The end of the single token or nested value starting at `i`.
qsizetype skipToken(const QByteArray &text, qsizetype i)
{
    if (i >= text.size())
        return i;
    const char c = text[i];
    if (c == '(') {
        int depth = 0;
        for (; i < text.size(); ++i) {
            if (text[i] == '\\')
                ++i;
            else if (text[i] == '(')
                ++depth;
            else if (text[i] == ')' && --depth == 0)
                return i + 1;
        }
        return i;
    }
    if (c == '<' && i + 1 < text.size() && text[i + 1] == '<') {
        int depth = 0;
        while (i < text.size()) {
            if (text.mid(i, 2) == "<<") {
                ++depth;
                i += 2;
            } else if (text.mid(i, 2) == ">>") {
                i += 2;
                if (--depth == 0)
                    return i;
            } else if (text[i] == '(') {
                i = skipToken(text, i);
            } else {
                ++i;
            }
        }
        return i;
    }
    if (c == '<') {
        const qsizetype end = text.indexOf('>', i);
        return end < 0 ? text.size() : end + 1;
    }
    if (c == '[') {
        i = skipWhite(text, i + 1);
        while (i < text.size() && text[i] != ']')
            i = skipWhite(text, skipToken(text, i));
        return qMin(i + 1, text.size());
    }
    if (c == '/')
        ++i;
    else if (isDelimiter(c))
        return i + 1;
    while (i < text.size() && !isDelimiter(text[i]))
        ++i;
    return i;
}

bool isInteger(QByteArrayView token)
{
    if (token.isEmpty())
        return false;
    for (const char c : token)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

std::optional<PdfReader> PdfReader::read(const QByteArray &pdf)
{
    PdfReader reader;
    reader.m_pdf = pdf;
    const qsizetype start = pdf.lastIndexOf("startxref");
    if (start < 0)
        return std::nullopt;
    bool ok = false;
    const qsizetype at = skipWhite(pdf, start + 9);
    reader.m_lastXref = pdf.mid(at, skipToken(pdf, at) - at).toLongLong(&ok);
    if (!ok || !reader.readXref(reader.m_lastXref, 0))
        return std::nullopt;
    return reader;
}

bool PdfReader::readXref(qsizetype at, int depth)
{
    if (depth > kMaxUpdates || at < 0 || at >= m_pdf.size() || m_pdf.mid(at, 4) != "xref")
        return false;
    qsizetype i = skipWhite(m_pdf, at + 4);
    // Subsections of "first count" and then count entries of 20 bytes; newer updates are read first and win.
    while (i < m_pdf.size() && m_pdf.mid(i, 7) != "trailer") {
        const qsizetype firstEnd = skipToken(m_pdf, i);
        const qsizetype countAt = skipWhite(m_pdf, firstEnd);
        const qsizetype countEnd = skipToken(m_pdf, countAt);
        bool okFirst = false, okCount = false;
        const int first = m_pdf.mid(i, firstEnd - i).toInt(&okFirst);
        const int count = m_pdf.mid(countAt, countEnd - countAt).toInt(&okCount);
        if (!okFirst || !okCount || count < 0)
            return false;
        i = skipWhite(m_pdf, countEnd);
        for (int n = 0; n < count; ++n, i += 20) {
            if (i + 18 > m_pdf.size())
                return false;
            if (m_pdf[i + 17] == 'n' && !m_offsets.count(first + n))
                m_offsets[first + n] = m_pdf.mid(i, 10).toLongLong();
        }
        i = skipWhite(m_pdf, i);
    }
    const qsizetype dictAt = skipWhite(m_pdf, i + 7);
    const QByteArray trailer = m_pdf.mid(dictAt, skipToken(m_pdf, dictAt) - dictAt);
    if (depth == 0) {
        m_trailer = trailer;
        m_size = value(trailer, "/Size").toInt();
    }
    const QByteArray prev = value(trailer, "/Prev");
    return prev.isNull() || readXref(prev.toLongLong(), depth + 1);
}

QByteArray PdfReader::object(int number) const
{
    const auto found = m_offsets.find(number);
    if (found == m_offsets.end())
        return {};
    const qsizetype objAt = m_pdf.indexOf("obj", found->second);
    if (objAt < 0)
        return {};
    const qsizetype start = objAt + 3;
    qsizetype end = m_pdf.indexOf("endobj", start);
    const qsizetype stream = m_pdf.indexOf("stream", start);
    if (stream >= 0 && (end < 0 || stream < end))
        end = stream;
    return m_pdf.mid(start, (end < 0 ? m_pdf.size() : end) - start).trimmed();
}

QByteArray PdfReader::value(const QByteArray &dictionary, const QByteArray &name)
{
    qsizetype i = skipWhite(dictionary, 0);
    if (dictionary.mid(i, 2) != "<<")
        return {};
    i = skipWhite(dictionary, i + 2);
    while (i < dictionary.size() && dictionary.mid(i, 2) != ">>") {
        const qsizetype keyEnd = skipToken(dictionary, i);
        const QByteArray key = dictionary.mid(i, keyEnd - i);
        qsizetype valueAt = skipWhite(dictionary, keyEnd);
        qsizetype valueEnd = skipToken(dictionary, valueAt);
        // "n g R" is one value.
        const qsizetype genAt = skipWhite(dictionary, valueEnd);
        const qsizetype genEnd = skipToken(dictionary, genAt);
        const qsizetype rAt = skipWhite(dictionary, genEnd);
        if (isInteger(QByteArrayView(dictionary).sliced(valueAt, valueEnd - valueAt))
            && isInteger(QByteArrayView(dictionary).sliced(genAt, genEnd - genAt)) && dictionary.mid(rAt, 1) == "R"
            && (rAt + 1 >= dictionary.size() || isDelimiter(dictionary[rAt + 1])))
            valueEnd = rAt + 1;
        if (key == name)
            return dictionary.mid(valueAt, valueEnd - valueAt);
        if (valueEnd <= i)
            break;
        i = skipWhite(dictionary, valueEnd);
    }
    return {};
}

int PdfReader::reference(const QByteArray &value)
{
    const QList<QByteArray> parts = value.simplified().split(' ');
    bool ok = false;
    const int number = parts.size() == 3 && parts[2] == "R" ? parts[0].toInt(&ok) : -1;
    return ok ? number : -1;
}

std::vector<int> PdfReader::references(const QByteArray &array)
{
    std::vector<int> found;
    const QList<QByteArray> parts = QByteArray(array).replace('[', ' ').replace(']', ' ').simplified().split(' ');
    for (qsizetype i = 0; i + 2 < parts.size(); ++i) {
        bool ok = false;
        const int number = parts[i].toInt(&ok);
        if (ok && parts[i + 2] == "R") {
            found.push_back(number);
            i += 2;
        }
    }
    return found;
}

std::vector<int> PdfReader::pages() const
{
    std::vector<int> pages;
    const int catalogue = reference(value(m_trailer, "/Root"));
    // Depth-first through /Kids; a node deeper than kMaxTreeDepth is taken as a loop and left out.
    std::vector<std::pair<int, int>> stack;
    const int root = reference(value(object(catalogue), "/Pages"));
    if (root >= 0)
        stack.push_back({ root, 0 });
    while (!stack.empty()) {
        const auto [node, depth] = stack.back();
        stack.pop_back();
        const QByteArray dictionary = object(node);
        const QByteArray type = value(dictionary, "/Type");
        if (type == "/Page") {
            pages.push_back(node);
        } else if (type == "/Pages" && depth < kMaxTreeDepth) {
            const std::vector<int> kids = references(value(dictionary, "/Kids"));
            for (auto kid = kids.rbegin(); kid != kids.rend(); ++kid)
                stack.push_back({ *kid, depth + 1 });
        }
    }
    return pages;
}
