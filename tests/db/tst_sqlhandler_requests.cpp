// How the download talks to the server: all tables in one request, and one
// request per table when the server refuses several statements at once. The
// server is reached through tools/delay-relay (no delay here), which counts
// the round trips and can make the server refuse several statements.

#include "CatalogueRows.h"
#include "RelayProcess.h"
#include "TestDatabase.h"
#include "db/SqlHandler.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <stdexcept>

using namespace TestDatabase;

namespace {
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
        direct = std::make_unique<Relay>();
        QVERIFY2(direct->port > 0, "tools/delay-relay did not start");
        refusing = std::make_unique<Relay>(QStringList{QStringLiteral("--no-multi-statements")});
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
        const QStringList names = CatalogueRows::names(one.handler->catalogue());
        one.handler.reset();
        const int oneTrips = direct->roundTripsOfLastConnection();
        QVERIFY2(oneTrips > 0 && oneTrips <= 8, qPrintable(QString::number(oneTrips)));

        Download each = download(refusing->connection(db));
        QCOMPARE(each.error, QString());
        QVERIFY(each.fellBack);
        QCOMPARE(CatalogueRows::names(each.handler->catalogue()), names);
        QCOMPARE(CatalogueRows::nameOfId(each.handler->catalogue(), satId), satelite);
        each.handler.reset();
        const int eachTrips = refusing->roundTripsOfLastConnection();

        QVERIFY(one.cache.size() > 12);
        QCOMPARE(one.cache, each.cache);
        QVERIFY2(eachTrips > names.size(), qPrintable(QString::number(eachTrips)));
        qInfo("round trips: %d in one request, %d one per table", oneTrips, eachTrips);

        // The cache holds the same, ids above what a code word carries too.
        SqlHandler offline(unreachableConnection(), cacheDir->path());
        offline.connectToDatabase();
        QCOMPARE(CatalogueRows::names(offline.catalogue()), names);
        QCOMPARE(CatalogueRows::nameOfId(offline.catalogue(), satId), satelite);
    }

    // A table whose SELECT fails ends the download either way: the tables
    // before it are kept without summaries, the cache file is left alone.
    // A table that cannot be read fails the whole download, wherever it is:
    // nothing of it is kept, the last good cache is used and stays as it was.
    void failingTable_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("bad");
        for (const bool refused : {false, true}) {
            const char *const way = refused ? "one request per table" : "one request";
            for (const char *const table : {"A", "B", "C"})
                QTest::addRow("%s, table %s", way, table) << refused << QString::fromLatin1(table);
        }
    }
    void failingTable()
    {
        QFETCH(bool, refused);
        QFETCH(QString, bad);
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
        const QByteArray previous =
            cacheBytes({{QStringLiteral("Old"), {{1, 11000, Polarisation::H, 9750, 9}}}},
                       {{QStringLiteral("Old"), 9, 9750, 0}});

        Relay &relay = refused ? *refusing : *direct;
        const Download result = download(relay.connection(db), previous);
        QCOMPARE(result.error, QString());
        QCOMPARE(CatalogueRows::names(result.handler->catalogue()), QStringList{QStringLiteral("Old")});
        QVERIFY2(result.handler->failureReason().contains(QLatin1String("does not have the columns of satellite data")),
                 qPrintable(result.handler->failureReason()));
        QCOMPARE(result.cache, previous);
    }
};

QTEST_GUILESS_MAIN(SqlHandlerRequestsTest)
#include "tst_sqlhandler_requests.moc"
