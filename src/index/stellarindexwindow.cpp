#include "index/stellarindexwindow.h"

#include "common/ignoreescape.h"
#include "find/starfindfield.h"
#include "index/indexentries.h"
#include "index/indexentrylist.h"
#include "index/notespanel.h"
#include "index/revealbox.h"
#include "index/routepanel.h"
#include "mapview/mapmodel.h"
#include "navigation/selection.h"
#include "polities/polityedits.h"
#include "reveal/playercopy.h"

#include <QLabel>
#include <QPushButton>

#include <numeric>

namespace {

const QString kNoSelectionCaption = QStringLiteral("Selected System");

// Design sizes and places in twips, below the filter row.
constexpr int kClientWidth = 14190;
constexpr int kClientHeight = 10860; // with the route row below the buttons
constexpr double kWindowPoints = 8.25;

constexpr QRect kFilter(180, 60 - IndexDesign::kFilterRowTwips, 4200, 315);
constexpr QRect kRevealBox(9855, 30 - IndexDesign::kFilterRowTwips, 4200, 360);
constexpr QRect kSelectionLabel(180, 6540, 13875, 375);
constexpr QRect kPolityLabel(3660, 7020, 3375, 315); // beside the GM heading, right-aligned
// The bottom button row, spaced to hold "Generate System" beside the others; each button is as
// wide as its caption needs plus the same margin, with the same gap between neighbours.
constexpr QRect kColourButtons[4]
    = { { 240, 9900, 1530, 375 }, { 1875, 9900, 1530, 375 }, { 3510, 9900, 2550, 375 }, { 6165, 9900, 2250, 375 } };
constexpr QRect kSaveNotesButton(8520, 9900, 1905, 375);
constexpr QRect kGenerateButton(10530, 9900, 1725, 375);
constexpr QRect kExitButton(12360, 9900, 1695, 375);
constexpr QRect kRoutePanel(240, 10380, 13815, 405);

} // namespace

StellarIndexWindow::StellarIndexWindow(MapModel &model, QWidget *owner)
    : QDialog(owner)
    , m_model(model)
    , m_design(*this)
{
    setObjectName(QStringLiteral("Form3"));
    ignoreEscape(*this);
    setWindowTitle(QStringLiteral("Stellar Index"));
    setFont(IndexDesign::arial(kWindowPoints));
    setFixedSize(
        m_design.toPixels(0, -IndexDesign::kFilterRowTwips, kClientWidth, kClientHeight + IndexDesign::kFilterRowTwips)
            .size());

    // Created in tab order, which is also the focus chain.
    QPushButton *exit = m_design.addButton(this, "Command1", QStringLiteral("Exit Stellar Index"), kExitButton);
    m_notes = new NotesPanel(m_model, m_design, this);
    m_selectionLabel = m_design.addHeading(this, "sellabel", kNoSelectionCaption, kSelectionLabel);
    m_polityLabel = new QLabel(this);
    m_polityLabel->setObjectName(QStringLiteral("politylabel"));
    m_polityLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_polityLabel->setGeometry(m_design.toPixels(kPolityLabel));
    for (int i = 0; i < 4; ++i) {
        const size_t k = static_cast<size_t>(i);
        m_colourButtons[k]
            = m_design.addButton(this, qPrintable(QStringLiteral("SIC%1").arg(i)), {}, kColourButtons[i]);
        connect(m_colourButtons[k], &QPushButton::clicked, this, [this, i] { colourButtonClicked(i); });
    }
    m_saveNotesButton = m_design.addButton(this, "savenotes", QStringLiteral("Save System Notes"), kSaveNotesButton);
    m_generate = m_design.addButton(this, "generate", QStringLiteral("Generate System"), kGenerateButton);
    m_routePanel = new RoutePanel(this);
    m_routePanel->setGeometry(m_design.toPixels(kRoutePanel));
    m_revealBox = new RevealBox(this);
    m_revealBox->setGeometry(m_design.toPixels(kRevealBox));
    m_list = new IndexEntryList(m_design, this);

    connect(exit, &QPushButton::clicked, this, &StellarIndexWindow::exitIndex);
    connect(m_saveNotesButton, &QPushButton::clicked, m_notes, &NotesPanel::saveSystemNotes);
    connect(m_generate, &QPushButton::clicked, m_notes, &NotesPanel::generateSystem);
    connect(m_notes, &NotesPanel::redrawRequested, this, &StellarIndexWindow::redrawRequested);
    connect(m_list, &IndexEntryList::entryPressed, this, &StellarIndexWindow::indexEntryPressed);
}

void StellarIndexWindow::buildList()
{
    if (m_filter)
        return;
    m_list->build(*m_model.stars);
    m_everyStar.resize(static_cast<size_t>(m_model.stars->size()));
    std::iota(m_everyStar.begin(), m_everyStar.end(), 0);
    buildFilter();
}

// The filter field above the list: the same type-ahead field as Find Star on the map. Typing greys
// the entries that do not match; Enter selects the chosen star as a left click on its entry does,
// Shift+Enter makes it the second star as a right click does; Escape clears the filter.
void StellarIndexWindow::buildFilter()
{
    m_filter = new StarFindField(*m_model.stars, this);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setPlaceholderText(QStringLiteral("Filter star names"));
    m_filter->setGeometry(m_design.toPixels(kFilter));
    m_filter->show();
    connect(m_filter, &StarFindField::matchesChanged, this, &StellarIndexWindow::applyFilter);
    connect(m_filter, &StarFindField::starChosen, this, [this](int star) { indexEntryPressed(star, 1); });
    connect(m_filter, &StarFindField::secondStarChosen, this, [this](int star) { indexEntryPressed(star, 2); });
    connect(m_filter, &StarFindField::cancelled, m_filter, &QLineEdit::clear);
}

void StellarIndexWindow::applyFilter()
{
    std::vector<bool> matched(m_everyStar.size(), m_filter->text().trimmed().isEmpty());
    for (const int star : m_filter->matches())
        matched[static_cast<size_t>(star)] = true;
    m_list->showMatches(matched);
}

void StellarIndexWindow::setColourCaptions(const std::array<QString, 4> &captions)
{
    for (size_t i = 0; i < captions.size(); ++i)
        m_colourButtons[i]->setText(captions[i]);
}

void StellarIndexWindow::applyFrame(const PlayerCopy *players)
{
    // The marks, the caption and the polity come from the model the map shows: in the player view
    // the players' copy, whose stars are the listed entries in order.
    const MapModel &shown = players ? players->model() : m_model;
    m_list->showEntries(players ? players->catalogueStars() : m_everyStar, indexEntryMarks(shown, players != nullptr));
    // The caption stays as it was while nothing is selected; in the player view a star the players do
    // not know is no selection, and the caption must not go on naming it.
    if (const auto caption = selectionCaption(shown))
        m_selectionLabel->setText(*caption);
    else if (players)
        m_selectionLabel->setText(kNoSelectionCaption);
    const Polities &polities = shown.campaign.polities;
    const int polity = polityedits::polityOf(polities, shown.view.selectedStar);
    m_polityLabel->setText(polity == Polities::kNone
            ? QString()
            : QStringLiteral("Polity: %1").arg(polities.list[static_cast<size_t>(polity)].name));
    m_generate->setEnabled(m_model.view.selectedStar >= 0);
    // A star selected on the map, in the 3D View or by a find: its notes come into the boxes.
    if (m_model.view.selectedStar != m_notes->shownStar())
        m_notes->showSelectedStar();
    showGameMasterControls(!players);
}

void StellarIndexWindow::showGameMasterControls(bool shown)
{
    m_notes->setVisible(shown);
    for (QWidget *control : std::initializer_list<QWidget *> { m_saveNotesButton, m_generate, m_filter, m_revealBox })
        if (control)
            control->setVisible(shown);
}

void StellarIndexWindow::indexEntryPressed(int index, int button)
{
    if (::indexEntryPressed(m_model.view, *m_model.stars, index, button) == WindowAction::Redraw)
        emit redrawRequested();
    m_notes->showSelectedStar();
}

void StellarIndexWindow::colourButtonClicked(int index)
{
    if (index >= 0 && index < 4) {
        m_model.options.colourCode = index;
        emit optionsChanged();
    }
    emit redrawRequested();
}

void StellarIndexWindow::exitIndex()
{
    hide();
}

void StellarIndexWindow::reject()
{
    // The close box hides the window like its exit button: the notes live on.
    exitIndex();
}
