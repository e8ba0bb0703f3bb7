#include "notesearch/notessearchpanel.h"

#include "catalogue/startable.h"
#include "notesearch/matchdelegate.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { kStarColumn, kNotesColumn, kLineColumn };

} // namespace

NotesSearchPanel::NotesSearchPanel(const NotesStore &notes, const StarTable &stars, QWidget *owner)
    : QWidget(owner, Qt::Tool)
    , m_search(notes)
    , m_stars(stars)
    , m_field(new QLineEdit(this))
    , m_results(new QTreeWidget(this))
    , m_select(new QPushButton(QStringLiteral("Select Star"), this))
    , m_show(new QPushButton(QStringLiteral("Show in Stellar Index"), this))
    , m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("findnotes"));
    setWindowTitle(QStringLiteral("Find in Notes"));
    m_field->setObjectName(QStringLiteral("findnotesfield"));
    m_field->setPlaceholderText(QStringLiteral("Text in the GM or player notes"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    m_results->setObjectName(QStringLiteral("findnotesresults"));
    m_results->setHeaderLabels({ QStringLiteral("Star"), QStringLiteral("Notes"), QStringLiteral("Line") });
    m_results->setRootIsDecorated(false);
    m_results->installEventFilter(this);
    m_results->setUniformRowHeights(true);
    m_results->setItemDelegateForColumn(kLineColumn, new MatchDelegate(m_results));
    m_results->header()->setStretchLastSection(true);
    m_results->setColumnWidth(kStarColumn, 150);
    m_results->setColumnWidth(kNotesColumn, 60);
    m_select->setObjectName(QStringLiteral("findnotesselect"));
    m_show->setObjectName(QStringLiteral("findnotesshow"));

    m_status->setObjectName(QStringLiteral("findnotesstatus"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_status);
    buttons->addStretch(1);
    buttons->addWidget(m_select);
    buttons->addWidget(m_show);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_field);
    layout->addWidget(m_results, 1);
    layout->addLayout(buttons);
    resize(640, 360);

    connect(m_field, &QLineEdit::textChanged, this, &NotesSearchPanel::refreshResults);
    connect(m_results, &QTreeWidget::itemClicked, this, &NotesSearchPanel::chooseCurrent);
    connect(m_select, &QPushButton::clicked, this, &NotesSearchPanel::chooseCurrent);
    connect(m_show, &QPushButton::clicked, this, &NotesSearchPanel::showCurrentInIndex);
}

void NotesSearchPanel::open()
{
    refreshResults();
    show();
    raise();
    activateWindow();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void NotesSearchPanel::refreshResults()
{
    // The same search again (after a choice redrew the map, or saved notes): the list keeps its row,
    // so that Down, Enter, Down, Enter walks through the matches.
    const bool sameSearch = m_field->text() == m_searched;
    const int row = sameSearch ? m_results->indexOfTopLevelItem(m_results->currentItem()) : 0;
    m_searched = m_field->text();
    m_matches = m_search.find(m_field->text());
    m_results->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(static_cast<qsizetype>(m_matches.size()));
    for (const NotesMatch &match : m_matches) {
        auto *item = new QTreeWidgetItem;
        item->setText(kStarColumn, m_stars.contains(match.star) ? m_stars[match.star].starName : QString());
        item->setText(
            kNotesColumn, match.part == NotesPart::GameMaster ? QStringLiteral("GM") : QStringLiteral("Player"));
        item->setText(kLineColumn, match.line);
        item->setData(kLineColumn, MatchDelegate::kStartRole, match.lineStart);
        item->setData(kLineColumn, MatchDelegate::kLengthRole, match.length);
        items.append(item);
    }
    m_results->addTopLevelItems(items);
    if (!items.isEmpty())
        m_results->setCurrentItem(items.at(qBound(0, row, static_cast<int>(items.size()) - 1)));
    m_select->setEnabled(!items.isEmpty());
    m_show->setEnabled(!items.isEmpty());
    m_status->setText(status());
}

QString NotesSearchPanel::status() const
{
    if (m_field->text().isEmpty())
        return {};
    if (m_matches.empty())
        return QStringLiteral("No notes match");
    return m_matches.size() == 1 ? QStringLiteral("1 note matches")
                                 : QStringLiteral("%1 notes match").arg(m_matches.size());
}

const NotesMatch *NotesSearchPanel::currentMatch() const
{
    const int row = m_results->indexOfTopLevelItem(m_results->currentItem());
    return row >= 0 && row < static_cast<int>(m_matches.size()) ? &m_matches[static_cast<size_t>(row)] : nullptr;
}

void NotesSearchPanel::chooseCurrent()
{
    if (const NotesMatch *match = currentMatch())
        emit starChosen(match->star);
}

void NotesSearchPanel::showCurrentInIndex()
{
    if (const NotesMatch *match = currentMatch()) {
        const NotesMatch chosen = *match; // the list may be rebuilt while the index opens
        emit showInIndex(chosen);
    }
}

bool NotesSearchPanel::handleKey(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event.modifiers() & Qt::ControlModifier)
            showCurrentInIndex();
        else
            chooseCurrent();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

bool NotesSearchPanel::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_field || watched == m_results) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (handleKey(*key))
            return true;
        // Up and Down in the field move through the list, so that Enter can choose any row.
        const bool moves = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_PageUp
            || key->key() == Qt::Key_PageDown;
        if (watched == m_field && moves) {
            QCoreApplication::sendEvent(m_results, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NotesSearchPanel::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(*event))
        QWidget::keyPressEvent(event);
}
