#include "atlas/pdflinks.h"

#include "atlas/pdfreader.h"

#include <map>

namespace {

QByteArray number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

// "n 0 obj ... endobj" with its offset recorded for the cross-reference section.
void appendObject(QByteArray &out, std::map<int, qsizetype> &offsets, int objectNumber, const QByteArray &body)
{
    offsets[objectNumber] = out.size();
    out += QByteArray::number(objectNumber) + " 0 obj\n" + body + "\nendobj\n";
}

} // namespace

bool addPageLinks(QByteArray &pdf, const std::vector<PageLink> &links)
{
    if (links.empty())
        return true;
    const std::optional<PdfReader> reader = PdfReader::read(pdf);
    if (!reader)
        return false;
    const std::vector<int> pages = reader->pages();
    const auto onPage = [&pages](int page) { return page >= 0 && page < static_cast<int>(pages.size()); };

    // The annotation array of every page that gets links, with what it already lists.
    std::map<int, std::vector<int>> arrays; // array object -> annotations
    std::map<int, int> arrayOfPage;
    for (const PageLink &link : links) {
        if (!onPage(link.page) || !onPage(link.target))
            return false;
        if (arrayOfPage.count(link.page))
            continue;
        const int array = PdfReader::reference(PdfReader::value(reader->object(pages[link.page]), "/Annots"));
        if (array < 0)
            return false;
        arrayOfPage[link.page] = array;
        arrays[array] = PdfReader::references(reader->object(array));
    }

    QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    const qsizetype base = pdf.size();
    std::map<int, qsizetype> offsets;
    int next = reader->size();
    for (const PageLink &link : links) {
        const QRectF r = link.rect.normalized();
        const int annotation = next++;
        appendObject(update, offsets, annotation,
            "<<\n/Type /Annot\n/Subtype /Link\n/Rect [" + number(r.left()) + ' ' + number(r.top()) + ' '
                + number(r.right()) + ' ' + number(r.bottom()) + "]\n/Border [0 0 0]\n/Dest ["
                + QByteArray::number(pages[link.target]) + " 0 R /Fit]\n>>");
        arrays[arrayOfPage[link.page]].push_back(annotation);
    }
    for (const auto &[array, annotations] : arrays) {
        QByteArray body = "[ ";
        for (const int annotation : annotations)
            body += QByteArray::number(annotation) + " 0 R ";
        appendObject(update, offsets, array, body + ']');
    }

    // One subsection per run of consecutive object numbers.
    const qsizetype xref = base + update.size();
    update += "xref\n";
    for (auto run = offsets.begin(); run != offsets.end();) {
        auto end = run;
        int count = 0;
        while (end != offsets.end() && end->first == run->first + count) {
            ++end;
            ++count;
        }
        update += QByteArray::number(run->first) + ' ' + QByteArray::number(count) + '\n';
        for (; run != end; ++run)
            update += QByteArray::number(base + run->second).rightJustified(10, '0') + " 00000 n \n";
    }
    update
        += "trailer\n<<\n/Size " + QByteArray::number(next) + "\n/Root " + PdfReader::value(reader->trailer(), "/Root");
    const QByteArray info = PdfReader::value(reader->trailer(), "/Info");
    if (!info.isNull())
        update += "\n/Info " + info;
    update += "\n/Prev " + QByteArray::number(reader->lastXref()) + "\n>>\nstartxref\n" + QByteArray::number(xref)
        + "\n%%EOF\n";
    pdf += update;
    return true;
}
