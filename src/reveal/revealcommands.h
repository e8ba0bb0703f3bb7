#pragma once

#include "campaign/revealstates.h"

#include <QString>

#include <functional>
#include <vector>

struct MapModel;

// The commands that set what the players know: for one star, all within some light years of a
// star, all along the plotted route and all with notes. Each runs as one named, undoable step
// through `run`, which records the campaign before and after `change` and redraws.
class RevealCommands
{
public:
    using Run = std::function<void(const QString &name, const std::function<void()> &change)>;

    RevealCommands(MapModel &model, Run run);

    void setStar(int star, Reveal state); // "Set Reveal State"
    void setWithin(int star, double lightYears, Reveal state); // "Set Reveal State Within N ly"
    void setAlongRoute(Reveal state); // "Set Reveal State Along the Route"
    void setWithNotes(Reveal state); // "Set Reveal State of Stars with Notes"

private:
    void setAll(const QString &name, const std::vector<int> &stars, Reveal state);

    MapModel &m_model;
    Run m_run;
};
