#include "campaign/campaignfile.h"

#include "common/regularfile.h"

#include "routes/pairdistances.h"
#include "routes/travelfile.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <optional>

namespace {

const QString kFormat = QStringLiteral("Quorvane campaign");
const QStringList kKnownKeys = { QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("travel"),
    QStringLiteral("reveal"), QStringLiteral("polities") };

QJsonArray starArray(const std::vector<int> &stars)
{
    QJsonArray array;
    for (int star : stars)
        array.append(star);
    return array;
}

QJsonObject encodeTravelSection(const TravelPlan &plan)
{
    return { { QStringLiteral("jumpLimit"), plan.jumpLimit }, { QStringLiteral("route"), starArray(plan.route) } };
}

QJsonObject encodeRevealSection(const RevealStates &reveal)
{
    std::vector<int> hidden, known;
    for (int star = 0; star < reveal.size(); ++star) {
        if (reveal.state(star) == Reveal::Hidden)
            hidden.push_back(star);
        else if (reveal.state(star) == Reveal::Known)
            known.push_back(star);
    }
    return { { QStringLiteral("hidden"), starArray(hidden) }, { QStringLiteral("known"), starArray(known) } };
}

QJsonObject encodePolitiesSection(const Polities &polities)
{
    QJsonArray list;
    for (size_t p = 0; p < polities.list.size(); ++p) {
        const Polity &polity = polities.list[p];
        std::vector<int> members;
        for (size_t star = 0; star < polities.memberOf.size(); ++star)
            if (polities.memberOf[star] == static_cast<int>(p))
                members.push_back(static_cast<int>(star));
        list.append(QJsonObject { { QStringLiteral("name"), polity.name },
            { QStringLiteral("colour"), QColor::fromRgb(polity.colour).name() },
            { QStringLiteral("claimRadius"), polity.claimRadius }, { QStringLiteral("note"), polity.note },
            { QStringLiteral("knownToPlayers"), polity.knownToPlayers },
            { QStringLiteral("avoidedByRoutes"), polity.avoidedByRoutes },
            { QStringLiteral("stars"), starArray(members) } });
    }
    return { { QStringLiteral("neutralMargin"), polities.neutralMargin }, { QStringLiteral("list"), list } };
}

// Reads one section, remembering the first fault with the path of the value it lies in.
class SectionReader
{
public:
    explicit SectionReader(int starCount)
        : m_starCount(starCount)
    { }

    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }

    void fail(const QString &where, const QString &what)
    {
        if (m_error.isEmpty())
            m_error = where + QStringLiteral(": ") + what;
    }

    QJsonObject object(const QJsonObject &parent, const QString &key, const QString &where)
    {
        const QJsonValue value = parent.value(key);
        if (value.isUndefined())
            return {};
        if (!value.isObject())
            fail(where, QStringLiteral("not an object"));
        return value.toObject();
    }

    std::optional<double> number(const QJsonObject &parent, const QString &key, const QString &where)
    {
        const QJsonValue value = parent.value(key);
        if (value.isUndefined())
            return std::nullopt;
        if (!value.isDouble() || !std::isfinite(value.toDouble())) {
            fail(where, QStringLiteral("not a number"));
            return std::nullopt;
        }
        return value.toDouble();
    }

    QString text(const QJsonObject &parent, const QString &key, const QString &where)
    {
        const QJsonValue value = parent.value(key);
        if (!value.isUndefined() && !value.isString())
            fail(where, QStringLiteral("not a text"));
        return value.toString();
    }

    bool flag(const QJsonObject &parent, const QString &key, const QString &where)
    {
        const QJsonValue value = parent.value(key);
        if (!value.isUndefined() && !value.isBool())
            fail(where, QStringLiteral("not true or false"));
        return value.toBool();
    }

    std::vector<int> stars(const QJsonObject &parent, const QString &key, const QString &where)
    {
        std::vector<int> stars;
        const QJsonValue value = parent.value(key);
        if (value.isUndefined())
            return stars;
        if (!value.isArray()) {
            fail(where, QStringLiteral("not a list of stars"));
            return stars;
        }
        for (const QJsonValue &entry : value.toArray()) {
            const double number = entry.toDouble(-1.0);
            if (!entry.isDouble() || number != std::floor(number) || number < 0 || number >= m_starCount) {
                fail(where,
                    QStringLiteral("%1 is not a star of the catalogue (0 to %2)")
                        .arg(QString::fromUtf8(QJsonDocument(QJsonArray { entry }).toJson(QJsonDocument::Compact))
                                 .mid(1)
                                 .chopped(1))
                        .arg(m_starCount - 1));
                return {};
            }
            stars.push_back(static_cast<int>(number));
        }
        return stars;
    }

private:
    int m_starCount;
    QString m_error;
};

TravelPlan decodeTravelSection(const QJsonObject &root, const PairDistances &distances, SectionReader &reader)
{
    TravelPlan plan;
    const QJsonObject travel = reader.object(root, QStringLiteral("travel"), QStringLiteral("travel"));
    if (const auto limit = reader.number(travel, QStringLiteral("jumpLimit"), QStringLiteral("travel.jumpLimit")))
        plan.jumpLimit = *limit;
    plan.route = reader.stars(travel, QStringLiteral("route"), QStringLiteral("travel.route"));
    if (!reader.failed()) {
        const QString fault = travelPlanFault(plan, distances);
        if (!fault.isEmpty())
            reader.fail(QStringLiteral("travel"), fault);
    }
    return plan;
}

RevealStates decodeRevealSection(const QJsonObject &root, int starCount, SectionReader &reader)
{
    RevealStates reveal(starCount);
    const QJsonObject section = reader.object(root, QStringLiteral("reveal"), QStringLiteral("reveal"));
    for (int star : reader.stars(section, QStringLiteral("hidden"), QStringLiteral("reveal.hidden")))
        reveal.setState(star, Reveal::Hidden);
    for (int star : reader.stars(section, QStringLiteral("known"), QStringLiteral("reveal.known"))) {
        if (reveal.state(star) == Reveal::Hidden)
            reader.fail(QStringLiteral("reveal.known"), QStringLiteral("star %1 is also hidden").arg(star));
        reveal.setState(star, Reveal::Known);
    }
    return reveal;
}

Polities decodePolitiesSection(const QJsonObject &root, int starCount, SectionReader &reader)
{
    Polities polities(starCount);
    const QJsonObject section = reader.object(root, QStringLiteral("polities"), QStringLiteral("polities"));
    if (const auto margin
        = reader.number(section, QStringLiteral("neutralMargin"), QStringLiteral("polities.neutralMargin"))) {
        if (*margin < 0)
            reader.fail(QStringLiteral("polities.neutralMargin"), QStringLiteral("below 0"));
        polities.neutralMargin = *margin;
    }
    const QJsonValue list = section.value(QStringLiteral("list"));
    if (!list.isUndefined() && !list.isArray())
        reader.fail(QStringLiteral("polities.list"), QStringLiteral("not a list"));
    const QJsonArray entries = list.toArray();
    for (qsizetype p = 0; p < entries.size() && !reader.failed(); ++p) {
        const QString where = QStringLiteral("polities.list[%1]").arg(p);
        if (!entries[p].isObject()) {
            reader.fail(where, QStringLiteral("not an object"));
            break;
        }
        const QJsonObject entry = entries[p].toObject();
        Polity polity;
        polity.name = reader.text(entry, QStringLiteral("name"), where + QStringLiteral(".name"));
        const QString colourName = reader.text(entry, QStringLiteral("colour"), where + QStringLiteral(".colour"));
        const QColor colour(colourName);
        if (!colourName.isEmpty() && !colour.isValid())
            reader.fail(where + QStringLiteral(".colour"), QStringLiteral("\"%1\" is not a colour").arg(colourName));
        if (!colourName.isEmpty())
            polity.colour = colour.rgb() & 0xFFFFFF;
        if (const auto radius
            = reader.number(entry, QStringLiteral("claimRadius"), where + QStringLiteral(".claimRadius"))) {
            if (*radius < 0)
                reader.fail(where + QStringLiteral(".claimRadius"), QStringLiteral("below 0"));
            polity.claimRadius = *radius;
        }
        polity.note = reader.text(entry, QStringLiteral("note"), where + QStringLiteral(".note"));
        polity.knownToPlayers
            = reader.flag(entry, QStringLiteral("knownToPlayers"), where + QStringLiteral(".knownToPlayers"));
        polity.avoidedByRoutes
            = reader.flag(entry, QStringLiteral("avoidedByRoutes"), where + QStringLiteral(".avoidedByRoutes"));
        for (int star : reader.stars(entry, QStringLiteral("stars"), where + QStringLiteral(".stars"))) {
            int &member = polities.memberOf[static_cast<size_t>(star)];
            if (member != Polities::kNone)
                reader.fail(where + QStringLiteral(".stars"),
                    QStringLiteral("star %1 already belongs to \"%2\"")
                        .arg(star)
                        .arg(polities.list[size_t(member)].name));
            member = static_cast<int>(p);
        }
        polities.list.push_back(polity);
    }
    return polities;
}

} // namespace

namespace CampaignFile {

QByteArray encode(const Campaign &campaign)
{
    QJsonObject root = campaign.otherKeys;
    root.insert(QStringLiteral("format"), kFormat);
    root.insert(QStringLiteral("version"), kVersion);
    root.insert(QStringLiteral("travel"), encodeTravelSection(campaign.travel));
    root.insert(QStringLiteral("reveal"), encodeRevealSection(campaign.reveal));
    root.insert(QStringLiteral("polities"), encodePolitiesSection(campaign.polities));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Decoded decode(const QByteArray &bytes, const PairDistances &distances)
{
    Decoded result;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const int line = static_cast<int>(bytes.left(parseError.offset).count('\n')) + 1;
        result.error = QStringLiteral("line %1: %2").arg(line).arg(parseError.errorString());
        return result;
    }
    if (!document.isObject()) {
        result.error = QStringLiteral("not a JSON object");
        return result;
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != kFormat) {
        result.error = QStringLiteral("format: not \"%1\"").arg(kFormat);
        return result;
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != std::floor(version.toDouble())) {
        result.error = QStringLiteral("version: not a whole number from 1");
        return result;
    }

    const int starCount = distances.size();
    SectionReader reader(starCount);
    Campaign campaign(starCount);
    campaign.travel = decodeTravelSection(root, distances, reader);
    campaign.reveal = decodeRevealSection(root, starCount, reader);
    campaign.polities = decodePolitiesSection(root, starCount, reader);
    for (auto it = root.begin(); it != root.end(); ++it)
        if (!kKnownKeys.contains(it.key()))
            campaign.otherKeys.insert(it.key(), it.value());
    if (reader.failed()) {
        result.error = reader.error();
        return result;
    }
    result.ok = true;
    result.campaign = std::move(campaign);
    return result;
}

QString fileNameFor(const QString &stateFileName)
{
    const QFileInfo info(stateFileName);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".campaign"));
}

bool save(const QString &fileName, const Campaign &campaign, QString *error, const FileCalls &calls)
{
    return writeFileSafely(fileName, encode(campaign), error, calls);
}

Load load(const QString &stateFileName, const PairDistances &distances, Campaign &campaign, QString *error)
{
    const QString fileName = fileNameFor(stateFileName);
    const auto malformed = [&](const QString &what) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(fileName), what);
        return Load::Malformed;
    };
    const QFileInfo info(fileName);
    if (!info.exists()) {
        // An older campaign kept only its travel plan, in a ".travel" file.
        TravelPlan plan;
        QString reason;
        switch (loadTravelFile(travelFileName(stateFileName), distances, plan, &reason)) {
        case TravelLoad::Absent:
            return Load::Absent;
        case TravelLoad::Malformed:
            if (error)
                *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(travelFileName(stateFileName)), reason);
            return Load::Malformed;
        case TravelLoad::Loaded:
            break;
        }
        Campaign older(distances.size());
        older.travel = plan;
        campaign = older;
        return Load::Loaded;
    }
    QByteArray bytes;
    QString reason;
    if (!readRegularFile(fileName, kMaxBytes, bytes, &reason))
        return malformed(reason);
    const Decoded decoded = decode(bytes, distances);
    if (!decoded.ok)
        return malformed(decoded.error);
    campaign = decoded.campaign;
    return Load::Loaded;
}

} // namespace CampaignFile
