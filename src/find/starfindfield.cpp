#include "find/starfindfield.h"

#include "catalogue/startable.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QPainter>
#include <QStringListModel>

StarFindField::StarFindField(const StarTable &stars, QWidget *parent)
    : QLineEdit(parent)
    , m_stars(stars)
    , m_matcher(stars)
    , m_names(new QStringListModel(this))
    , m_completer(new QCompleter(m_names, this))
{
    setPlaceholderText(QStringLiteral("Star name"));
    setClearButtonEnabled(true);
    // The list is filtered here, with the matcher's rules; the completer only shows it.
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setMaxVisibleItems(12);
    setCompleter(m_completer);
    m_completer->popup()->installEventFilter(this);
    connect(this, &QLineEdit::textEdited, this, &StarFindField::updateMatches);
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.isEmpty())
            updateMatches(text);
    });
}

void StarFindField::updateMatches(const QString &text)
{
    m_matches = m_matcher.matching(text);
    QStringList names;
    if (!text.trimmed().isEmpty()) {
        names.reserve(static_cast<qsizetype>(m_matches.size()));
        for (const int star : m_matches)
            names.append(m_stars[star].starName);
    }
    m_names->setStringList(names);
    if (!names.isEmpty())
        m_completer->complete();
    else
        m_completer->popup()->hide();
    emit matchesChanged();
}

QString StarFindField::status() const
{
    return m_matches.empty() && !text().trimmed().isEmpty() ? QStringLiteral("No star matches") : QString();
}

void StarFindField::choose(bool asSecond)
{
    const QModelIndex current
        = m_completer->popup()->isVisible() ? m_completer->popup()->currentIndex() : QModelIndex();
    int star = -1;
    if (current.isValid() && current.row() < static_cast<int>(m_matches.size()))
        star = m_matches[static_cast<size_t>(current.row())];
    else
        star = m_matcher.best(text());
    m_completer->popup()->hide();
    if (star >= 0 && asSecond)
        emit secondStarChosen(star);
    else if (star >= 0)
        emit starChosen(star);
}

void StarFindField::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose(event->modifiers().testFlag(Qt::ShiftModifier));
        event->accept();
        return;
    case Qt::Key_Escape:
        m_completer->popup()->hide();
        emit cancelled();
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
        // Keys the field has no use for (arrows up and down, page keys) would otherwise reach the
        // map window and scroll the sector under the open field.
        event->accept();
    }
}

void StarFindField::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    const QString message = status();
    if (message.isEmpty())
        return;
    // At the right end of the field, where the typed text does not reach.
    const QRect area = rect().adjusted(cursorRect().right() + 8, 0, -8, 0);
    if (fontMetrics().horizontalAdvance(message) > area.width())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, message);
}

bool StarFindField::eventFilter(QObject *watched, QEvent *event)
{
    // Enter and Escape in the open list act as in the field, before the completer sees them.
    if (watched == m_completer->popup() && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::eventFilter(watched, event);
}
