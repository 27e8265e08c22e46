// The comparison of a plan with the switch's: one line for each kind of
// difference, in the order satellites, options, UBs by name.
#include "model/PlanComparison.h"

#include <QtTest>

#include <functional>

namespace {
// 24 dynamic UBs dealt over the lines, the last two rows static.
BandPlan basePlan()
{
    BandPlan plan;
    for (int row = 0; row < BandPlan::size; ++row) {
        UBRecord record;
        record.ubNumber = quint32(BandPlan::size - 1 - row);
        plan.list << record;
    }
    plan.list[22].type = UBRecord::staticType; // UB02
    plan.list[22].tp = 5;
    plan.list[22].freq = 10834;
    plan.list[23].type = UBRecord::staticType; // UB01
    plan.list[23].tp = 71;
    plan.list[23].freq = 11836;
    plan.list[23].lnb = 1;
    plan.numberDynamicUBs(true);
    plan.lnb1 = QStringLiteral("Astra 19.2E");
    plan.lnb2 = QStringLiteral("Hotbird 13.0E");
    return plan;
}

using Change = std::function<void(BandPlan &)>;
UBRecord &ub(BandPlan &plan, quint32 number)
{
    return plan.list[BandPlan::size - 1 - int(number)];
}
} // namespace
Q_DECLARE_METATYPE(Change)

class PlanComparisonTest : public QObject
{
    Q_OBJECT

private slots:
    void differences_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("same") << Change([](BandPlan &) {}) << QStringList{"The switch holds this plan."};
        QTest::newRow("satellites")
            << Change([](BandPlan &p) {
                   p.lnb1 = "Eutelsat 9.0E";
                   p.lnb2 = "Astra 28.2E";
               })
            << QStringList{"Satellite on LNB1: Astra 19.2E in the plan, Eutelsat 9.0E in the switch",
                           "Satellite on LNB2: Hotbird 13.0E in the plan, Astra 28.2E in the switch"};
        QTest::newRow("options") << Change([](BandPlan &p) {
            p.lteFilter = true;
            p.standBy = true;
            p.terrestrialPatchActive = true;
        })
                                 << QStringList{"Terrestrial path: off in the plan, on in the switch",
                                                "LTE filter: off in the plan, on in the switch",
                                                "Stand-by: off in the plan, on in the switch"};
        QTest::newRow("type") << Change([](BandPlan &p) { ub(p, 1).type = UBRecord::dynamicType; })
                              << QStringList{"UB02: static in the plan, dynamic in the switch"};
        QTest::newRow("lnb and transponder")
            << Change([](BandPlan &p) {
                   ub(p, 0).lnb = 0;
                   ub(p, 0).tp = 72;
                   ub(p, 0).freq = 11875;
               })
            << QStringList{
                   "UB01: LNB2 in the plan, LNB1 in the switch",
                   "UB01: transponder 71 (11836 MHz) in the plan, transponder 72 (11875 MHz) in the switch"};
        QTest::newRow("unassigned transponder")
            << Change([](BandPlan &p) { ub(p, 1).tp = -1; })
            << QStringList{"UB02: transponder 5 (10834 MHz) in the plan, no "
                           "transponder in the switch"};
        QTest::newRow("line and local UB")
            << Change([](BandPlan &p) {
                   ub(p, 23).line = 0;
                   p.numberDynamicUBs(false);
               })
            << QStringList{"UB24: line 2 in the plan, line 1 in the switch",
                           "UB24: local UB 6 in the plan, local UB 7 in the switch"};
        QTest::newRow("ub missing") << Change([](BandPlan &p) { p.list.removeFirst(); })
                                    << QStringList{"UB24: only in the plan"};
    }

    void differences()
    {
        QFETCH(Change, change);
        QFETCH(QStringList, lines);
        const BandPlan plan = basePlan();
        BandPlan device = plan;
        change(device);
        const PlanComparison comparison(plan, device);
        QCOMPARE(comparison.lines(), lines);
        QCOMPARE(comparison.same(), lines.first().startsWith("The switch"));
    }
};

QTEST_GUILESS_MAIN(PlanComparisonTest)
#include "tst_plancomparison.moc"
