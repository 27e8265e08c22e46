// Start-up of the controller against the satellite database: the server, the
// offline cache, or neither.

#include "TestDatabase.h"
#include "model/SettingsFile.h"
#include "controller/UBModelController.h"
#include "db/SqlHandler.h"
#include "controller/UBDataModel.h"

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
    // The program's built-in data as this test wants them (none by default).
    BuiltInSatellites::Data builtIn;

    void build(SqlHandler::Connection connection, SqlHandler::Clock clock = &QDateTime::currentDateTime,
               bool serverChosen = true)
    {
        UBModelController::Environment environment;
        environment.serverChosen = serverChosen;
        environment.connection = std::move(connection);
        environment.cacheDirectory = cacheDir->path();
        environment.clock = std::move(clock);
        environment.portLister = [this] {
            events << QStringLiteral("search");
            return QList<SerialPortCandidate>();
        };
        environment.random = [] { return 6u; };
        environment.builtIn = [this] { return builtIn; };
        environment.serverSettingsFile = cacheDir->path() + QStringLiteral("/server.conf");
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
        builtIn = BuiltInSatellites::Data();
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
            << cacheBytes({{QStringLiteral("S"), {{1, 11000, Polarisation::H, 9750, 1}}}}, {}).left(20);
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
        QVERIFY(writeCacheFile(cacheDir->path(), cacheBytes({{QStringLiteral("Astra 19.2E"), {{1, 11000, Polarisation::H, 9750, 1}}}}, {})));
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
        QVERIFY(writeCacheFile(cacheDir->path(), cacheBytes({{QStringLiteral("Astra 19.2E"), {{1, 11000, Polarisation::H, 9750, 1}}}}, {})));
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
        const TransponderItem *row = controller->catalogue()->findTransponder(satellite, transponder);
        QVERIFY(row);
        QCOMPARE(row->horizontal(), horizontal);

        build(unreachableConnection());
        controller->initialize();
        QCOMPARE(events.filter(QStringLiteral("error")), QStringList());
        row = controller->catalogue()->findTransponder(satellite, transponder);
        QVERIFY(row);
        QCOMPARE(row->horizontal(), horizontal);
    }

    // The start never puts a satellite the switch cannot carry on an LNB,
    // nor a static UB on it later.
    void startPair_data()
    {
        QTest::addColumn<QStringList>("names"); // id in front: "128 ABS 2 75.0E"
        QTest::addColumn<QString>("lnb1");
        QTest::addColumn<QString>("lnb2");
        QTest::newRow("one it can carry") << QStringList{"128 A", "7 B", "200 C"} << "B" << "";
    }
    void startPair()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, lnb1);
        QFETCH(QString, lnb2);
        for (const QString &entry : names) {
            const QString name = entry.section(QLatin1Char(' '), 1);
            const quint32 id = entry.section(QLatin1Char(' '), 0, 0).toUInt();
            builtIn.items[name] = {{1, 11000, Polarisation::H, 9750, id}};
            builtIn.params << SateliteParams{name, id, 9750, 0};
        }
        build(unreachableConnection());
        QSignalSpy ready(controller.get(), &UBModelController::satelliteDataReady);
        controller->initializeInBackground();
        QVERIFY(ready.wait(10000));
        QCOMPARE(model->lnb1(), lnb1);
        QCOMPARE(model->lnb2(), lnb2);
        // Static UBs go only where the switch can carry them.
        controller->setStaticUBs(2, true);
        if (lnb2.isEmpty()) {
            QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
            const QString stranger = builtIn.params.first().name;
            model->setLnb2(stranger);
            controller->chooseLnb(1, 1);
            QCOMPARE(errors.count(), 1);
            QCOMPARE(errors.at(0).at(0).toString(),
                     QStringLiteral("UB23: %1 has no satellite id the switch can carry; use it for dynamic UBs "
                                    "only")
                         .arg(stranger));
            QCOMPARE(model->ubList().at(1).lnb, 0u);
            model->setLnb1(stranger);
            controller->chooseTransponder(0, 1);
            QCOMPARE(errors.count(), 2);
            QCOMPARE(model->ubList().at(0).tp, -1);
            controller->setStaticUBs(4, true);
            QCOMPARE(errors.count(), 3);
            QVERIFY2(errors.at(2).at(0).toString().startsWith(QLatin1String("UB22, UB21: ")),
                     qPrintable(errors.at(2).at(0).toString()));
            int statics = 0;
            for (const UBRecord &record : model->ubList())
                statics += record.isStatic() ? 1 : 0;
            QCOMPARE(statics, 2);
        }
    }

    // A plan saved when the data listed spacecraft loads on their position:
    // the satellite takes the position's name, the static UB keeps its
    // transponder under the position's number, and the window says so.
    void spacecraftPlanLoadsOnItsPosition()
    {
        builtIn = BuiltInSatellites::load();
        QVERIFY2(builtIn.reason.isEmpty(), qPrintable(builtIn.reason));
        build(unreachableConnection());
        QSignalSpy ready(controller.get(), &UBModelController::satelliteDataReady);
        controller->initializeInBackground();
        QVERIFY(ready.wait(10000));
        BandPlan plan = model->editor()->plan();
        plan.lnb1 = QStringLiteral("Astra 1KR 19.2E");
        UBRecord &top = plan.list.first();
        top.type = UBRecord::staticType;
        top.lnb = 0;
        top.tp = 3; // the spacecraft's own number
        top.freq = 11494;
        top.polarisation = Polarisation::H;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.dat"));
        SettingsFile::write(path, plan);
        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        controller->readFromFile(path);
        QCOMPARE(errors.count(), 0);
        QCOMPARE(model->lnb1(), QStringLiteral("Astra 19.2E"));
        const UBRecord &loaded = model->ubList().first();
        QVERIFY(loaded.isStatic());
        QCOMPARE(loaded.freq, 11494u);
        const TransponderItem *row =
            controller->catalogue()->findTransponder(QStringLiteral("Astra 19.2E"), quint32(loaded.tp));
        QVERIFY(row);
        QCOMPARE(row->frequency, 11494u);
        QVERIFY(row->polarisation == Polarisation(Polarisation::H));
        QVERIFY2(controller->satelliteDataNotice().contains(
                     QLatin1String("Astra 1KR 19.2E is now Astra 19.2E")),
                 qPrintable(controller->satelliteDataNotice()));
    }

    // A server set while a download runs does not name the data of the
    // download that was already under way.
    void dataNameTheServerTheyCameFrom()
    {
        builtIn.items[QStringLiteral("B")] = {{1, 11000, Polarisation::H, 9750, 1}};
        builtIn.params = {{QStringLiteral("B"), 1, 9750, 0}};
        build(fixtureConnection());
        QSignalSpy ready(controller.get(), &UBModelController::satelliteDataReady);
        controller->initializeInBackground();
        QVariantMap fields = controller->serverSettings();
        fields[QStringLiteral("host")] = QStringLiteral("next.invalid");
        fields[QStringLiteral("port")] = QStringLiteral("4406");
        QCOMPARE(controller->saveServerSettings(fields), QString());
        QVERIFY(ready.wait(10000));
        const QString server = QStringLiteral("server %1:%2").arg(fixtureConnection().hostName).arg(port());
        QVERIFY2(controller->satelliteDataSummary().contains(server), qPrintable(controller->satelliteDataSummary()));
        QVERIFY(!controller->satelliteDataSummary().contains(QLatin1String("next.invalid")));
    }

    // Markup from the server reaches the window as its characters (the
    // window's texts are plain text): a satellite's name, and a database
    // name in the server's refusal.
    void markupFromTheServerStaysText()
    {
        const QString name = QStringLiteral("<img src=http://127.0.0.1:9/sat.png>");
        Admin admin;
        QVERIFY2(admin.isOpen(), qPrintable(admin.lastError()));
        const QString db = admin.createDatabase(QStringLiteral("markup"),
                                                {createTable(name), insertRow(name, 1, 11000, "H", 9750, 3)});
        QVERIFY2(!db.isEmpty(), qPrintable(admin.lastError()));
        build(fixtureConnection(db));
        QSignalSpy ready(controller.get(), &UBModelController::satelliteDataReady);
        controller->initializeInBackground();
        QVERIFY(ready.wait(10000));
        QCOMPARE(controller->availableSatelites(), QStringList{name});

        const QString missing = QStringLiteral("<img src=http://127.0.0.1:9/db.png>");
        build(fixtureConnection(missing));
        controller->initializeInBackground();
        QTRY_VERIFY_WITH_TIMEOUT(controller->satelliteDataNotice().contains(missing), 10000);
        QVERIFY2(controller->satelliteDataNotice().contains(QStringLiteral("a database \"%1\"").arg(missing)),
                 qPrintable(controller->satelliteDataNotice()));
    }

    // A server whose database holds no satellites leaves the data in use and
    // says so, naming the database.
    void emptyDatabaseKeepsTheData()
    {
        QVERIFY(writeCacheFile(cacheDir->path(),
                               cacheBytes({{QStringLiteral("Cached 1.0E"), {{1, 11000, Polarisation::H, 9750, 1}}}},
                                          {{QStringLiteral("Cached 1.0E"), 1, 9750, 0}})));
        const QByteArray cached = fileBytes(cacheDir->path() + QStringLiteral("/db.dat"));
        Admin admin;
        QVERIFY2(admin.isOpen(), qPrintable(admin.lastError()));
        const QString empty = admin.createDatabase(QStringLiteral("nosat"), {});
        QVERIFY2(!empty.isEmpty(), qPrintable(admin.lastError()));
        build(fixtureConnection(empty));
        QSignalSpy ready(controller.get(), &UBModelController::satelliteDataReady);
        controller->initializeInBackground();
        QVERIFY(ready.wait(10000));
        QCOMPARE(controller->availableSatelites(), QStringList{QStringLiteral("Cached 1.0E")});
        QCOMPARE(fileBytes(cacheDir->path() + QStringLiteral("/db.dat")), cached);
        const QStringList warnings = events.filter(QStringLiteral("warning"));
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains(QLatin1Char('"') + empty + QLatin1Char('"')), qPrintable(warnings.first()));
        QVERIFY2(controller->satelliteDataNotice().contains(empty), qPrintable(controller->satelliteDataNotice()));
    }

    // The window starts from the local data at once; the server's data, when
    // it answers, replace them; with no server the start says so quietly.
    void sourcesInOrder_data()
    {
        QTest::addColumn<bool>("server");
        QTest::addColumn<bool>("cache");
        QTest::addColumn<bool>("hasBuiltIn");
        QTest::addColumn<bool>("chosen");     // whether anybody named the server
        QTest::addColumn<QString>("atOnce");  // the first satellite before the download ends
        QTest::addColumn<QString>("atEnd");   // and after it
        QTest::addColumn<QString>("summary"); // the start of the summary after it
        QTest::addColumn<QString>("notice");  // the start of the notice after it
        QTest::newRow("server over cache") << true << true << true << true << "Cached 1.0E"
                                           << "Astra 19.2E"
                                           << "Satellite data: server 127.0.0.1:"
                                           << "Satellite data: new data loaded (server 127.0.0.1:";
        QTest::newRow("cache over built in") << false << true << true << true << "Cached 1.0E"
                                             << "Cached 1.0E"
                                             << "Satellite data: offline cache of "
                                             << "Satellite data: offline cache of ";
        QTest::newRow("built in") << false << false << true << true << "Built 2.0E"
                                  << "Built 2.0E"
                                  << "Satellite data: built in, as of 1 Mar 2024, satellites: 1\n"
                                     "No satellite data from the server "
                                  << "Satellite data: built in, as of 1 Mar 2024; no server: ";
        // A first start with no server named anywhere: the failure is a
        // detail of the summary, not the first news beside the logo.
        QTest::newRow("built in, no server named")
            << false << false << true << false << "Built 2.0E"
            << "Built 2.0E"
            << "Satellite data: built in, as of 1 Mar 2024, satellites: 1\nNo satellite data from the server "
            << "";
        QTest::newRow("nothing") << false << false << false << true << ""
                                 << ""
                                 << "No satellite data"
                                 << "";
    }
    void sourcesInOrder()
    {
        QFETCH(bool, server);
        QFETCH(bool, cache);
        QFETCH(bool, hasBuiltIn);
        QFETCH(bool, chosen);
        QFETCH(QString, atOnce);
        QFETCH(QString, atEnd);
        QFETCH(QString, summary);
        QFETCH(QString, notice);
        if (cache)
            QVERIFY(writeCacheFile(cacheDir->path(),
                                   {{QStringLiteral("Cached 1.0E"), {{1, 11000, Polarisation::H, 9750, 1}}}},
                                   {{QStringLiteral("Cached 1.0E"), 1, 9750, 0}}));
        if (hasBuiltIn) {
            builtIn.items[QStringLiteral("Built 2.0E")] = {{1, 11500, Polarisation::V, 9750, 2}};
            builtIn.params = {{QStringLiteral("Built 2.0E"), 2, 9750, 0}};
            builtIn.date = QDate(2024, 3, 1);
        }
        // A year on: only offline data the server could not replace are old;
        // the built-in data never are.
        const QDateTime later = QDateTime::currentDateTime().addDays(365);
        build(server ? fixtureConnection() : unreachableConnection(), [later] { return later; }, chosen);
        QSignalSpy ready(controller.get(), &UBModelController::satelliteDataReady);
        controller->initializeInBackground();
        QCOMPARE(controller->availableSatelites().value(0), atOnce);
        QCOMPARE(model->lnb1(), atOnce);
        QVERIFY(ready.wait(10000));
        // An error box only when there are no data at all.
        QCOMPARE(events.filter(QStringLiteral("error")).size(), atEnd.isEmpty() ? 1 : 0);
        QCOMPARE(events.filter(QStringLiteral("warning")),
                 atEnd == QLatin1String("Cached 1.0E") ? QStringList{QStringLiteral("warning: ") + outdatedMessage}
                                                       : QStringList());
        QCOMPARE(model->lnb1(), atEnd);
        QVERIFY2(controller->satelliteDataSummary().startsWith(summary),
                 qPrintable(controller->satelliteDataSummary()));
        QVERIFY2(notice.isEmpty() ? controller->satelliteDataNotice().isEmpty()
                                  : controller->satelliteDataNotice().startsWith(notice),
                 qPrintable(controller->satelliteDataNotice()));
        QCOMPARE(controller->availableSatelites().value(0), atEnd);
        if (!atEnd.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("search")), searchWaitMs);
    }

    // A plan loaded while the download runs is the plan after the data
    // arrive: its satellites stay, and its transponders are found again by
    // frequency and polarisation, whatever their numbers in the new data; a
    // transponder the new data lack is kept and named in the notice.
    void loadedPlanSurvivesNewData()
    {
        QVERIFY(writeCacheFile(
            cacheDir->path(),
            {{QStringLiteral("Astra 19.2E"),
              {{7, 10773, Polarisation::H, 9750, 1}, {999, 12000, Polarisation::H, 10600, 1}}},
             {QStringLiteral("Astra 28.2E"), {{52, 11992, Polarisation::H, 10600, 4}}}},
            {{QStringLiteral("Astra 19.2E"), 1, 9750, 10600}, {QStringLiteral("Astra 28.2E"), 4, 10600, 0}}));
        build(fixtureConnection());
        QSignalSpy ready(controller.get(), &UBModelController::satelliteDataReady);
        QSignalSpy changed(controller.get(), &UBModelController::satelliteDataChanged);
        controller->initializeInBackground();
        QVERIFY(controller->fetchingSatellites());

        BandPlan plan;
        plan.lnb1 = QStringLiteral("Astra 28.2E");
        plan.lnb2 = QStringLiteral("Astra 19.2E");
        plan.list = model->ubList();
        plan.list[0].type = UBRecord::staticType; // UB24
        plan.list[0].lnb = 1;
        plan.list[0].tp = 7;
        plan.list[0].freq = 10773;
        plan.list[0].polarisation = Polarisation::H;
        plan.list[1].type = UBRecord::staticType; // UB23
        plan.list[1].lnb = 1;
        plan.list[1].tp = 999;
        plan.list[1].freq = 12000;
        plan.list[2].type = UBRecord::staticType; // UB22
        plan.list[2].tp = 52;
        plan.list[2].freq = 11992;
        // A file of the earlier format on 11307 MHz, which the server holds
        // twice (78 H, 79 V): its number decides.
        plan.list[3].type = UBRecord::staticType; // UB21
        plan.list[3].tp = 79;
        plan.list[3].freq = 11307;
        QVERIFY(plan.numberDynamicUBs(true));
        const QString path = cacheDir->path() + QStringLiteral("/plan.dat");
        SettingsFile::write(path, plan);
        controller->readFromFile(QUrl::fromLocalFile(path).toString());
        QCOMPARE(events.filter(QStringLiteral("error")), QStringList());
        QVERIFY(controller->fetchingSatellites());
        const int changesBefore = changed.count();

        QVERIFY(ready.wait(10000));
        QCOMPARE(changed.count(), changesBefore + 1);
        QCOMPARE(model->lnb1(), plan.lnb1);
        QCOMPARE(model->lnb2(), plan.lnb2);
        const QList<UBRecord> list = model->ubList();
        QCOMPARE(list.at(0).tp, 53); // the server's number of 10773 H
        QCOMPARE(list.at(0).freq, 10773u);
        QCOMPARE(list.at(1).tp, 999); // not in the server's data: kept, and said
        QCOMPARE(list.at(1).freq, 12000u);
        QCOMPARE(list.at(2).tp, 52);
        QCOMPARE(list.at(3).tp, 79);
        QCOMPARE(list.at(3).polarisation, Polarisation(Polarisation::V));
        QVERIFY2(controller->satelliteDataNotice().contains(
                     QLatin1String("UB21: polarisation V taken from transponder 79; check it.")),
                 qPrintable(controller->satelliteDataNotice()));
        QVERIFY2(controller->satelliteDataNotice().contains(QLatin1String("(marked): UB23.")),
                 qPrintable(controller->satelliteDataNotice()));
        QVERIFY2(controller->satelliteDataNotice().contains(
                     QLatin1String("another number in the satellite data: UB24.")),
                 qPrintable(controller->satelliteDataNotice()));
        // What the data lack is refused with its name before anything is sent.
        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        controller->sendDataToDevice();
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(),
                 QStringLiteral("Nothing was sent to the switch because some UBs cannot be sent:\n"
                                "UB23: Astra 19.2E has no transponder at 12000 MHz H"));
    }
};

QTEST_GUILESS_MAIN(ControllerDatabaseTest)
#include "tst_controller_database.moc"
