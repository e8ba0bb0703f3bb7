#pragma once

#include <QByteArray>

#include <map>
#include <optional>
#include <vector>

// Reads the object structure of a PDF with classic cross-reference tables (as QPdfWriter writes
// them, with any incremental updates after): where each object is, the trailer, the page tree.
// It reads dictionaries and arrays as text; streams are never decoded.
class PdfReader
{
public:
    // Null when the file has no readable cross-reference table.
    static std::optional<PdfReader> read(const QByteArray &pdf);

    // The text of object `number` from after "obj" to "endobj" (or to "stream" for a stream).
    QByteArray object(int number) const;
    // The trailer of the newest update.
    const QByteArray &trailer() const { return m_trailer; }
    qsizetype lastXref() const { return m_lastXref; }
    int size() const { return m_size; }
    // The page objects in page order, by walking the page tree from the catalogue.
    std::vector<int> pages() const;

    // In a dictionary's text: the raw text of the value of key `name` ("/Pages" -> "3 0 R"), or
    // null when the key is absent.
    static QByteArray value(const QByteArray &dictionary, const QByteArray &name);
    // The object number of a reference ("3 0 R" -> 3), or -1.
    static int reference(const QByteArray &value);
    // The references in an array's text ("[ 6 0 R 12 0 R ]" -> 6, 12).
    static std::vector<int> references(const QByteArray &array);

private:
    bool readXref(qsizetype at, int depth);

    QByteArray m_pdf;
    std::map<int, qsizetype> m_offsets; // object number -> offset of "n g obj"
    QByteArray m_trailer;
    qsizetype m_lastXref = -1;
    int m_size = 0;
};
