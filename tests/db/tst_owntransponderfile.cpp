// The file of the user's own transponders, and how the handler adds them to
// the data it takes in.
#include "CacheFile.h"
#include "TestDatabase.h"
#include "db/OwnTransponderFile.h"
#include "db/SqlHandler.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString name = QStringLiteral("Hotbird 13.0E");

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

class OwnTransponderFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path() const { return OwnTransponderFile::pathIn(dir.path()); }

private slots:
    void cleanup() { QFile::remove(path()); }

    void missingFileIsNoTransponder()
    {
        OwnTransponders own;
        QVERIFY(own.add({name, 11000, Polarisation::H}));
        QString reason;
        QVERIFY(OwnTransponderFile(path()).read(&own, &reason));
        QVERIFY(own.isEmpty());
    }

    void writtenForTheOwnerOnlyAndReadBack()
    {
        OwnTransponders own;
        QVERIFY(own.add({name, 11000, Polarisation::H}));
        QVERIFY(own.add({name, 12750, Polarisation::R}));
        QString reason;
        QVERIFY2(OwnTransponderFile(path()).write(own, &reason), qPrintable(reason));
        QCOMPARE(QFileInfo(path()).permissions() & 0xF0FF, QFile::ReadOwner | QFile::WriteOwner);
        OwnTransponders read;
        QVERIFY2(OwnTransponderFile(path()).read(&read, &reason), qPrintable(reason));
        QCOMPARE(read, own);
    }

    void badFilesNameThePathAndGiveNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("other text") << QByteArray("hello\n") << "does not begin with";
        QTest::newRow("too large") << QByteArray(int(OwnTransponders::maxFileBytes) + 1, '#') << "larger than 262144 bytes";
    }

    void badFilesNameThePathAndGiveNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QVERIFY(writeBytes(path(), bytes));
        OwnTransponders own;
        QString said;
        QVERIFY(!OwnTransponderFile(path()).read(&own, &said));
        QVERIFY2(said.contains(path()) && said.contains(reason), qPrintable(said));
        QVERIFY(own.isEmpty());
    }

    // The offline cache's data get the own transponders; the file's changes
    // are taken in again, and a damaged file adds none and is named.
    void handlerAddsThemToTheDataItTakes()
    {
        CacheFile::Satelites satellites;
        satellites[name] = {{1, 10719, Polarisation::V, 9750, 2}, {2, 11900, Polarisation::H, 10600, 2}};
        QVERIFY(CacheFile::writeCacheFile(dir.path(), satellites, {{name, 2, 9750, 10600}}));
        OwnTransponders own;
        QVERIFY(own.add({name, 12500, Polarisation::V}));
        QString reason;
        QVERIFY(OwnTransponderFile(path()).write(own, &reason));

        SqlHandler handler(TestDatabase::unreachableConnection(), dir.path(), &QDateTime::currentDateTime,
                           [] { return BuiltInSatellites::Data(); });
        QCOMPARE(handler.ownTransponderPath(), path());
        QVERIFY(handler.loadLocalData());
        const QVector<TransponderItem> withOwn{{1, 10719, Polarisation::V, 9750, 2},
                                               {2, 11900, Polarisation::H, 10600, 2},
                                               {3, 12500, Polarisation::V, 10600, 2}};
        QCOMPARE(handler.catalogue()->transponders(name), withOwn);
        QCOMPARE(handler.ownTransponders(), own);

        QVERIFY(writeBytes(path(), "damaged\n"));
        QVERIFY(handler.reloadOwnTransponders());
        QCOMPARE(handler.catalogue()->transponders(name), satellites[name]);
        QVERIFY(handler.ownTransponderProblem().contains(path()));
        QVERIFY(!handler.reloadOwnTransponders());
        QVERIFY(QFile::remove(path()));
        QVERIFY(!handler.reloadOwnTransponders());
        QCOMPARE(handler.ownTransponderProblem(), QString());
    }
};

QTEST_GUILESS_MAIN(OwnTransponderFileTest)
#include "tst_owntransponderfile.moc"
