#include "travel/travelcommands.h"

#include "files/messagebox.h"
#include "mapview/mapmodel.h"
#include "output/clipboard.h"
#include "routes/routesearch.h"
#include "routes/routetext.h"

namespace {

const QString kRouteTitle = QStringLiteral("Plot Route");

} // namespace

TravelCommands::TravelCommands(
    MapModel &model, Clipboard &clipboard, MessageBox &messages, std::function<void()> redraw)
    : m_model(model)
    , m_clipboard(clipboard)
    , m_messages(messages)
    , m_redraw(std::move(redraw))
{ }

void TravelCommands::plotSelectedRoute()
{
    const int from = m_model.view.selectedStar;
    const int to = m_model.view.secondStar;
    QString text;
    if (!m_model.stars->contains(from) || !m_model.stars->contains(to) || from == to) {
        text = QStringLiteral("Select a star and a different second star to plot a route between them.");
    } else {
        const Route route = plotRoute(m_model.distances, from, to, m_model.travel.jumpLimit);
        m_model.travel.route = route.stars;
        text = routeText(*m_model.stars, m_model.distances, from, to, m_model.travel.jumpLimit, route);
        m_redraw();
    }
    m_messages.show(text, kRouteTitle, MessageBox::Buttons::Ok, MessageBox::Icon::Information);
}

void TravelCommands::clearRoute()
{
    m_model.travel.route.clear();
    m_redraw();
}

void TravelCommands::copyRoute()
{
    const QString text = currentRouteText();
    if (text.isEmpty()) {
        m_messages.show(QStringLiteral("No route has been plotted."), kRouteTitle, MessageBox::Buttons::Ok,
            MessageBox::Icon::Information);
        return;
    }
    m_clipboard.setText(text);
    m_messages.show(QStringLiteral("The route has been sent to clipboard ready to paste into your chosen Program"),
        QStringLiteral("Clipboard Ready"), MessageBox::Buttons::Ok, MessageBox::Icon::Information);
}

QString TravelCommands::currentRouteText() const
{
    const std::vector<int> &stars = m_model.travel.route;
    if (stars.size() < 2)
        return QString();
    Route route { stars, 0.0 };
    for (size_t k = 1; k < stars.size(); ++k)
        route.total += m_model.distances(stars[k - 1], stars[k]);
    return routeText(*m_model.stars, m_model.distances, stars.front(), stars.back(), m_model.travel.jumpLimit, route);
}
