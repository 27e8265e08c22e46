// The questions answered from the satellite data in memory, on a catalogue
// built here so that every row is under the test's control.

#include "model/SatelliteCatalogue.h"

#include <QtTest>

namespace {
// No such row.
const QString none = QStringLiteral("none");

SatelliteCatalogue rows()
{
    return SatelliteCatalogue({{QStringLiteral("Astra 19.2E"),
                                {{19, 11494, Polarisation::H, 9750, 1},
                                 {71, 11836, Polarisation::H, 10600, 1},
                                 {72, 11856, Polarisation::V, 10600, 1}}},
                               // Two rows within the tolerance of 11495, and a repeated number.
                               {QStringLiteral("Close"),
                                {{1, 11494, Polarisation::H, 9750, 2},
                                 {2, 11497, Polarisation::V, 9750, 2},
                                 {1, 12000, Polarisation::V, 10600, 2}}},
                               {QStringLiteral("Empty"), {}},
                               {QStringLiteral("No id yet"), {{5, 11000, Polarisation::V, 9750, 0}}}},
                              {{QStringLiteral("Astra 19.2E"), 1, 9750, 10600},
                               {QStringLiteral("Close"), 2, 9750, 10600},
                               {QStringLiteral("Empty"), 2, 0, 0},
                               {QStringLiteral("No id yet"), 0, 9750, 0}});
}

QString numberOf(const TransponderItem *row)
{
    return row ? QString::number(row->transponder) : none;
}
} // namespace

class SatelliteCatalogueTest : public QObject
{
    Q_OBJECT

    const SatelliteCatalogue catalogue = rows();

private slots:
    void withoutData()
    {
        const SatelliteCatalogue empty;
        QVERIFY(empty.isEmpty());
        QCOMPARE(empty.satelliteNames(), QStringList());
        QVERIFY(empty.transponders(QStringLiteral("Astra 19.2E")).isEmpty());
        QVERIFY(!empty.findSatelite(QStringLiteral("Astra 19.2E")));
        QVERIFY(!empty.findSateliteById(1));
        QVERIFY(!empty.findTransponder(QStringLiteral("Astra 19.2E"), 19));
        QVERIFY(!empty.findTransponderNear(QStringLiteral("Astra 19.2E"), 11494));
        QVERIFY(!catalogue.isEmpty());
        QVERIFY(empty != catalogue);
    }

    void namesAndRows()
    {
        QCOMPARE(catalogue.satelliteNames(),
                 (QStringList{QStringLiteral("Astra 19.2E"), QStringLiteral("Close"), QStringLiteral("Empty"),
                              QStringLiteral("No id yet")}));
        QCOMPARE(catalogue.transponders(QStringLiteral("Astra 19.2E")).size(), 3);
        QVERIFY(catalogue.transponders(QStringLiteral("Nowhere")).isEmpty());
        QVERIFY(catalogue.transponders(QStringLiteral("Empty")).isEmpty());
    }

    void transponderByNumber()
    {
        QCOMPARE(*catalogue.findTransponder(QStringLiteral("Astra 19.2E"), 72),
                 (TransponderItem{72, 11856, Polarisation::V, 10600, 1}));
        // The earlier of two rows with the same number.
        QCOMPARE(catalogue.findTransponder(QStringLiteral("Close"), 1)->frequency, 11494u);
        QVERIFY(!catalogue.findTransponder(QStringLiteral("Astra 19.2E"), 20));
        QVERIFY(!catalogue.findTransponder(QStringLiteral("Nowhere"), 19));
    }

    void transponderByFrequency_data()
    {
        QTest::addColumn<QString>("satelite");
        QTest::addColumn<quint32>("frequency");
        QTest::addColumn<int>("horizontal"); // -1: either polarisation
        QTest::addColumn<QString>("result");
        const QString astra = QStringLiteral("Astra 19.2E");
        QTest::newRow("exact") << astra << 11836u << -1 << "71";
        QTest::newRow("4 MHz below") << astra << 11832u << -1 << "71";
        QTest::newRow("4 MHz above") << astra << 11840u << 1 << "71";
        QTest::newRow("5 MHz below") << astra << 11831u << -1 << none;
        QTest::newRow("5 MHz above") << astra << 11841u << -1 << none;
        QTest::newRow("between two rows") << astra << 11846u << -1 << none;
        QTest::newRow("two rows near: the nearer wins") << "Close" << 11496u << -1 << "2";
        QTest::newRow("only the later row near") << "Close" << 11500u << -1 << "2";
        QTest::newRow("vertical beside a horizontal exact match") << "Close" << 11494u << 0 << "2";
        QTest::newRow("horizontal beside a vertical exact match") << "Close" << 11497u << 1 << "1";
        QTest::newRow("only the other polarisation near") << astra << 11836u << 0 << none;
        QTest::newRow("satellite without rows") << "Empty" << 11494u << -1 << none;
        QTest::newRow("unknown satellite") << "Nowhere" << 11494u << 1 << none;
        QTest::newRow("zero") << astra << 0u << -1 << none;
    }
    void transponderByFrequency()
    {
        QFETCH(QString, satelite);
        QFETCH(quint32, frequency);
        QFETCH(int, horizontal);
        QFETCH(QString, result);
        QCOMPARE(numberOf(horizontal < 0
                              ? catalogue.findTransponderNear(satelite, frequency)
                              : catalogue.findTransponderByFrequency(satelite, frequency, horizontal > 0)),
                 result);
    }

    void summaries_data()
    {
        QTest::addColumn<quint32>("satId");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << 1u << "Astra 19.2E";
        // "Close" and "Empty" share id 2: the first in name order.
        QTest::newRow("shared") << 2u << "Close";
        QTest::newRow("unknown") << 3u << none;
        // 0 is what every satellite without an id of its own carries.
        QTest::newRow("0 names none") << 0u << none;
    }
    void summaries()
    {
        QFETCH(quint32, satId);
        QFETCH(QString, name);
        const SateliteParams *params = catalogue.findSateliteById(satId);
        QCOMPARE(params ? params->name : none, name);
        QCOMPARE(*catalogue.findSatelite(QStringLiteral("Close")),
                 (SateliteParams{QStringLiteral("Close"), 2, 9750, 10600}));
    }

    void namesAreCaseSensitive_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("lower case") << "astra 19.2e";
        QTest::newRow("upper case") << "ASTRA 19.2E";
        QTest::newRow("trailing blank") << "Astra 19.2E ";
    }
    void namesAreCaseSensitive()
    {
        QFETCH(QString, name);
        QVERIFY(!catalogue.findSatelite(name));
        QVERIFY(!catalogue.findTransponder(name, 19));
        QVERIFY(!catalogue.findTransponderNear(name, 11494));
        QVERIFY(catalogue.transponders(name).isEmpty());
    }
};

QTEST_GUILESS_MAIN(SatelliteCatalogueTest)
#include "tst_satellitecatalogue.moc"
