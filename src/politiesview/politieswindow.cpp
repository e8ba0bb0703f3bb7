#include "politiesview/politieswindow.h"

#include "mapview/mapmodel.h"
#include "polities/polityedits.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *button(const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QDoubleSpinBox *lightYearsBox(const char *name, double from, double to, double value)
{
    auto *box = new QDoubleSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(from, to);
    box->setSingleStep(0.5);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" ly"));
    box->setValue(value);
    box->setKeyboardTracking(false);
    return box;
}

QIcon swatch(quint32 rgb)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(QColor(QRgb(0xFF000000 | rgb)));
    return QIcon(pixmap);
}

} // namespace

PolitiesWindow::PolitiesWindow(const MapModel &model, QWidget *owner)
    : QDialog(owner)
    , m_model(model)
    , m_chooseColour([this](const QColor &current) { return QColorDialog::getColor(current, this); })
{
    setObjectName(QStringLiteral("politieswindow"));
    setWindowTitle(QStringLiteral("Polities"));

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("politylist"));
    connect(m_list, &QListWidget::currentRowChanged, this, &PolitiesWindow::showCurrent);
    auto *newButton = button("newpolity", QStringLiteral("New Polity"));
    connect(newButton, &QPushButton::clicked, this, &PolitiesWindow::createPolity);
    m_deleteButton = button("deletepolity", QStringLiteral("Delete Polity"));
    connect(m_deleteButton, &QPushButton::clicked, this, &PolitiesWindow::deletePolity);
    m_margin = lightYearsBox("neutralmargin", 0.0, 10.0, Polities::kDefaultNeutralMargin);
    connect(m_margin, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        Polities after = m_model.campaign.polities;
        after.neutralMargin = value;
        request(QStringLiteral("Set Neutral Margin"), after);
    });

    auto *left = new QVBoxLayout;
    left->addWidget(m_list, 1);
    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(newButton);
    listButtons->addWidget(m_deleteButton);
    left->addLayout(listButtons);
    auto *marginRow = new QFormLayout;
    marginRow->addRow(QStringLiteral("Neutral margin"), m_margin);
    left->addLayout(marginRow);

    auto *grid = new QGridLayout(this);
    grid->addLayout(left, 0, 0, 2, 1);
    m_details = buildDetails();
    grid->addWidget(m_details, 0, 1);
    grid->addWidget(buildAssignment(), 1, 1);
    showPolities();
}

QWidget *PolitiesWindow::buildDetails()
{
    auto *box = new QGroupBox(QStringLiteral("Polity"));
    auto *form = new QFormLayout(box);
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("polityname"));
    connect(m_name, &QLineEdit::editingFinished, this, [this] {
        const QString name = m_name->text().trimmed();
        if (!name.isEmpty())
            editCurrent(QStringLiteral("Rename Polity"), [&name](Polity &p) { p.name = name; });
    });
    m_colourButton = button("politycolour", QStringLiteral("Colour…"));
    connect(m_colourButton, &QPushButton::clicked, this, &PolitiesWindow::chooseColour);
    m_radius = lightYearsBox("claimradius", 0.5, 30.0, Polity::kDefaultClaimRadius);
    connect(m_radius, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        editCurrent(QStringLiteral("Set Claim Radius"), [value](Polity &p) { p.claimRadius = value; });
    });
    m_known = new QCheckBox(QStringLiteral("Known to the players"));
    m_known->setObjectName(QStringLiteral("polityknown"));
    connect(m_known, &QCheckBox::toggled, this, [this](bool on) {
        editCurrent(on ? QStringLiteral("Mark Polity Known") : QStringLiteral("Mark Polity Unknown"),
            [on](Polity &p) { p.knownToPlayers = on; });
    });
    m_avoided = new QCheckBox(QStringLiteral("Routes avoid its stars"));
    m_avoided->setObjectName(QStringLiteral("polityavoided"));
    connect(m_avoided, &QCheckBox::toggled, this, [this](bool on) {
        editCurrent(on ? QStringLiteral("Avoid Polity in Routes") : QStringLiteral("Allow Polity in Routes"),
            [on](Polity &p) { p.avoidedByRoutes = on; });
    });
    m_note = new QPlainTextEdit;
    m_note->setObjectName(QStringLiteral("politynote"));
    m_note->setTabChangesFocus(true);
    m_note->installEventFilter(this); // the note is kept when the box loses the focus
    m_members = new QLabel;
    m_members->setObjectName(QStringLiteral("politymembers"));
    m_members->setWordWrap(true);
    form->addRow(QStringLiteral("Name"), m_name);
    form->addRow(QStringLiteral("Colour"), m_colourButton);
    form->addRow(QStringLiteral("Claim radius"), m_radius);
    form->addRow(QString(), m_known);
    form->addRow(QString(), m_avoided);
    form->addRow(QStringLiteral("Note"), m_note);
    form->addRow(QStringLiteral("Stars"), m_members);
    return box;
}

QWidget *PolitiesWindow::buildAssignment()
{
    auto *box = new QGroupBox(QStringLiteral("Stars of the Polity"));
    auto *grid = new QGridLayout(box);
    auto *selected = button("assignselected", QStringLiteral("Assign Selected Star"));
    connect(selected, &QPushButton::clicked, this, [this] {
        assignStars(QStringLiteral("Assign Star to Polity"), { m_model.view.selectedStar }, currentPolity());
    });
    auto *within = button("assignwithin", QStringLiteral("Assign Stars Within"));
    m_within = lightYearsBox("assignradius", 0.5, 30.0, 5.0);
    connect(within, &QPushButton::clicked, this, [this] {
        assignStars(QStringLiteral("Assign Stars to Polity"),
            m_model.distances.within(m_model.view.selectedStar, m_within->value()), currentPolity());
    });
    auto *route = button("assignroute", QStringLiteral("Assign Route's Stars"));
    connect(route, &QPushButton::clicked, this, [this] {
        assignStars(QStringLiteral("Assign Stars to Polity"), m_model.campaign.travel.route, currentPolity());
    });
    auto *release = button("releasestar", QStringLiteral("Release Selected Star"));
    connect(release, &QPushButton::clicked, this, [this] {
        assignStars(QStringLiteral("Release Star from Polity"), { m_model.view.selectedStar }, Polities::kNone);
    });
    grid->addWidget(selected, 0, 0);
    grid->addWidget(release, 0, 1);
    grid->addWidget(within, 1, 0);
    grid->addWidget(m_within, 1, 1);
    grid->addWidget(route, 2, 0);
    return box;
}

int PolitiesWindow::currentPolity() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < static_cast<int>(m_model.campaign.polities.list.size()) ? row : Polities::kNone;
}

void PolitiesWindow::setCurrentPolity(int index)
{
    m_list->setCurrentRow(index);
}

void PolitiesWindow::showPolities()
{
    m_showing = true;
    const Polities &polities = m_model.campaign.polities;
    const int keep = m_list->currentRow();
    m_list->clear();
    for (const Polity &p : polities.list)
        m_list->addItem(new QListWidgetItem(swatch(p.colour), p.name));
    m_list->setCurrentRow(std::min(keep, m_list->count() - 1));
    if (m_list->currentRow() < 0 && m_list->count() > 0)
        m_list->setCurrentRow(0);
    m_margin->setValue(polities.neutralMargin);
    m_showing = false;
    showCurrent();
}

void PolitiesWindow::showCurrent()
{
    const bool wasShowing = std::exchange(m_showing, true);
    const int p = currentPolity();
    m_details->setEnabled(p != Polities::kNone);
    m_deleteButton->setEnabled(p != Polities::kNone);
    const Polity shown = p == Polities::kNone ? Polity() : m_model.campaign.polities.list[static_cast<size_t>(p)];
    m_name->setText(shown.name);
    m_radius->setValue(shown.claimRadius);
    m_known->setChecked(shown.knownToPlayers);
    m_avoided->setChecked(shown.avoidedByRoutes);
    if (m_note->toPlainText() != shown.note)
        m_note->setPlainText(shown.note);
    m_colourButton->setIcon(swatch(shown.colour));
    QStringList names;
    if (p != Polities::kNone)
        for (const int star : polityedits::members(m_model.campaign.polities, p))
            names << (*m_model.stars)[star].starName;
    m_members->setText(names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", ")));
    m_showing = wasShowing;
}

void PolitiesWindow::request(const QString &command, const Polities &after)
{
    if (!m_showing && after != m_model.campaign.polities)
        emit changeRequested(command, after);
}

void PolitiesWindow::editCurrent(const QString &command, const std::function<void(Polity &)> &edit)
{
    const int p = currentPolity();
    if (p == Polities::kNone)
        return;
    Polities after = m_model.campaign.polities;
    edit(after.list[static_cast<size_t>(p)]);
    request(command, after);
}

void PolitiesWindow::assignStars(const QString &command, const std::vector<int> &stars, int polity)
{
    if (polity == Polities::kNone && command != QLatin1String("Release Star from Polity"))
        return;
    request(command, polityedits::assigned(m_model.campaign.polities, stars, polity));
}

void PolitiesWindow::createPolity()
{
    const int count = static_cast<int>(m_model.campaign.polities.list.size());
    const Polities after = polityedits::added(m_model.campaign.polities, QStringLiteral("Polity %1").arg(count + 1));
    request(QStringLiteral("New Polity"), after);
    setCurrentPolity(static_cast<int>(m_model.campaign.polities.list.size()) - 1);
}

void PolitiesWindow::deletePolity()
{
    request(QStringLiteral("Delete Polity"), polityedits::removed(m_model.campaign.polities, currentPolity()));
}

void PolitiesWindow::chooseColour()
{
    const int p = currentPolity();
    if (p == Polities::kNone)
        return;
    const QColor colour = m_chooseColour(QColor(QRgb(0xFF000000 | m_model.campaign.polities.list[size_t(p)].colour)));
    if (colour.isValid())
        editCurrent(
            QStringLiteral("Recolour Polity"), [&colour](Polity &polity) { polity.colour = colour.rgb() & 0xFFFFFF; });
}

bool PolitiesWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_note && event->type() == QEvent::FocusOut) {
        const QString note = m_note->toPlainText();
        editCurrent(QStringLiteral("Edit Polity Note"), [&note](Polity &p) { p.note = note; });
    }
    return QDialog::eventFilter(watched, event);
}
