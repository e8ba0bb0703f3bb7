#include "spaceview/spacescene.h"

#include "mapview/colours.h"
#include "mapview/mapmodel.h"
#include "polities/polityedits.h"

int SpaceScene::centreStar() const
{
    if (contains(selected))
        return selected;
    return contains(sol) ? sol : -1;
}

QVector3D SpaceScene::centre() const
{
    const int star = centreStar();
    return star >= 0 ? stars[size_t(star)].at : QVector3D();
}

bool SpaceOptions::operator==(const SpaceOptions &other) const
{
    return radius == other.radius && planeThroughCentre == other.planeThroughCentre && reachLinks == other.reachLinks
        && stereoPair == other.stereoPair && crossedEyes == other.crossedEyes;
}

SpaceScene sceneFromModel(const MapModel &model)
{
    const StarTable &table = *model.stars;
    SpaceScene scene;
    scene.stars.reserve(size_t(table.size()));
    for (int i = 0; i < table.size(); ++i) {
        const StarRecord &star = table[i];
        scene.stars.push_back(
            { QVector3D(star.x, star.y, star.z), starColour(model, i), star.starName, star.spectralClass });
    }
    scene.selected = table.contains(model.view.selectedStar) ? model.view.selectedStar : -1;
    scene.second = table.contains(model.view.secondStar) ? model.view.secondStar : -1;
    scene.sol = table.contains(table.sol()) ? table.sol() : -1;
    for (const int star : model.campaign.travel.route)
        if (table.contains(star))
            scene.route.push_back(star);
    for (size_t k = 1; k < scene.route.size(); ++k)
        scene.legLengths.push_back(model.distances(scene.route[k - 1], scene.route[k]));
    scene.jumpLimit = model.campaign.travel.jumpLimit;
    scene.sectorX = model.view.originX;
    scene.sectorY = model.view.originY;
    scene.light = model.view.printerMode;
    scene.colourCode = model.view.colourCode;
    const Polities &polities = model.campaign.polities;
    for (const Polity &p : polities.list) {
        scene.polityNames.push_back(p.name);
        scene.polityColours.push_back(p.colour);
    }
    for (int i = 0; i < table.size(); ++i)
        scene.polityOf.push_back(polityedits::polityOf(polities, i));
    if (model.view.showTerritories && !polities.list.empty())
        scene.territory = model.territory.shells(polities, table);
    return scene;
}
