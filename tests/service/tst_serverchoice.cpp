#include "service/ServerChoice.h"

#include <QtTest>

// The server setting as typed: how the fields become the stored connection.
class tst_ServerChoice : public QObject
{
    Q_OBJECT

    static SatelliteSource::Connection stored()
    {
        SatelliteSource::Connection connection;
        connection.hostName = QStringLiteral("db.example");
        connection.databaseName = QStringLiteral("sats");
        connection.userName = QStringLiteral("reader");
        connection.password = QStringLiteral(" secret ");
        connection.port = 3307;
        connection.caFile = QStringLiteral("/etc/ca.pem");
        connection.requireTls = true;
        connection.timeoutSeconds = 9;
        return connection;
    }

private slots:
    // What is shown is what is stored again when nothing is changed.
    void shownFieldsStoreTheSame()
    {
        const SatelliteSource::Connection connection = stored();
        const ServerChoice choice = ServerChoice::of(connection);
        QCOMPARE(choice.port, QStringLiteral("3307"));
        QCOMPARE(choice.requireTls, std::optional<bool>(true));
        const SatelliteSource::Connection again = choice.appliedTo(SatelliteSource::Connection());
        QCOMPARE(again.hostName, connection.hostName);
        QCOMPARE(again.databaseName, connection.databaseName);
        QCOMPARE(again.userName, connection.userName);
        QCOMPARE(again.password, connection.password);
        QCOMPARE(again.port, connection.port);
        QCOMPARE(again.caFile, connection.caFile);
        QCOMPARE(again.requireTls, connection.requireTls);
        QCOMPARE(ServerChoice::of(SatelliteSource::Connection()).port, QString());
    }

    void fields_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("tls"); // -1: not offered
        QTest::addColumn<int>("expectedPort");
        QTest::addColumn<bool>("expectedTls");

        QTest::newRow("empty port: the default") << "db.example"
                                                 << "" << 1 << -1 << true;
        QTest::newRow("blank port: the default") << "db.example"
                                                 << "  " << 1 << -1 << true;
        QTest::newRow("port trimmed") << "db.example"
                                      << " 3310 " << 0 << 3310 << false;
        // 0 is what the port's rule refuses, naming the allowed range.
        QTest::newRow("no number: refused later") << "db.example"
                                                  << "port" << 0 << 0 << false;
        QTest::newRow("no choice, remote host: TLS") << " db.example "
                                                     << "" << -1 << -1 << true;
        QTest::newRow("no choice, this machine: as offered") << "localhost"
                                                             << "" << -1 << -1 << false;
        QTest::newRow("chosen wins over the host") << "db.example"
                                                   << "" << 0 << -1 << false;
    }

    void fields()
    {
        QFETCH(QString, host);
        QFETCH(QString, port);
        QFETCH(int, tls);
        ServerChoice choice = ServerChoice::of(stored());
        choice.host = host;
        choice.port = port;
        choice.requireTls = tls < 0 ? std::nullopt : std::optional<bool>(tls == 1);
        const SatelliteSource::Connection connection = choice.appliedTo(stored());
        QCOMPARE(connection.hostName, host.trimmed());
        QTEST(connection.port, "expectedPort");
        QTEST(connection.requireTls, "expectedTls");
        // What the form does not hold stays as it was.
        QCOMPARE(connection.timeoutSeconds, 9);
    }

    // Names are trimmed; a password may begin or end with a space.
    void trimming()
    {
        ServerChoice choice;
        choice.host = QStringLiteral(" h ");
        choice.database = QStringLiteral(" d ");
        choice.user = QStringLiteral(" u ");
        choice.password = QStringLiteral(" p ");
        choice.caFile = QStringLiteral(" /ca.pem ");
        const SatelliteSource::Connection connection = choice.appliedTo(SatelliteSource::Connection());
        QCOMPARE(connection.hostName, QStringLiteral("h"));
        QCOMPARE(connection.databaseName, QStringLiteral("d"));
        QCOMPARE(connection.userName, QStringLiteral("u"));
        QCOMPARE(connection.password, QStringLiteral(" p "));
        QCOMPARE(connection.caFile, QStringLiteral("/ca.pem"));
    }
};

QTEST_GUILESS_MAIN(tst_ServerChoice)
#include "tst_serverchoice.moc"
