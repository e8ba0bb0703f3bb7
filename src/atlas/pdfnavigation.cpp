#include "atlas/pdfnavigation.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <stdexcept>

namespace {

QPDFObjectHandle pageAt(const std::vector<QPDFPageObjectHelper> &pages, int page)
{
    if (page < 0 || page >= static_cast<int>(pages.size()))
        throw std::out_of_range(
            "no page " + std::to_string(page + 1) + " in a document of " + std::to_string(pages.size()) + " pages");
    return pages[static_cast<size_t>(page)].getObjectHandle();
}

// "[page /Fit]": the whole page in the window.
QPDFObjectHandle destination(const std::vector<QPDFPageObjectHelper> &pages, int page)
{
    return QPDFObjectHandle::newArray({ pageAt(pages, page), QPDFObjectHandle::newName("/Fit") });
}

void addLinks(QPDF &pdf, const std::vector<QPDFPageObjectHelper> &pages, const std::vector<PageLink> &links)
{
    for (const PageLink &link : links) {
        QPDFObjectHandle page = pageAt(pages, link.page);
        const QRectF r = link.rect.normalized();
        QPDFObjectHandle annotation = QPDFObjectHandle::newDictionary();
        annotation.replaceKey("/Type", QPDFObjectHandle::newName("/Annot"));
        annotation.replaceKey("/Subtype", QPDFObjectHandle::newName("/Link"));
        annotation.replaceKey("/Rect",
            QPDFObjectHandle::newFromRectangle(QPDFObjectHandle::Rectangle(r.left(), r.top(), r.right(), r.bottom())));
        annotation.replaceKey("/Border",
            QPDFObjectHandle::newArray(
                { QPDFObjectHandle::newInteger(0), QPDFObjectHandle::newInteger(0), QPDFObjectHandle::newInteger(0) }));
        annotation.replaceKey("/Dest", destination(pages, link.target));
        QPDFObjectHandle annotations = page.getKey("/Annots");
        if (!annotations.isArray()) {
            annotations = QPDFObjectHandle::newArray();
            page.replaceKey("/Annots", annotations);
        }
        annotations.appendItem(pdf.makeIndirectObject(annotation));
    }
}

// A flat outline: every entry a child of the outline dictionary, chained by /Prev and /Next.
void addOutline(QPDF &pdf, const std::vector<QPDFPageObjectHelper> &pages, const std::vector<OutlineEntry> &entries)
{
    if (entries.empty())
        return;
    QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    outlines.replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
    QPDFObjectHandle previous;
    for (const OutlineEntry &entry : entries) {
        QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(entry.title.toStdString()));
        item.replaceKey("/Parent", outlines);
        item.replaceKey("/Dest", destination(pages, entry.page));
        if (previous.isInitialized()) {
            item.replaceKey("/Prev", previous);
            previous.replaceKey("/Next", item);
        } else {
            outlines.replaceKey("/First", item);
        }
        previous = item;
    }
    outlines.replaceKey("/Last", previous);
    outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(static_cast<long long>(entries.size())));
    QPDFObjectHandle root = pdf.getRoot();
    root.replaceKey("/Outlines", outlines);
    root.replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));
}

} // namespace

QByteArray withNavigation(const QByteArray &pdf, const PdfNavigation &navigation, QString *error)
{
    try {
        QPDF document;
        // The document is one this program has just written: anything to repair is a fault to report.
        document.setSuppressWarnings(true);
        document.setAttemptRecovery(false);
        document.processMemoryFile("atlas", pdf.constData(), static_cast<size_t>(pdf.size()));
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
        addLinks(document, pages, navigation.links);
        addOutline(document, pages, navigation.outline);

        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.setStreamDataMode(qpdf_s_preserve);
        writer.setDeterministicID(true);
        writer.write();
        if (document.anyWarnings())
            throw std::runtime_error(document.getWarnings().front().what());
        const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
        return QByteArray(
            reinterpret_cast<const char *>(written->getBuffer()), static_cast<qsizetype>(written->getSize()));
    } catch (const std::exception &fault) {
        if (error)
            *error = QString::fromStdString(fault.what());
        return {};
    }
}
