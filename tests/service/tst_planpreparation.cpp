// A plan made ready for a send without server or switch: what it becomes on
// the data in use, whether it can be sent, which UBs cannot and why, and what
// the move onto the data changed.
#include "UBRecordBuilders.h"
#include "model/OrbitalPositions.h"
#include "service/PlanPreparation.h"

#include <QtTest>

namespace {
const QString astra = QStringLiteral("Astra 19.2E");
const QString hotbird = QStringLiteral("Hotbird 13.0E");

// Two satellites; 10729 MHz twice on Astra, horizontal and vertical.
SharedCatalogue twoSatellites()
{
    SatelliteCatalogue::Transponders rows;
    rows[astra] = {{1, 10714, Polarisation::H, 9750, 1},
                   {2, 10729, Polarisation::V, 9750, 1},
                   {3, 10729, Polarisation::H, 9750, 1}};
    rows[hotbird] = {{7, 10992, Polarisation::V, 9750, 2}};
    return std::make_shared<const SatelliteCatalogue>(
        rows, QVector<SateliteParams>{{astra, 1, 9750, 10600}, {hotbird, 2, 9750, 10600}});
}

// The same satellites under their spacecraft's names, grouped by position.
SharedCatalogue byPosition()
{
    SatelliteCatalogue::Transponders rows;
    const QString spacecraft = QStringLiteral("Astra 1KR 19.2E");
    rows[spacecraft] = {{1, 10714, Polarisation::H, 9750, 1}};
    rows[hotbird] = {{7, 10992, Polarisation::V, 9750, 2}};
    return std::make_shared<const SatelliteCatalogue>(OrbitalPositions::group(SatelliteCatalogue(
        rows, QVector<SateliteParams>{{spacecraft, 1, 9750, 10600}, {hotbird, 2, 9750, 10600}})));
}

// 24 dynamic UBs dealt out over the four lines, UB23 first; `statics`
// replace the UBs of their numbers.
BandPlan plan(const QList<UBRecord> &statics = {}, const QString &lnb1 = astra, const QString &lnb2 = hotbird)
{
    BandPlan result;
    result.lnb1 = lnb1;
    result.lnb2 = lnb2;
    for (int i = 0; i < BandPlan::size; ++i) {
        const quint32 number = quint32(BandPlan::size - 1 - i);
        UBRecord record = dynamicUB(number, number % 4);
        for (const UBRecord &replacement : statics) {
            if (replacement.ubNumber == number)
                record = replacement;
        }
        result.list << record;
    }
    result.numberDynamicUBs(false);
    return result;
}

// A static UB at a transponder of `mhz`, its polarisation that of the
// data's row on that input.
UBRecord found(quint32 ubNumber, quint32 lnb, qint32 tp, quint32 mhz)
{
    return withPolarisation(staticUB(ubNumber, lnb, tp, mhz), lnb == 0 ? Polarisation::H : Polarisation::V);
}
// What the window's refusals were shown with: one satellite numbered above
// what a code word carries, one without an id.
SharedCatalogue withOddIds()
{
    const QString abs = QStringLiteral("ABS 6 159.0E");
    const QString nameless = QStringLiteral("Nameless 1.0W");
    SatelliteCatalogue::Transponders rows;
    rows[astra] = {{71, 11836, Polarisation::H, 10600, 1}, {72, 12750, Polarisation::H, 10600, 1}};
    rows[abs] = {{1, 11000, Polarisation::H, 9750, 130}};
    rows[nameless] = {{1, 11000, Polarisation::V, 9750, 0}};
    return std::make_shared<const SatelliteCatalogue>(
        rows, QVector<SateliteParams>{
                  {astra, 1, 9750, 10600}, {abs, 130, 9750, 10600}, {nameless, 0, 9750, 10600}});
}

// The plan without what the last meeting with the data found out.
BandPlan withoutStanding(BandPlan plan)
{
    for (UBRecord &record : plan.list)
        record.standing = TransponderChoice::Standing::Found;
    return plan;
}
} // namespace
Q_DECLARE_METATYPE(BandPlan)
Q_DECLARE_METATYPE(SharedCatalogue)
Q_DECLARE_METATYPE(UBRecord)

class tst_PlanPreparation : public QObject
{
    Q_OBJECT

private slots:
    // Sendable plans give 24 words and nothing to tell.
    void sendable_data()
    {
        QTest::addColumn<BandPlan>("before");
        QTest::addColumn<bool>("withData");
        QTest::newRow("only dynamic UBs") << plan() << true;
        QTest::newRow("only dynamic UBs, no data") << plan() << false;
        QTest::newRow("static UBs on both inputs")
            << plan({found(4, 0, 1, 10714), found(9, 1, 7, 10992)}) << true;
    }

    void sendable()
    {
        QFETCH(BandPlan, before);
        QFETCH(bool, withData);
        const PlanVerdict verdict = PlanPreparation(withData ? twoSatellites() : nullptr).prepare(before);
        QVERIFY2(verdict.sendable(), qPrintable(verdict.words.message()));
        QCOMPARE(verdict.words.words().size(), BandPlan::size);
        QVERIFY(verdict.words.refusals().isEmpty());
        QCOMPARE(verdict.plan, before);
        QVERIFY(verdict.moved.isEmpty());
        QVERIFY(verdict.lostSatellites.isEmpty());
        QVERIFY(verdict.match.missing.isEmpty());
        QVERIFY(verdict.match.renumbered.isEmpty());
        QVERIFY(verdict.match.polarisationNotes.isEmpty());
        QVERIFY(!verdict.check.localUBTooHigh());
    }

    // Every UB that cannot be sent is named, one line each, and no word is
    // kept; a plan the check refuses is not sendable whatever its words.
    void refused_data()
    {
        QTest::addColumn<BandPlan>("before");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QStringList>("refusedUBs");
        QTest::newRow("two transponders not in the data")
            << plan({found(4, 0, 1, 10000), found(9, 1, 7, 12500)}) << int(PlanCheck::Failure::None)
            << QStringList{"UB05", "UB10"};
        QTest::newRow("static UB without transponder")
            << plan({staticUB(3, 0, -1, 0)}) << int(PlanCheck::Failure::StaticUnassigned)
            << QStringList{"UB04"};
        BandPlan offLine = plan();
        offLine.list[0].line = 6;
        QTest::newRow("dynamic UB on no line")
            << offLine << int(PlanCheck::Failure::DynamicLineInvalid) << QStringList{"UB24"};
        // The words of dynamic UBs name no satellite: the check alone refuses.
        QTest::newRow("first input without satellite")
            << plan({}, QString()) << int(PlanCheck::Failure::Lnb1Missing) << QStringList();
        QTest::newRow("second input without satellite")
            << plan({found(9, 1, 7, 10992)}, astra, QString()) << int(PlanCheck::Failure::Lnb2Missing)
            << QStringList();
    }

    void refused()
    {
        QFETCH(BandPlan, before);
        QFETCH(int, failure);
        QFETCH(QStringList, refusedUBs);
        const PlanVerdict verdict = PlanPreparation(twoSatellites()).prepare(before);
        QVERIFY(!verdict.sendable());
        QCOMPARE(int(verdict.check.failure()), failure);
        QVERIFY(verdict.words.words().isEmpty() || refusedUBs.isEmpty());
        // A plan the check refuses is not looked at further by either caller.
        if (failure == int(PlanCheck::Failure::None))
            QCOMPARE(verdict.words.refusals().size(), refusedUBs.size());
        for (int i = 0; i < refusedUBs.size(); ++i)
            QVERIFY2(verdict.words.refusals().at(i).contains(refusedUBs.at(i)),
                     qPrintable(verdict.words.refusals().at(i)));
        for (const QString &refusal : verdict.words.refusals())
            QVERIFY(verdict.words.message().contains(refusal));
    }

    // Every reason a UB cannot travel, alone and together, as the window
    // shows it before a send: each UB that fails is named.
    void refusalReasons_data()
    {
        QTest::addColumn<QString>("lnb1");
        QTest::addColumn<QList<UBRecord>>("statics");
        QTest::addColumn<QString>("shown");
        const QString refusal =
            QStringLiteral("Nothing was sent to the switch because some UBs cannot be sent:\n");
        QTest::newRow("satellite unknown")
            << "Nowhere 1.0E" << QList<UBRecord>{staticUB(23, 0, 1, 11000)}
            << refusal + "UB24: the satellite Nowhere 1.0E is not in the satellite data.";
        QTest::newRow("transponder unknown") << astra << QList<UBRecord>{staticUB(23, 0, 9999, 11000)}
                                             << refusal + "UB24: Astra 19.2E has no transponder at 11000 MHz";
        const QString noId = "has no satellite id the switch can carry; use it for dynamic UBs only";
        QTest::newRow("id above 127") << "ABS 6 159.0E" << QList<UBRecord>{staticUB(23, 0, 1, 11000)}
                                      << refusal + "UB24: ABS 6 159.0E " + noId;
        QTest::newRow("no id") << "Nameless 1.0W" << QList<UBRecord>{staticUB(23, 0, 1, 11000)}
                               << refusal + "UB24: Nameless 1.0W " + noId;
        QTest::newRow("frequency out of range")
            << astra << QList<UBRecord>{staticUB(23, 0, 72, 12750)}
            << refusal +
                   "UB24: its transponder lies 2150 MHz above the LNB oscillator; a code word carries 100 "
                   "to 2147 MHz.";
        QTest::newRow("every UB named")
            << "ABS 6 159.0E"
            << QList<UBRecord>{staticUB(23, 0, 1, 11000), staticUB(22, 1, 72, 12750),
                               staticUB(21, 1, 71, 11836), staticUB(7, 1, 9999, 11000)}
            << refusal +
                   "UB08: Astra 19.2E has no transponder at 11000 MHz\n"
                   "UB23: its transponder lies 2150 MHz above the LNB oscillator; a code word carries 100 "
                   "to 2147 MHz.\n"
                   "UB24: ABS 6 159.0E " +
                   noId;
    }

    void refusalReasons()
    {
        QFETCH(QString, lnb1);
        QFETCH(QList<UBRecord>, statics);
        QFETCH(QString, shown);
        const PlanVerdict verdict = PlanPreparation(withOddIds()).judge(plan(statics, lnb1, astra));
        QVERIFY(verdict.check.passed());
        QVERIFY(!verdict.sendable());
        QCOMPARE(verdict.words.message(), shown);
        QVERIFY(verdict.words.words().isEmpty());
    }

    // The window's plan is judged as a transfer would send it: what meeting
    // the data would mend is still refused.
    void judgeLeavesThePlanAsItIs()
    {
        const BandPlan renumberable = plan({found(4, 0, 9, 10714)});
        const PlanPreparation preparation(twoSatellites());
        const PlanVerdict judged = preparation.judge(renumberable);
        QCOMPARE(judged.plan, renumberable);
        QVERIFY(judged.match.renumbered.isEmpty());
        QVERIFY(!judged.sendable());
        QCOMPARE(judged.words.refusals().size(), 1);
        QVERIFY(preparation.prepare(renumberable).sendable());
    }

    // What the move onto the data changed, for the window and the tool to
    // tell; the moved plan is the one checked and encoded.
    void notes_data()
    {
        QTest::addColumn<SharedCatalogue>("data");
        QTest::addColumn<BandPlan>("before");
        QTest::addColumn<QString>("lnb1After");
        QTest::addColumn<QString>("moved");
        QTest::addColumn<QStringList>("lost");
        QTest::addColumn<QList<quint32>>("renumbered");
        QTest::addColumn<QList<quint32>>("missing");
        QTest::addColumn<int>("polarisationNotes");
        QTest::newRow("renumbered") << twoSatellites() << plan({found(4, 0, 9, 10714)}) << astra << QString()
                                    << QStringList() << QList<quint32>{4} << QList<quint32>() << 0;
        QTest::newRow("missing") << twoSatellites() << plan({found(4, 0, 1, 10000)}) << astra << QString()
                                 << QStringList() << QList<quint32>() << QList<quint32>{4} << 0;
        QTest::newRow("polarisation decided by number")
            << twoSatellites() << plan({staticUB(4, 0, 3, 10729)}) << astra << QString() << QStringList()
            << QList<quint32>() << QList<quint32>() << 1;
        QTest::newRow("satellite not in the data")
            << twoSatellites() << plan({}, QStringLiteral("Gone 1.0W")) << QStringLiteral("Gone 1.0W")
            << QString() << QStringList{"Gone 1.0W"} << QList<quint32>() << QList<quint32>() << 0;
        QTest::newRow("moved to its position")
            << byPosition() << plan({found(4, 0, 1, 10714)}, QStringLiteral("Astra 1KR 19.2E")) << astra
            << QStringLiteral("These satellite data name satellites by their orbital position: "
                              "Astra 1KR 19.2E is now Astra 19.2E.")
            << QStringList() << QList<quint32>() << QList<quint32>() << 0;
    }

    void notes()
    {
        QFETCH(SharedCatalogue, data);
        QFETCH(BandPlan, before);
        QFETCH(QString, lnb1After);
        QFETCH(QString, moved);
        QFETCH(QStringList, lost);
        QFETCH(QList<quint32>, renumbered);
        QFETCH(QList<quint32>, missing);
        QFETCH(int, polarisationNotes);
        const PlanPreparation preparation(data);
        const PlanVerdict verdict = preparation.prepare(before);
        QCOMPARE(verdict.plan.lnb1, lnb1After);
        QCOMPARE(verdict.moved, moved);
        QCOMPARE(verdict.lostSatellites, lost);
        QCOMPARE(verdict.match.renumbered, renumbered);
        QCOMPARE(verdict.match.missing, missing);
        QCOMPARE(verdict.match.polarisationNotes.size(), polarisationNotes);
        // A renumbered UB is sent with its number in these data, a missing
        // one is refused by name.
        QCOMPARE(verdict.sendable(), missing.isEmpty());
        // The window checks its plan again before a send: a plan once moved
        // moves no further and has nothing more to tell.
        // (A polarisation taken from the number is known the second time.)
        const PlanVerdict again = preparation.prepare(verdict.plan);
        QCOMPARE(withoutStanding(again.plan), withoutStanding(verdict.plan));
        QCOMPARE(again.words.refusals(), verdict.words.refusals());
        QVERIFY(again.moved.isEmpty());
        QVERIFY(again.match.renumbered.isEmpty());
        QVERIFY(again.match.polarisationNotes.isEmpty());
        QCOMPARE(again.match.missing, missing);
        QCOMPARE(again.lostSatellites, lost);
    }

    // Static UBs and no satellite data at all: no words, said as such; the
    // check still runs on the plan as it is.
    void noData_data()
    {
        QTest::addColumn<SharedCatalogue>("data");
        QTest::newRow("none loaded") << SharedCatalogue();
        QTest::newRow("empty data") << std::make_shared<const SatelliteCatalogue>();
    }

    void noData()
    {
        QFETCH(SharedCatalogue, data);
        const BandPlan before = plan({found(4, 0, 1, 10714)});
        const PlanVerdict verdict = PlanPreparation(data).prepare(before);
        QVERIFY(verdict.noData);
        QVERIFY(!verdict.sendable());
        QVERIFY(verdict.check.passed());
        QCOMPARE(verdict.plan, before);
        QVERIFY(verdict.words.words().isEmpty());
    }

    // More dynamic UBs on a line than older receivers reach: sendable, with
    // the warning's fact in the verdict.
    void localUBWarning()
    {
        BandPlan crowded = plan();
        for (UBRecord &record : crowded.list)
            record.line = record.ubNumber < 10 ? 0 : 1 + record.ubNumber % 3;
        QVERIFY(crowded.numberDynamicUBs(false));
        const PlanVerdict verdict = PlanPreparation(twoSatellites()).prepare(crowded);
        QVERIFY(verdict.check.localUBTooHigh());
        QVERIFY(verdict.check.passed());
    }
};

QTEST_GUILESS_MAIN(tst_PlanPreparation)
#include "tst_planpreparation.moc"
