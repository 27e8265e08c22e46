// The satellite data's life without a server: the order of the sources,
// the warnings while a download is taken in, the start pair, the own
// transponders and the texts that say where the data come from. The server's
// host name fails at once, so every download ends without one.

#include "CacheFile.h"
#include "OfflineEnvironment.h"
#include "db/BuiltInSatellites.h"
#include "db/OwnTransponderFile.h"
#include "model/NoSatelliteData.h"
#include "service/SatelliteData.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
constexpr int downloadWaitMs = 10000;
const QString cached = QStringLiteral("Cached 1.0E");
const QString built = QStringLiteral("Built 2.0E");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

class tst_SatelliteData : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    Environment environment;
    BuiltInSatellites::Data builtIn;

    void writeCache()
    {
        QVERIFY(CacheFile::writeCacheFile(dir->path(), {{cached, {{1, 11000, Polarisation::H, 9750, 1}}}},
                                          {{cached, 1, 9750, 0}}));
    }

    void addBuiltIn(const QString &name, quint32 id)
    {
        builtIn.items[name] = {{1, 11500, Polarisation::V, 9750, id}};
        builtIn.params << SateliteParams{name, id, 9750, 0};
        builtIn.date = QDate(2024, 3, 1);
    }

    // A download ended (without a server) and its result, not yet taken in.
    static bool download(SatelliteData &data, SatelliteData::Download *result)
    {
        bool ended = false;
        QObject receiver;
        connect(&data, &SatelliteData::downloadFinished, &receiver,
                [&](const SatelliteData::Download &finished) {
                    *result = finished;
                    ended = true;
                });
        return data.startDownload() && QTest::qWaitFor([&] { return ended; }, downloadWaitMs);
    }

    std::unique_ptr<SatelliteData> make()
    {
        environment.builtIn = [this] { return builtIn; };
        return std::make_unique<SatelliteData>(environment);
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        environment = OfflineEnvironment::in(dir->path());
        builtIn = BuiltInSatellites::Data();
    }

    // The offline cache before the built-in data; the texts name the one in
    // use, and the server that did not answer.
    void sourcesInOrder_data()
    {
        QTest::addColumn<bool>("cache");
        QTest::addColumn<bool>("hasBuiltIn");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("notice");
        QTest::newRow("cache over built in") << true << true << cached << "Satellite data: offline cache of "
                                             << "Satellite data: offline cache of ";
        QTest::newRow("built in") << false << true << built
                                  << "Satellite data: built in, as of 1 Mar 2024, satellites: 1\n"
                                     "No satellite data from the server "
                                  << "Satellite data: built in, as of 1 Mar 2024; no server: ";
        QTest::newRow("cache alone") << true << false << cached << "Satellite data: offline cache of "
                                     << "Satellite data: offline cache of ";
    }
    void sourcesInOrder()
    {
        QFETCH(bool, cache);
        QFETCH(bool, hasBuiltIn);
        QFETCH(QString, first);
        QFETCH(QString, summary);
        QFETCH(QString, notice);
        if (cache)
            writeCache();
        if (hasBuiltIn)
            addBuiltIn(built, 2);
        const auto data = make();
        QVERIFY(data->loadLocalData());
        QCOMPARE(data->catalogue()->satelliteNames().value(0), first);
        SatelliteData::Download result;
        QVERIFY(download(*data, &result));
        QVERIFY(!result.complete);
        QVERIFY(!data->take(result));
        QCOMPARE(data->catalogue()->satelliteNames().value(0), first);
        const QString shown = data->summary(data->source().serverFailureText());
        QVERIFY2(shown.startsWith(summary), qPrintable(shown));
        const QString told = data->noServerNotice(result.reason);
        QVERIFY2(told.startsWith(notice), qPrintable(told));
        QVERIFY2(told.endsWith(result.reason), qPrintable(told));
        QVERIFY2(data->newDataMessage().startsWith(QStringLiteral("Satellite data: new data loaded (") +
                                                   data->source().originText()),
                 qPrintable(data->newDataMessage()));
        QCOMPARE(data->describe().value(0), data->source().originText());
    }

    // No data anywhere: taking the download in fails, and the failure names
    // the host that did not answer on its second line.
    void nothingAnywhere()
    {
        const auto data = make();
        QVERIFY(!data->loadLocalData());
        QCOMPARE(data->summary(QString()), QStringLiteral("No satellite data"));
        QCOMPARE(data->sourceText(), QStringLiteral("none"));
        SatelliteData::Download result;
        QVERIFY(download(*data, &result));
        QVERIFY_EXCEPTION_THROWN(data->take(result), NoSatelliteData);
        const QStringList lines =
            data->withFailureReason(QStringLiteral("No data.")).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0), QStringLiteral("No data."));
        QVERIFY2(lines.at(1).contains(QLatin1String("no-server!")), qPrintable(lines.at(1)));
    }

    // Offline data older than a month are used with a warning the caller
    // words; younger ones are used silently. A cache that cannot be read is
    // told as the text to show; one cut short is not the data's; the
    // built-in data are used then.
    void warningsWhileTakenIn_data()
    {
        QTest::addColumn<QByteArray>("cache"); // empty: a folder in the cache file's place
        QTest::addColumn<int>("ageDays");
        QTest::addColumn<int>("outdated");
        QTest::addColumn<QString>("warning"); // the start of the one text, or none
        QTest::addColumn<QString>("first");
        const QByteArray bytes =
            CacheFile::cacheBytes({{cached, {{1, 11000, Polarisation::H, 9750, 1}}}}, {{cached, 1, 9750, 0}});
        QTest::newRow("a month old") << bytes << 31 << 0 << QString() << cached;
        QTest::newRow("older") << bytes << 32 << 1 << QString() << cached;
        QTest::newRow("cut short") << bytes.left(20) << 0 << 0 << QString() << built;
        QTest::newRow("unreadable") << QByteArray() << 0 << 0 << "The offline data in " << built;
    }
    void warningsWhileTakenIn()
    {
        QFETCH(QByteArray, cache);
        QFETCH(int, ageDays);
        QFETCH(int, outdated);
        QFETCH(QString, warning);
        QFETCH(QString, first);
        if (cache.isEmpty())
            QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("db.dat")));
        else
            QVERIFY(CacheFile::writeCacheFile(dir->path(), cache));
        addBuiltIn(built, 2);
        const QDateTime later = QDateTime::currentDateTime().addDays(ageDays).addSecs(60);
        environment.clock = [later] { return later; };
        const auto data = make();
        QSignalSpy old(data.get(), &SatelliteData::savedDataOutdated);
        QSignalSpy warnings(data.get(), &SatelliteData::warning);
        SatelliteData::Download result;
        QVERIFY(download(*data, &result));
        data->take(result);
        QCOMPARE(old.count(), outdated);
        QCOMPARE(warnings.count(), warning.isEmpty() ? 0 : 1);
        if (!warning.isEmpty())
            QVERIFY2(warnings.first().first().toString().startsWith(warning),
                     qPrintable(warnings.first().first().toString()));
        QCOMPARE(data->catalogue()->satelliteNames().value(0), first);
    }

    // The pair an empty plan starts with: the pair most dishes point at
    // wherever it stands, else the first two the switch can carry, but
    // never one it cannot carry.
    void startPair_data()
    {
        QTest::addColumn<QStringList>("names"); // id in front: "128 ABS 2 75.0E"
        QTest::addColumn<QStringList>("pair");
        QTest::newRow("the pair, wherever it is in the list")
            << QStringList{"128 ABS 2 75.0E", "129 ABS 2A 75.0E", "1 ABS 3A 3.0W", "9 Astra 19.2E",
                           "59 Hotbird 13.0E"}
            << QStringList{"Astra 19.2E", "Hotbird 13.0E"};
        QTest::newRow("without the pair: the first two it can carry")
            << QStringList{"128 ABS 2 75.0E", "0 ABS 2A 75.0E", "1 ABS 3A 3.0W", "9 Astra 19.2E",
                           "20 Astra 4A 4.8E"}
            << QStringList{"ABS 3A 3.0W", "Astra 19.2E"};
        QTest::newRow("one it can carry") << QStringList{"128 A", "7 B", "200 C"} << QStringList{"B"};
    }
    void startPair()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, pair);
        for (const QString &entry : names)
            addBuiltIn(entry.section(QLatin1Char(' '), 1), entry.section(QLatin1Char(' '), 0, 0).toUInt());
        const auto data = make();
        QVERIFY(data->loadLocalData());
        QCOMPARE(data->startPair(), pair);
    }

    // The real built-in data: Astra 19.2E and Hotbird 13.0E, though many
    // names come before them.
    void startPairOfTheBuiltInData()
    {
        builtIn = BuiltInSatellites::load();
        QVERIFY2(builtIn.reason.isEmpty(), qPrintable(builtIn.reason));
        const auto data = make();
        QVERIFY(data->loadLocalData());
        QCOMPARE(data->startPair(),
                 (QStringList{QStringLiteral("Astra 19.2E"), QStringLiteral("Hotbird 13.0E")}));
    }

    // A transponder entered by hand is kept and added to the data in use,
    // unless the data or the list hold it already or name no such satellite.
    void ownTransponder_data()
    {
        QTest::addColumn<QString>("satellite");
        QTest::addColumn<uint>("frequency");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("new") << cached << 12100u << QString();
        QTest::newRow("in the data") << cached << 11000u
                                     << "Cached 1.0E already has a transponder at 11000 MHz H.";
        QTest::newRow("no such satellite")
            << "Elsewhere 9.0E" << 12100u << "The satellite data hold no satellite \"Elsewhere 9.0E\".";
        // An own transponder is in the data: that refusal comes first.
        QTest::newRow("listed already")
            << cached << 12200u << "Cached 1.0E already has a transponder at 12200 MHz H.";
        QTest::newRow("outside the band") << cached << 9000u << "The frequency must lie between ";
    }
    void ownTransponder()
    {
        QFETCH(QString, satellite);
        QFETCH(uint, frequency);
        QFETCH(QString, refusal);
        writeCache();
        const QString path = OwnTransponderFile::pathIn(dir->path());
        OwnTransponders listed;
        QVERIFY(listed.add({cached, 12200, Polarisation::H}));
        QString reason;
        QVERIFY2(OwnTransponderFile(path).write(listed, &reason), qPrintable(reason));
        const auto data = make();
        QVERIFY(data->loadLocalData());
        const QByteArray before = fileBytes(path);
        const OwnTransponder entry{satellite, frequency, Polarisation(Polarisation::H)};
        const SatelliteData::Adding adding = data->addOwnTransponder(entry);
        QVERIFY2(adding.refusal.startsWith(refusal), qPrintable(adding.refusal));
        QCOMPARE(adding.refusal.isEmpty(), refusal.isEmpty());
        QVERIFY(!adding.listedTwice);
        const bool kept = refusal.isEmpty();
        QCOMPARE(adding.dataChanged, kept);
        QCOMPARE(data->ownTransponders().entries().size(), kept ? 2 : 1);
        QCOMPARE(bool(data->catalogue()->findTransponderByFrequency(satellite, frequency, true)),
                 kept || frequency == 11000u || frequency == 12200u);
        if (!kept)
            QCOMPARE(fileBytes(path), before);
    }

    // A damaged file of own transponders is told, adds none, and is never
    // written over.
    void damagedOwnTransponderFile()
    {
        writeCache();
        const QString path = OwnTransponderFile::pathIn(dir->path());
        const QByteArray damaged = "damaged\n";
        QVERIFY(writeBytes(path, damaged));
        const auto data = make();
        QVERIFY(data->loadLocalData());
        const QString problem = data->ownTransponderProblem();
        QVERIFY(!problem.isEmpty());
        const SatelliteData::Adding adding =
            data->addOwnTransponder({cached, 12100, Polarisation(Polarisation::H)});
        QCOMPARE(adding.refusal, problem);
        QVERIFY(!adding.dataChanged);
        QCOMPARE(fileBytes(path), damaged);
    }
};

QTEST_GUILESS_MAIN(tst_SatelliteData)
#include "tst_satellitedata.moc"
