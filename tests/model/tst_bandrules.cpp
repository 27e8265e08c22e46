// The band list's rules without any interface: what a choice, a new satellite
// and new data do to a plan, and the names and colours of its rows.
#include "UBRecordBuilders.h"
#include "model/BandRules.h"

#include <QtTest>

namespace {
const QString astra = QStringLiteral("Astra 19.2E");
const QString hotbird = QStringLiteral("Hotbird 13.0E");

// Two satellites; 10729 MHz twice on Astra, horizontal and vertical.
SatelliteCatalogue catalogue()
{
    SatelliteCatalogue::Transponders rows;
    rows[astra] = {{1, 10714, Polarisation::H, 9750, 1},
                   {2, 10729, Polarisation::V, 9750, 1},
                   {3, 10729, Polarisation::H, 9750, 1}};
    rows[hotbird] = {{7, 10992, Polarisation::V, 9750, 2}};
    return SatelliteCatalogue(rows, {{astra, 1, 9750, 10600}, {hotbird, 2, 9750, 10600}});
}
} // namespace
Q_DECLARE_METATYPE(UBRecord)

class BandRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void chooseTransponder_data()
    {
        QTest::addColumn<UBRecord>("before");
        QTest::addColumn<QString>("satellite");
        QTest::addColumn<int>("number");
        QTest::addColumn<UBRecord>("after");
        QTest::newRow("a listed one") << staticUB(3, 0, -1, 0) << astra << 3
                                      << withPolarisation(staticUB(3, 0, 3, 10729), Polarisation::H);
        QTest::newRow("another one") << withPolarisation(staticUB(3, 0, 1, 10714), Polarisation::H) << astra << 2
                                     << withPolarisation(staticUB(3, 0, 2, 10729), Polarisation::V);
        // "not assigned" keeps the frequency: a saved plan holds it, the box
        // does not turn red.
        QTest::newRow("not assigned keeps freq")
            << withPolarisation(staticUB(3, 0, 1, 10714), Polarisation::H) << astra << -1
            << staticUB(3, 0, -1, 10714);
        QTest::newRow("unknown: not assigned, freq kept")
            << staticUB(3, 0, 1, 10714) << astra << 99 << staticUB(3, 0, -1, 10714);
        QTest::newRow("of the other satellite")
            << staticUB(3, 1, -1, 0) << hotbird << 1 << staticUB(3, 1, -1, 0);
        QTest::newRow("unknown satellite")
            << staticUB(3, 0, 1, 10714) << "Gone" << 1 << staticUB(3, 0, -1, 10714);
        QTest::newRow("dynamic untouched") << dynamicUB(5, 2) << astra << 1 << dynamicUB(5, 2);
        // A static UB without a transponder keeps whatever frequency it had.
        QTest::newRow("already unassigned")
            << staticUB(3, 0, -1, 1234) << astra << -1 << staticUB(3, 0, -1, 1234);
    }

    void chooseTransponder()
    {
        QFETCH(UBRecord, before);
        QFETCH(QString, satellite);
        QFETCH(int, number);
        QFETCH(UBRecord, after);
        QCOMPARE(BandRules::withTransponder(before, catalogue(), satellite, number), after);
    }

    void chooseLnb_data()
    {
        QTest::addColumn<UBRecord>("before");
        QTest::addColumn<quint32>("lnb");
        QTest::addColumn<UBRecord>("after");
        // The other input's list starts at "not assigned", frequency 0.
        QTest::newRow("other LNB clears, freq 0")
            << withPolarisation(staticUB(3, 0, 2, 10729), Polarisation::V) << 1u << staticUB(3, 1, -1, 0);
        QTest::newRow("same LNB keeps") << staticUB(3, 1, 7, 10992) << 1u << staticUB(3, 1, 7, 10992);
        QTest::newRow("dynamic untouched") << dynamicUB(5, 1) << 1u << dynamicUB(5, 1);
    }

    void chooseLnb()
    {
        QFETCH(UBRecord, before);
        QFETCH(quint32, lnb);
        QFETCH(UBRecord, after);
        QCOMPARE(BandRules::withLnb(before, lnb), after);
    }

    // A new satellite on one input clears its static UBs, no others; their
    // frequencies stay.
    void newSatelliteClearsItsLnb_data()
    {
        QTest::addColumn<quint32>("lnb");
        QTest::addColumn<QList<UBRecord>>("after");
        QTest::addColumn<bool>("changed");
        const UBRecord dynamic = dynamicUB(0, 3);
        QTest::newRow("LNB 1") << 0u
                               << QList<UBRecord>{staticUB(2, 0, -1, 10714), staticUB(1, 1, 7, 10992),
                                                  staticUB(3, 0, -1, 0), dynamic}
                               << true;
        QTest::newRow("LNB 2") << 1u
                               << QList<UBRecord>{staticUB(2, 0, 1, 10714), staticUB(1, 1, -1, 10992),
                                                  staticUB(3, 0, -1, 0), dynamic}
                               << true;
    }

    void newSatelliteClearsItsLnb()
    {
        QFETCH(quint32, lnb);
        QFETCH(QList<UBRecord>, after);
        QFETCH(bool, changed);
        QList<UBRecord> list{staticUB(2, 0, 1, 10714), staticUB(1, 1, 7, 10992), staticUB(3, 0, -1, 0),
                             dynamicUB(0, 3)};
        QCOMPARE(BandRules::clearLnb(list, lnb), changed);
        QCOMPARE(list, after);
        QVERIFY(!BandRules::clearLnb(list, lnb));
    }

    // A static UB meets data: found by frequency and polarisation, renumbered
    // when the data number it otherwise, marked when not found once.
    void matchToCatalogue_data()
    {
        QTest::addColumn<UBRecord>("record");
        QTest::addColumn<qint32>("tp");
        QTest::addColumn<QString>("polarisation");
        QTest::addColumn<QString>("outcome"); // kept, renumbered or missing
        QTest::newRow("same number") << withPolarisation(staticUB(4, 0, 1, 10714), Polarisation::H) << 1 << "H"
                                     << "kept";
        QTest::newRow("other number")
            << withPolarisation(staticUB(4, 0, 9, 10729), Polarisation::V) << 2 << "V"
            << "renumbered";
        QTest::newRow("H of an H/V pair")
            << withPolarisation(staticUB(4, 0, 2, 10729), Polarisation::H) << 3 << "H"
            << "renumbered";
        QTest::newRow("polarisation unknown, one row") << staticUB(4, 0, 5, 10714) << 1 << "H"
                                                       << "renumbered";
        // The number would name a row, but not this one: it is not taken.
        QTest::newRow("polarisation unknown, H/V pair") << staticUB(4, 0, 2, 10729) << 4 << ""
                                                        << "missing";
        QTest::newRow("frequency not there")
            << withPolarisation(staticUB(4, 0, 1, 10000), Polarisation::H) << 4 << "H"
            << "missing";
        QTest::newRow("polarisation not there")
            << withPolarisation(staticUB(4, 1, 7, 10992), Polarisation::H) << 8 << "H"
            << "missing";
        QTest::newRow("number free, not there")
            << withPolarisation(staticUB(4, 1, 42, 12000), Polarisation::V) << 42 << "V"
            << "missing";
        // The cache keeps L as H: the switch receives them alike.
        QTest::newRow("L found as H") << withPolarisation(staticUB(4, 0, 1, 10714), Polarisation::L) << 1 << "H"
                                      << "kept";
        QTest::newRow("R not found as H")
            << withPolarisation(staticUB(4, 0, 1, 10714), Polarisation::R) << 4 << "R"
            << "missing";
    }

    void matchToCatalogue()
    {
        QFETCH(UBRecord, record);
        QFETCH(qint32, tp);
        QFETCH(QString, polarisation);
        QFETCH(QString, outcome);
        QList<UBRecord> list{record, staticUB(0, 0, -1, 0), dynamicUB(3, 0)};
        const QList<UBRecord> others = list.mid(1);
        const BandRules::Match match = BandRules::matchToCatalogue(list, astra, hotbird, catalogue());
        QCOMPARE(list.at(0).tp, tp);
        QCOMPARE(list.at(0).freq, record.freq);
        QCOMPARE(list.at(0).polarisation.letter(), polarisation);
        QCOMPARE(list.mid(1), others);
        QCOMPARE(match.renumbered, outcome == "renumbered" ? QList<quint32>{4} : QList<quint32>());
        QCOMPARE(match.missing, outcome == "missing" ? QList<quint32>{4} : QList<quint32>());
    }

    void matchingWithoutDataMarksEveryStaticUB()
    {
        QList<UBRecord> list{staticUB(4, 0, 1, 10714), staticUB(2, 1, 7, 10992), staticUB(0, 0, -1, 0)};
        const BandRules::Match match = BandRules::matchToCatalogue(list, astra, hotbird, SatelliteCatalogue());
        QCOMPARE(match.missing, (QList<quint32>{2, 4}));
        QCOMPARE(list.at(0).tp, 1);
    }

    void standBy()
    {
        BandPlan plan;
        plan.list = {dynamicUB(0, 0), dynamicUB(1, 1)};
        plan.standBy = true;
        BandRules::applyStandByRule(plan);
        QVERIFY(plan.standBy);
        plan.list << staticUB(2, 0, -1, 0);
        BandRules::applyStandByRule(plan);
        QVERIFY(!plan.standBy);
    }

    void rowNamesAndColours_data()
    {
        QTest::addColumn<UBRecord>("record");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("colour");
        QTest::newRow("line 01") << dynamicUB(0, 0) << "UB01"
                                 << "#cceeff";
        QTest::newRow("line 02") << dynamicUB(9, 1) << "UB10"
                                 << "#99ddff";
        QTest::newRow("line 03") << dynamicUB(22, 2) << "UB23"
                                 << "#66ccff";
        QTest::newRow("line 04") << dynamicUB(23, 3) << "UB24"
                                 << "#1ab2ff";
        QTest::newRow("static") << staticUB(6, 1, 3, 10729) << "UB07"
                                << "ivory";
    }

    void rowNamesAndColours()
    {
        QFETCH(UBRecord, record);
        QFETCH(QString, name);
        QFETCH(QString, colour);
        QCOMPARE(UBRecord::displayName(record.ubNumber), name);
        QCOMPARE(record.rowColour(), colour);
    }

    void twoDigits()
    {
        QCOMPARE(UBRecord::twoDigits(7), QStringLiteral("07"));
        QCOMPARE(UBRecord::twoDigits(12), QStringLiteral("12"));
        QCOMPARE(UBRecord::twoDigits(123), QStringLiteral("123"));
    }
};

QTEST_GUILESS_MAIN(BandRulesTest)
#include "tst_bandrules.moc"
