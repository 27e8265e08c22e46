// The plan as a value: the plan a new window starts with.
#include "model/BandPlan.h"

#include <QtTest>

class BandPlanTest : public QObject
{
    Q_OBJECT

private slots:
    void defaultPlanShape()
    {
        const BandPlan plan = BandPlan::defaultPlan();
        QCOMPARE(plan.list.size(), BandPlan::size);
        QCOMPARE(plan.list.first().ubNumber, 23u);
        QCOMPARE(plan.list.last().ubNumber, 0u);
        for (const UBRecord &record : plan.list) {
            QVERIFY2(record.isDynamic(), qPrintable(UBRecord::displayName(record.ubNumber)));
            QCOMPARE(record.tp, -1);
            QCOMPARE(record.lnb, 0u);
        }
        QVERIFY(!plan.lteFilter && !plan.standBy && !plan.terrestrialPatchActive);
        QVERIFY(plan.lnb1.isEmpty() && plan.lnb2.isEmpty());
    }

    void defaultPlanRecords_data()
    {
        QTest::addColumn<quint32>("ubNumber");
        QTest::addColumn<quint32>("line");
        QTest::addColumn<quint32>("localUB");
        QTest::addColumn<quint32>("frequency");
        QTest::newRow("UB 0") << 0u << 0u << 0u << 975u;
        QTest::newRow("UB 1") << 1u << 1u << 0u << 1025u;
        QTest::newRow("UB 4") << 4u << 0u << 1u << 1175u;
        QTest::newRow("UB 23") << 23u << 3u << 5u << 2125u;
    }

    void defaultPlanRecords()
    {
        QFETCH(quint32, ubNumber);
        QFETCH(quint32, line);
        QFETCH(quint32, localUB);
        QFETCH(quint32, frequency);
        const BandPlan plan = BandPlan::defaultPlan();
        const UBRecord &record = plan.list.at(BandPlan::size - 1 - int(ubNumber));
        QCOMPARE(record.ubNumber, ubNumber);
        QCOMPARE(record.line, line);
        QCOMPARE(record.localUB, localUB);
        QCOMPARE(record.freq, frequency);
        QCOMPARE(record.localUBFreq, frequency);
    }
};

QTEST_GUILESS_MAIN(BandPlanTest)

#include "tst_bandplan.moc"
