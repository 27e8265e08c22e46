// Loading the offline cache file when the server cannot be reached.

#include "CatalogueRows.h"
#include "TestDatabase.h"
#include "Throws.h"
#include "db/SqlHandler.h"
#include "model/NoSatelliteData.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace TestDatabase;

namespace {

// One satellite S with one row, and its summary, as in the file's
// documentation: 57 bytes.
const QByteArray example = QByteArray::fromHex("0000000100000001000000020053000000010000"
                                               "2ce60000261601000000070000003400000001"
                                               "000000000000261600000002005300000007");

QByteArray be32(qint32 value)
{
    QByteArray bytes;
    QDataStream(&bytes, QIODevice::WriteOnly) << value;
    return bytes;
}

#ifdef Q_OS_UNIX
long peakKiB()
{
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
#endif
} // namespace

class SqlHandlerCacheTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> cacheDir;

    QDateTime fileTime() const
    {
        const QFileInfo info(cacheDir->path() + QStringLiteral("/db.dat"));
        return info.birthTime().isValid() ? info.birthTime() : info.lastModified();
    }

    std::unique_ptr<SqlHandler> offline(SqlHandler::Clock clock = &QDateTime::currentDateTime)
    {
        return std::make_unique<SqlHandler>(unreachableConnection(), cacheDir->path(), std::move(clock),
                                            [] { return BuiltInSatellites::Data(); });
    }

    // The handler's state when the file was not usable: no data at all.
    void verifyNothingLoaded(const SqlHandler &handler)
    {
        QVERIFY(!handler.hasData());
        QVERIFY(handler.catalogue()->isEmpty());
    }

private slots:
    void init()
    {
        cacheDir = std::make_unique<QTemporaryDir>();
        QVERIFY(cacheDir->isValid());
    }

    void constructorCreatesCacheDirectory()
    {
        const QString directory = cacheDir->path() + QStringLiteral("/a/b");
        SqlHandler handler(unreachableConnection(), directory);
        QVERIFY(QFileInfo(directory).isDir());
        QCOMPARE(handler.cacheFilePath(), directory + QStringLiteral("/db.dat"));
    }

    void documentedExample()
    {
        QVERIFY(writeCacheFile(cacheDir->path(), example));
        auto handler = offline();
        handler->connectToDatabase();
        QCOMPARE(CatalogueRows::names(handler->catalogue()), QStringList{QStringLiteral("S")});
        QCOMPARE(CatalogueRows::row(handler->catalogue(), QStringLiteral("S"), 52),
                 (TransponderItem{52, 11494, Polarisation::H, 9750, 7}));
        QCOMPARE(CatalogueRows::params(handler->catalogue(), QStringLiteral("S")),
                 (SateliteParams{QStringLiteral("S"), 7, 9750, 0}));
    }

    // Everything in memory comes from the file, in the file's order, and
    // unsigned values bit for bit.
    void loadsEveryField()
    {
        const Satelites satelites = {
            {QStringLiteral("Astra 19.2E"),
             {{71, 11836, Polarisation::H, 10600, 1},
              {19, 11494, Polarisation::H, 9750, 1},
              {2, 11229, Polarisation::V, 9750, 1}}},
            {QStringLiteral("Zero"), {}},
            {QStringLiteral("Top"), {{4000000000u, 4100000000u, Polarisation::V, 4200000000u, 4294967295u}}}};
        const QVector<SateliteParams> params = {{QStringLiteral("Zeta"), 3, 9750, 10600},
                                                {QStringLiteral("Alpha"), 4294967295u, 1, 2}};
        QVERIFY(writeCacheFile(cacheDir->path(), satelites, params));
        auto handler = offline();
        handler->connectToDatabase();
        QCOMPARE(CatalogueRows::names(handler->catalogue()),
                 (QStringList{QStringLiteral("Astra 19.2E"), QStringLiteral("Top"), QStringLiteral("Zero")}));
        QCOMPARE(CatalogueRows::pairs(handler->catalogue(), QStringLiteral("Astra 19.2E")),
                 (QVariantList{71u, 11836u, 19u, 11494u, 2u, 11229u}));
        for (const TransponderItem &item : satelites.at(QStringLiteral("Astra 19.2E")))
            QCOMPARE(
                CatalogueRows::row(handler->catalogue(), QStringLiteral("Astra 19.2E"), item.transponder),
                item);
        QCOMPARE(CatalogueRows::row(handler->catalogue(), QStringLiteral("Top"), 4000000000u),
                 satelites.at(QStringLiteral("Top")).first());
        QCOMPARE(CatalogueRows::pairs(handler->catalogue(), QStringLiteral("Zero")), QVariantList());
        // Summaries keep the file's order: the first with a shared id wins.
        QCOMPARE(CatalogueRows::params(handler->catalogue(), QStringLiteral("Zeta")), params.at(0));
        QCOMPARE(CatalogueRows::params(handler->catalogue(), QStringLiteral("Alpha")), params.at(1));
        QCOMPARE(CatalogueRows::nameOfId(handler->catalogue(), 4294967295u), QStringLiteral("Alpha"));
    }

    // A file without satellites (an empty download of an older version
    // wrote such files) is no cache: the built-in data are used, or none.
    void emptyFileContents_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("zero satellites, zero summaries") << QByteArray::fromHex("000000010000000000000000");
        QTest::newRow("negative counts") << QByteArray::fromHex("00000001ffffffffffffffff");
        QTest::newRow("satellites without rows") << cacheBytes({{QStringLiteral("S"), {}}}, {});
    }
    void emptyFileContents()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(writeCacheFile(cacheDir->path(), bytes));
        const QDateTime later = fileTime().addDays(40);
        auto handler = offline([later] { return later; });
        QSignalSpy outdated(handler.get(), &SqlHandler::savedDataOutdated);
        QVERIFY(throwsType<NoSatelliteData>([&] { handler->connectToDatabase(); }));
        verifyNothingLoaded(*handler);
        QCOMPARE(outdated.count(), 0);

        BuiltInSatellites::Data builtIn;
        builtIn.items = {{QStringLiteral("Built"), {{1, 11000, Polarisation::H, 9750, 5}}}};
        builtIn.params = {{QStringLiteral("Built"), 5, 9750, 0}};
        SqlHandler withBuiltIn(unreachableConnection(), cacheDir->path(), &QDateTime::currentDateTime,
                               [builtIn] { return builtIn; });
        QVERIFY(withBuiltIn.loadLocalData());
        QCOMPARE(withBuiltIn.source(), SqlHandler::Source::BuiltIn);
        QCOMPARE(CatalogueRows::names(withBuiltIn.catalogue()), QStringList{QStringLiteral("Built")});
    }

    void negativeRowCountReadsNoRows()
    {
        // S with row count -1, T with one row, then a summary count of 0.
        QByteArray block;
        QDataStream out(&block, QIODevice::WriteOnly);
        out << QStringLiteral("S") << qint32(-1) << QStringLiteral("T") << qint32(1) << qint32(11000)
            << qint32(9750) << true << qint32(1) << qint32(1);
        QVERIFY(writeCacheFile(cacheDir->path(), be32(1) + be32(2) + block + be32(0)));
        auto handler = offline();
        handler->connectToDatabase();
        QCOMPARE(CatalogueRows::names(handler->catalogue()), (QStringList{QStringLiteral("S"), QStringLiteral("T")}));
        QCOMPARE(CatalogueRows::pairs(handler->catalogue(), QStringLiteral("S")), QVariantList());
    }

    void repeatedNameKeepsLaterBlock()
    {
        QByteArray bytes = be32(1) + be32(2);
        QByteArray block;
        QDataStream out(&block, QIODevice::WriteOnly);
        out << QStringLiteral("S") << qint32(1) << qint32(11000) << qint32(9750) << true << qint32(1)
            << qint32(1);
        out << QStringLiteral("S") << qint32(1) << qint32(12000) << qint32(10600) << false << qint32(2)
            << qint32(2);
        bytes += block + be32(0);
        QVERIFY(writeCacheFile(cacheDir->path(), bytes));
        auto handler = offline();
        handler->connectToDatabase();
        QCOMPARE(CatalogueRows::pairs(handler->catalogue(), QStringLiteral("S")), (QVariantList{2u, 12000u}));
    }

    void versionTwoIgnored()
    {
        const QByteArray bytes = cacheBytes({{QStringLiteral("S"), {}}}, {}, 2);
        QVERIFY(writeCacheFile(cacheDir->path(), bytes));
        // Even an old file of another version does not warn.
        const QDateTime later = fileTime().addDays(40);
        auto handler = offline([later] { return later; });
        QSignalSpy outdated(handler.get(), &SqlHandler::savedDataOutdated);
        QVERIFY(outdated.isValid());
        QVERIFY(throwsType<NoSatelliteData>([&] { handler->connectToDatabase(); }));
        QCOMPARE(outdated.count(), 0);
        verifyNothingLoaded(*handler);
    }

    void noFile()
    {
        auto handler = offline();
        QSignalSpy outdated(handler.get(), &SqlHandler::savedDataOutdated);
        QVERIFY(outdated.isValid());
        QVERIFY(throwsType<NoSatelliteData>([&] { handler->connectToDatabase(); }));
        QCOMPARE(outdated.count(), 0);
        verifyNothingLoaded(*handler);
    }

    void age_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<QTime>("timeOfDay");
        QTest::addColumn<bool>("warns");
        QTest::newRow("same day") << 0 << QTime() << false;
        QTest::newRow("31 days") << 31 << QTime() << false;
        QTest::newRow("31 days, late that day") << 31 << QTime(23, 59, 59) << false;
        QTest::newRow("32 days") << 32 << QTime() << true;
        QTest::newRow("32 days, just after midnight") << 32 << QTime(0, 0, 1) << true;
        QTest::newRow("a year") << 365 << QTime() << true;
        QTest::newRow("in the future") << -3 << QTime() << false;
    }
    void age()
    {
        QFETCH(int, days);
        QFETCH(QTime, timeOfDay);
        QFETCH(bool, warns);
        QVERIFY(writeCacheFile(cacheDir->path(), example));
        QDateTime now = fileTime().addDays(days);
        if (timeOfDay.isValid())
            now.setTime(timeOfDay);
        auto handler = offline([now] { return now; });
        QSignalSpy outdated(handler.get(), &SqlHandler::savedDataOutdated);
        QVERIFY(outdated.isValid());
        handler->connectToDatabase();
        QCOMPARE(outdated.count(), warns ? 1 : 0);
        QCOMPARE(CatalogueRows::names(handler->catalogue()), QStringList{QStringLiteral("S")});
    }

    // Every prefix of a good file is unusable, and leaves nothing in memory.
    void cutShortIsUnusable()
    {
        for (int length = 0; length < example.size(); ++length) {
            QVERIFY(writeCacheFile(cacheDir->path(), example.left(length)));
            auto handler = offline();
            QVERIFY(throwsType<NoSatelliteData>([&] { handler->connectToDatabase(); }));
            verifyNothingLoaded(*handler);
        }
    }

    // An old file that turns out to be unusable is no cache at all: it
    // never warns that it is old.
    void outdatedAndCutShort()
    {
        QVERIFY(writeCacheFile(cacheDir->path(), example.left(30)));
        const QDateTime later = fileTime().addDays(40);
        auto handler = offline([later] { return later; });
        QSignalSpy outdated(handler.get(), &SqlHandler::savedDataOutdated);
        QVERIFY(outdated.isValid());
        QVERIFY(throwsType<NoSatelliteData>([&] { handler->connectToDatabase(); }));
        QCOMPARE(outdated.count(), 0);
    }

    void absurdCounts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray name = QByteArray::fromHex("000000020053");
        const QByteArray row = example.mid(18, 17);
        QTest::newRow("satellite count") << be32(1) + be32(0x7fffffff) + name + be32(0) + be32(0);
        QTest::newRow("satellite count, large but possible in memory")
            << be32(1) + be32(0x00ffffff) + name + be32(0) + be32(0);
        QTest::newRow("row count") << be32(1) + be32(1) + name + be32(0x7fffffff) + row + be32(0);
        QTest::newRow("row count, large but possible in memory")
            << be32(1) + be32(1) + name + be32(0x03ffffff) + row + be32(0);
        QTest::newRow("summary count") << be32(1) + be32(0) + be32(0x7fffffff) + example.mid(39);
        QTest::newRow("summary count, large but possible in memory")
            << be32(1) + be32(0) + be32(0x03ffffff) + example.mid(39);
        QTest::newRow("name length") << be32(1) + be32(1) + be32(0x7ffffffe) + QByteArray(64, 'x');
        QTest::newRow("odd name length") << be32(1) + be32(1) + be32(3) + QByteArray(64, 'x');
        QTest::newRow("summary name length")
            << be32(1) + be32(0) + be32(1) + be32(0) + be32(9750) + be32(0x7ffffffe) + QByteArray(64, 'x');
    }
    void absurdCounts()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(writeCacheFile(cacheDir->path(), bytes));
#ifdef Q_OS_UNIX
        const long before = peakKiB();
#endif
        auto handler = offline();
        QVERIFY(throwsType<NoSatelliteData>([&] { handler->connectToDatabase(); }));
        verifyNothingLoaded(*handler);
#ifdef Q_OS_UNIX
        // Believing any of these counts costs hundreds of megabytes.
        QVERIFY2(peakKiB() - before < 32 * 1024, qPrintable(QString::number(peakKiB() - before)));
#endif
    }

    // A file whose last satellite is cut short leaves no earlier satellite
    // in memory either.
    void nothingHalfLoaded()
    {
        const QByteArray good =
            cacheBytes({{QStringLiteral("A"), {{1, 11000, Polarisation::H, 9750, 1}}},
                        {QStringLiteral("B"), {{2, 12000, Polarisation::V, 10600, 2}}}},
                       {{QStringLiteral("A"), 1, 9750, 0}, {QStringLiteral("B"), 2, 10600, 0}});
        QVERIFY(writeCacheFile(cacheDir->path(), good.left(good.size() - 3)));
        auto handler = offline();
        QVERIFY(throwsType<NoSatelliteData>([&] { handler->connectToDatabase(); }));
        QVERIFY(handler->catalogue()->isEmpty());
    }
};

QTEST_GUILESS_MAIN(SqlHandlerCacheTest)
#include "tst_sqlhandler_cache.moc"
