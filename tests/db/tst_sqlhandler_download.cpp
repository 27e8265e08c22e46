// The download from a real MariaDB server (the test's own, see TestDatabase.h), and the cache
// file it leaves behind.

#include "CatalogueRows.h"
#include "LoopbackPort.h"
#include "TestDatabase.h"
#include "Throws.h"
#include "db/SqlHandler.h"
#include "model/NoSatelliteData.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTranslator>
#include <QtTest>

#include <memory>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

using namespace TestDatabase;

namespace {
// Tests of the server and the cache alone: no built-in data behind them.
BuiltInSatellites::Data noBuiltIn()
{
    return BuiltInSatellites::Data();
}

const char *const threeFreqsMessage =
    "SqlHandler::createSateliteParams: more than two freqs found for one satelite!";

QString exceptionText(const std::function<void()> &call)
{
    try {
        call();
    } catch (const std::runtime_error &e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}

// All rows of one satellite, through the public queries (transponder numbers
// are unique in the tables used here).
QVector<TransponderItem> rowsOf(const SqlHandler &handler, const QString &name)
{
    QVector<TransponderItem> rows;
    const QVariantList pairs = CatalogueRows::pairs(handler.catalogue(), name);
    for (int i = 0; i + 1 < pairs.size(); i += 2)
        rows << CatalogueRows::row(handler.catalogue(), name, pairs.at(i).toUInt());
    return rows;
}


const char *const realisticNames[] = {"Astra 19.2E",    "Astra 23.5E",   "Astra 28.2E",    "Astra 4.8E",
                                      "Eutelsat 16.0E", "Eutelsat 9.0E", "Hispasat 30.0W", "Hotbird 13.0E",
                                      "Thor 0.8W",      "Turksat 42.0E"};
} // namespace

Q_DECLARE_METATYPE(SqlHandler::Limits)

class SqlHandlerDownloadTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Admin> admin;
    std::unique_ptr<QTemporaryDir> cacheDir;

    std::unique_ptr<SqlHandler> handlerFor(const QString &database)
    {
        return std::make_unique<SqlHandler>(fixtureConnection(database), cacheDir->path(),
                                            &QDateTime::currentDateTime, noBuiltIn);
    }

    // A database of the given tables (name -> statements after CREATE TABLE).
    QString database(const QString &tag, const QStringList &statements)
    {
        const QString name = admin->createDatabase(tag, statements);
        if (name.isEmpty())
            qWarning("%s", qPrintable(admin->lastError()));
        return name;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QSqlDatabase::drivers().contains(QStringLiteral("QMYSQL")), "libqt5sql5-mysql missing");
        admin = std::make_unique<Admin>();
        QVERIFY2(admin->isOpen(), qPrintable(admin->lastError()));
    }

    void init()
    {
        cacheDir = std::make_unique<QTemporaryDir>();
        QVERIFY(cacheDir->isValid());
    }

    void realisticSet()
    {
        auto handler = handlerFor(QStringLiteral("satellites"));
        handler->connectToDatabase();

        QStringList expected;
        for (const char *name : realisticNames)
            expected << QString::fromLatin1(name);
        QCOMPARE(CatalogueRows::names(handler->catalogue()), expected);

        const SateliteParams &astra =
            CatalogueRows::params(handler->catalogue(), QStringLiteral("Astra 19.2E"));
        QCOMPARE(astra.satId, 1u);
        QCOMPARE(astra.lofLow, 9750u);
        QCOMPARE(astra.lofHigh, 10600u);
        const TransponderItem &tp71 =
            CatalogueRows::row(handler->catalogue(), QStringLiteral("Astra 19.2E"), 71);
        QCOMPARE(tp71, (TransponderItem{71, 11836, Polarisation::H, 10600, 1}));
        QCOMPARE(handler->catalogue()->findTransponderNear(QStringLiteral("Astra 19.2E"), 11836)->transponder,
                 71u);

        const SateliteParams &highOnly =
            CatalogueRows::params(handler->catalogue(), QStringLiteral("Eutelsat 9.0E"));
        QCOMPARE(highOnly.lofLow, 10600u);
        QCOMPARE(highOnly.lofHigh, 0u);
        const QStringList byId = {QStringLiteral("Astra 19.2E"),    QStringLiteral("Hotbird 13.0E"),
                                  QStringLiteral("Astra 23.5E"),    QStringLiteral("Astra 28.2E"),
                                  QStringLiteral("Eutelsat 16.0E"), QStringLiteral("Thor 0.8W"),
                                  QStringLiteral("Turksat 42.0E"),  QStringLiteral("Hispasat 30.0W"),
                                  QStringLiteral("Eutelsat 9.0E"),  QStringLiteral("Astra 4.8E")};
        for (int id = 1; id <= byId.size(); ++id)
            QCOMPARE(CatalogueRows::nameOfId(handler->catalogue(), quint32(id)), byId.at(id - 1));
        QVERIFY(QFileInfo::exists(handler->cacheFilePath()));
    }

    void rowsInServerOrderNamesInCodeUnitOrder()
    {
        const QStringList tables = {QStringLiteral("alpha"), QStringLiteral("Zulu"), QStringLiteral("Sat 2"),
                                    QStringLiteral("Sat 19")};
        QStringList statements;
        for (const QString &table : tables)
            statements << createTable(table);
        // Neither sorted by number nor by frequency: the server's order must
        // come through.
        statements << insertRow(QStringLiteral("Zulu"), 3, 12000, QStringLiteral("H"), 10600, 4)
                   << insertRow(QStringLiteral("Zulu"), 1, 11000, QStringLiteral("V"), 9750, 4)
                   << insertRow(QStringLiteral("Zulu"), 2, 12500, QStringLiteral("H"), 10600, 4);
        const QString db = database(QStringLiteral("order"), statements);
        QVERIFY(!db.isEmpty());

        auto handler = handlerFor(db);
        handler->connectToDatabase();
        QCOMPARE(CatalogueRows::names(handler->catalogue()),
                 (QStringList{QStringLiteral("Sat 19"), QStringLiteral("Sat 2"), QStringLiteral("Zulu"),
                              QStringLiteral("alpha")}));
        QCOMPARE(CatalogueRows::pairs(handler->catalogue(), QStringLiteral("Zulu")),
                 (QVariantList{3u, 12000u, 1u, 11000u, 2u, 12500u}));
        QCOMPARE(CatalogueRows::pairs(handler->catalogue(), QStringLiteral("alpha")), QVariantList());
    }

    // Exactly the letters H, V, L and R; anything else is vertical.
    void polarisationLetters_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<QString>("letter");
        QTest::newRow("H") << "H" << true << "H";
        QTest::newRow("V") << "V" << false << "V";
        QTest::newRow("L: circular, received as horizontal") << "L" << true << "L";
        QTest::newRow("R: circular, received as vertical") << "R" << false << "R";
        QTest::newRow("lower-case h") << "h" << false << "V";
        QTest::newRow("lower-case l") << "l" << false << "V";
        QTest::newRow("H and a blank") << "H " << false << "V";
        QTest::newRow("blank and H") << " H" << false << "V";
        QTest::newRow("empty") << "" << false << "V";
        QTest::newRow("unknown letter") << "X" << false << "V";
    }
    void polarisationLetters()
    {
        QFETCH(QString, value);
        QFETCH(bool, horizontal);
        QFETCH(QString, letter);
        const QString db =
            database(QStringLiteral("pol"), {createTable(QStringLiteral("S")),
                                             insertRow(QStringLiteral("S"), 1, 11000, value, 9750, 1)});
        QVERIFY(!db.isEmpty());
        auto handler = handlerFor(db);
        handler->connectToDatabase();
        const TransponderItem row = CatalogueRows::row(handler->catalogue(), QStringLiteral("S"), 1);
        QCOMPARE(row.horizontal(), horizontal);
        QCOMPARE(row.polarisation.letter(), letter);
        // The cache keeps its one flag: circular comes back as linear with
        // the same bit.
        SqlHandler offline(unreachableConnection(), cacheDir->path(), &QDateTime::currentDateTime, noBuiltIn);
        offline.connectToDatabase();
        const TransponderItem cached = CatalogueRows::row(offline.catalogue(), QStringLiteral("S"), 1);
        QCOMPARE(cached.polarisation, Polarisation::fromHorizontalBit(horizontal));
    }

    void summaries_data()
    {
        QTest::addColumn<QList<quint32>>("oscillators");
        QTest::addColumn<QList<quint32>>("satIds");
        QTest::addColumn<quint32>("lofLow");
        QTest::addColumn<quint32>("lofHigh");
        QTest::addColumn<quint32>("satId");
        QTest::newRow("no rows") << QList<quint32>() << QList<quint32>() << 0u << 0u << 0u;
        QTest::newRow("one frequency")
            << QList<quint32>{9750, 9750} << QList<quint32>{3, 3} << 9750u << 0u << 3u;
        QTest::newRow("two, low first")
            << QList<quint32>{9750, 10600, 9750} << QList<quint32>{3, 3, 3} << 9750u << 10600u << 3u;
        QTest::newRow("two, high first")
            << QList<quint32>{10600, 9750} << QList<quint32>{3, 3} << 9750u << 10600u << 3u;
        QTest::newRow("ids differ: last row's")
            << QList<quint32>{10600, 10600} << QList<quint32>{5, 6} << 10600u << 0u << 6u;
    }
    void summaries()
    {
        QFETCH(QList<quint32>, oscillators);
        QFETCH(QList<quint32>, satIds);
        QFETCH(quint32, lofLow);
        QFETCH(quint32, lofHigh);
        QFETCH(quint32, satId);
        // Another satellite with a row: a database without any is no data.
        QStringList statements{createTable(QStringLiteral("S")), createTable(QStringLiteral("T")),
                               insertRow(QStringLiteral("T"), 1, 11000, QStringLiteral("H"), 9750, 9)};
        for (int i = 0; i < oscillators.size(); ++i)
            statements << insertRow(QStringLiteral("S"), quint32(i + 1), 11000 + 20 * quint32(i),
                                    QStringLiteral("V"), oscillators.at(i), satIds.at(i));
        const QString db = database(QStringLiteral("lof"), statements);
        QVERIFY(!db.isEmpty());
        auto handler = handlerFor(db);
        handler->connectToDatabase();
        const SateliteParams &params = CatalogueRows::params(handler->catalogue(), QStringLiteral("S"));
        QCOMPARE(params.lofLow, lofLow);
        QCOMPARE(params.lofHigh, lofHigh);
        QCOMPARE(params.satId, satId);
    }

    void nonNumbersBecomeZero()
    {
        const QString db = database(
            QStringLiteral("text"),
            {QStringLiteral(
                 "CREATE TABLE S (Transponder VARCHAR(9), Frequenz VARCHAR(9), Polarisation VARCHAR(4), "
                 "Oszillatorfrequenz VARCHAR(9), SATID VARCHAR(9))"),
             QStringLiteral("INSERT INTO S VALUES ('7', 'abc', 'H', '9750', '2')")});
        QVERIFY(!db.isEmpty());
        auto handler = handlerFor(db);
        handler->connectToDatabase();
        QCOMPARE(CatalogueRows::row(handler->catalogue(), QStringLiteral("S"), 7),
                 (TransponderItem{7, 0, Polarisation::H, 9750, 2}));
    }

    // The more-than-two rule fails the download: nothing of it is kept, the
    // program starts from the cache, says why, and the cache stays as it was.
    void threeFrequenciesFail()
    {
        QStringList statements;
        for (const QString &table : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
            statements << createTable(table) << insertRow(table, 1, 11000, QStringLiteral("H"), 9750, 1);
        statements << insertRow(QStringLiteral("B"), 2, 12000, QStringLiteral("H"), 10600, 1)
                   << insertRow(QStringLiteral("B"), 3, 12100, QStringLiteral("H"), 10750, 1);
        const QString db = database(QStringLiteral("three"), statements);
        QVERIFY(!db.isEmpty());

        const QByteArray previous =
            cacheBytes({{QStringLiteral("Old"), {{1, 11000, Polarisation::H, 9750, 9}}}},
                       {{QStringLiteral("Old"), 9, 9750, 0}});
        QVERIFY(writeCacheFile(cacheDir->path(), previous));

        auto handler = handlerFor(db);
        QSignalSpy brokenOff(handler.get(), &SqlHandler::downloadBrokenOff);
        QVERIFY(brokenOff.isValid());
        QCOMPARE(exceptionText([&] { handler->connectToDatabase(); }), QString());
        QCOMPARE(CatalogueRows::names(handler->catalogue()), QStringList{QStringLiteral("Old")});
        QCOMPARE(brokenOff.count(), 1);
        QCOMPARE(brokenOff.at(0).at(0).toString(), QString::fromLatin1(threeFreqsMessage));
        QCOMPARE(fileBytes(handler->cacheFilePath()), previous);
    }

    // A table without the expected columns fails the download; without a
    // cache there is no data at all (not the tables before it), the server's
    // reason is kept, and no cache file appears.
    void selectFailsHalfway()
    {
        const QString db = database(QStringLiteral("half"),
                                    {createTable(QStringLiteral("A")),
                                     insertRow(QStringLiteral("A"), 1, 11000, QStringLiteral("H"), 9750, 1),
                                     QStringLiteral("CREATE TABLE B (Name VARCHAR(10), Frequency INT)"),
                                     createTable(QStringLiteral("C")),
                                     insertRow(QStringLiteral("C"), 1, 11000, QStringLiteral("H"), 9750, 3)});
        QVERIFY(!db.isEmpty());

        auto handler = handlerFor(db);
        QVERIFY(throwsType<NoSatelliteData>([&] { handler->connectToDatabase(); }));
        QVERIFY2(handler->failureReason().contains(QLatin1String("does not have the columns of satellite data")),
                 qPrintable(handler->failureReason()));
        QVERIFY(handler->catalogue()->isEmpty());
        QVERIFY(!QFileInfo::exists(handler->cacheFilePath()));
    }

    // A database without satellites (a mistyped name, a server being
    // filled) is no download: the data in use and the cache stay, and the
    // message names the database.
    void withoutSatellitesKeepsData_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::newRow("no tables") << QStringList();
        QTest::newRow("tables without rows")
            << QStringList{createTable(QStringLiteral("A")), createTable(QStringLiteral("B"))};
    }
    void withoutSatellitesKeepsData()
    {
        QFETCH(QStringList, statements);
        const QString db = database(QStringLiteral("empty"), statements);
        QVERIFY(!db.isEmpty());
        const QByteArray previous =
            cacheBytes({{QStringLiteral("Old"), {{1, 11000, Polarisation::H, 9750, 9}}}},
                       {{QStringLiteral("Old"), 9, 9750, 0}});
        QVERIFY(writeCacheFile(cacheDir->path(), previous));

        // At the start: the cache is used.
        auto handler = handlerFor(db);
        QSignalSpy told(handler.get(), &SqlHandler::downloadWithoutSatellites);
        QSignalSpy brokenOff(handler.get(), &SqlHandler::downloadBrokenOff);
        handler->connectToDatabase();
        QCOMPARE(handler->source(), SqlHandler::Source::Cache);
        QCOMPARE(CatalogueRows::names(handler->catalogue()), QStringList{QStringLiteral("Old")});
        QCOMPARE(fileBytes(handler->cacheFilePath()), previous);
        QCOMPARE(told.count(), 1);
        QVERIFY2(told.at(0).at(0).toString().contains(QLatin1Char('"') + db + QLatin1Char('"')),
                 qPrintable(told.at(0).at(0).toString()));
        QCOMPARE(brokenOff.count(), 0);
        QVERIFY2(handler->failureReason().contains(db), qPrintable(handler->failureReason()));

        // While the server's data are in use: they stay.
        auto fromServer = handlerFor(QStringLiteral("satellites"));
        fromServer->connectToDatabase();
        const SharedCatalogue before = fromServer->catalogue();
        const QByteArray cached = fileBytes(fromServer->cacheFilePath());
        QVERIFY(!fromServer->useDownload(SqlHandler::download(fixtureConnection(db))));
        QCOMPARE(fromServer->catalogue(), before);
        QCOMPARE(fromServer->source(), SqlHandler::Source::Server);
        QCOMPARE(fileBytes(fromServer->cacheFilePath()), cached);
    }

    // The data are labelled with the server they came from, whatever is set
    // for the next download.
    void dataNameTheirServer()
    {
        auto handler = handlerFor(QStringLiteral("satellites"));
        const SqlHandler::Download download = SqlHandler::download(handler->connectionSettings());
        QCOMPARE(download.server.databaseName, QStringLiteral("satellites"));
        SqlHandler::Connection next = handler->connectionSettings();
        next.hostName = QStringLiteral("next.invalid");
        next.databaseName = QStringLiteral("other");
        handler->setConnection(next);
        handler->useDownload(download);
        QCOMPARE(handler->dataServer().hostName, fixtureConnection().hostName);
        QCOMPARE(handler->dataServer().databaseName, QStringLiteral("satellites"));
        QCOMPARE(handler->connectionSettings().hostName, QStringLiteral("next.invalid"));
    }

    // A server that sends more than a download may bring is refused as a
    // whole, checked as the rows arrive: the reason names the limit, and the
    // data in memory and the cache stay as they were.
    void limitsRefuseTheWholeDownload_data()
    {
        QTest::addColumn<SqlHandler::Limits>("limits");
        QTest::addColumn<QString>("said");
        SqlHandler::Limits tables;
        tables.tables = 5;
        QTest::newRow("tables") << tables << QStringLiteral("more than 5 tables");
        SqlHandler::Limits perTable;
        perTable.rowsPerTable = 1;
        QTest::newRow("rows of one table") << perTable << QStringLiteral("more than 1 transponders for one");
        SqlHandler::Limits rows;
        rows.rows = 20;
        QTest::newRow("rows in all") << rows << QStringLiteral("more than 20 transponders");
        SqlHandler::Limits bytes;
        bytes.bytes = 100; // the realistic set is far larger
        QTest::newRow("bytes") << bytes << QStringLiteral("more than 0 MB");
        SqlHandler::Limits names;
        names.tableNameCharacters = 3;
        QTest::newRow("name length") << names << QStringLiteral("longer than 3 characters");
    }

    void limitsRefuseTheWholeDownload()
    {
        QFETCH(SqlHandler::Limits, limits);
        QFETCH(QString, said);
        // Cached data hold at least one transponder, or they are no data.
        const QByteArray previous =
            cacheBytes({{QStringLiteral("Old"), {{1, 11000, Polarisation::H, 9750, 9}}}},
                       {{QStringLiteral("Old"), 9, 9750, 0}});
        QVERIFY(writeCacheFile(cacheDir->path(), previous));
        auto handler = handlerFor(QStringLiteral("satellites"));
        QVERIFY(handler->loadLocalData());
        const SqlHandler::Download result =
            SqlHandler::download(fixtureConnection(QStringLiteral("satellites")), {}, limits);
        QVERIFY(result.opened);
        QVERIFY(!result.complete);
        QVERIFY(result.tables.items.empty());
        QVERIFY2(result.reason.contains(said), qPrintable(result.reason));
        QVERIFY(!handler->useDownload(result));
        QCOMPARE(CatalogueRows::names(handler->catalogue()), QStringList{QStringLiteral("Old")});
        QCOMPARE(fileBytes(handler->cacheFilePath()), previous);
        // Within the limits the same server's data are taken.
        QVERIFY(SqlHandler::download(fixtureConnection(QStringLiteral("satellites"))).complete);
    }

    // A server that sends far more than satellite data hold, under the
    // limits as they are: refused while the rows arrive, and the data in
    // memory and the cache stay. The tables
    // are views of MariaDB's number sequences, so that making them is quick.
    void floodIsRefusedInTime_data()
    {
        QTest::addColumn<int>("tables");
        QTest::addColumn<int>("rowsEach");
        QTest::addColumn<QString>("said");
        QTest::newRow("one satellite of 100,000 transponders")
            << 1 << 100000 << QStringLiteral("more than 500 transponders for one satellite");
        QTest::newRow("401 satellites of 500 transponders")
            << 401 << 500 << QStringLiteral("more than 200000 transponders");
        QTest::newRow("2,001 satellites") << 2001 << 1 << QStringLiteral("more than 2000 tables");
    }
    void floodIsRefusedInTime()
    {
        QFETCH(int, tables);
        QFETCH(int, rowsEach);
        QFETCH(QString, said);
        QStringList statements;
        for (int i = 0; i < tables; ++i)
            statements << QStringLiteral("CREATE VIEW `S %1` AS SELECT seq AS Transponder, 10700 + MOD(seq, 2000) AS "
                                         "Frequenz, 'H' AS Polarisation, 9750 AS Oszillatorfrequenz, 1 AS SATID "
                                         "FROM seq_1_to_%2")
                              .arg(i)
                              .arg(rowsEach);
        const QString db = database(QStringLiteral("flood"), statements);
        QVERIFY(!db.isEmpty());
        const QByteArray previous =
            cacheBytes({{QStringLiteral("Old"), {{1, 11000, Polarisation::H, 9750, 9}}}},
                       {{QStringLiteral("Old"), 9, 9750, 0}});
        QVERIFY(writeCacheFile(cacheDir->path(), previous));
        auto handler = handlerFor(db);
        QVERIFY(handler->loadLocalData());

        // The reason names the limit: the rows were refused as they came,
        // not after all of them (the deadline, not this test, bounds the time).
        const SqlHandler::Download result = SqlHandler::download(fixtureConnection(db));
        QVERIFY(!result.complete);
        QVERIFY(result.tables.items.empty());
        QVERIFY2(result.reason.contains(said), qPrintable(result.reason));
        QVERIFY(!handler->useDownload(result));
        QCOMPARE(CatalogueRows::names(handler->catalogue()), QStringList{QStringLiteral("Old")});
        QCOMPARE(fileBytes(handler->cacheFilePath()), previous);
    }

    // Where TLS is required, a server that offers none is refused before
    // the password is sent (the test server has no certificate).
    void requiredTlsRefusesAPlainServer()
    {
        SqlHandler::Connection connection = fixtureConnection(QStringLiteral("satellites"));
        connection.requireTls = true;
        const SqlHandler::Download result = SqlHandler::download(connection);
        QVERIFY(!result.opened);
        QVERIFY(!result.complete);
        QVERIFY2(result.reason.contains(QLatin1String("SSL")) || result.reason.contains(QLatin1String("TLS")),
                 qPrintable(result.reason));
        // In the user's language.
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/fenzo_setup_de.qm")));
        QVERIFY(QCoreApplication::installTranslator(&german));
        const SqlHandler::Download refused = SqlHandler::download(connection);
        QCoreApplication::removeTranslator(&german);
        QVERIFY2(refused.reason.startsWith(QStringLiteral("Server %1:%2: keine geprüfte verschlüsselte "
                                                          "Verbindung (TLS) möglich")
                                               .arg(connection.hostName)
                                               .arg(connection.port)),
                 qPrintable(refused.reason));
        connection.requireTls = false;
        const SqlHandler::Download plain = SqlHandler::download(connection);
        QVERIFY(plain.complete);
        QVERIFY(!plain.encrypted);
    }

    // The reasons a user reads are the program's, in the user's language,
    // told apart by the client library's error number and what the socket
    // said; the library's English stays in the log.
    void reasonsInTheUsersWords_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("said");
        const QString server = QStringLiteral("127.0.0.1:%1").arg(port());
        QTest::newRow("refused") << QStringLiteral("refused")
                                 << QStringLiteral("cannot be reached: connection refused");
        QTest::newRow("access denied")
            << QStringLiteral("password")
            << QStringLiteral("server %1 refused the user \"fenzo_ro\": wrong user name or password").arg(server);
        QTest::newRow("unknown database")
            << QStringLiteral("database")
            << QStringLiteral("the user \"fenzo_ro\" cannot access a database \"missing_db\" on server %1")
                   .arg(server);
        QTest::newRow("unknown host") << QStringLiteral("host")
                                      << QStringLiteral("server no-server!:3306 cannot be reached: the host name is unknown");
    }
    void reasonsInTheUsersWords()
    {
        QFETCH(QString, what);
        QFETCH(QString, said);
        SqlHandler::Connection connection = fixtureConnection(QStringLiteral("satellites"));
        if (what == QLatin1String("refused")) {
            // A port of this test's own that nobody listens on any more.
            connection.port = loopbackPort();
            QVERIFY(connection.port > 0);
        } else if (what == QLatin1String("password")) {
            connection.password = QStringLiteral("wrong");
        } else if (what == QLatin1String("database")) {
            connection.databaseName = QStringLiteral("missing_db");
        } else {
            connection = unreachableConnection();
        }
        const SqlHandler::Download result = SqlHandler::download(connection);
        QVERIFY(!result.opened);
        QVERIFY2(result.reason.contains(said), qPrintable(result.reason));
        // Nothing of the library's own text, which names the error number.
        for (const char *driver : {"Can't", "Access denied", "Unknown", "(1"})
            QVERIFY2(!result.reason.contains(QLatin1String(driver)), qPrintable(result.reason));
    }

    // Names that would change an unquoted statement each read their own table.
    void tableNamesAreQuoted()
    {
        const QStringList names = {QStringLiteral("Astra 19.2E"),
                                   QStringLiteral("we`ird"),
                                   QStringLiteral("victim; DROP TABLE victim"),
                                   QStringLiteral("x` UNION SELECT 9,9,'H',9,9 FROM `victim"),
                                   QStringLiteral("other.victim"),
                                   QStringLiteral("victim")};
        QStringList statements;
        for (int i = 0; i < names.size(); ++i)
            statements << createTable(names.at(i))
                       << insertRow(names.at(i), quint32(i + 1), 11000, QStringLiteral("H"), 9750,
                                    quint32(i + 1));
        const QString db = database(QStringLiteral("quoted"), statements);
        QVERIFY(!db.isEmpty());

        auto handler = handlerFor(db);
        handler->connectToDatabase();
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(CatalogueRows::names(handler->catalogue()), sorted);
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(CatalogueRows::pairs(handler->catalogue(), names.at(i)),
                     (QVariantList{quint32(i + 1), 11000u}));
            QCOMPARE(CatalogueRows::params(handler->catalogue(), names.at(i)).satId, quint32(i + 1));
        }
    }

    void sharedIdFirstByName()
    {
        const QString db =
            database(QStringLiteral("sharedid"),
                     {createTable(QStringLiteral("Beta")), createTable(QStringLiteral("Alpha")),
                      insertRow(QStringLiteral("Beta"), 1, 11000, QStringLiteral("H"), 9750, 5),
                      insertRow(QStringLiteral("Alpha"), 1, 11000, QStringLiteral("H"), 10600, 5)});
        QVERIFY(!db.isEmpty());
        auto handler = handlerFor(db);
        handler->connectToDatabase();
        QCOMPARE(CatalogueRows::nameOfId(handler->catalogue(), 5), QStringLiteral("Alpha"));
    }

    // The cache of a one-row satellite, byte for byte.
    void cacheLayout()
    {
        const QString db =
            database(QStringLiteral("layout"),
                     {createTable(QStringLiteral("S")),
                      insertRow(QStringLiteral("S"), 52, 11494, QStringLiteral("H"), 9750, 7)});
        QVERIFY(!db.isEmpty());
        auto handler = handlerFor(db);
        handler->connectToDatabase();
        QCOMPARE(fileBytes(handler->cacheFilePath()).toHex(),
                 QByteArray("0000000100000001000000020053000000010000"
                            "2ce60000261601000000070000003400000001000000000000261600000002005300000007"));
    }

    // What was downloaded comes back from the cache unchanged, in order.
    void cacheRoundTrip()
    {
        const QString db =
            database(QStringLiteral("round"),
                     {createTable(QStringLiteral("Zeta 1")), createTable(QStringLiteral("Alpha")),
                      createTable(QStringLiteral("Leer")),
                      insertRow(QStringLiteral("Zeta 1"), 9, 12500, QStringLiteral("V"), 10600, 127),
                      insertRow(QStringLiteral("Zeta 1"), 4, 10700, QStringLiteral("H"), 9750, 127),
                      insertRow(QStringLiteral("Alpha"), 4000000000u, 4100000000u, QStringLiteral("H"),
                                4200000000u, 4294967295u)});
        QVERIFY(!db.isEmpty());

        for (const QString &source : {db, QStringLiteral("satellites")}) {
            auto online = handlerFor(source);
            online->connectToDatabase();
            SqlHandler offline(unreachableConnection(), cacheDir->path());
            offline.connectToDatabase();

            const QStringList names = CatalogueRows::names(online->catalogue());
            QCOMPARE(CatalogueRows::names(offline.catalogue()), names);
            for (const QString &name : names) {
                QCOMPARE(rowsOf(offline, name), rowsOf(*online, name));
                QCOMPARE(CatalogueRows::pairs(offline.catalogue(), name),
                         CatalogueRows::pairs(online->catalogue(), name));
                QCOMPARE(CatalogueRows::params(offline.catalogue(), name),
                         CatalogueRows::params(online->catalogue(), name));
            }
        }
    }

    // A new download replaces the file by a new one, so its age counts from
    // this download.
    void cacheFileIsNewAfterDownload()
    {
        QVERIFY(writeCacheFile(cacheDir->path(), cacheBytes({}, {})));
        const QString path = cacheDir->path() + QStringLiteral("/db.dat");
        const QFileInfo before(path);
        const QDateTime oldTime = before.birthTime().isValid() ? before.birthTime() : before.lastModified();
        QThread::msleep(1100);
        auto handler = handlerFor(QStringLiteral("satellites"));
        handler->connectToDatabase();
        const QFileInfo after(path);
        const QDateTime newTime = after.birthTime().isValid() ? after.birthTime() : after.lastModified();
        QVERIFY2(newTime >= oldTime.addSecs(1), qPrintable(newTime.toString(Qt::ISODateWithMs)));
        QVERIFY(fileBytes(path).size() > 1000);
    }

#ifdef Q_OS_UNIX
    // A cache write that fails half-way leaves the last good file in place.
    void failedWriteKeepsPreviousCache()
    {
        const QByteArray previous =
            cacheBytes({{QStringLiteral("Old"), {{1, 11000, Polarisation::H, 9750, 9}}}},
                       {{QStringLiteral("Old"), 9, 9750, 0}});
        QVERIFY(writeCacheFile(cacheDir->path(), previous));
        auto handler = handlerFor(QStringLiteral("satellites"));

        // Files may grow to 4 KiB only: the realistic set's cache is larger.
        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        struct rlimit small = saved;
        small.rlim_cur = 4096;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        handler->connectToDatabase();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(CatalogueRows::names(handler->catalogue()).size(), 10);
        QCOMPARE(fileBytes(handler->cacheFilePath()), previous);
        QCOMPARE(QDir(cacheDir->path()).entryList(QDir::Files), QStringList{QStringLiteral("db.dat")});
    }
#endif

    void refusedLoginUsesCache()
    {
        SqlHandler::Connection connection = fixtureConnection();
        connection.password = QStringLiteral("wrong");
        {
            SqlHandler handler(connection, cacheDir->path(), &QDateTime::currentDateTime, noBuiltIn);
            QVERIFY(throwsType<NoSatelliteData>([&] { handler.connectToDatabase(); }));
            QVERIFY(handler.catalogue()->isEmpty());
        }
        QVERIFY(writeCacheFile(cacheDir->path(), cacheBytes({{QStringLiteral("Cached"), {{1, 11000, Polarisation::H, 9750, 1}}}}, {})));
        SqlHandler handler(connection, cacheDir->path());
        handler.connectToDatabase();
        QCOMPARE(CatalogueRows::names(handler.catalogue()), QStringList{QStringLiteral("Cached")});
    }

    // Handlers one after another, and two alive at once, each keep a working
    // connection and leave no warnings about connections still in use.
    void severalHandlers()
    {
        static QStringList warnings;
        warnings.clear();
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
                if (type != QtDebugMsg)
                    warnings << message;
            });
        for (int round = 0; round < 3; ++round) {
            auto first = handlerFor(QStringLiteral("satellites"));
            first->connectToDatabase();
            auto second = handlerFor(QStringLiteral("satellites"));
            second->connectToDatabase();
            first.reset();
            QCOMPARE(CatalogueRows::names(second->catalogue()).size(), 10);
            // The replacement is built while the old one still exists.
            second = handlerFor(QStringLiteral("satellites"));
            second->connectToDatabase();
            QCOMPARE(CatalogueRows::names(second->catalogue()).size(), 10);
        }
        qInstallMessageHandler(previous);
        QCOMPARE(warnings, QStringList());
    }
};

QTEST_GUILESS_MAIN(SqlHandlerDownloadTest)
#include "tst_sqlhandler_download.moc"
