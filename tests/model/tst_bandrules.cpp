// The band list's rules without any interface: what a choice, a new satellite
// and new data do to a plan, and the names and colours of its rows.
#include "UBRecordBuilders.h"
#include "model/BandRules.h"
#include "model/SettingsFile.h"

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
        QTest::newRow("another one") << withPolarisation(staticUB(3, 0, 1, 10714), Polarisation::H) << astra
                                     << 2 << withPolarisation(staticUB(3, 0, 2, 10729), Polarisation::V);
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
    // when the data number it otherwise, marked when not found once; a
    // marked one keeps all the plan holds, its number too.
    void matchToCatalogue_data()
    {
        QTest::addColumn<UBRecord>("record");
        QTest::addColumn<qint32>("tp");
        QTest::addColumn<QString>("polarisation");
        QTest::addColumn<QString>("outcome"); // kept, renumbered, missing or ambiguous
        QTest::newRow("same number") << withPolarisation(staticUB(4, 0, 1, 10714), Polarisation::H) << 1
                                     << "H"
                                     << "kept";
        QTest::newRow("other number")
            << withPolarisation(staticUB(4, 0, 9, 10729), Polarisation::V) << 2 << "V"
            << "renumbered";
        QTest::newRow("H of an H/V pair")
            << withPolarisation(staticUB(4, 0, 2, 10729), Polarisation::H) << 3 << "H"
            << "renumbered";
        QTest::newRow("polarisation unknown, one row") << staticUB(4, 0, 5, 10714) << 1 << "H"
                                                       << "renumbered";
        // A number that names neither row of the pair decides nothing.
        QTest::newRow("polarisation unknown, H/V pair, other number") << staticUB(4, 0, 1, 10729) << 1 << ""
                                                                      << "ambiguous";
        QTest::newRow("frequency not there")
            << withPolarisation(staticUB(4, 0, 1, 10000), Polarisation::H) << 1 << "H"
            << "missing";
        QTest::newRow("polarisation not there")
            << withPolarisation(staticUB(4, 1, 7, 10992), Polarisation::H) << 7 << "H"
            << "missing";
        QTest::newRow("number free, not there")
            << withPolarisation(staticUB(4, 1, 42, 12000), Polarisation::V) << 42 << "V"
            << "missing";
        // The cache keeps L as H: the switch receives them alike.
        QTest::newRow("L found as H")
            << withPolarisation(staticUB(4, 0, 1, 10714), Polarisation::L) << 1 << "H"
            << "kept";
        QTest::newRow("R not found as H")
            << withPolarisation(staticUB(4, 0, 1, 10714), Polarisation::R) << 1 << "R"
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
        const bool marked = outcome == "missing" || outcome == "ambiguous";
        QCOMPARE(list.at(0).transponderChoice().isMissing(), marked);
        QCOMPARE(list.at(0).standing == TransponderChoice::Standing::Ambiguous, outcome == "ambiguous");
        QCOMPARE(match.renumbered, outcome == "renumbered" ? QList<quint32>{4} : QList<quint32>());
        QCOMPARE(match.missing, marked ? QList<quint32>{4} : QList<quint32>());
        QVERIFY(match.polarisationNotes.isEmpty());
        // Met again, nothing changes: the mark is the plan's, not a number.
        const QList<UBRecord> once = list;
        BandRules::matchToCatalogue(list, astra, hotbird, catalogue());
        QCOMPARE(list, once);
    }

    // A plan without polarisations (a file of the earlier format) on H/V
    // neighbours, met by the data it was made with: the number decides, and
    // the UB is named for a look.
    void oldFileOnHVNeighbours()
    {
        const QString astra28 = QStringLiteral("Astra 28.2E");
        SatelliteCatalogue::Transponders rows;
        rows[astra28] = {{72, 11307, Polarisation::H, 10600, 40},
                         {73, 11307, Polarisation::V, 10600, 40},
                         {74, 11344, Polarisation::H, 10600, 40}};
        rows[hotbird] = {{7, 10992, Polarisation::V, 9750, 2}};
        const SatelliteCatalogue data(rows, {{astra28, 40, 9750, 10600}, {hotbird, 2, 9750, 10600}});

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("old.dat"));
        {
            QList<UBRecord> list;
            for (quint32 ub = 23;; --ub) {
                list << dynamicUB(ub, ub % 4);
                if (ub == 0)
                    break;
            }
            list[23] = staticUB(0, 0, 73, 11307);
            list[22] = staticUB(1, 0, 72, 11307);
            list[21] = staticUB(2, 0, 74, 11344);
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QDataStream stream(&file);
            // The fields of the earlier format, nothing after them.
            stream << QStringLiteral("0.7") << list << false << false << false << astra28 << hotbird;
            QCOMPARE(stream.status(), QDataStream::Ok);
        }
        BandPlan plan = SettingsFile::read(path);
        const BandRules::Match match = BandRules::matchToCatalogue(plan.list, plan.lnb1, plan.lnb2, data);
        QVERIFY(match.missing.isEmpty());
        QVERIFY(match.renumbered.isEmpty());
        QCOMPARE(match.polarisationNotes,
                 (QStringList{"UB01: polarisation V taken from transponder 73; check it",
                              "UB02: polarisation H taken from transponder 72; check it"}));
        QCOMPARE(plan.list.at(23).polarisation, Polarisation(Polarisation::V));
        QCOMPARE(plan.list.at(22).polarisation, Polarisation(Polarisation::H));
        // A frequency with one row needs no number to decide.
        QCOMPARE(plan.list.at(21).polarisation, Polarisation(Polarisation::H));
        QCOMPARE(plan.list.at(21).standing, TransponderChoice::Standing::Found);
        // Saved, the polarisations are the plan's own and need no look.
        SettingsFile::write(path, plan);
        BandPlan again = SettingsFile::read(path);
        const BandRules::Match second = BandRules::matchToCatalogue(again.list, again.lnb1, again.lnb2, data);
        QVERIFY(second.polarisationNotes.isEmpty());
        QCOMPARE(again.list.at(23).transponderChoice().number, 73);
        QCOMPARE(again.list.at(23).polarisation, Polarisation(Polarisation::V));
    }

    // What a missing transponder is refused with: what the plan holds, not
    // its number, which belongs to another transponder here.
    void missingTransponderNamesWhatThePlanHolds_data()
    {
        QTest::addColumn<UBRecord>("record");
        QTest::addColumn<QString>("message");
        QTest::newRow("number of another") << withPolarisation(staticUB(0, 0, 1, 10705), Polarisation::H)
                                           << "UB01: Astra 19.2E has no transponder at 10705 MHz H";
        QTest::newRow("no polarisation")
            << staticUB(6, 0, 3, 10705) << "UB07: Astra 19.2E has no transponder at 10705 MHz";
        QTest::newRow("H and V, neither named")
            << staticUB(6, 0, 1, 10729)
            << "UB07: Astra 19.2E has more than one transponder at 10729 MHz; the plan does not say which.";
    }

    void missingTransponderNamesWhatThePlanHolds()
    {
        QFETCH(UBRecord, record);
        QFETCH(QString, message);
        QList<UBRecord> list{record};
        BandRules::matchToCatalogue(list, astra, hotbird, catalogue());
        const TransponderChoice choice = list.first().transponderChoice();
        QVERIFY(choice.isMissing());
        QCOMPARE(choice.number, record.tp);
        QCOMPARE(choice.missingMessage(record.ubNumber, astra), message);
    }

    // Static UBs set anew take the earlier ones' transponders whole: three
    // at the top, one at the bottom chosen anew, then two at the top.
    void movedStaticUBsKeepTheirWholeTransponder()
    {
        SatelliteCatalogue::Transponders rows;
        rows[astra] = {{1, 10729, Polarisation::H, 9750, 1},
                       {2, 10714, Polarisation::H, 9750, 1},
                       {3, 10744, Polarisation::V, 9750, 1},
                       {7, 10832, Polarisation::V, 9750, 1}};
        rows[hotbird] = {{7, 10992, Polarisation::V, 9750, 2}};
        const SatelliteCatalogue data(rows, {{astra, 1, 9750, 10600}, {hotbird, 2, 9750, 10600}});
        QList<UBRecord> list;
        for (quint32 ub = 23;; --ub) {
            list << dynamicUB(ub, ub % 4);
            if (ub == 0)
                break;
        }
        const auto choose = [&](int row, qint32 number) {
            list[row] = BandRules::withTransponder(list.at(row), data, astra, number);
        };

        BandRules::placeStaticUBs(list, 3, true, 0);
        choose(0, 3);
        choose(1, 1);
        choose(2, 7);
        BandRules::placeStaticUBs(list, 1, false, 0);
        QCOMPARE(list.at(23).transponderChoice(),
                 BandRules::withTransponder(staticUB(0, 0, -1, 0), data, astra, 3).transponderChoice());
        choose(23, 2);
        BandRules::placeStaticUBs(list, 2, true, 0);

        const UBRecord ub24 = list.at(0);
        QVERIFY(ub24.isStatic());
        QCOMPARE(ub24.ubNumber, 23u);
        QCOMPARE(ub24.tp, 2);
        QCOMPARE(ub24.freq, 10714u);
        QCOMPARE(ub24.polarisation, Polarisation(Polarisation::H));
        QCOMPARE(list.at(1).transponderChoice(), TransponderChoice::none(0));
        QVERIFY(!list.at(23).isStatic());
        // A marked choice on LNB2 moves with its input and its mark.
        UBRecord marked = staticUB(list.at(1).ubNumber, 1, 9, 11000);
        marked.standing = TransponderChoice::Standing::NotInData;
        list[1] = marked;
        BandRules::placeStaticUBs(list, 2, false, 0);
        QCOMPARE(list.at(22).transponderChoice(), ub24.transponderChoice());
        QCOMPARE(list.at(23).transponderChoice(), marked.transponderChoice());
        // One more starts unassigned on the input given.
        BandRules::placeStaticUBs(list, 3, false, 1);
        QCOMPARE(list.at(21).transponderChoice(), ub24.transponderChoice());
        QCOMPARE(list.at(22).transponderChoice(), marked.transponderChoice());
        QCOMPARE(list.at(23).transponderChoice(), TransponderChoice::none(1));
    }

    void matchingWithoutDataMarksEveryStaticUB()
    {
        QList<UBRecord> list{staticUB(4, 0, 1, 10714), staticUB(2, 1, 7, 10992), staticUB(0, 0, -1, 0)};
        const BandRules::Match match =
            BandRules::matchToCatalogue(list, astra, hotbird, SatelliteCatalogue());
        QCOMPARE(match.missing, (QList<quint32>{2, 4}));
        QCOMPARE(list.at(0).tp, 1);
        QVERIFY(list.at(0).transponderChoice().isMissing());
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
