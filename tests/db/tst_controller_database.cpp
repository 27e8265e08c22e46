// Start-up of the controller against the satellite database: the server, the
// offline cache, or neither.

#include "TestDatabase.h"
#include "controller/UBModelController.h"
#include "db/SqlHandler.h"
#include "model/UBDataModel.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace TestDatabase;

namespace {
const QString dbMessage = QString::fromUtf8(u8"Couldn't connect to database. Please check your internet connection, then open "
                                          u8"\"Satellite data…\", check the server and press \"Update now\".");
const QString outdatedMessage =
    QString::fromUtf8(u8"Offline data for satelites older than 1 month. Please connect to the internet, open "
                      u8"\"Satellite data…\" and press \"Update now\" to update offline data.");
// The device search lists the ports first after its 3 s timer.
constexpr int searchWaitMs = 4000;
} // namespace

class ControllerDatabaseTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> cacheDir;
    std::unique_ptr<UBDataModel> model;
    std::unique_ptr<UBModelController> controller;
    // What happened, in order: "warning", "error", "no connection", "search".
    QStringList events;

    void build(SqlHandler::Connection connection, SqlHandler::Clock clock = &QDateTime::currentDateTime)
    {
        UBModelController::Environment environment;
        environment.connection = std::move(connection);
        environment.cacheDirectory = cacheDir->path();
        environment.clock = std::move(clock);
        environment.portLister = [this] {
            events << QStringLiteral("search");
            return QList<SerialPortCandidate>();
        };
        environment.random = [] { return 6u; };
        model = std::make_unique<UBDataModel>();
        controller = std::make_unique<UBModelController>(model.get(), environment);
        connect(controller.get(), &UBModelController::warningOccured, this,
                [this](const QString &text) { events << QStringLiteral("warning: ") + text; });
        connect(controller.get(), &UBModelController::errorOccured, this,
                [this](const QString &text) { events << QStringLiteral("error: ") + text; });
        connect(controller.get(), &UBModelController::noInternetConnection, this,
                [this] { events << QStringLiteral("no connection"); });
    }

    QDateTime cacheFileTime() const
    {
        const QFileInfo info(cacheDir->path() + QStringLiteral("/db.dat"));
        return info.birthTime().isValid() ? info.birthTime() : info.lastModified();
    }

private slots:
    void init()
    {
        events.clear();
        cacheDir = std::make_unique<QTemporaryDir>();
        QVERIFY(cacheDir->isValid());
    }

    void cleanup()
    {
        controller.reset();
        model.reset();
    }

    void noServerNoUsableCache_data()
    {
        QTest::addColumn<QByteArray>("cache");
        QTest::newRow("no cache") << QByteArray();
        QTest::newRow("cache cut short")
            << cacheBytes({{QStringLiteral("S"), {{1, 11000, true, 9750, 1}}}}, {}).left(20);
    }
    void noServerNoUsableCache()
    {
        QFETCH(QByteArray, cache);
        if (!cache.isEmpty())
            QVERIFY(writeCacheFile(cacheDir->path(), cache));
        build(unreachableConnection());
        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        QSignalSpy offline(controller.get(), &UBModelController::noInternetConnection);
        QVERIFY(errors.isValid());
        QVERIFY(offline.isValid());

        controller->initialize();
        // The message, and on its second line the driver's reason, which
        // names the host it could not reach.
        QCOMPARE(errors.count(), 1);
        const QStringList lines = errors.at(0).at(0).toString().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0), dbMessage);
        QVERIFY2(lines.at(1).contains(QLatin1String("no-server!")), qPrintable(lines.at(1)));
        QCOMPARE(offline.count(), 1);
        QCOMPARE(events, (QStringList{QStringLiteral("error: ") + errors.at(0).at(0).toString(),
                                      QStringLiteral("no connection")}));

        // No device search starts.
        QTest::qWait(searchWaitMs);
        QVERIFY(!events.contains(QStringLiteral("search")));

        // And the interface's list of satellites is empty, reported the same way.
        QCOMPARE(controller->availableSatelites(), QStringList());
        QCOMPARE(errors.count(), 2);
        QCOMPARE(offline.count(), 2);
    }

    void oldCacheWarnsFirst()
    {
        QVERIFY(writeCacheFile(cacheDir->path(), cacheBytes({{QStringLiteral("Astra 19.2E"), {}}}, {})));
        const QDateTime later = cacheFileTime().addDays(32);
        build(unreachableConnection(), [later] { return later; });
        controller->initialize();
        QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("search")), searchWaitMs);
        QCOMPARE(events.first(), QStringLiteral("warning: ") + outdatedMessage);
        QCOMPARE(events.filter(QStringLiteral("error")), QStringList());
        QCOMPARE(controller->availableSatelites(), QStringList{QStringLiteral("Astra 19.2E")});
    }

    void recentCacheIsSilent()
    {
        QVERIFY(writeCacheFile(cacheDir->path(), cacheBytes({{QStringLiteral("Astra 19.2E"), {}}}, {})));
        const QDateTime later = cacheFileTime().addDays(31);
        build(unreachableConnection(), [later] { return later; });
        controller->initialize();
        QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("search")), searchWaitMs);
        QCOMPARE(events.filter(QStringLiteral("warning")), QStringList());
        QCOMPARE(events.filter(QStringLiteral("error")), QStringList());
    }

    void fromServer()
    {
        build(fixtureConnection());
        controller->initialize();
        QCOMPARE(events, QStringList());
        const QStringList names = controller->availableSatelites();
        QCOMPARE(names.size(), 10);
        QCOMPARE(names.first(), QStringLiteral("Astra 19.2E"));
        const QVariantList items = controller->itemsForSatelite(QStringLiteral("Astra 19.2E"));
        QVERIFY(items.size() > 100);
        QVERIFY(QFileInfo::exists(cacheDir->path() + QStringLiteral("/db.dat")));
        QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("search")), searchWaitMs);
    }

    // The polarisation bit of a code word comes from this flag: it must hold
    // after the download and after the cache written by it, under every Qt
    // version (a QVariant comparison with a text does not convert in all).
    void polarisationFromServerAndCache_data()
    {
        QTest::addColumn<QString>("satellite");
        QTest::addColumn<quint32>("transponder");
        QTest::addColumn<bool>("horizontal");
        QTest::newRow("10773 H") << QStringLiteral("Astra 19.2E") << 53u << true;
        QTest::newRow("10758 V") << QStringLiteral("Astra 19.2E") << 52u << false;
        QTest::newRow("11992 H, high band") << QStringLiteral("Astra 28.2E") << 52u << true;
    }
    void polarisationFromServerAndCache()
    {
        QFETCH(QString, satellite);
        QFETCH(quint32, transponder);
        QFETCH(bool, horizontal);
        build(fixtureConnection());
        controller->initialize();
        QCOMPARE(events, QStringList());
        QCOMPARE(controller->satelliteData()->getPolarisationForTransponder(satellite, transponder).horizontal,
                 horizontal);

        build(unreachableConnection());
        controller->initialize();
        QCOMPARE(events.filter(QStringLiteral("error")), QStringList());
        QCOMPARE(controller->satelliteData()->getPolarisationForTransponder(satellite, transponder).horizontal,
                 horizontal);
    }
};

QTEST_GUILESS_MAIN(ControllerDatabaseTest)
#include "tst_controller_database.moc"
