#include "index/indexentrylist.h"

#include "catalogue/startable.h"
#include "index/indexmarks.h"
#include "mapview/paintersurface.h"
#include "navigation/inputcodes.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr double kEntryPoints = 9.0; // the entries and the marks beside them
constexpr QRect kListArea(0, 0, 14190, 6540); // above the selected system's caption
const QColor kFilteredOut(0xB4, 0xB4, 0xB4);
constexpr char kStarProperty[] = "star";

} // namespace

IndexEntryList::IndexEntryList(const IndexDesign &design, QWidget *window)
    : QWidget(window)
    , m_design(design)
{
    setObjectName(QStringLiteral("indexlist"));
    setGeometry(m_design.toPixels(kListArea));
}

void IndexEntryList::build(const StarTable &stars)
{
    if (!m_entries.empty())
        return;
    const QFont font = IndexDesign::arial(kEntryPoints);
    const QFontMetricsF metrics(font, this);
    const double twipsPerPixelX = 1440.0 / logicalDpiX();
    m_layout = ListLayout(metrics.height() * 1440.0 / logicalDpiY(), kListArea.width());
    for (int i = 0; i < stars.size(); ++i) {
        auto *entry = new QLabel(stars[i].starName, this);
        entry->setObjectName(QStringLiteral("fullist%1").arg(i));
        entry->setFont(font);
        entry->setProperty(kStarProperty, i);
        entry->installEventFilter(this);
        entry->setIndent(1);
        entry->setToolTip(marksExplained());
        // Entries the filter leaves out are greyed; the marks set only their enabled colours.
        QPalette palette = entry->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText, kFilteredOut);
        entry->setPalette(palette);
        // As wide as the caption plus a one-pixel border on each side; the border is drawn by the list.
        m_widths.push_back((std::ceil(metrics.horizontalAdvance(entry->text())) + 2) * twipsPerPixelX);
        m_entries.push_back(entry);
        m_listed.push_back(i);
        place(i, i);
        entry->show();
    }
}

void IndexEntryList::place(int star, int place)
{
    const QPoint pos = m_layout.entryPos(place);
    const size_t i = static_cast<size_t>(star);
    m_entries[i]->setGeometry(
        m_design.toPixels(pos.x(), pos.y(), m_widths[i], m_layout.rowH()).translated(-this->pos()));
}

void IndexEntryList::showEntries(const std::vector<int> &stars, std::vector<IndexEntryMark> marks)
{
    if (stars != m_listed) {
        std::vector<bool> listed(m_entries.size(), false);
        for (size_t k = 0; k < stars.size(); ++k) {
            place(stars[k], static_cast<int>(k));
            listed[static_cast<size_t>(stars[k])] = true;
        }
        for (size_t i = 0; i < m_entries.size(); ++i)
            m_entries[i]->setVisible(listed[i]);
        m_listed = stars;
    }
    m_marks = std::move(marks);
    for (size_t k = 0; k < m_listed.size() && k < m_marks.size(); ++k) {
        QLabel *entry = m_entries[static_cast<size_t>(m_listed[k])];
        const QColor text = toQColor(m_marks[k].textColour);
        QPalette palette = entry->palette();
        palette.setColor(QPalette::Active, QPalette::WindowText, text);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
        entry->setPalette(palette);
    }
    update();
}

void IndexEntryList::showMatches(const std::vector<bool> &matched)
{
    for (size_t i = 0; i < m_entries.size() && i < matched.size(); ++i)
        m_entries[i]->setEnabled(matched[i]);
}

bool IndexEntryList::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const QVariant star = watched->property(kStarProperty);
        if (star.isValid()) {
            emit entryPressed(star.toInt(), mouseButtonCode(static_cast<QMouseEvent *>(event)->button()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void IndexEntryList::paintEvent(QPaintEvent *)
{
    if (m_marks.empty())
        return;
    QPainter painter(this);
    // A single black line around the selected and the second star's entries, under their text.
    painter.setPen(Qt::black);
    for (size_t k = 0; k < m_listed.size() && k < m_marks.size(); ++k)
        if (m_marks[k].border)
            painter.drawRect(m_entries[static_cast<size_t>(m_listed[k])]->geometry().adjusted(0, 0, -1, -1));
    const QSizeF twips(width() * 1440.0 / logicalDpiX(), height() * 1440.0 / logicalDpiY());
    PainterSurface surface(painter, twips, QRectF(rect()), false);
    surface.fontName = QStringLiteral("Arial");
    surface.fontSize = kEntryPoints;
    drawIndexMarks(surface, m_marks, m_layout, m_widths.empty() ? 0.0 : m_widths.front());
}
