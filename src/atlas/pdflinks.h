#pragma once

#include <QByteArray>
#include <QRectF>

#include <vector>

// A click area on one page that goes to another page of the same document.
struct PageLink
{
    int page = 0; // 0-based page the area is on
    QRectF rect; // in PDF points, origin at the bottom left of the page
    int target = 0; // 0-based page it goes to
};

// QPainter has no way to put a link to another page into a PDF, so the links are added after
// the document is written, as an incremental update appended to it: new versions of the pages'
// annotation arrays (QPdfWriter gives every page one, empty) listing new link annotations, a
// cross-reference section for them and a trailer pointing back at the original one. The bytes the
// writer wrote stay as they are. False, with `pdf` unchanged, when the document is not laid out
// that way or a page number is out of range.
bool addPageLinks(QByteArray &pdf, const std::vector<PageLink> &links);
