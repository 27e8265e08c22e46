// Satellite data by orbital position: spacecraft grouped as a dish sees them,
// positions answering to the ids switches hold for their spacecraft, and
// plans made with spacecraft names.
#include "model/OrbitalPositions.h"
#include "model/SatelliteIdTable.h"

#include <QtTest>

namespace {

using Rows = QVector<TransponderItem>;

TransponderItem row(quint32 number, quint32 mhz, Polarisation polarisation, quint32 satId)
{
    return {number, mhz, polarisation, mhz < 11700 ? 9750u : 10600u, satId};
}

// The satellite a switch's id names in the data, or "none".
QString named(const SatelliteCatalogue &data, quint32 id)
{
    const SateliteParams *found = data.findSateliteById(id);
    return found ? found->name : QStringLiteral("none");
}

// Spacecraft as the scan tables have them, one per file.
SatelliteCatalogue spacecraft()
{
    SatelliteCatalogue::Transponders items;
    QVector<SateliteParams> params;
    const auto add = [&](const QString &name, quint32 id, const Rows &rows) {
        items[name] = rows;
        params.append({name, id, 9750, 10600});
    };
    add(QStringLiteral("Astra 19.2E"), 9, {row(1, 11362, Polarisation::H, 9)});
    // A repeat within 1 MHz counts once; 2 MHz apart or the other
    // polarisation is another transponder.
    add(QStringLiteral("Astra 1KR 19.2E"), 10,
        {row(1, 11363, Polarisation::H, 10), row(2, 11494, Polarisation::H, 10),
         row(3, 11494, Polarisation::V, 10), row(4, 11364, Polarisation::H, 10)});
    add(QStringLiteral("Astra 2E 28.5E"), 16, {row(1, 10714, Polarisation::H, 16)});
    add(QStringLiteral("Astra 28.2E"), 15, {row(1, 11954, Polarisation::H, 15)});
    add(QStringLiteral("Nilesat 201 7.0W"), 91,
        {row(1, 10719, Polarisation::V, 91), row(2, 10758, Polarisation::V, 91)});
    add(QStringLiteral("Eutelsat 7 West A 7.3W"), 38, {row(1, 12092, Polarisation::H, 38)});
    add(QStringLiteral("Al Yah 1 52.5E"), 2, {row(1, 11785, Polarisation::H, 2)});
    add(QStringLiteral("Express AM6 53.0E"), 47, {row(1, 10971, Polarisation::V, 47)});
    return SatelliteCatalogue(items, params);
}

} // namespace

class OrbitalPositionsTest : public QObject
{
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("family");
        QTest::newRow("spacecraft") << "Astra 1KR 19.2E" << 192 << "Astra";
        QTest::newRow("west") << "Eutelsat 7 West A 7.3W" << -73 << "Eutelsat";
        QTest::newRow("glued digits") << "Nilesat101+102 7.0W" << -70 << "Nilesat";
        QTest::newRow("underscore") << "Eutelsat5_5.0W" << -50 << "Eutelsat";
        QTest::newRow("whole degrees") << "EutelsatW2 16E" << 160 << "EutelsatW";
        QTest::newRow("two words") << "Star One C2 70.0W" << -700 << "Star One";
        QTest::newRow("no position") << "My dish" << 0 << "My dish";
        QTest::newRow("beyond 180") << "Test 190.0E" << 0 << "Test";
        QTest::newRow("two points") << "Astra 1.19.2E" << 192 << "Astra";
        QTest::newRow("point after a letter") << "Test A.5E" << 50 << "Test A.";
        QTest::newRow("letter alone") << "Test E" << 0 << "Test E";
        QTest::newRow("point before the letter") << "Test 19.E" << 0 << "Test";
        QTest::newRow("last line break") << "Hot Bird 13.0E\n" << 130 << "Hot Bird";
        QTest::newRow("small letter") << "Test 13.0e" << 0 << "Test";
        QTest::newRow("Arabic digits") << QString::fromUtf8("Test \u0661\u0663E") << 0 << "Test";
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(int, tenths);
        QFETCH(QString, family);
        QCOMPARE(OrbitalPositions::position(name).value_or(0), tenths);
        QCOMPARE(OrbitalPositions::family(name), family);
    }

    // Spacecraft within 0.4 degrees of a position's west-most one are that
    // position; 0.5 apart are two. The larger family names it.
    void groupsSpacecraftIntoPositions()
    {
        const SatelliteCatalogue positions = OrbitalPositions::group(spacecraft());
        QCOMPARE(positions.satelliteNames(), (QStringList{"Al Yah 52.5E", "Astra 19.2E", "Astra 28.2E",
                                                          "Express 53.0E", "Nilesat 7.3W"}));
        const Rows astra = positions.transponders(QStringLiteral("Astra 19.2E"));
        QCOMPARE(astra.size(), 4);
        QCOMPARE(astra[3].frequency, 11364u);
        QCOMPARE(astra[0].frequency, 11362u);
        QCOMPARE(astra[1].frequency, 11494u);
        QVERIFY(astra[2].polarisation == Polarisation(Polarisation::V));
        QCOMPARE(astra[2].transponder, 3u);
        QCOMPARE(astra[2].satId, 9u);
        // Sent with its lowest id, read back under any of its spacecraft's.
        const SateliteParams *params = positions.findSatelite(QStringLiteral("Astra 19.2E"));
        QVERIFY(params);
        QCOMPARE(params->satId, 9u);
        QCOMPARE(positions.findSateliteById(10)->name, QStringLiteral("Astra 19.2E"));
        QCOMPARE(positions.findSateliteById(16)->name, QStringLiteral("Astra 28.2E"));
        QCOMPARE(positions.findSateliteById(38)->name, QStringLiteral("Nilesat 7.3W"));
        QCOMPARE(positions.findSatelite(QStringLiteral("Nilesat 7.3W"))->satId, 38u);
        QCOMPARE(positions.transponders(QStringLiteral("Astra 28.2E")).size(), 2);
    }

    // Data without the spacecraft's ids (a server, the cache) answer to them
    // through the program's table, unless the data use them otherwise or
    // two satellites share the position.
    void positionsAnswerToTheTablesIds()
    {
        const SatelliteIdTable table = SatelliteIdTable::parse("9\tAstra 19.2E\n10\tAstra 1KR 19.2E\n"
                                                               "16\tAstra 2E 28.5E\n2\tAl Yah 1 52.5E\n"
                                                               "3\tAlcomsat 1 24.8W\n");
        SatelliteCatalogue::Transponders items;
        QVector<SateliteParams> params;
        for (const auto &[name, id] :
             {std::pair<QString, quint32>{"Astra 19.2E", 9}, {"Astra 28.2E", 3}, {"Eutelsat 24.8W", 0}}) {
            items[name] = {row(1, 11000, Polarisation::H, id)};
            params.append({name, id, 9750, 0});
        }
        const SatelliteCatalogue data =
            OrbitalPositions::withTableIds(SatelliteCatalogue(items, params), table);
        QCOMPARE(data.findSateliteById(10)->name, QStringLiteral("Astra 19.2E"));
        QCOMPARE(data.findSateliteById(16)->name, QStringLiteral("Astra 28.2E"));
        // Id 3 is the data's own; 2 has no satellite at 52.5E here.
        QCOMPARE(data.findSateliteById(3)->name, QStringLiteral("Astra 28.2E"));
        QVERIFY(!data.findSateliteById(2));
        QCOMPARE(data.otherIds().size(), std::size_t(2));
        QCOMPARE(table.differences(OrbitalPositions::group(spacecraft())), QStringList());
    }

    // A plan made with spacecraft names is moved to their positions, and
    // says so; names the data list stay.
    void plansMoveToPositions()
    {
        const SatelliteCatalogue positions = OrbitalPositions::group(spacecraft());
        QString lnb1 = QStringLiteral("Astra 1KR 19.2E");
        QString lnb2 = QStringLiteral("Nilesat 7.3W");
        QCOMPARE(OrbitalPositions::movePlan(lnb1, lnb2, positions),
                 QStringLiteral("These satellite data name satellites by their orbital position: "
                                "Astra 1KR 19.2E is now Astra 19.2E."));
        QCOMPARE(lnb1, QStringLiteral("Astra 19.2E"));
        QCOMPARE(lnb2, QStringLiteral("Nilesat 7.3W"));
        QString far = QStringLiteral("Intelsat 34 55.5W");
        QString none;
        QCOMPARE(OrbitalPositions::movePlan(far, none, positions), QString());
        QCOMPARE(far, QStringLiteral("Intelsat 34 55.5W"));
    }

    // A server's or an import's positions a tenth or two away from the
    // table's answer to the table's ids, east as well as west.
    void tableIdsAnswerOnEitherSide()
    {
        const SatelliteIdTable table = SatelliteIdTable::parse(
            "35\tEutelsat 36B 35.9E\n50\tExpress AMU1 36.1E\n64\tIntelsat 10 02 1.0W\n105\tThor 1.0W\n"
            "106\tThor 5 0.8W\n20\tMiddle 10.2E\n22\tEdge 10.8E\n23\tBeyond 10.9E\n");
        SatelliteCatalogue::Transponders items;
        QVector<SateliteParams> params;
        for (const auto &[name, id] : {std::pair<QString, quint32>{"Eutelsat 36.0E", 7},
                                       {"Thor 0.8W", 6},
                                       {"West 10.0E", 5},
                                       {"East 10.4E", 4}}) {
            items[name] = {row(1, 11000, Polarisation::H, id)};
            params.append({name, id, 9750, 0});
        }
        const SatelliteCatalogue data =
            OrbitalPositions::withTableIds(SatelliteCatalogue(items, params), table);
        for (const quint32 id : {35u, 50u})
            QCOMPARE(named(data, id), QStringLiteral("Eutelsat 36.0E"));
        for (const quint32 id : {64u, 105u, 106u})
            QCOMPARE(named(data, id), QStringLiteral("Thor 0.8W"));
        // Equally near on both sides: the lower id.
        QCOMPARE(named(data, 20), QStringLiteral("East 10.4E"));
        QCOMPARE(named(data, 22), QStringLiteral("East 10.4E"));
        QCOMPARE(named(data, 23), QStringLiteral("none"));
    }

    // A plan on a position these data list a tenth or two east is moved
    // there, and says so, as a plan on a spacecraft's name is.
    void plansFindTheirPositionOnEitherSide()
    {
        SatelliteCatalogue::Transponders items;
        QVector<SateliteParams> params;
        for (const auto &[name, id] : {std::pair<QString, quint32>{"Eutelsat 36.0E", 35}, {"Thor 0.8W", 6}}) {
            items[name] = {row(1, 11000, Polarisation::H, id)};
            params.append({name, id, 9750, 0});
        }
        const SatelliteCatalogue data(items, params);
        QString lnb1 = QStringLiteral("Eutelsat 35.9E");
        QString lnb2 = QStringLiteral("Thor 1.0W");
        QCOMPARE(OrbitalPositions::movePlan(lnb1, lnb2, data),
                 QStringLiteral("These satellite data name satellites by their orbital position: "
                                "Eutelsat 35.9E is now Eutelsat 36.0E, Thor 1.0W is now Thor 0.8W."));
        QCOMPARE(lnb1, QStringLiteral("Eutelsat 36.0E"));
        QCOMPARE(lnb2, QStringLiteral("Thor 0.8W"));
    }
};

QTEST_GUILESS_MAIN(OrbitalPositionsTest)
#include "tst_orbitalpositions.moc"
