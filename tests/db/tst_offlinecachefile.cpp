// The offline cache file on its own: the bytes it writes, and what the
// handler tells when the file is there but cannot be read.

#include "TestDatabase.h"
#include "Throws.h"
#include "db/OfflineCacheFile.h"
#include "db/SqlHandler.h"
#include "model/NoSatelliteData.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class OfflineCacheFileTest : public QObject
{
    Q_OBJECT

private slots:
    // The program writes the layout the tests' writer knows, reads back what
    // went out, and reads nothing (quietly) as another version.
    void writesTheLayoutItReads()
    {
        QTemporaryDir dir;
        TestDatabase::Satelites satelites;
        QVector<SateliteParams> params;
        CacheFile::addSatellite(satelites, params, QStringLiteral("Astra 19.2E"), 1, 1, 3, 11494, 20);
        const OfflineCacheFile file(dir.filePath(QStringLiteral("db.dat")), 1);
        QString reason;
        QVERIFY2(file.write(SatelliteCatalogue(satelites, params), &reason), qPrintable(reason));
        QFile written(file.path());
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), TestDatabase::cacheBytes(satelites, params));

        SatelliteTables read;
        QVERIFY2(file.read(&read, &reason), qPrintable(reason));
        QVERIFY(read.items == satelites);
        QVERIFY(read.params == params);
        QVERIFY(!OfflineCacheFile(file.path(), 2).read(&read, &reason));
        QVERIFY(reason.isEmpty());
    }

    // A cache that is there but cannot be opened is told once, its path
    // named, and gives no data.
    void unreadableFileIsTold()
    {
        QTemporaryDir cache;
        // A folder in the file's place cannot be opened for reading.
        QVERIFY(QDir(cache.path()).mkdir(QStringLiteral("db.dat")));
        SqlHandler handler(TestDatabase::unreachableConnection(), cache.path(), &QDateTime::currentDateTime,
                           [] { return BuiltInSatellites::Data(); });
        QSignalSpy problems(&handler, &SqlHandler::cacheProblem);
        QVERIFY(throwsType<NoSatelliteData>([&] { handler.connectToDatabase(); }));
        QCOMPARE(problems.count(), 1);
        const QString told = problems.at(0).at(0).toString();
        QVERIFY2(told.contains(QDir::toNativeSeparators(handler.cacheFilePath())), qPrintable(told));
    }
};

QTEST_GUILESS_MAIN(OfflineCacheFileTest)
#include "tst_offlinecachefile.moc"
