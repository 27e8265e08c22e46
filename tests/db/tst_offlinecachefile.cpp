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

    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile out(path);
        return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
    }

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

    // A cache cut short anywhere, by a full disk or a crash in an older
    // version, is no cache: nothing of it is taken, and nothing is told.
    void cutShortIsNoCache()
    {
        QTemporaryDir dir;
        TestDatabase::Satelites satelites;
        QVector<SateliteParams> params;
        CacheFile::addSatellite(satelites, params, QStringLiteral("Astra 19.2E"), 1, 1, 3, 11494, 20);
        CacheFile::addSatellite(satelites, params, QStringLiteral("Hot Bird 13E"), 2, 1, 2, 10719, 20);
        const QByteArray whole = TestDatabase::cacheBytes(satelites, params);
        const OfflineCacheFile file(dir.filePath(QStringLiteral("db.dat")), 1);
        for (int length = 0; length < whole.size(); ++length) {
            QVERIFY(writeFile(file.path(), whole.left(length)));
            SatelliteTables read;
            read.params.resize(1);
            QString reason;
            QVERIFY2(!file.read(&read, &reason), qPrintable(QString::number(length)));
            QVERIFY(reason.isEmpty());
            QCOMPARE(read.params.size(), 1);
            QVERIFY(read.items.empty());
        }
        QVERIFY(writeFile(file.path(), whole));
        SatelliteTables read;
        QString reason;
        QVERIFY(file.read(&read, &reason));
        QVERIFY(read.items == satelites);
    }

    // The fields read as QDataStream writes and reads them: any byte but 0
    // is a true flag, a count of 0xFFFFFFFF a null string; a string of an
    // odd byte count is damage.
    void fieldsReadAsTheStreamReadsThem_data()
    {
        QTest::addColumn<QByteArray>("summaryName");
        QTest::addColumn<char>("flag");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("horizontal");
        QTest::newRow("flag 1") << QByteArray::fromHex("00000002 0041") << char(1) << true << true;
        QTest::newRow("flag 2") << QByteArray::fromHex("00000002 0041") << char(2) << true << true;
        QTest::newRow("flag 0") << QByteArray::fromHex("00000002 0041") << char(0) << true << false;
        QTest::newRow("null name") << QByteArray::fromHex("ffffffff") << char(0) << true << false;
        QTest::newRow("odd name") << QByteArray::fromHex("00000003 004100") << char(0) << false << false;
        QTest::newRow("name past the end")
            << QByteArray::fromHex("00000008 0041") << char(0) << false << false;
    }

    void fieldsReadAsTheStreamReadsThem()
    {
        QFETCH(QByteArray, summaryName);
        QFETCH(char, flag);
        QFETCH(bool, readable);
        QFETCH(bool, horizontal);
        // Version 1; one satellite "A" with one row; one summary.
        QByteArray bytes = QByteArray::fromHex("00000001 00000001 00000002 0041 00000001"
                                               "00002CE6 00002616") +
                           flag + QByteArray::fromHex("00000001 00000001 00000001 00002A30 00002616");
        bytes += summaryName + QByteArray::fromHex("00000001");
        QTemporaryDir dir;
        const OfflineCacheFile file(dir.filePath(QStringLiteral("db.dat")), 1);
        QVERIFY(writeFile(file.path(), bytes));
        SatelliteTables read;
        QString reason;
        QCOMPARE(file.read(&read, &reason), readable);
        QVERIFY(reason.isEmpty());
        if (!readable)
            return;
        const QVector<TransponderItem> &rows = read.items.at(QStringLiteral("A"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).frequency, 11494u);
        QCOMPARE(rows.at(0).horizontal(), horizontal);
        QCOMPARE(read.params.size(), 1);
        QCOMPARE(read.params.at(0).name.isNull(), summaryName == QByteArray::fromHex("ffffffff"));
        QCOMPARE(read.params.at(0).lofHigh, 10800u);
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
