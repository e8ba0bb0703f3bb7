#include "index/routepanel.h"

#include "routes/travelplan.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>

namespace {

const QString kLimitKey = QStringLiteral("travel/jumpLimit");

QPushButton *button(const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

// The limit last chosen, from the settings; the default on a first run or when the setting is not a limit.
double savedJumpLimit()
{
    bool ok = false;
    const double limit = QSettings().value(kLimitKey, TravelPlan::kDefaultLimit).toDouble(&ok);
    return ok && limit >= TravelPlan::kMinLimit && limit <= TravelPlan::kMaxLimit ? limit : TravelPlan::kDefaultLimit;
}

} // namespace

RoutePanel::RoutePanel(QWidget *parent)
    : QWidget(parent)
    , m_limit(new QDoubleSpinBox)
    , m_route(new QLineEdit)
    , m_copy(button("copyroute", QStringLiteral("Copy")))
{
    setObjectName(QStringLiteral("routepanel"));
    m_limit->setObjectName(QStringLiteral("jumplimit"));
    m_limit->setRange(TravelPlan::kMinLimit, TravelPlan::kMaxLimit);
    m_limit->setSingleStep(TravelPlan::kLimitStep);
    m_limit->setDecimals(1);
    m_limit->setSuffix(QStringLiteral(" ly"));
    m_limit->setKeyboardTracking(false); // one change (and redraw) per typed value, not per key
    m_limit->setValue(savedJumpLimit());
    connect(m_limit, &QDoubleSpinBox::valueChanged, this, [this](double limit) {
        QSettings().setValue(kLimitKey, limit);
        emit jumpLimitChanged(limit);
    });

    auto *label = new QLabel(QStringLiteral("Jump Limit"));
    label->setBuddy(m_limit);
    QPushButton *plot = button("plotroute", QStringLiteral("Plot Route"));
    QPushButton *clear = button("clearroute", QStringLiteral("Clear Route"));
    connect(plot, &QPushButton::clicked, this, &RoutePanel::plotRequested);
    connect(clear, &QPushButton::clicked, this, &RoutePanel::clearRequested);
    connect(m_copy, &QPushButton::clicked, this, &RoutePanel::copyRequested);
    m_route->setObjectName(QStringLiteral("routetext"));
    m_route->setReadOnly(true);
    m_route->setPlaceholderText(QStringLiteral("No route plotted"));
    m_copy->setEnabled(false);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(m_limit);
    row->addWidget(plot);
    row->addWidget(clear);
    row->addWidget(m_route, 1);
    row->addWidget(m_copy);
}

double RoutePanel::jumpLimit() const
{
    return m_limit->value();
}

void RoutePanel::showJumpLimit(double limit)
{
    const QSignalBlocker quiet(m_limit);
    m_limit->setValue(limit);
}

void RoutePanel::showRoute(const QString &text)
{
    m_text = text;
    // One line: a heading or sentence ends in ':' or '.', the legs between them are set apart by ';'.
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QString line = lines.front();
    for (qsizetype k = 1; k < lines.size(); ++k)
        line += (line.endsWith(u':') || line.endsWith(u'.') ? QStringLiteral(" ") : QStringLiteral("; ")) + lines[k];
    m_route->setText(line);
    m_route->setCursorPosition(0);
    m_route->setToolTip(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_copy->setEnabled(!text.isEmpty());
}
