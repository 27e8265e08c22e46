// How the download talks to the server: all tables in one request, and one
// request per table when the server refuses several statements at once. The
// server is reached through tools/delay-relay (no delay here), which counts
// the round trips and can make the server refuse several statements.

#include "TestDatabase.h"
#include "db/SqlHandler.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <stdexcept>

using namespace TestDatabase;

namespace {
const char *const selectMessage = "SqlHandler::loadItemsForSatelite: error on getting items for satelite";
const QString fallbackLine = QStringLiteral("Reading the tables one by one");

QStringList debugLines;
void collectDebug(QtMsgType, const QMessageLogContext &, const QString &message)
{
    debugLines << message;
}

bool sawFallback()
{
    for (const QString &line : qAsConst(debugLines)) {
        if (line.contains(fallbackLine))
            return true;
    }
    return false;
}

// The relay between the tests and the fixture server, for one test function.
class Relay
{
public:
    explicit Relay(bool refuseMultipleStatements)
    {
        QStringList arguments{QStringLiteral(FENZO_SOURCE_DIR "/tools/delay-relay/delay-relay"),
                              QStringLiteral("--target"),
                              QString::number(TestDatabase::port()),
                              QStringLiteral("--delay-ms"),
                              QStringLiteral("0"),
                              QStringLiteral("--seconds"),
                              QStringLiteral("240")};
        if (refuseMultipleStatements)
            arguments << QStringLiteral("--no-multi-statements");
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("python3"), arguments);
        const QRegularExpression listening(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
        const QString line = nextLine();
        const QRegularExpressionMatch match = listening.match(line);
        if (match.hasMatch())
            port = match.captured(1).toInt();
    }
    ~Relay()
    {
        process.kill();
        process.waitForFinished(5000);
    }
    Relay(const Relay &) = delete;
    Relay &operator=(const Relay &) = delete;

    // For one handler, which opens one connection through the relay.
    SqlHandler::Connection connection(const QString &database)
    {
        ++connections;
        SqlHandler::Connection result = fixtureConnection(database);
        result.port = port;
        return result;
    }

    // The round trips of the last connection handed out, -1 when it does not
    // end in time. Call it after the handler using it is gone.
    int roundTripsOfLastConnection()
    {
        const QRegularExpression closed(QStringLiteral("connection %1: (\\d+) round trips").arg(connections));
        for (QString line = nextLine(); !line.isEmpty(); line = nextLine()) {
            const QRegularExpressionMatch match = closed.match(line);
            if (match.hasMatch())
                return match.captured(1).toInt();
        }
        return -1;
    }

    int port = 0;

private:
    int connections = 0;
    QString nextLine()
    {
        QElapsedTimer timer;
        timer.start();
        // Python starts slowly on a busy machine.
        while (!process.canReadLine() && timer.elapsed() < 20000 && process.state() != QProcess::NotRunning)
            process.waitForReadyRead(500);
        return QString::fromUtf8(process.readLine()).trimmed();
    }

    QProcess process;
};

struct Download
{
    std::unique_ptr<SqlHandler> handler;
    QString error;
    bool fellBack = false;
    QByteArray cache;
};
} // namespace

class SqlHandlerRequestsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Admin> admin;
    std::unique_ptr<Relay> direct;
    std::unique_ptr<Relay> refusing;
    std::unique_ptr<QTemporaryDir> cacheDir;

    // A download of `database` into a fresh cache directory holding `previous`.
    Download download(const SqlHandler::Connection &connection, const QByteArray &previous = QByteArray())
    {
        Download result;
        cacheDir = std::make_unique<QTemporaryDir>();
        if (!previous.isEmpty())
            writeCacheFile(cacheDir->path(), previous);
        result.handler = std::make_unique<SqlHandler>(connection, cacheDir->path());
        debugLines.clear();
        const QtMessageHandler before = qInstallMessageHandler(collectDebug);
        try {
            result.handler->connectToDatabase();
        } catch (const std::runtime_error &e) {
            result.error = QString::fromUtf8(e.what());
        }
        qInstallMessageHandler(before);
        result.fellBack = sawFallback();
        result.cache = fileBytes(result.handler->cacheFilePath());
        return result;
    }

private slots:
    void initTestCase()
    {
        admin = std::make_unique<Admin>();
        QVERIFY2(admin->isOpen(), qPrintable(admin->lastError()));
        direct = std::make_unique<Relay>(false);
        QVERIFY2(direct->port > 0, "tools/delay-relay did not start");
        refusing = std::make_unique<Relay>(true);
        QVERIFY2(refusing->port > 0, "tools/delay-relay did not start");
    }

    void cleanupTestCase()
    {
        direct.reset();
        refusing.reset();
        admin.reset();
    }

    // One request or one per table, the same satellites, rows, summaries and
    // cache bytes; the one request costs a few round trips whatever the
    // number of tables.
    void refusedRequestGivesTheSameData_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<quint32>("satId");
        QTest::addColumn<QString>("satelite");
        QTest::newRow("realistic set") << QStringList() << 10u << QStringLiteral("Astra 4.8E");
        QStringList many;
        for (int i = 0; i < 40; ++i) {
            const QString name = QStringLiteral("Sat %1; `x`").arg(i);
            many << createTable(name);
            if (i % 3 != 0)
                many << insertRow(name, 1, 11000 + quint32(i), QStringLiteral("H"), 9750, 90 + quint32(i))
                     << insertRow(name, 2, 12000, QStringLiteral("V"), 10600, 90 + quint32(i));
        }
        QTest::newRow("40 tables, some empty, ids above 127")
            << many << 128u << QStringLiteral("Sat 38; `x`");
    }
    void refusedRequestGivesTheSameData()
    {
        QFETCH(QStringList, statements);
        QFETCH(quint32, satId);
        QFETCH(QString, satelite);
        QString db = QStringLiteral("satellites");
        if (!statements.isEmpty()) {
            db = admin->createDatabase(QStringLiteral("requests"), statements);
            QVERIFY2(!db.isEmpty(), qPrintable(admin->lastError()));
        }

        Download one = download(direct->connection(db));
        QCOMPARE(one.error, QString());
        QVERIFY(!one.fellBack);
        const QStringList names = one.handler->availableSatelites();
        one.handler.reset();
        const int oneTrips = direct->roundTripsOfLastConnection();
        QVERIFY2(oneTrips > 0 && oneTrips <= 8, qPrintable(QString::number(oneTrips)));

        Download each = download(refusing->connection(db));
        QCOMPARE(each.error, QString());
        QVERIFY(each.fellBack);
        QCOMPARE(each.handler->availableSatelites(), names);
        QCOMPARE(each.handler->getSateliteParamsById(satId).name, satelite);
        each.handler.reset();
        const int eachTrips = refusing->roundTripsOfLastConnection();

        QVERIFY(one.cache.size() > 12);
        QCOMPARE(one.cache, each.cache);
        QVERIFY2(eachTrips > names.size(), qPrintable(QString::number(eachTrips)));
        qInfo("round trips: %d in one request, %d one per table", oneTrips, eachTrips);

        // The cache holds the same, ids above what a code word carries too.
        SqlHandler offline(unreachableConnection(), cacheDir->path());
        offline.connectToDatabase();
        QCOMPARE(offline.availableSatelites(), names);
        QCOMPARE(offline.getSateliteParamsById(satId).name, satelite);
    }

    // A table whose SELECT fails ends the download either way: the tables
    // before it are kept without summaries, the cache file is left alone.
    void failingTable_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QStringList>("kept");
        for (const bool refused : {false, true}) {
            const char *const way = refused ? "one request per table" : "one request";
            QTest::addRow("%s, first table", way) << refused << QStringLiteral("A") << QStringList();
            QTest::addRow("%s, middle table", way)
                << refused << QStringLiteral("B") << QStringList{QStringLiteral("A")};
            QTest::addRow("%s, last table", way)
                << refused << QStringLiteral("C") << QStringList{QStringLiteral("A"), QStringLiteral("B")};
        }
    }
    void failingTable()
    {
        QFETCH(bool, refused);
        QFETCH(QString, bad);
        QFETCH(QStringList, kept);
        QStringList statements;
        for (const QString &table : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}) {
            if (table == bad) {
                statements << QStringLiteral("CREATE TABLE %1 (Name VARCHAR(10), Frequency INT)").arg(table);
                continue;
            }
            statements << createTable(table) << insertRow(table, 1, 11000, QStringLiteral("H"), 9750, 1);
        }
        const QString db = admin->createDatabase(QStringLiteral("failing"), statements);
        QVERIFY2(!db.isEmpty(), qPrintable(admin->lastError()));
        const QByteArray previous = cacheBytes({{QStringLiteral("Old"), {{1, 11000, true, 9750, 9}}}},
                                               {{QStringLiteral("Old"), 9, 9750, 0}});

        Relay &relay = refused ? *refusing : *direct;
        const Download result = download(relay.connection(db), previous);
        QCOMPARE(result.error, QString::fromLatin1(selectMessage));
        QCOMPARE(result.handler->availableSatelites(), kept);
        for (const QString &name : kept) {
            QCOMPARE(result.handler->itemsForSatelite(name), (QVariantList{1u, 11000u}));
            QVERIFY_EXCEPTION_THROWN(result.handler->getSateliteParams(name), std::runtime_error);
        }
        QCOMPARE(result.cache, previous);
    }
};

QTEST_GUILESS_MAIN(SqlHandlerRequestsTest)
#include "tst_sqlhandler_requests.moc"
