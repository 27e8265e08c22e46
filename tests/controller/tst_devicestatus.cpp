#include "controller/DeviceStatus.h"
#include "device/DeviceIdentity.h"

#include <QSignalSpy>
#include <QtTest>

class TestDeviceStatus : public QObject
{
    Q_OBJECT

private slots:
    void serialNumberSlicing_data()
    {
        QTest::addColumn<QString>("received");
        QTest::addColumn<QString>("shown");
        QTest::newRow("11 characters") << "SN:01332251"
                                       << "01332251";
        QTest::newRow("3 characters") << "SN:"
                                      << "";
        QTest::newRow("2 characters") << "SN"
                                      << "";
    }

    void serialNumberSlicing()
    {
        QFETCH(QString, received);
        QFETCH(QString, shown);
        DeviceStatus status;
        QCOMPARE(status.serialNumber(), QStringLiteral("No device found"));
        QCOMPARE(status.connectedSwitch(), std::nullopt);
        QSignalSpy changed(&status, &DeviceStatus::serialNumberChanged);
        QVERIFY(changed.isValid());
        status.deviceFound(received);
        QCOMPARE(status.serialNumber(), shown);
        QCOMPARE(status.connectedSwitch(), std::optional<QString>(shown));
        // The window shows what the backups are named by.
        const std::optional<DeviceIdentity> identity =
            DeviceIdentity::fromReply(QStringLiteral("KAVEN GmbH,FSW 2404,%1,1.0.3").arg(received));
        QVERIFY(identity);
        QCOMPARE(status.serialNumber(), identity->serialNumber());
        status.deviceMissing();
        QCOMPARE(status.serialNumber(), QStringLiteral("No device found"));
        QCOMPARE(changed.count(), 2);
    }

    // The window's buttons follow the property; the serial number is set
    // when its readers hear of either.
    void connectedIsAProperty()
    {
        DeviceStatus status;
        QSignalSpy connected(&status, &DeviceStatus::connectedChanged);
        QSignalSpy serial(&status, &DeviceStatus::serialNumberChanged);
        bool presentWhenSerialChanged = false;
        connect(&status, &DeviceStatus::serialNumberChanged, this,
                [&] { presentWhenSerialChanged = status.connected(); });
        status.deviceFound(QStringLiteral("SN:01332251"));
        QVERIFY(presentWhenSerialChanged);
        status.deviceFound(QStringLiteral("SN:01332251"));
        QCOMPARE(serial.count(), 1);
        status.deviceFound(QStringLiteral("SN:01332252"));
        QCOMPARE(serial.count(), 2);
        QCOMPARE(connected.count(), 1);
        QCOMPARE(status.property("connected"), QVariant(true));
        status.deviceMissing();
        QCOMPARE(connected.count(), 2);
        QVERIFY(!status.connected());
    }

    // The end of a transfer clears what it showed, and a cancel is asked
    // for only while one runs.
    void transferState()
    {
        DeviceStatus status;
        QSignalSpy busy(&status, &DeviceStatus::busyChanged);
        QSignalSpy progress(&status, &DeviceStatus::transferProgressChanged);
        QSignalSpy cancellable(&status, &DeviceStatus::cancellableChanged);
        QSignalSpy asked(&status, &DeviceStatus::cancelAsked);
        status.cancel();
        QCOMPARE(asked.count(), 0);

        status.setBusy(true);
        status.setBusy(true);
        QCOMPARE(busy.count(), 1);
        status.setTransferProgress(QStringLiteral("Reading the switch's plan… 1 of 4"), true);
        status.setTransferProgress(QStringLiteral("Reading the switch's plan… 1 of 4"), true);
        QCOMPARE(progress.count(), 1);
        QCOMPARE(cancellable.count(), 1);
        QVERIFY(status.cancellable());
        status.cancel();
        QCOMPARE(asked.count(), 1);

        status.setBusy(false);
        QCOMPARE(busy.count(), 2);
        QCOMPARE(status.transferProgress(), QString());
        QVERIFY(!status.cancellable());
        QCOMPARE(progress.count(), 2);
        status.cancel();
        QCOMPARE(asked.count(), 1);
    }

    void portProblemAnnouncesOnlyAChange()
    {
        DeviceStatus status;
        QSignalSpy changed(&status, &DeviceStatus::portProblemChanged);
        status.setPortProblem(QString());
        QCOMPARE(changed.count(), 0);
        status.setPortProblem(QStringLiteral("/dev/ttyACM0 is in use by another program."));
        status.setPortProblem(QStringLiteral("/dev/ttyACM0 is in use by another program."));
        QCOMPARE(changed.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDeviceStatus)
#include "tst_devicestatus.moc"
