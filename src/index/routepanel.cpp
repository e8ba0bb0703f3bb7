#include "index/routepanel.h"

#include "routes/travelplan.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
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

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(m_limit);
    row->addWidget(plot);
    row->addWidget(clear);
    row->addStretch(1);
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
