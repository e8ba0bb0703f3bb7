#include "find/findstarpopup.h"

#include "find/starfindfield.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr int kFieldWidth = 260;

} // namespace

FindStarPopup::FindStarPopup(const StarTable &stars, QWidget *parent)
    : QFrame(parent)
    , m_field(new StarFindField(stars, this))
{
    setObjectName(QStringLiteral("findstar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    m_field->setObjectName(QStringLiteral("findfield"));
    m_field->setMinimumWidth(kFieldWidth);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    row->addWidget(new QLabel(QStringLiteral("Find star:"), this));
    row->addWidget(m_field, 1);
    connect(m_field, &StarFindField::starChosen, this, [this](int star) {
        close();
        emit starChosen(star);
    });
    connect(m_field, &StarFindField::secondStarChosen, this, [this](int star) {
        close();
        emit secondStarChosen(star);
    });
    connect(m_field, &StarFindField::cancelled, this, &FindStarPopup::close);
    hide();
}

void FindStarPopup::open()
{
    m_field->clear();
    adjustSize();
    move((parentWidget()->width() - width()) / 2, 0);
    show();
    raise();
    m_field->setFocus(Qt::ShortcutFocusReason);
}

void FindStarPopup::close()
{
    hide();
    // The map's keys work again at once.
    if (QWidget *window = parentWidget() ? parentWidget()->window() : nullptr)
        window->setFocus(Qt::OtherFocusReason);
}
