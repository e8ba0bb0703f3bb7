#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>

#include <vector>

// A click area on one page that goes to another page of the same document.
struct PageLink
{
    int page = 0; // 0-based page the area is on
    QRectF rect; // in PDF points, origin at the bottom left of the page
    int target = 0; // 0-based page it goes to
};

// One entry of the document outline (the bookmarks a PDF reader shows in its sidebar).
struct OutlineEntry
{
    QString title;
    int page = 0; // 0-based page it opens
};

// What QPainter cannot put into a PDF: links between its pages and a document outline.
struct PdfNavigation
{
    std::vector<PageLink> links;
    std::vector<OutlineEntry> outline; // in order, all at the top level
};

// The document `pdf` with the links and the outline of `navigation` added, written anew by libqpdf;
// the pages' content streams are copied as they are. Empty, with the reason in `error`, when `pdf`
// is not a readable PDF or a page number of `navigation` is not one of its pages.
QByteArray withNavigation(const QByteArray &pdf, const PdfNavigation &navigation, QString *error = nullptr);
