#include "spaceview/spaceviewwindow.h"

#include "dialogs/messagebox.h"
#include "export/exportfilechoice.h"
#include "output/currentprinter.h"
#include "output/printdialog.h"
#include "spaceview/scenefit.h"
#include "spaceview/scenepainter.h"
#include "spaceview/spaceexport.h"
#include "spaceview/spacereadout.h"
#include "spaceview/spacesettings.h"
#include "spaceview/spaceviewcanvas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kRadiusStep = 5;
constexpr int kReadoutWidth = 240;
constexpr double kFitMargin = 30.0; // pixels kept clear at the view's edges when zooming to fit

QPushButton *addButton(QHBoxLayout *row, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setFocusPolicy(Qt::NoFocus);
    row->addWidget(button);
    return button;
}

QCheckBox *addCheck(QHBoxLayout *row, const char *name, const QString &caption, bool on)
{
    auto *box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    box->setFocusPolicy(Qt::NoFocus);
    box->setChecked(on);
    row->addWidget(box);
    return box;
}

} // namespace

SpaceViewWindow::SpaceViewWindow(const SpaceServices &services, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_services(services)
    , m_canvas(new SpaceViewCanvas)
    , m_readout(new QLabel)
{
    setObjectName(QStringLiteral("spaceview"));
    setWindowTitle(QStringLiteral("3D View"));
    const SpaceSettings settings = SpaceSettings::load();
    m_canvas->setCamera(settings.camera);
    m_canvas->setOptions(settings.options);
    m_fitPending = !settings.remembered;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    addOptions();
    auto *row = new QHBoxLayout;
    row->addWidget(m_canvas, 1);
    m_readout->setObjectName(QStringLiteral("spacereadout"));
    m_readout->setTextFormat(Qt::RichText);
    m_readout->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_readout->setWordWrap(true);
    m_readout->setFixedWidth(kReadoutWidth);
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_readout);
    layout->addLayout(row, 1);
    resize(1000 + kReadoutWidth, 720);
    connect(m_canvas, &SpaceViewCanvas::starPicked, this, &SpaceViewWindow::starPicked);
    m_canvas->setFocus();
}

SpaceViewWindow::~SpaceViewWindow()
{
    saveSettings();
}

void SpaceViewWindow::addOptions()
{
    auto *row = new QHBoxLayout;
    static_cast<QVBoxLayout *>(layout())->addLayout(row);
    connect(addButton(row, "spacetop", QStringLiteral("Top")), &QPushButton::clicked, this, &SpaceViewWindow::showTop);
    connect(
        addButton(row, "spacehome", QStringLiteral("Home")), &QPushButton::clicked, this, &SpaceViewWindow::showHome);
    m_radius = new QComboBox;
    m_radius->setObjectName(QStringLiteral("spaceradius"));
    m_radius->setFocusPolicy(Qt::NoFocus);
    m_radius->addItem(QStringLiteral("All stars"), 0);
    for (int r = SpaceOptions::kMinRadius; r <= SpaceOptions::kMaxRadius; r += kRadiusStep)
        m_radius->addItem(QStringLiteral("Within %1 ly").arg(r), r);
    const SpaceOptions &options = m_canvas->options();
    m_radius->setCurrentIndex(std::max(0, m_radius->findData(options.radius)));
    row->addWidget(m_radius);
    m_throughCentre
        = addCheck(row, "spaceplane", QStringLiteral("Plane through centre star"), options.planeThroughCentre);
    m_links = addCheck(row, "spacelinks", QStringLiteral("Reach links"), options.reachLinks);
    m_stereo = addCheck(row, "spacestereo", QStringLiteral("Stereo pair (print, export)"), options.stereoPair);
    m_viewing = new QComboBox;
    m_viewing->setObjectName(QStringLiteral("spaceviewing"));
    m_viewing->setFocusPolicy(Qt::NoFocus);
    m_viewing->addItem(QStringLiteral("Parallel (left eye left)"), false);
    m_viewing->addItem(QStringLiteral("Crossed (left eye right)"), true);
    m_viewing->setCurrentIndex(options.crossedEyes ? 1 : 0);
    m_viewing->setEnabled(options.stereoPair);
    row->addWidget(m_viewing);
    row->addStretch(1);
    connect(addButton(row, "spaceprint", QStringLiteral("Print…")), &QPushButton::clicked, this,
        &SpaceViewWindow::printView);
    connect(addButton(row, "spaceexport", QStringLiteral("Export…")), &QPushButton::clicked, this,
        &SpaceViewWindow::exportView);
    for (QComboBox *box : { m_radius, m_viewing })
        connect(box, &QComboBox::currentIndexChanged, this, &SpaceViewWindow::optionsChanged);
    for (QCheckBox *box : { m_throughCentre, m_links, m_stereo })
        connect(box, &QCheckBox::toggled, this, &SpaceViewWindow::optionsChanged);
}

void SpaceViewWindow::optionsChanged()
{
    SpaceOptions options;
    options.radius = m_radius->currentData().toInt();
    options.planeThroughCentre = m_throughCentre->isChecked();
    options.reachLinks = m_links->isChecked();
    options.stereoPair = m_stereo->isChecked();
    options.crossedEyes = m_viewing->currentData().toBool();
    m_viewing->setEnabled(options.stereoPair);
    m_canvas->setOptions(options);
    updateReadout();
    saveSettings();
    emit optionsSet(options);
}

void SpaceViewWindow::follow(const MapModel &model)
{
    m_canvas->setScene(sceneFromModel(model));
    if (m_fitPending) {
        // A first opening shows the stars within the radius filter, zoomed to fit the view.
        m_fitPending = false;
        layout()->activate();
        zoomToFit();
    }
    updateReadout();
}

void SpaceViewWindow::zoomToFit()
{
    const SpaceScene &scene = m_canvas->scene();
    SpaceCamera camera = m_canvas->camera();
    camera.distance = fittingDistance(
        camera, scene.centre(), pointsToShow(scene, m_canvas->options()), QSizeF(m_canvas->size()), kFitMargin);
    m_canvas->setCamera(camera);
}

void SpaceViewWindow::updateReadout()
{
    m_readout->setText(spaceReadout(m_canvas->scene(), m_canvas->options()).html());
}

void SpaceViewWindow::showTop()
{
    m_canvas->setCamera(SpaceCamera::top());
}

void SpaceViewWindow::showHome()
{
    m_canvas->setCamera(SpaceCamera::home());
}

void SpaceViewWindow::printView()
{
    // The printer set-up of Print Map: the same dialog with the same presets, then an A4 landscape page.
    PrintDialog &dialog = m_services.printDialog;
    dialog.presetForMap();
    QPrinter &printer = m_services.printer.printer();
    if (!dialog.showPrinter(this, printer))
        return;
    m_services.printer.prepare((parentWidget() ? parentWidget() : this)->font().family());
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_services.messages.show(QStringLiteral("Could not print to %1").arg(printer.printerName()),
            QStringLiteral("Print 3D View"), MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        return;
    }
    paintSpaceView(painter, QRectF(QPointF(0, 0), printer.paperRect(QPrinter::DevicePixel).size()), m_canvas->scene(),
        m_canvas->camera(), m_canvas->options(), QSizeF(m_canvas->size()));
    painter.end();
}

void SpaceViewWindow::exportView()
{
    const auto file = chooseDrawingFile(
        m_services.fileDialog, m_services.messages, m_services.resolution, "Export 3D View", QStringLiteral("space"));
    if (!file)
        return;
    QString reason;
    const bool written = exportSpaceView(m_canvas->scene(), m_canvas->camera(), m_canvas->options(),
        QSizeF(m_canvas->size()), file->fileName, file->dpi, &reason);
    reportExport(m_services.messages, file->fileName, written, QStringLiteral("The 3D view"),
        QStringLiteral("Export 3D View"), reason);
}

void SpaceViewWindow::hideEvent(QHideEvent *event)
{
    saveSettings();
    QWidget::hideEvent(event);
}

void SpaceViewWindow::saveSettings() const
{
    SpaceSettings settings { m_canvas->camera(), m_canvas->options() };
    settings.save();
}
