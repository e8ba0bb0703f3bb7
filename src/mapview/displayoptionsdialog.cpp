#include "mapview/displayoptionsdialog.h"

#include "common/ignoreescape.h"
#include "routes/routetext.h"
#include "routes/travelplan.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QGroupBox *frame(const QString &caption)
{
    auto *box = new QGroupBox(caption);
    box->setLayout(new QVBoxLayout);
    return box;
}

} // namespace

DisplayOptionsDialog::DisplayOptionsDialog(DisplayOptions &options, QWidget *owner)
    : QDialog(owner)
    , m_options(options)
{
    setObjectName(QStringLiteral("dispoptions"));
    ignoreEscape(*this);
    setWindowTitle(QStringLiteral("Display Options"));
    setWindowModality(Qt::ApplicationModal);

    auto *okButton = new QPushButton(QStringLiteral("Exit Options"));
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &DisplayOptionsDialog::confirmOptions);

    auto *grid = new QGridLayout(this);
    grid->addWidget(buildRangeFrame(), 0, 0, 2, 1);
    grid->addWidget(buildColourFrame(), 0, 1);
    grid->addWidget(buildOtherFrame(), 1, 1);
    grid->addWidget(buildModeFrame(), 2, 0);
    grid->addWidget(okButton, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    load();
}

QCheckBox *DisplayOptionsDialog::addCheck(const char *name, const QString &caption, int DisplayOptions::*field)
{
    auto *check = new QCheckBox(caption);
    check->setObjectName(QString::fromLatin1(name));
    connect(check, &QCheckBox::stateChanged, this, [this, field](int state) {
        m_options.*field = state == Qt::Checked ? 1 : (state == Qt::PartiallyChecked ? 2 : 0);
    });
    m_checks.emplace_back(check, field);
    return check;
}

QWidget *DisplayOptionsDialog::buildRangeFrame()
{
    QGroupBox *box = frame(QStringLiteral("Range Options"));
    for (int i = 0; i < 4; ++i) {
        const QString text = DisplayOptions::rangeButtonText(i);
        auto *button = new QPushButton(QStringLiteral("-%1 to +%1 Light Years").arg(text));
        button->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { chooseRange(i); });
        box->layout()->addWidget(button);
    }
    auto *row = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("Manual Range +/-"));
    label->setObjectName(QStringLiteral("Label1"));
    m_rangeText = new QComboBox;
    m_rangeText->setObjectName(QStringLiteral("zmax"));
    m_rangeText->setEditable(true);
    m_rangeText->setInsertPolicy(QComboBox::NoInsert);
    connect(
        m_rangeText, &QComboBox::editTextChanged, this, [this](const QString &text) { m_options.rangeText = text; });
    row->addWidget(label);
    row->addWidget(m_rangeText, 1);
    static_cast<QVBoxLayout *>(box->layout())->addLayout(row);
    box->layout()->addWidget(
        addCheck("dfsonflag", QStringLiteral("Display Range Circle"), &DisplayOptions::rangeCircleBox));
    box->layout()->addWidget(addCheck("dispsodstars", QStringLiteral("Display Stars outside of Selected Range in Grey"),
        &DisplayOptions::greyStarsBox));
    return box;
}

QWidget *DisplayOptionsDialog::buildColourFrame()
{
    QGroupBox *box = frame(QStringLiteral("Color Codes"));
    auto *group = new QButtonGroup(box);
    for (int i = 0; i < 4; ++i) {
        QRadioButton *&button = m_colours[static_cast<size_t>(i)];
        button = new QRadioButton(DisplayOptions::colourCaptions()[static_cast<size_t>(i)]);
        button->setObjectName(QStringLiteral("col%1").arg(i + 1));
        group->addButton(button, i);
        box->layout()->addWidget(button);
    }
    QRadioButton *&polity = m_colours[size_t(DisplayOptions::kPolityColourCode)];
    polity = new QRadioButton(DisplayOptions::polityCaption());
    polity->setObjectName(QStringLiteral("colpolity"));
    group->addButton(polity, DisplayOptions::kPolityColourCode);
    box->layout()->addWidget(polity);
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            m_options.colourCode = id;
    });
    return box;
}

QWidget *DisplayOptionsDialog::buildOtherFrame()
{
    QGroupBox *box = frame(QStringLiteral("Other Options"));
    box->layout()->addWidget(
        addCheck("xhair", QStringLiteral("Cross Hairs around Selected Star"), &DisplayOptions::crossHairsBox));
    box->layout()->addWidget(
        addCheck("sodonflag", QStringLiteral("Spheres of Development"), &DisplayOptions::spheresBox));
    box->layout()->addWidget(addCheck("staridon", QStringLiteral("Star ID Numbers"), &DisplayOptions::starNumbersBox));
    box->layout()->addWidget(addCheck("showheight", QStringLiteral("Show height"), &DisplayOptions::heightBox));
    box->layout()->addWidget(
        addCheck("showterritories", QStringLiteral("Show territories"), &DisplayOptions::territoriesBox));
    m_linksBox = addCheck("showlinks", QString(), &DisplayOptions::linksBox);
    setLinkLimit(TravelPlan::kDefaultLimit);
    box->layout()->addWidget(m_linksBox);
    box->layout()->addWidget(addCheck("shownames", QStringLiteral("Show star names"), &DisplayOptions::starNamesBox));
    box->layout()->addWidget(
        addCheck("marknotes", QStringLiteral("Mark stars with notes"), &DisplayOptions::notesMarkBox));
    return box;
}

QWidget *DisplayOptionsDialog::buildModeFrame()
{
    auto *box = new QGroupBox(QStringLiteral("Display Modes"));
    auto *row = new QHBoxLayout(box);
    m_velmoraModeButton = new QRadioButton(QStringLiteral("Velmora Mode"));
    m_velmoraModeButton->setObjectName(QStringLiteral("pcolflag"));
    m_printerModeButton = new QRadioButton(QStringLiteral("Printer or WYSIWYG Mode"));
    m_printerModeButton->setObjectName(QStringLiteral("Option10"));
    auto *group = new QButtonGroup(box);
    group->addButton(m_velmoraModeButton);
    group->addButton(m_printerModeButton);
    connect(m_printerModeButton, &QRadioButton::toggled, this, [this](bool on) { m_options.printerMode = on; });
    row->addWidget(m_velmoraModeButton);
    row->addWidget(m_printerModeButton);
    return box;
}

void DisplayOptionsDialog::load()
{
    const DisplayOptions wanted = m_options; // the widgets write back while they are set
    m_rangeText->setEditText(wanted.rangeText);
    for (auto &[check, field] : m_checks)
        check->setCheckState(
            wanted.*field == 0 ? Qt::Unchecked : (wanted.*field == 1 ? Qt::Checked : Qt::PartiallyChecked));
    if (wanted.colourCode >= 0 && wanted.colourCode < int(m_colours.size()))
        m_colours[static_cast<size_t>(wanted.colourCode)]->setChecked(true);
    (wanted.printerMode ? m_printerModeButton : m_velmoraModeButton)->setChecked(true);
    m_options = wanted;
}

void DisplayOptionsDialog::chooseRange(int button)
{
    m_rangeText->setEditText(DisplayOptions::rangeButtonText(button));
}

void DisplayOptionsDialog::confirmOptions()
{
    hide();
    emit redrawRequested();
}

void DisplayOptionsDialog::reject()
{
    // Closing by the close box forgets every change: the next use starts from the design values.
    m_options = DisplayOptions();
    load();
    QDialog::reject();
}

void DisplayOptionsDialog::setLinkLimit(double limit)
{
    m_linksBox->setText(QStringLiteral("Show links within %1 ly").arg(lightYears(limit)));
}
