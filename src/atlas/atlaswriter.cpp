#include "atlas/atlaswriter.h"

#include "atlas/atlaspolities.h"
#include "atlas/indexlayout.h"
#include "atlas/pagecanvas.h"
#include "atlas/pdfnavigation.h"
#include "atlas/sectorpage.h"
#include "common/safefile.h"
#include "mapview/mapmodel.h"
#include "mapview/paintersurface.h"
#include "output/pagesetup.h"

#include <QBuffer>
#include <QDebug>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerMm = 72.0 / kMmPerInch;

// The route the sectors along it follow: none in a player edition that keeps the route secret.
std::vector<int> routeOf(const MapModel &shown, const AtlasRequest &request)
{
    if (request.edition == AtlasEdition::Player && !request.maps.routeForPlayers)
        return {};
    return shown.campaign.travel.route;
}

} // namespace

AtlasWriter::AtlasWriter(const MapModel &shown, const AtlasRequest &request)
    : m_shown(shown)
    , m_request(request)
    , m_notes(AtlasNotes::forEdition(shown.notes, request.edition))
    , m_plan(planAtlas(*shown.stars, m_notes,
          chooseSectors(request.sectors, *shown.stars, m_notes, routeOf(shown, request)),
          !atlaspolities::forEdition(shown.campaign.polities, request.edition).list.empty()))
{ }

QByteArray AtlasWriter::pdf() const
{
    const MapModel model = atlasModel(m_shown, m_notes, m_request.maps);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PdfNavigation navigation;
    navigation.outline.push_back({ QStringLiteral("Campaign Atlas"), 0 });
    for (const ContentsEntry &entry : m_plan.contents())
        navigation.outline.push_back({ entry.title, entry.page - 1 });
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QStringLiteral("Quorvane Campaign Atlas"));
        pdf.setCreator(QStringLiteral("Quorvane"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&pdf))
            return {};
        const PageCanvas page(painter, pdf.resolution() / kMmPerInch);
        const IndexLayout index(m_plan.index, m_plan.edition, &pdf);
        int number = 1;
        const auto nextPage = [&] {
            pdf.newPage();
            ++number;
        };

        atlaspages::drawTitle(page, m_plan, m_request.date, model.logoNegative);
        for (int c = 0; c < m_plan.contentsPages; ++c) {
            nextPage();
            for (const atlaspages::ContentsLine &line : atlaspages::drawContents(page, m_plan, c)) {
                // PDF points from the bottom left of the page.
                const QRectF r = line.rect;
                navigation.links.push_back({ number - 1,
                    QRectF(QPointF(r.left(), PageCanvas::kHeight - r.bottom()) * kPointsPerMm, r.size() * kPointsPerMm),
                    line.target - 1 });
            }
            page.pageNumber(number);
        }
        nextPage();
        atlaspages::drawOverview(page, m_plan, model, m_request.overviewPicture);
        page.pageNumber(number);
        if (m_plan.polityPages > 0) {
            nextPage();
            atlaspolities::drawLegendPage(page, model.campaign.polities, *model.stars);
            page.pageNumber(number);
        }
        for (const AtlasSector &sector : m_plan.sectors) {
            nextPage();
            PainterSurface surface(
                painter, a4LandscapeMm(), QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())), true);
            drawSectorPage(model, sector, number, surface);
            surface.flush();
            page.pageNumber(number, model.view.printerMode ? Qt::black : Qt::white);
        }
        for (size_t i = 0; i < index.pages().size(); ++i) {
            nextPage();
            atlaspages::drawIndexPage(page, index.pages()[i], i == 0);
            page.pageNumber(number);
        }
        if (!painter.end())
            return {};
    }
    QString error;
    const QByteArray navigable = withNavigation(bytes, navigation, &error);
    if (navigable.isEmpty())
        qWarning("Campaign atlas: no links and outline: %s", qPrintable(error));
    return navigable;
}

bool AtlasWriter::write(const QString &fileName, QString *error) const
{
    const QByteArray bytes = pdf();
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("the PDF could not be made");
        return false;
    }
    return writeFileSafely(fileName, bytes, error);
}
