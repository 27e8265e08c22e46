// What the end of a transfer says, as the window and the tool both show it:
// a send's read-back notes, a read's note and the satellites' numbering,
// a comparison's lines, and nothing from a transfer that failed.
#include "UBRecordBuilders.h"
#include "device/PlanReadBack.h"
#include "model/SatelliteIdTable.h"
#include "service/TransferEnd.h"

#include <QtTest>

Q_DECLARE_METATYPE(TransferEnd::Asked)
Q_DECLARE_METATYPE(DeviceOperation::Kind)

namespace {
const QString astra = QStringLiteral("Astra 19.2E");
const QString hotbird = QStringLiteral("Hotbird 13.0E");
const QString earlierBand = QStringLiteral("read with the earlier band");

// Astra under an id the program's table gives to another satellite.
SharedCatalogue renumbered()
{
    SatelliteCatalogue::Transponders rows;
    rows[astra] = {{1, 10714, Polarisation::H, 9750, 1}};
    rows[hotbird] = {{7, 10992, Polarisation::V, 9750, 2}};
    return std::make_shared<const SatelliteCatalogue>(
        rows, QVector<SateliteParams>{{astra, 1, 9750, 10600}, {hotbird, 59, 9750, 10600}});
}

QString numberingNote()
{
    return SatelliteIdTable::differencesMessage(
        {QStringLiteral("Astra 19.2E (id 1 here, 9 in the program's table)")});
}

// 24 dynamic UBs, or UB0 static on Astra.
BandPlan plan(bool staticOnAstra)
{
    BandPlan result;
    result.lnb1 = astra;
    result.lnb2 = hotbird;
    for (quint32 ub = 0; ub < quint32(BandPlan::size); ++ub)
        result.list << (ub == 0 && staticOnAstra ? staticUB(0, 0, 1, 10714) : dynamicUB(ub, ub % 4));
    return result;
}
} // namespace

class TransferEndTest : public QObject
{
    Q_OBJECT

private slots:
    void notes_data()
    {
        QTest::addColumn<TransferEnd::Asked>("asked");
        QTest::addColumn<DeviceOperation::Kind>("kind");
        QTest::addColumn<bool>("staticOnAstra");
        QTest::addColumn<QStringList>("notes");
        using Asked = TransferEnd::Asked;
        using Kind = DeviceOperation::Kind;
        const QStringList readBack{QStringLiteral("LTE filter was off")};
        QTest::newRow("send: the read-back's notes") << Asked::Send << Kind::Done << true << readBack;
        QTest::newRow("store: the read-back's notes") << Asked::Store << Kind::Done << true << readBack;
        QTest::newRow("restore: the read-back's notes") << Asked::Restore << Kind::Done << true << readBack;
        QTest::newRow("read of a static UB: how, then the numbering")
            << Asked::Read << Kind::Done << true << QStringList{earlierBand, numberingNote()};
        QTest::newRow("read of dynamic UBs: no numbering")
            << Asked::Read << Kind::Done << false << QStringList{earlierBand};
        QTest::newRow("comparison: as a read")
            << Asked::Compare << Kind::Done << true << QStringList{earlierBand, numberingNote()};
        QTest::newRow("failed read: nothing") << Asked::Read << Kind::Failed << true << QStringList();
        QTest::newRow("cancelled read: nothing") << Asked::Read << Kind::Cancelled << true << QStringList();
        QTest::newRow("failed send: nothing") << Asked::Send << Kind::Failed << true << QStringList();
    }

    void notes()
    {
        QFETCH(TransferEnd::Asked, asked);
        QFETCH(DeviceOperation::Kind, kind);
        QFETCH(bool, staticOnAstra);
        DeviceTransfers::Result result;
        result.kind = kind;
        result.plan = plan(staticOnAstra);
        result.readNote = earlierBand;
        result.outcome.readBackNotes = QStringList{QStringLiteral("LTE filter was off")};
        const TransferEnd end(asked, result, renumbered(), plan(staticOnAstra));
        QTEST(end.notes, "notes");
    }

    // The window's one message: that it matches (a store names the earlier
    // plan's backup), then the notes.
    void sentMessage_data()
    {
        QTest::addColumn<TransferEnd::Asked>("asked");
        QTest::addColumn<QString>("message");
        DeviceTransfers::Outcome outcome;
        outcome.storedPlanBackup = QStringLiteral("/backups/stored.dat");
        const QString note = QStringLiteral("\nUB3 read back on line 2");
        QTest::newRow("send") << TransferEnd::Asked::Send << PlanReadBack::sentAndMatchesMessage() + note;
        QTest::newRow("store") << TransferEnd::Asked::Store << DeviceTransfers::storedMessage(outcome) + note;
    }

    void sentMessage()
    {
        QFETCH(TransferEnd::Asked, asked);
        DeviceTransfers::Result result;
        result.kind = DeviceOperation::Kind::Done;
        result.outcome.storedPlanBackup = QStringLiteral("/backups/stored.dat");
        result.outcome.readBackNotes = QStringList{QStringLiteral("UB3 read back on line 2")};
        QTEST(TransferEnd(asked, result, renumbered()).sentMessage(), "message");
    }

    void comparison_data()
    {
        QTest::addColumn<bool>("sameOnSwitch");
        QTest::newRow("the switch holds the plan") << true;
        QTest::newRow("the switch holds another plan") << false;
    }

    // Only a comparison compares; its lines say whether the switch holds the plan.
    void comparison()
    {
        QFETCH(bool, sameOnSwitch);
        DeviceTransfers::Result result;
        result.kind = DeviceOperation::Kind::Done;
        result.plan = plan(!sameOnSwitch);
        const TransferEnd compared(TransferEnd::Asked::Compare, result, renumbered(), plan(false));
        QCOMPARE(compared.holdsCompared, sameOnSwitch);
        QCOMPARE(compared.comparison.size() == 1 &&
                     compared.comparison.constFirst() == QStringLiteral("The switch holds this plan."),
                 sameOnSwitch);
        QVERIFY(
            TransferEnd(TransferEnd::Asked::Read, result, renumbered(), plan(false)).comparison.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TransferEndTest)
#include "tst_transferend.moc"
