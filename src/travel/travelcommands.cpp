#include "travel/travelcommands.h"

#include "dialogs/messagebox.h"
#include "mapview/mapmodel.h"
#include "output/clipboard.h"
#include "polities/routeborders.h"
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

void TravelCommands::tell(const QString &text)
{
    m_messages.show(text, kRouteTitle, MessageBox::Buttons::Ok, MessageBox::Icon::Information);
}

void TravelCommands::plot(bool tellResult)
{
    const ViewState &view = m_model.view;
    const int from = view.selectedStar;
    const int to = view.secondStar;
    if (!m_model.stars->contains(from) || !m_model.stars->contains(to) || from == to) {
        tell(QStringLiteral("Select a star and a different second star to plot a route between them."));
        return;
    }
    // The second star a new game starts with was never chosen as a destination.
    if (!view.secondStarChosen) {
        tell(QStringLiteral("Choose the destination first: right-click it in the Stellar Index, or find it with "
                            "Edit ▸ Find Star… and press Shift+Enter."));
        return;
    }
    const QString text = plotBetween(from, to);
    m_redraw();
    if (tellResult)
        tell(text);
}

QString TravelCommands::plotBetween(int from, int to)
{
    const RouteTextOptions options = routeborders::textOptions(m_model.campaign.polities, *m_model.stars);
    const Route route = plotRoute(m_model.distances, from, to, m_model.campaign.travel.jumpLimit, options.avoided);
    m_model.campaign.travel.route = route.stars;
    const QString text
        = routeText(*m_model.stars, m_model.distances, from, to, m_model.campaign.travel.jumpLimit, route, options);
    m_failure = route.found() ? QString() : text;
    m_failedPlan = m_model.campaign.travel;
    return text;
}

void TravelCommands::clearRoute()
{
    m_model.campaign.travel.route.clear();
    m_failure.clear();
    m_redraw();
}

void TravelCommands::setJumpLimit(double limit)
{
    const std::vector<int> route = m_model.campaign.travel.route;
    const bool failureShown = !shownText().isEmpty() && route.empty();
    m_model.campaign.travel.jumpLimit = limit;
    if (route.size() >= 2)
        plotBetween(route.front(), route.back());
    else
        m_failure.clear();
    if (route.size() >= 2 || failureShown || m_model.view.showLinks)
        m_redraw();
}

void TravelCommands::copyRoute()
{
    const QString text = shownText();
    if (text.isEmpty()) {
        tell(QStringLiteral("No route has been plotted."));
        return;
    }
    m_clipboard.setText(text);
    m_messages.show(QStringLiteral("The route has been sent to clipboard ready to paste into your chosen Program"),
        QStringLiteral("Clipboard Ready"), MessageBox::Buttons::Ok, MessageBox::Icon::Information);
}

QString TravelCommands::currentRouteText() const
{
    const std::vector<int> &stars = m_model.campaign.travel.route;
    if (stars.size() < 2)
        return QString();
    Route route { stars, 0.0 };
    for (size_t k = 1; k < stars.size(); ++k)
        route.total += m_model.distances(stars[k - 1], stars[k]);
    return routeText(*m_model.stars, m_model.distances, stars.front(), stars.back(), m_model.campaign.travel.jumpLimit,
        route, routeborders::textOptions(m_model.campaign.polities, *m_model.stars));
}

QString TravelCommands::shownText() const
{
    if (!m_model.campaign.travel.route.empty())
        return currentRouteText();
    return m_model.campaign.travel == m_failedPlan ? m_failure : QString();
}
