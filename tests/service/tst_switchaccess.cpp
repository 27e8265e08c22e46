// The opening every transfer of the tool on one switch shares, where it
// stops before any transfer: data not ready, no switch, no port list, a
// named port that cannot be opened. No server, no switch.
#include "OfflineEnvironment.h"
#include "service/SwitchAccess.h"

#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

class SwitchAccessTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void openingRefuses_data()
    {
        QTest::addColumn<bool>("prepared");
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("listerFails");
        QTest::addColumn<int>("listings");
        QTest::addColumn<QStringList>("messages");
        const QString none =
            QStringLiteral("No switch found. Connect the switch, or name its port with --port.");
        const QString missing = dir.filePath("missing");
        QTest::newRow("not prepared: no port is looked at")
            << false << QString() << false << 0 << QStringList();
        QTest::newRow("no switch listed") << true << QString() << false << 1 << QStringList{none};
        QTest::newRow("listing fails") << true << QString() << true << 1 << QStringList{"no ports", none};
        QTest::newRow("named port missing")
            << true << missing << false << 0
            << QStringList{QStringLiteral("The switch at %1 could not be opened (No such file or directory).")
                               .arg(missing)};
    }

    // Nothing starts and nothing is written: the reasons come back in order.
    void openingRefuses()
    {
        QFETCH(bool, prepared);
        QFETCH(QString, port);
        QFETCH(bool, listerFails);
        Environment environment = OfflineEnvironment::in(dir.path());
        int listings = 0;
        // A port that is not the switch's is not tried.
        environment.portLister = [listerFails, &listings]() -> QList<SerialPortCandidate> {
            ++listings;
            if (listerFails)
                throw std::runtime_error("no ports");
            return {SerialPortCandidate{QStringLiteral("/dev/ttyS0"), 0, 0}};
        };
        bool found = false;
        bool started = false;
        QStringList messages;
        const auto end = SwitchAccess(environment)
                             .transferOnTheOne(
                                 port, [prepared] { return prepared; },
                                 [&found](SwitchAccess::Connected &) { found = true; },
                                 [&started](SwitchTransfers &) { started = true; }, &messages);
        QVERIFY(!end);
        QVERIFY(!found);
        QVERIFY(!started);
        QTEST(listings, "listings");
        QTEST(messages, "messages");
    }
};

QTEST_GUILESS_MAIN(SwitchAccessTest)
#include "tst_switchaccess.moc"
