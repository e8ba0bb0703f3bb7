#include "index/notespanel.h"

#include "generator/callbacknotesbox.h"
#include "generator/clockrandom.h"
#include "generator/gensystem.h"
#include "index/indexdesign.h"
#include "mapview/mapmodel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

constexpr QRect kGameMasterHeading(180, 6960, 3435, 375);
constexpr QRect kPlayerHeading(7260, 6960, 3435, 375);
constexpr QRect kGameMasterNotes(180, 7380, 6855, 2355);
constexpr QRect kPlayerNotes(7260, 7380, 6735, 2355);

// A notes box: Tab types a tab into the notes; Ctrl+Tab moves on, as in other text editors.
class NotesBox : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
        if (tab && (event->modifiers() & Qt::ControlModifier)) {
            // The text edit's own focusNextPrevChild keeps the focus while it takes Tab.
            QWidget::focusNextPrevChild(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
};

QPlainTextEdit *addBox(QWidget *window, const IndexDesign &design, const char *name, const QRect &twips)
{
    auto *box = new NotesBox(window);
    box->setObjectName(QString::fromLatin1(name));
    box->setTabChangesFocus(false);
    box->setGeometry(design.toPixels(twips));
    return box;
}

QString boxText(const QPlainTextEdit *box)
{
    // The raw text keeps every character typed, non-breaking spaces included (the plain-text view turns them
    // into spaces); paragraph and line breaks become the file's CR LF.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

void replaceText(QPlainTextEdit *box, const QString &text)
{
    // Compared with line ends as the box keeps them, so that showing the same notes again leaves
    // the box and its undo as they are.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (boxText(box) == lines.replace(u'\n', QStringLiteral("\r\n")))
        return;
    // Unlike setPlainText, which forgets the box's undo, this is one edit that Ctrl+Z in the box
    // takes back.
    QTextCursor cursor(box->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    box->moveCursor(QTextCursor::Start);
}

} // namespace

NotesPanel::NotesPanel(MapModel &model, const IndexDesign &design, QWidget *window)
    : QObject(window)
    , m_model(model)
    , m_window(window)
    , m_gameMaster(addBox(window, design, "gmnotes", kGameMasterNotes))
    , m_player(addBox(window, design, "plnotes", kPlayerNotes))
    , m_gameMasterHeading(design.addHeading(window, "Label3", QStringLiteral("GM Notes"), kGameMasterHeading))
    , m_playerHeading(design.addHeading(window, "Label4", QStringLiteral("Player Notes"), kPlayerHeading))
{ }

NotesPanel::~NotesPanel() = default;

NotesBoxes NotesPanel::boxes() const
{
    return { boxText(m_gameMaster), boxText(m_player) };
}

void NotesPanel::setBoxes(const NotesBoxes &boxes)
{
    m_shownStar = m_model.view.selectedStar;
    replaceText(m_gameMaster, boxes.gameMasterNotes);
    replaceText(m_player, boxes.playerNotes);
}

void NotesPanel::showSelectedStar()
{
    setBoxes(boxesForStar(m_model.notes, m_model.view.selectedStar));
}

void NotesPanel::saveSystemNotes()
{
    if (!confirmReplacingHiddenText())
        return;
    emit commandStarting(QStringLiteral("Save System Notes"));
    if (saveBoxes(m_model.notes, m_model.view.selectedStar, boxes()) == WindowAction::Redraw)
        emit redrawRequested();
    emit commandFinished();
}

bool NotesPanel::confirmReplacingHiddenText()
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
        QMessageBox::Yes | QMessageBox::No, m_window);
    ask.setObjectName(QStringLiteral("replaceHiddenText"));
    ask.setDefaultButton(QMessageBox::No);
    return ask.exec() == QMessageBox::Yes;
}

void NotesPanel::generateSystem()
{
    if (!m_model.stars->contains(m_model.view.selectedStar))
        return;
    if (!m_random)
        m_random = std::make_unique<ClockRandom>();
    emit commandStarting(QStringLiteral("Generate System"));
    // The generator writes line by line; the box takes the whole system as one edit, which one
    // Ctrl+Z takes back.
    QString text = boxText(m_gameMaster);
    CallbackNotesBox box([&text] { return text; }, [&text](const QString &written) { text = written; });
    const StarRecord &star = (*m_model.stars)[m_model.view.selectedStar];
    const int planets = ::generateSystem(star, *m_random, box);
    replaceText(m_gameMaster, text);
    emit commandFinished();
    if (planets == 0) {
        auto *none = new QMessageBox(QMessageBox::Information, QStringLiteral("Generate System"),
            QStringLiteral("%1 has no planets to generate.").arg(star.starName), QMessageBox::Ok, m_window);
        none->setObjectName(QStringLiteral("noplanets"));
        none->setAttribute(Qt::WA_DeleteOnClose);
        none->open();
    }
}

void NotesPanel::setVisible(bool visible)
{
    for (QWidget *part : { static_cast<QWidget *>(m_gameMaster), static_cast<QWidget *>(m_player),
             static_cast<QWidget *>(m_gameMasterHeading), static_cast<QWidget *>(m_playerHeading) })
        part->setVisible(visible);
}
