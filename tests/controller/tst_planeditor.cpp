#include "controller/PlanEditor.h"
#include "model/BandPlan.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
QString typesOf(const QList<UBRecord> &list)
{
    QString types;
    for (const UBRecord &record : list)
        types += record.isStatic() ? QLatin1Char('S') : QLatin1Char('d');
    return types;
}
} // namespace

// The plan's rules, as the window, a file and the switch reach them: no
// window, no server, no switch.
class PlanEditorTest : public QObject
{
    Q_OBJECT

    PlanEditor editor;

    const UBRecord &recordOf(quint32 ubNumber) const
    {
        for (const UBRecord &record : editor.plan().list) {
            if (record.ubNumber == ubNumber)
                return record;
        }
        qFatal("no UB %u", ubNumber);
    }

    void assignTopStatics(const QList<qint32> &tps)
    {
        editor.setStaticUBs(uint(tps.size()), true);
        for (int row = 0; row < tps.size(); ++row) {
            UBRecord record = editor.plan().list.at(row);
            record.tp = tps.at(row);
            record.freq = quint32(11000 + row);
            record.lnb = quint32(row % 2);
            editor.setRecord(row, record);
        }
    }

    void setSatellites()
    {
        editor.setLnb(0, QStringLiteral("Astra 19.2E"));
        editor.setLnb(1, QStringLiteral("Hotbird 13.0E"));
    }

private slots:
    void init()
    {
        editor.replace(BandPlan());
        editor.resetToDefault();
    }

    void defaultPlan_data()
    {
        QTest::addColumn<quint32>("ubNumber");
        QTest::addColumn<quint32>("line");
        QTest::addColumn<quint32>("localUB");
        QTest::addColumn<quint32>("freq");
        QTest::newRow("UB 0") << 0u << 0u << 0u << 975u;
        QTest::newRow("UB 1") << 1u << 1u << 0u << 1025u;
        QTest::newRow("UB 4") << 4u << 0u << 1u << 1175u;
        QTest::newRow("UB 23") << 23u << 3u << 5u << 2125u;
    }

    void defaultPlan()
    {
        QFETCH(quint32, ubNumber);
        QFETCH(quint32, line);
        QFETCH(quint32, localUB);
        QFETCH(quint32, freq);
        QCOMPARE(editor.plan().list.size(), 24);
        QCOMPARE(editor.plan().list.first().ubNumber, 23u);
        QCOMPARE(editor.plan().list.last().ubNumber, 0u);
        const UBRecord &record = recordOf(ubNumber);
        QCOMPARE(record.type, UBRecord::dynamicType);
        QCOMPARE(record.line, line);
        QCOMPARE(record.localUB, localUB);
        QCOMPARE(record.freq, freq);
        QCOMPARE(record.localUBFreq, freq);
        QCOMPARE(record.tp, -1);
    }

    void staticAtTopKeepsLines()
    {
        QSignalSpy changed(&editor, &PlanEditor::staticUBsChanged);
        QVERIFY(changed.isValid());
        editor.setStaticUBs(3, true);
        QCOMPARE(typesOf(editor.plan().list), QStringLiteral("SSS") + QString(21, 'd'));
        for (quint32 ub : {23u, 22u, 21u}) {
            QCOMPARE(recordOf(ub).tp, -1);
            QCOMPARE(recordOf(ub).freq, 0u);
            QCOMPARE(recordOf(ub).lnb, 0u);
        }
        for (quint32 ub = 0; ub <= 20; ++ub)
            QCOMPARE(recordOf(ub).line, ub % 4);
        // Line 1 lost UB 21 and keeps localUB 0 to 4.
        QCOMPARE(recordOf(1).localUB, 0u);
        QCOMPARE(recordOf(17).localUB, 4u);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toBool(), true);
    }

    // Every row of the LNB, a choice in a row, and a whole plan (a file,
    // the switch) that brings its own satellites.
    void satelliteAndLnbChoicesClearTransponders()
    {
        setSatellites();
        assignTopStatics({5, 6, 7});
        const BandPlan loaded = editor.plan();
        const quint32 freq23 = recordOf(23).freq;
        QVERIFY(freq23 > 0);
        editor.setLnb(0, QStringLiteral("Astra 28.2E"));
        QCOMPARE(recordOf(23).tp, -1);
        // The frequency stays; a saved plan holds it.
        QCOMPARE(recordOf(23).freq, freq23);
        QCOMPARE(recordOf(22).tp, 6);
        QCOMPARE(recordOf(21).tp, -1);
        editor.chooseLnb(1, 0);
        QCOMPARE(recordOf(22).lnb, 0u);
        QCOMPARE(recordOf(22).tp, -1);
        QCOMPARE(recordOf(22).freq, 0u);
        editor.replace(loaded);
        QCOMPARE(editor.plan(), loaded);
        // No data: no transponder can be chosen.
        editor.chooseTransponder(0, 5);
        QCOMPARE(recordOf(23).tp, -1);
    }

    void staticAtBottomRedistributes()
    {
        QSignalSpy changed(&editor, &PlanEditor::staticUBsChanged);
        editor.setStaticUBs(3, false);
        QCOMPARE(typesOf(editor.plan().list), QString(21, 'd') + QStringLiteral("SSS"));
        for (quint32 ub = 3; ub <= 23; ++ub) {
            QCOMPARE(recordOf(ub).line, (ub - 3) % 4);
            QCOMPARE(recordOf(ub).freq, slotFrequency(ub));
        }
        QCOMPARE(changed.at(0).at(0).toBool(), false);
    }

    void growingStaticsKeepsAssignments()
    {
        assignTopStatics({4, 9, 12});
        editor.setStaticUBs(5, true);
        QCOMPARE(typesOf(editor.plan().list), QStringLiteral("SSSSS") + QString(19, 'd'));
        const QList<UBRecord> &list = editor.plan().list;
        QCOMPARE(list.at(0).tp, 4);
        QCOMPARE(list.at(1).tp, 9);
        QCOMPARE(list.at(2).tp, 12);
        QCOMPARE(list.at(1).freq, 11001u);
        QCOMPARE(list.at(1).lnb, 1u);
        QCOMPARE(list.at(3).tp, -1);
        QCOMPARE(list.at(4).tp, -1);
        QCOMPARE(list.at(4).freq, 0u);
    }

    void movingStaticsHandsAssignmentsOnInRowOrder()
    {
        assignTopStatics({4, 9, 12});
        editor.setStaticUBs(2, false);
        const QList<UBRecord> &list = editor.plan().list;
        QCOMPARE(typesOf(list), QString(22, 'd') + QStringLiteral("SS"));
        QCOMPARE(list.at(22).tp, 4);
        QCOMPARE(list.at(23).tp, 9);
        QCOMPARE(list.at(23).freq, 11001u);
        // Rows that became dynamic get their slot frequency back.
        QCOMPARE(list.at(0).freq, slotFrequency(list.at(0).ubNumber));
    }

    void noneAndAllStatic()
    {
        editor.setStaticUBs(24, false);
        QCOMPARE(typesOf(editor.plan().list), QString(24, 'S'));
        QVERIFY(editor.plan().hasStaticUBs());
        editor.setStaticUBs(0, true);
        QCOMPARE(typesOf(editor.plan().list), QString(24, 'd'));
        QVERIFY(!editor.plan().hasStaticUBs());
        // More than the plan holds touches no row outside it.
        editor.setStaticUBs(30, true);
        QCOMPARE(editor.plan().list.size(), 24);
        QCOMPARE(typesOf(editor.plan().list), QString(24, 'S'));
    }

    void renumberingKeepsLines()
    {
        QList<UBRecord> list = editor.plan().list;
        for (UBRecord &record : list)
            record.type = UBRecord::staticType;
        list[5].type = UBRecord::dynamicType;
        list[5].line = 2;
        list[9].type = UBRecord::dynamicType;
        list[9].line = 2;
        editor.setList(list);
        editor.resetDynamicUBs(false);
        QCOMPARE(editor.plan().list.at(9).localUB, 0u);
        QCOMPARE(editor.plan().list.at(5).localUB, 1u);
        QCOMPARE(editor.plan().list.at(5).line, 2u);
    }

    void longListIsTrimmedFromTheTop()
    {
        QList<UBRecord> list = editor.plan().list;
        UBRecord extra;
        extra.ubNumber = 30;
        list.prepend(extra);
        list.prepend(extra);
        editor.setList(list);
        QCOMPARE(editor.plan().list.size(), 26);
        editor.resetDynamicUBs(false);
        QCOMPARE(editor.plan().list.size(), 24);
        QCOMPARE(editor.plan().list.first().ubNumber, 23u);
    }

    void lineAboveThreeIsRefused()
    {
        QList<UBRecord> list = editor.plan().list;
        list[3].line = 4;
        list[23].localUBFreq = 0; // visited first: must not be changed either
        UBRecord extra;
        list.prepend(extra); // nor is the list trimmed
        editor.setList(list);
        QSignalSpy errors(&editor, &PlanEditor::errorOccured);
        QVERIFY(errors.isValid());
        editor.resetDynamicUBs(false);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(),
                 QStringLiteral("Line for dynamic channel must be smaller than 5"));
        QCOMPARE(editor.plan().list, list);

        editor.resetDynamicUBs(true);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(editor.plan().list.size(), 24);
    }

    void lineEditRenumbers()
    {
        const int row = editor.plan().list.size() - 1; // UB 0
        editor.setLine(row, 3);
        QCOMPARE(recordOf(0).line, 3u);
        QCOMPARE(recordOf(0).localUB, 0u);
        QCOMPARE(recordOf(3).localUB, 1u);
        QCOMPARE(recordOf(4).localUB, 0u);
    }

    // Each change is told once, and only a change; a whole list always.
    void eachChangeToldOnce_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("told");
        QTest::newRow("same option") << 0 << 0;
        QTest::newRow("new option") << 1 << 1;
        QTest::newRow("same record") << 2 << 0;
        QTest::newRow("new record") << 3 << 1;
        QTest::newRow("same list") << 4 << 1;
        QTest::newRow("new line") << 5 << 1;
        QTest::newRow("same satellite") << 6 << 0;
        QTest::newRow("whole plan, equal") << 7 << 1;
    }

    void eachChangeToldOnce()
    {
        QFETCH(int, operation);
        QFETCH(int, told);
        setSatellites();
        QSignalSpy changed(&editor, &PlanEditor::changed);
        const BandPlan before = editor.plan();
        UBRecord record = before.list.at(3);
        switch (operation) {
        case 0:
            editor.setOption(PlanEditor::Option::LteFilter, false);
            break;
        case 1:
            editor.setOption(PlanEditor::Option::LteFilter, true);
            break;
        case 2:
            editor.setRecord(3, record);
            break;
        case 3:
            record.freq += 1;
            editor.setRecord(3, record);
            break;
        case 4:
            editor.setList(before.list);
            break;
        case 5:
            editor.setLine(3, (record.line + 1) % 4);
            break;
        case 6:
            editor.setLnb(0, before.lnb1);
            break;
        default:
            editor.replace(before);
            break;
        }
        QCOMPARE(changed.count(), told);
    }

    // A new satellite takes its static UBs' transponders before it is told,
    // so that whoever hears of it sees the plan it belongs to.
    void newSatelliteClearsItsRowsBeforeItIsTold()
    {
        setSatellites();
        assignTopStatics({5, 6, 7});
        QList<qint32> seen;
        // Gone with the test, whatever its end.
        QObject listener;
        connect(&editor, &PlanEditor::lnbChanged, &listener,
                [&seen, this] { seen << editor.plan().list.at(0).tp << editor.plan().list.at(1).tp; });
        QSignalSpy rows(&editor, &PlanEditor::rowChanged);
        editor.setLnb(0, QStringLiteral("Astra 28.2E"));
        QCOMPARE(seen, (QList<qint32>{-1, 6}));
        // Rows 0 and 2 are on LNB1.
        QCOMPARE(rows.count(), 2);
    }

    // A line that does not exist stays in the row, is said, and numbers
    // nothing.
    void missingLineIsSaid()
    {
        QSignalSpy errors(&editor, &PlanEditor::errorOccured);
        QSignalSpy lists(&editor, &PlanEditor::listReplaced);
        const int row = editor.plan().list.size() - 1;
        editor.setLine(row, 4);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), PlanEditor::lineTooHighMessage());
        QCOMPARE(lists.count(), 0);
        QCOMPARE(editor.plan().list.at(row).line, 4u);
        QCOMPARE(editor.plan().list.at(row).localUB, 0u);
    }

    // Static UBs clear stand-by whenever a list arrives; options alone do not.
    void standByFollowsTheList()
    {
        editor.setOption(PlanEditor::Option::StandBy, true);
        QVERIFY(editor.option(PlanEditor::Option::StandBy));
        editor.setStaticUBs(1, true);
        QVERIFY(!editor.option(PlanEditor::Option::StandBy));
        editor.setOption(PlanEditor::Option::StandBy, true);
        QVERIFY(editor.option(PlanEditor::Option::StandBy));
    }
};

QTEST_GUILESS_MAIN(PlanEditorTest)
#include "tst_planeditor.moc"
