// Why a port that may be the switch cannot be used, said beside the serial
// number: once per port and reason, gone when the switch is found or the
// port goes. Failures to open come from an injected opener, and for real from
// a port held by a second handler.

#include "SimulatorProcess.h"
#include "device/SerialPortHandler.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using OpenFailure = SerialPortHandler::OpenFailure;
Q_DECLARE_METATYPE(OpenFailure)

namespace {
constexpr quint16 switchVendor = SerialPortCandidate::switchVendorId;
constexpr quint16 switchProduct = SerialPortCandidate::switchProductId;

// One search, as the timer would run it.
void search(SerialPortHandler &handler)
{
    QVERIFY(QMetaObject::invokeMethod(&handler, "searchForAvailableDevices"));
}
} // namespace

class tst_PortProblems : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QFile rule(dir.filePath(QStringLiteral("installed.rules")));
        QVERIFY(rule.open(QIODevice::WriteOnly));
    }

    void reasonSaidOnceUntilThePortGoes_data()
    {
        QTest::addColumn<OpenFailure>("failure");
        QTest::addColumn<bool>("ruleInstalled");
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<QStringList>("notSaid");
        const QString port = QStringLiteral("/dev/ttyACM7");
        const QString rule = dir.filePath(QStringLiteral("missing.rules"));
        QTest::newRow("no permission, no device rule")
            << OpenFailure::NoPermission << false
            << QStringList{port, QStringLiteral("dialout"), rule, QStringLiteral("may not be opened")}
            << QStringList();
        QTest::newRow("no permission, device rule installed")
            << OpenFailure::NoPermission << true
            << QStringList{port, QStringLiteral("dialout"), QStringLiteral("plug it in again")}
            << QStringList{QStringLiteral(".rules")};
        QTest::newRow("held by another program")
            << OpenFailure::InUse << false << QStringList{port, QStringLiteral("in use")}
            << QStringList{QStringLiteral("dialout")};
        QTest::newRow("other failure")
            << OpenFailure::Other << false << QStringList{port, QStringLiteral("Input/output error")}
            << QStringList{QStringLiteral("dialout"), QStringLiteral("in use")};
    }
    void reasonSaidOnceUntilThePortGoes()
    {
        QFETCH(OpenFailure, failure);
        QFETCH(bool, ruleInstalled);
        QFETCH(QStringList, said);
        QFETCH(QStringList, notSaid);
        QList<SerialPortCandidate> ports{{QStringLiteral("/dev/ttyACM7"), switchVendor, switchProduct}};
        const auto opener = [failure](QSerialPort &) {
            return SerialPortHandler::OpenResult{failure, QStringLiteral("Input/output error")};
        };
        const QString rule =
            dir.filePath(ruleInstalled ? QStringLiteral("installed.rules") : QStringLiteral("missing.rules"));
        SerialPortHandler handler(
            [&ports] { return ports; }, opener, rule);
        QSignalSpy changed(&handler, &SerialPortHandler::portProblemChanged);
        QVERIFY(changed.isValid());

        for (int tick = 0; tick < 3; ++tick)
            search(handler);
        QCOMPARE(changed.count(), 1);
        const QString text = changed.at(0).at(0).toString();
        QCOMPARE(handler.portProblem(), text);
        for (const QString &part : qAsConst(said))
            QVERIFY2(text.contains(part), qPrintable(text));
        for (const QString &part : qAsConst(notSaid))
            QVERIFY2(!text.contains(part), qPrintable(text));

        // Unplugged: the text goes with the port.
        ports.clear();
        search(handler);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(1).at(0).toString(), QString());
        QCOMPARE(handler.portProblem(), QString());
    }

    // The port held first, then free: the reason goes when the switch is found.
    void reasonGoesWhenTheSwitchIsFound()
    {
        SimulatorProcess sim(dir.filePath(QStringLiteral("later")), {}, QStringLiteral("KVN00471"));
        QVERIFY2(sim.start(), qPrintable(sim.errors()));
        bool held = true;
        const auto opener = [&held](QSerialPort &port) {
            return held ? SerialPortHandler::OpenResult{OpenFailure::InUse, QString()}
                        : SerialPortHandler::openSystemPort(port);
        };
        const QList<SerialPortCandidate> ports{{sim.link(), switchVendor, switchProduct}};
        SerialPortHandler handler(
            [&ports] { return ports; }, opener);
        QSignalSpy found(&handler, &SerialPortHandler::deviceFound);
        search(handler);
        QVERIFY(handler.portProblem().contains(QLatin1String("in use")));
        held = false;
        search(handler);
        QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, 5000);
        QCOMPARE(handler.portProblem(), QString());
    }

    // A second copy of the program while the first holds the switch.
    void portHeldBySecondHandler()
    {
        SimulatorProcess sim(dir.filePath(QStringLiteral("shared")), {}, QStringLiteral("KVN00472"));
        QVERIFY2(sim.start(), qPrintable(sim.errors()));
        const QList<SerialPortCandidate> ports{{sim.link(), switchVendor, switchProduct}};
        SerialPortHandler first([&ports] { return ports; });
        SerialPortHandler second([&ports] { return ports; });
        QSignalSpy found(&first, &SerialPortHandler::deviceFound);
        search(first);
        QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, 5000);

        QSignalSpy secondFound(&second, &SerialPortHandler::deviceFound);
        search(second);
        QCOMPARE(secondFound.count(), 0);
        const QString text = second.portProblem();
        QVERIFY2(text.contains(QLatin1String("in use")) && text.contains(sim.link()), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(tst_PortProblems)
#include "tst_portproblems.moc"
