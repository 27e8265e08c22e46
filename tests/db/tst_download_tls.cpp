// The download over TLS from a MariaDB server of the test's own that offers
// it, with a certificate made for 127.0.0.1 at start by openssl
// (tools/devdb --tls): verified against the certificate's authority it
// works and says it came encrypted; against the system's store, which does
// not know that authority, it is refused before the password is sent.

#include "LoopbackPort.h"
#include "db/SqlHandler.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
const QString devdb = QStringLiteral(FENZO_SOURCE_DIR "/tools/devdb/devdb");


QString runDevdb(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(devdb, arguments);
    // Installing and starting a server takes seconds on a busy machine.
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished(5000);
        return QStringLiteral("devdb did not finish");
    }
    const QString output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? QString() : output;
}
} // namespace

class DownloadTlsTest : public QObject
{
    Q_OBJECT

    // A short path: the server's socket lives below it.
    std::unique_ptr<QTemporaryDir> dir;
    int port = -1;
    bool started = false;

    SqlHandler::Connection tlsConnection() const
    {
        SqlHandler::Connection connection;
        connection.hostName = QStringLiteral("127.0.0.1");
        connection.port = port;
        connection.databaseName = QStringLiteral("satellites");
        connection.userName = QStringLiteral("fenzo_ro");
        connection.password = QStringLiteral("fenzo");
        connection.requireTls = true;
        connection.caFile = dir->filePath(QStringLiteral("tls/ca.pem"));
        return connection;
    }

private slots:
    void initTestCase()
    {
        dir = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/fenzo-tls-XXXXXX"));
        QVERIFY(dir->isValid());
        port = loopbackPort();
        QVERIFY(port > 0);
        const QString problem = runDevdb({QStringLiteral("start"), QStringLiteral("--datadir"), dir->path(),
                                          QStringLiteral("--port"), QString::number(port), QStringLiteral("--tls")});
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        started = true;
    }

    void cleanupTestCase()
    {
        if (started)
            runDevdb({QStringLiteral("stop"), QStringLiteral("--datadir"), dir->path()});
    }

    // Required and verified: the whole download, labelled as encrypted.
    void verifiedServerGivesItsData()
    {
        const SqlHandler::Download result = SqlHandler::download(tlsConnection());
        QVERIFY2(result.complete, qPrintable(result.reason));
        QVERIFY(result.encrypted);
        QCOMPARE(int(result.tables.items.size()), 10);

        QTemporaryDir cache;
        SqlHandler handler(tlsConnection(), cache.path());
        handler.connectToDatabase();
        QCOMPARE(handler.source(), SqlHandler::Source::Server);
        QVERIFY(handler.encrypted());
    }

    // Where TLS is only taken when offered, it is taken.
    void offeredTlsIsTaken()
    {
        SqlHandler::Connection connection = tlsConnection();
        connection.requireTls = false;
        const SqlHandler::Download result = SqlHandler::download(connection);
        QVERIFY2(result.complete, qPrintable(result.reason));
        QVERIFY(result.encrypted);
    }

    // A certificate the system's store does not trust, or a CA file that
    // cannot be read: no connection, and the reason says so in the
    // program's words. Where a plain connection is allowed, a server that
    // offers TLS with an untrusted certificate is not taken plain instead.
    void untrustedCertificateIsRefused_data()
    {
        QTest::addColumn<QString>("caFile");
        QTest::addColumn<bool>("requireTls");
        QTest::addColumn<QString>("said");
        QTest::newRow("system's store") << QString() << true << QStringLiteral("(TLS)");
        QTest::newRow("system's store, plain allowed") << QString() << false << QStringLiteral("(TLS)");
        QTest::newRow("missing CA file") << QStringLiteral("/nonexistent/ca.pem") << true
                                         << QStringLiteral("/nonexistent/ca.pem");
    }
    void untrustedCertificateIsRefused()
    {
        QFETCH(QString, caFile);
        QFETCH(bool, requireTls);
        QFETCH(QString, said);
        SqlHandler::Connection connection = tlsConnection();
        connection.caFile = caFile;
        connection.requireTls = requireTls;
        const SqlHandler::Download result = SqlHandler::download(connection);
        QVERIFY(!result.opened);
        QVERIFY(!result.complete);
        QVERIFY2(result.reason.contains(said), qPrintable(result.reason));
        QVERIFY2(!result.reason.contains(QLatin1String("SSL")), qPrintable(result.reason));
    }
};

QTEST_GUILESS_MAIN(DownloadTlsTest)
#include "tst_download_tls.moc"
