#include "index/indexentries.h"

#include "catalogue/stardistance.h"
#include "common/textnumber.h"
#include "mapview/colours.h"
#include "mapview/mapmodel.h"

namespace {

// The players' copy keeps an empty record for a Surveyed star whose notes are all the game
// master's, which the players cannot read: no "N" for them.
bool holdsText(const NotesStore &notes, int star)
{
    return star < notes.size()
        && (!notes.gameMasterText(star).isEmpty() || !notes.playerText(star).isEmpty()
            || !notes.hiddenPieces(star).isEmpty());
}

} // namespace

std::vector<IndexEntryMark> indexEntryMarks(const MapModel &model, bool forPlayers)
{
    const ViewState &view = model.view;
    const StarTable &stars = *model.stars;
    std::vector<IndexEntryMark> marks(static_cast<size_t>(stars.size()));
    for (qint32 i = 0; i < stars.size(); ++i) {
        IndexEntryMark &mark = marks[static_cast<size_t>(i)];
        if (i == view.selectedStar || i == view.secondStar) {
            mark.border = true;
            if (i == view.selectedStar)
                mark.textColour = colours::kRed;
            if (i == view.secondStar)
                mark.textColour = colours::kBlue;
        }
        mark.dotColour = starColour(model, i);
        const QString &starMark = stars[i].mark;
        if (starMark == QLatin1String("*") || starMark == QLatin1String("R"))
            mark.mark = starMark;
        mark.hasNotes = forPlayers ? holdsText(model.notes, i) : model.notes.hasNotes(i);
    }
    return marks;
}

std::optional<QString> selectionCaption(const MapModel &model)
{
    const ViewState &view = model.view;
    const StarTable &stars = *model.stars;
    if (view.selectedStar < 0 || view.selectedStar >= stars.size())
        return std::nullopt;
    QString tail;
    if (view.secondStar > -1)
        tail = QStringLiteral(" and the distance to ") + stars[view.secondStar].starName + QStringLiteral(" is ")
            + common::formatWhole(starDistance(stars, view.selectedStar, view.secondStar)) + QStringLiteral(" LY");
    return QStringLiteral("The selected system is ") + stars[view.selectedStar].starName + tail;
}
