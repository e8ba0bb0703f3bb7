#include "campaign/campaignfile.h"
#include "catalogue/startable.h"
#include "files/scriptedui.h"
#include "routes/pairdistances.h"
#include "routes/travelfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TestCampaignFile : public QObject
{
    Q_OBJECT
private:
    StarTable m_table = StarTable::fromCatalogue();
    PairDistances m_distances { m_table };

    Campaign sample() const
    {
        Campaign campaign(m_table.size());
        campaign.travel.jumpLimit = 6.5;
        campaign.travel.route = { 165, 21 }; // Sol to Alpha Centauri A
        campaign.reveal.setState(3, Reveal::Hidden);
        campaign.reveal.setState(40, Reveal::Known);
        campaign.polities.list = { { QStringLiteral("Concordat \"Ünion\""), 0xCC3311, 4.5,
                                       QStringLiteral("line one\nline two"), true, true },
            { QStringLiteral("Free Worlds"), 0x00AA00, 3.0, {}, false } };
        campaign.polities.memberOf[165] = campaign.polities.memberOf[0] = 0;
        campaign.polities.memberOf[12] = 1;
        campaign.polities.neutralMargin = 1.5;
        return campaign;
    }

    // The sample's file with the key at `path` ("key" or "section.key") set to `value`.
    QByteArray withKey(const QString &path, const QJsonValue &value) const
    {
        QJsonObject root = QJsonDocument::fromJson(CampaignFile::encode(sample())).object();
        const QString key = path.section(u'.', 0, 0), inner = path.section(u'.', 1);
        QJsonObject section = root.value(key).toObject();
        section.insert(inner, value);
        root.insert(key, inner.isEmpty() ? value : QJsonValue(section));
        return QJsonDocument(root).toJson();
    }

private slots:
    void roundTripKeepsEverythingAndUnknownKeys()
    {
        Campaign campaign = sample();
        campaign.otherKeys.insert(QStringLiteral("weather"), QJsonObject { { QStringLiteral("storms"), 3 } });
        const QByteArray bytes = CampaignFile::encode(campaign);
        const auto decoded = CampaignFile::decode(bytes, m_distances);
        QVERIFY2(decoded.ok, qPrintable(decoded.error));
        QVERIFY(decoded.campaign == campaign);
        QCOMPARE(CampaignFile::encode(decoded.campaign), bytes);
    }

    void missingSectionsMeanTheDefaults()
    {
        const auto decoded = CampaignFile::decode(R"({"format": "Quorvane campaign", "version": 1})", m_distances);
        QVERIFY2(decoded.ok, qPrintable(decoded.error));
        QVERIFY(decoded.campaign == Campaign(m_table.size()));
    }

    void faultsAreNamedWithTheirPlace_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("not json") << QByteArray("{\n\"format\": ") << "line 2";
        QTest::newRow("format") << withKey("format", "Other") << "format:";
        QTest::newRow("version") << withKey("version", 0.5) << "version:";
        QTest::newRow("limit") << withKey("travel.jumpLimit", 40) << "travel: the jump limit 40";
        QTest::newRow("route star") << withKey("travel.route", QJsonArray { 165, 999 })
                                    << "travel.route: 999 is not a star of the catalogue";
        QTest::newRow("long leg") << withKey("travel.route", QJsonArray { 165, 0 }) << "longer than the jump limit";
        QTest::newRow("hidden and known") << withKey("reveal.known", QJsonArray { 3 }) << "star 3 is also hidden";
        QTest::newRow("margin") << withKey("polities.neutralMargin", "wide") << "polities.neutralMargin: not a number";
        const auto polities = [](const char *list) {
            return R"({"format":"Quorvane campaign","version":1,"polities":{"list":[)" + QByteArray(list) + "]}}";
        };
        QTest::newRow("two polities") << polities(R"({"name":"A","stars":[5]},{"name":"B","stars":[5]})")
                                      << "polities.list[1].stars: star 5 already belongs to \"A\"";
        QTest::newRow("colour") << polities(R"({"name":"A","colour":"plaid"})")
                                << "polities.list[0].colour: \"plaid\" is not a colour";
        QTest::newRow("avoided") << polities(R"({"name":"A","avoidedByRoutes":"yes"})")
                                 << "polities.list[0].avoidedByRoutes: not true or false";
    }
    void faultsAreNamedWithTheirPlace()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const auto decoded = CampaignFile::decode(bytes, m_distances);
        QVERIFY(!decoded.ok);
        QVERIFY2(decoded.error.contains(error), qPrintable(decoded.error));
    }

    void sideFileBesideTheGameStateAndOlderTravelFile()
    {
        QTemporaryDir dir;
        const QString state = dir.filePath(QStringLiteral("campaign.kmf"));
        QCOMPARE(CampaignFile::fileNameFor(state), dir.filePath(QStringLiteral("campaign.campaign")));

        // The side file wins over an older campaign's travel file beside it; a broken one changes nothing
        // and says where.
        QVERIFY(saveTravelFile(travelFileName(state), TravelPlan { 5.0, { 165, 21 } }));
        QVERIFY(CampaignFile::save(CampaignFile::fileNameFor(state), sample()));
        Campaign loaded(m_table.size());
        QCOMPARE(CampaignFile::load(state, m_distances, loaded), CampaignFile::Load::Loaded);
        QVERIFY(loaded == sample());
        const QByteArray broken = withKey("reveal.hidden", QJsonArray { -1 });
        QCOMPARE(contents(CampaignFile::fileNameFor(state), broken), broken);
        QString error;
        Campaign untouched = sample();
        untouched.travel.route.clear();
        Campaign target = untouched;
        QCOMPARE(CampaignFile::load(state, m_distances, target, &error), CampaignFile::Load::Malformed);
        QVERIFY(target == untouched);
        QVERIFY2(
            error.contains(QStringLiteral("campaign.campaign: reveal.hidden: -1 is not a star")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestCampaignFile)
#include "tst_campaignfile.moc"
