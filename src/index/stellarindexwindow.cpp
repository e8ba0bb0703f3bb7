#include "index/stellarindexwindow.h"

#include "common/ignoreescape.h"
#include "find/starfindfield.h"
#include "generator/callbacknotesbox.h"
#include "generator/clockrandom.h"
#include "generator/gensystem.h"
#include "index/indexmarks.h"
#include "index/revealbox.h"
#include "index/routepanel.h"
#include "mapview/mapmodel.h"
#include "mapview/paintersurface.h"
#include "navigation/inputcodes.h"
#include "navigation/selection.h"
#include "notes/notesboxes.h"
#include "polities/polityedits.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include <cmath>

namespace {

// Design sizes and positions in twips (1/1440 inch), converted at the screen's logical resolution.
constexpr int kClientWidth = 14190;
constexpr int kClientHeight = 10860; // with the route row below the buttons
constexpr double kHeadingPoints = 14.25;
constexpr double kEntryPoints = 9.0; // the list entries and the marks beside them
constexpr double kWindowPoints = 8.25;
constexpr char kStarProperty[] = "star";

constexpr QRect kSelectionLabel(180, 6540, 13875, 375);
constexpr QRect kGameMasterHeading(180, 6960, 3435, 375);
constexpr QRect kPlayerHeading(7260, 6960, 3435, 375);
constexpr QRect kPolityLabel(3660, 7020, 3375, 315); // beside the GM heading, right-aligned
constexpr QRect kGameMasterNotes(180, 7380, 6855, 2355);
constexpr QRect kPlayerNotes(7260, 7380, 6735, 2355);
// The bottom button row, spaced to hold "Generate System" beside the others; each button is as
// wide as its caption needs plus the same margin, with the same gap between neighbours.
constexpr QRect kColourButtons[4]
    = { { 240, 9900, 1530, 375 }, { 1875, 9900, 1530, 375 }, { 3510, 9900, 2550, 375 }, { 6165, 9900, 2250, 375 } };
constexpr QRect kSaveNotesButton(8520, 9900, 1905, 375);
constexpr QRect kGenerateButton(10530, 9900, 1725, 375);
constexpr QRect kExitButton(12360, 9900, 1695, 375);
constexpr QRect kRoutePanel(240, 10380, 13815, 405);
constexpr QRect kRevealBox(9855, 30 - StellarIndexWindow::kFilterRowTwips, 4200, 360);

QFont arial(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

} // namespace

StellarIndexWindow::StellarIndexWindow(MapModel &model, QWidget *owner)
    : QDialog(owner)
    , m_model(model)
{
    setObjectName(QStringLiteral("Form3"));
    ignoreEscape(*this);
    setWindowTitle(QStringLiteral("Stellar Index"));
    setFont(arial(kWindowPoints));
    setFixedSize(toPixels(0, -kFilterRowTwips, kClientWidth, kClientHeight + kFilterRowTwips).size());

    // Created in tab order, which is also the focus chain.
    m_exitButton = addButton("Command1", QStringLiteral("Exit Stellar Index"), kExitButton);
    m_gameMasterNotes = addNotesBox("gmnotes", kGameMasterNotes);
    m_playerNotes = addNotesBox("plnotes", kPlayerNotes);
    addHeading("Label3", QStringLiteral("GM Notes"), kGameMasterHeading);
    addHeading("Label4", QStringLiteral("Player Notes"), kPlayerHeading);
    m_selectionLabel = addHeading("sellabel", QStringLiteral("Selected System"), kSelectionLabel);
    m_polityLabel = new QLabel(this);
    m_polityLabel->setObjectName(QStringLiteral("politylabel"));
    m_polityLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_polityLabel->setGeometry(toPixels(kPolityLabel));
    for (int i = 0; i < 4; ++i) {
        m_colourButtons[static_cast<size_t>(i)]
            = addButton(qPrintable(QStringLiteral("SIC%1").arg(i)), QString(), kColourButtons[i]);
        connect(m_colourButtons[static_cast<size_t>(i)], &QPushButton::clicked, this,
            [this, i] { colourButtonClicked(i); });
    }
    m_saveNotesButton = addButton("savenotes", QStringLiteral("Save System Notes"), kSaveNotesButton);
    m_generate = addButton("generate", QStringLiteral("Generate System"), kGenerateButton);
    m_routePanel = new RoutePanel(this);
    m_routePanel->setGeometry(toPixels(kRoutePanel));
    m_revealBox = new RevealBox(this);
    m_revealBox->setGeometry(toPixels(kRevealBox));

    connect(m_exitButton, &QPushButton::clicked, this, &StellarIndexWindow::exitIndex);
    connect(m_saveNotesButton, &QPushButton::clicked, this, &StellarIndexWindow::saveSystemNotes);
    connect(m_generate, &QPushButton::clicked, this, &StellarIndexWindow::generatePlanets);
}

QRect StellarIndexWindow::toPixels(double left, double top, double width, double height) const
{
    // Edges are rounded, not sizes, so that controls that meet in twips meet on the screen. The
    // design places are below the filter row.
    const double sx = logicalDpiX() / 1440.0;
    const double sy = logicalDpiY() / 1440.0;
    top += kFilterRowTwips;
    const QPoint topLeft(qRound(left * sx), qRound(top * sy));
    const QPoint bottomRight(qRound((left + width) * sx), qRound((top + height) * sy));
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

QRect StellarIndexWindow::toPixels(const QRect &twips) const
{
    return toPixels(twips.x(), twips.y(), twips.width(), twips.height());
}

QLabel *StellarIndexWindow::addHeading(const char *name, const QString &caption, const QRect &twips)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(arial(kHeadingPoints));
    label->setGeometry(toPixels(twips));
    return label;
}

QPushButton *StellarIndexWindow::addButton(const char *name, const QString &caption, const QRect &twips)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setGeometry(toPixels(twips));
    return button;
}

QPlainTextEdit *StellarIndexWindow::addNotesBox(const char *name, const QRect &twips)
{
    auto *box = new QPlainTextEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    // Tab types a tab into the notes; Ctrl+Tab moves on, as in other text editors.
    box->setTabChangesFocus(false);
    box->installEventFilter(this);
    box->setGeometry(toPixels(twips));
    return box;
}

void StellarIndexWindow::buildList()
{
    if (!m_entries.empty())
        return;
    const QFont font = arial(kEntryPoints);
    const QFontMetricsF metrics(font, this);
    const double twipsPerPixelX = 1440.0 / logicalDpiX();
    m_layout = ListLayout(metrics.height() * 1440.0 / logicalDpiY(), kClientWidth);
    const StarTable &stars = *m_model.stars;
    for (int i = 0; i < stars.size(); ++i) {
        auto *entry = new QLabel(stars[i].starName, this);
        entry->setObjectName(QStringLiteral("fullist%1").arg(i));
        entry->setFont(font);
        entry->setProperty(kStarProperty, i);
        entry->installEventFilter(this);
        // As wide as the caption plus a one-pixel border on each side; the border is drawn by the window.
        const double width = (std::ceil(metrics.horizontalAdvance(entry->text())) + 2) * twipsPerPixelX;
        const QPoint pos = m_layout.entryPos(i);
        entry->setGeometry(toPixels(pos.x(), pos.y(), width, m_layout.rowH()));
        entry->setIndent(1);
        entry->setToolTip(marksExplained());
        entry->show();
        if (i == 0)
            m_firstEntryWidth = width;
        m_entries.push_back(entry);
    }
    buildFilter();
}

void StellarIndexWindow::setColourCaptions(const std::array<QString, 4> &captions)
{
    for (size_t i = 0; i < captions.size(); ++i)
        m_colourButtons[i]->setText(captions[i]);
}

void StellarIndexWindow::applyFrame(const MapFrame &)
{
    m_marks = indexEntryMarks(m_model);
    // In the player view a star has notes when the players may read some: its player text, if surveyed.
    if (!m_knownStars.empty())
        for (size_t i = 0; i < m_marks.size(); ++i)
            m_marks[i].hasNotes = m_model.campaign.reveal.state(int(i)) == Reveal::Surveyed
                && !m_model.notes.playerText(int(i)).isEmpty();
    for (size_t i = 0; i < m_entries.size() && i < m_marks.size(); ++i) {
        QLabel *entry = m_entries[i];
        const IndexEntryMark &mark = m_marks[i];
        QPalette palette = entry->palette();
        palette.setColor(QPalette::Active, QPalette::WindowText, toQColor(mark.textColour));
        palette.setColor(QPalette::Inactive, QPalette::WindowText, toQColor(mark.textColour));
        entry->setPalette(palette);
    }
    if (const auto caption = selectionCaption(m_model))
        m_selectionLabel->setText(*caption);
    m_generate->setEnabled(m_model.view.selectedStar >= 0);
    // A star selected on the map, in the 3D View or by a find: its notes come into the boxes.
    if (m_model.view.selectedStar != m_boxesStar)
        boxesForStar();
    const Polities &polities = m_model.campaign.polities;
    const int polity = polityedits::polityOf(polities, m_model.view.selectedStar);
    m_polityLabel->setText(polity == Polities::kNone
            ? QString()
            : QStringLiteral("Polity: %1").arg(polities.list[static_cast<size_t>(polity)].name));
    update();
}

void StellarIndexWindow::indexEntryPressed(int index, int button)
{
    act(::indexEntryPressed(m_model.view, *m_model.stars, index, button));
    boxesForStar();
}

void StellarIndexWindow::boxesForStar()
{
    setBoxes(::boxesForStar(m_model.notes, m_model.view.selectedStar));
}

NotesBoxes StellarIndexWindow::boxes() const
{
    return { boxText(m_gameMasterNotes), boxText(m_playerNotes) };
}

void StellarIndexWindow::setBoxes(const NotesBoxes &boxes)
{
    m_boxesStar = m_model.view.selectedStar;
    replaceText(m_gameMasterNotes, boxes.gameMasterNotes);
    replaceText(m_playerNotes, boxes.playerNotes);
}

void StellarIndexWindow::replaceText(QPlainTextEdit *box, const QString &text)
{
    // Compared with line ends as the box keeps them, so that showing the same notes again leaves
    // the box and its undo as they are.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (boxText(box) == lines.replace(u'\n', QStringLiteral("\r\n")))
        return;
    // Unlike setPlainText, which forgets the box's undo, this is one edit that Ctrl+Z in the box
    // takes back, so typing that was not saved comes back.
    QTextCursor cursor(box->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    box->moveCursor(QTextCursor::Start);
}

void StellarIndexWindow::saveSystemNotes()
{
    if (!confirmReplacingHiddenText())
        return;
    emit commandStarting(QStringLiteral("Save System Notes"));
    act(::saveBoxes(m_model.notes, m_model.view.selectedStar, boxes()));
    emit commandFinished();
}

bool StellarIndexWindow::confirmReplacingHiddenText()
{
    const int star = m_model.view.selectedStar;
    const NotesBoxes typed = boxes();
    // Notes from a file without the separator show as two empty boxes; saving would replace them.
    if (!m_model.stars->contains(star) || !m_model.notes.hasNotes(star) || m_model.notes.hasParts(star)
        || (typed.gameMasterNotes.isEmpty() && typed.playerNotes.isEmpty()))
        return true;
    QMessageBox ask(QMessageBox::Warning, QStringLiteral("Save System Notes"),
        QStringLiteral("The notes of %1 hold text that the boxes do not show (a file gave them no separator between "
                       "the game master's and the players' notes). Saving replaces that text with the text of the "
                       "boxes. Replace it?")
            .arg((*m_model.stars)[star].starName.trimmed()),
        QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("replaceHiddenText"));
    ask.setDefaultButton(QMessageBox::No);
    return ask.exec() == QMessageBox::Yes;
}

QString StellarIndexWindow::boxText(const QPlainTextEdit *box)
{
    // The raw text keeps every character typed, non-breaking spaces included (the plain-text view turns them
    // into spaces); paragraph and line breaks become the file's CR LF.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

void StellarIndexWindow::generatePlanets()
{
    if (!m_model.stars->contains(m_model.view.selectedStar))
        return;
    if (!m_random)
        m_random = std::make_unique<ClockRandom>();
    emit commandStarting(QStringLiteral("Generate System"));
    // The generator writes line by line; the box takes the whole system as one edit, which one
    // Ctrl+Z takes back.
    QString text = boxText(m_gameMasterNotes);
    CallbackNotesBox box([&text] { return text; }, [&text](const QString &written) { text = written; });
    const StarRecord &star = (*m_model.stars)[m_model.view.selectedStar];
    const int planets = generateSystem(star, *m_random, box);
    replaceText(m_gameMasterNotes, text);
    emit commandFinished();
    if (planets == 0) {
        auto *none = new QMessageBox(QMessageBox::Information, QStringLiteral("Generate System"),
            QStringLiteral("%1 has no planets to generate.").arg(star.starName), QMessageBox::Ok, this);
        none->setObjectName(QStringLiteral("noplanets"));
        none->setAttribute(Qt::WA_DeleteOnClose);
        none->open();
    }
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

void StellarIndexWindow::act(WindowAction action)
{
    if (action == WindowAction::Redraw)
        emit redrawRequested();
}

bool StellarIndexWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_gameMasterNotes || watched == m_playerNotes)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && (key->modifiers() & Qt::ControlModifier)) {
            focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const QVariant star = watched->property(kStarProperty);
        if (star.isValid()) {
            indexEntryPressed(star.toInt(), mouseButtonCode(static_cast<QMouseEvent *>(event)->button()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void StellarIndexWindow::paintEvent(QPaintEvent *)
{
    if (m_marks.empty())
        return;
    QPainter painter(this);
    // A single black line around the selected and the second star's entries, under their text.
    painter.setPen(Qt::black);
    for (size_t i = 0; i < m_entries.size() && i < m_marks.size(); ++i)
        if (m_marks[i].border)
            painter.drawRect(m_entries[i]->geometry().adjusted(0, 0, -1, -1));
    painter.translate(0, toPixels(0, 0, 0, 0).top());
    const QSizeF twips(width() * 1440.0 / logicalDpiX(), height() * 1440.0 / logicalDpiY());
    PainterSurface surface(painter, twips, QRectF(rect()), false);
    surface.fontName = QStringLiteral("Arial");
    surface.fontSize = kEntryPoints;
    drawIndexMarks(surface, m_marks, m_layout, m_firstEntryWidth);
}
