// Importing satellite data from a receiver's satellites.xml and from the
// dvb-s scan tables: what the readers take and refuse, the ids the
// positions get, the file kept beside the offline cache and which data the
// handler uses.
#include "CacheFile.h"
#include "TestDatabase.h"
#include "db/BuiltInSatellites.h"
#include "db/SatelliteImport.h"
#include "db/SatellitesXmlReader.h"
#include "db/SqlHandler.h"
#include "model/OrbitalPositions.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const QByteArray astraXml = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<satellites>
  <sat name="Astra 1KR/1L/1M/1N (19.2E)" flags="0" position="192">
    <transponder frequency="11362000" symbol_rate="22000000" polarization="0" fec_inner="2"/>
    <transponder frequency="12515000" symbol_rate="22000000" polarization="1" fec_inner="2"/>
    <transponder frequency="12515000" symbol_rate="22000000" polarization="1" fec_inner="2"/>
    <transponder frequency="3800000" symbol_rate="27500000" polarization="0"/>
  </sat>
  <sat name="Testsat 9A" flags="0" position="-1755">
    <transponder frequency="11471000000" symbol_rate="27500000" polarization="2"/>
    <transponder frequency="12000000000" symbol_rate="27500000" polarization="3"/>
  </sat>
</satellites>
)xml";

const QByteArray hotbirdTable = R"(# Hotbird 13.0E
[CHANNEL]
	DELIVERY_SYSTEM = DVBS2
	FREQUENCY = 10719000
	POLARIZATION = VERTICAL
	SYMBOL_RATE = 27500000

[Some channel]
	FREQUENCY = 11034000
	POLARIZATION = HORIZONTAL
)";

// As receivers list it: the scan tables have Eutelsat 36B at 35.9E and
// Express AMU1 at 36.1E.
const QByteArray eutelsatXml = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<satellites>
  <sat name="Eutelsat 36B (36.0E)" flags="0" position="360">
    <transponder frequency="11727000" symbol_rate="27500000" polarization="1"/>
    <transponder frequency="12226000" symbol_rate="27500000" polarization="0"/>
  </sat>
</satellites>
)xml";

const QByteArray oneLineTable = "# old form\nS 11766000 H 27500000 2/3\nS1 12380000 V 27500000 3/4\n";

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList rowsOf(const QVector<TransponderItem> &rows)
{
    QStringList shown;
    for (const TransponderItem &row : rows)
        shown << QStringLiteral("%1%2/%3")
                     .arg(row.frequency)
                     .arg(row.polarisation.letter())
                     .arg(row.oscillatorFrequency);
    return shown;
}
} // namespace

class SatelliteImportTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        return writeFile(path, bytes) ? path : QString();
    }

private slots:
    // Each format: the spacecraft's name and its Ku-band rows, each once.
    void readsEachFormat_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("spacecraft");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("satellites.xml, kHz") << "satellites.xml" << astraXml << "Astra 1KR/1L/1M/1N 19.2E"
                                             << QStringList{"11362H/9750", "12515V/10600"};
        QTest::newRow("satellites.xml, Hz, circular, west")
            << "satellites.xml" << astraXml << "Testsat 9A 175.5W"
            << QStringList{"11471L/9750", "12000R/10600"};
        QTest::newRow("scan table blocks") << "Hotbird-13B-13.0E" << hotbirdTable << "Hotbird 13B 13.0E"
                                           << QStringList{"10719V/9750", "11034H/9750"};
        QTest::newRow("scan table one-line form")
            << "Thor-5-0.8W" << oneLineTable << "Thor 5 0.8W" << QStringList{"11766H/10600", "12380V/10600"};
    }
    void readsEachFormat()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, spacecraft);
        QFETCH(QStringList, rows);
        QString reason;
        const ImportRows::Spacecraft read = SatelliteImport::readSpacecraft(file(fileName, bytes), &reason);
        QVERIFY2(reason.isEmpty(), qPrintable(reason));
        QStringList names;
        for (const auto &entry : read)
            names << entry.first;
        QVERIFY2(read.count(spacecraft) == 1, qPrintable(names.join(", ")));
        QCOMPARE(rowsOf(read.at(spacecraft)), rows);
    }

    // A name that carries the position gives it up for the position as the
    // scan tables write it; a spacecraft's own letters stay.
    void spacecraftNameFromTheXml_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("spacecraft");
        QTest::newRow("before") << "19.2E Astra 1KR/1L" << 192 << "Astra 1KR/1L 19.2E";
        QTest::newRow("in brackets") << "Hot Bird 13B/13C/13E (13.0E)" << 130 << "Hot Bird 13B/13C/13E 13.0E";
        QTest::newRow("after") << "Thor 5/6/7 0.8W" << -8 << "Thor 5/6/7 0.8W";
        QTest::newRow("west in a name") << "Eutelsat 7 West A" << -73 << "Eutelsat 7 West A 7.3W";
        QTest::newRow("none") << "" << 0 << "0.0E";
        // As a file declared UTF-7 gives them: a half pair cannot be cached.
        QTest::newRow("half a surrogate pair")
            << QStringLiteral("Astra%1 1KR").arg(QChar(0xDADA)) << 192 << "Astra 1KR 19.2E";
        QTest::newRow("a high half at the end")
            << QStringLiteral("Astra%1").arg(QChar(0xD83D)) << 192 << "Astra 19.2E";
        QTest::newRow("a whole pair stays")
            << QString::fromUtf8(u8"Sat \U0001F6F0") << 192 << QString::fromUtf8(u8"Sat \U0001F6F0 19.2E");
    }
    void spacecraftNameFromTheXml()
    {
        QFETCH(QString, name);
        QFETCH(int, tenths);
        QFETCH(QString, spacecraft);
        QCOMPARE(SatellitesXmlReader::spacecraftName(name, tenths), spacecraft);
    }

    // A file that is not one of the formats, or holds no satellite, is
    // refused with the reason.
    void refusesBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << "no satellite";
        QTest::newRow("binary") << QByteArray("\x7f"
                                              "ELF\x02\x01\x01\0\0\0",
                                              10)
                                << "no satellite";
        QTest::newRow("other XML") << QByteArray("<html><body/></html>") << "neither a satellites.xml";
        QTest::newRow("document type")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE s [<!ENTITY a \"aaaa\">]><satellites/>")
            << "document type";
        QTest::newRow("cut off") << astraXml.left(300) << "XML is broken";
        QTest::newRow("no sat") << QByteArray("<satellites></satellites>") << "no satellite";
        QTest::newRow("bad position")
            << QByteArray("<satellites><sat name=\"X\" position=\"east\"/></satellites>") << "position";
        QTest::newRow("bad polarisation")
            << QByteArray("<satellites><sat name=\"X\" position=\"130\">"
                          "<transponder frequency=\"11000000\" polarization=\"7\"/>"
                          "</sat></satellites>")
            << "polarisation";
        QTest::newRow("long name") << QByteArray("<satellites><sat name=\"" + QByteArray(80, 'x') +
                                                 "\" position=\"130\"/></satellites>")
                                   << "longer than 64";
    }
    void refusesBrokenFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QString why;
        QVERIFY(SatelliteImport::readSpacecraft(file("broken", bytes), &why).empty());
        QVERIFY2(why.contains(reason), qPrintable(why));
    }

    // More than the limits allow is refused as a whole.
    void refusesMoreThanTheLimits()
    {
        ImportRows::Limits limits;
        limits.rowsPerSpacecraft = 1;
        QString why;
        QVERIFY(
            SatelliteImport::readSpacecraft(file("Hotbird-13B-13.0E", hotbirdTable), &why, limits).empty());
        QVERIFY2(why.contains("more than 1 transponders"), qPrintable(why));
        limits = ImportRows::Limits();
        limits.fileBytes = 10;
        why.clear();
        QVERIFY(SatelliteImport::readSpacecraft(dir.filePath("Hotbird-13B-13.0E"), &why, limits).empty());
        QVERIFY2(why.contains("larger than"), qPrintable(why));
        why.clear();
        QVERIFY(SatelliteImport::readSpacecraft(dir.filePath("missing.xml"), &why).empty());
        QVERIFY2(why.contains("missing.xml cannot be read"), qPrintable(why));
    }

    // Positions as everywhere: known ones keep the table's id, a new one
    // gets the next free id, kept for the next import; a refused file
    // changes nothing.
    void importKeepsIdsAndRefusalsChangeNothing()
    {
        QTemporaryDir cache;
        const SatelliteIdTable committed = BuiltInSatellites::idTable();
        QVERIFY(!committed.isEmpty());
        const QDateTime now(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
        const QString xml = file("satellites.xml", astraXml);
        QCOMPARE(SatelliteImport::run(xml, cache.path(), committed, now), QString());

        SatelliteImport::Data data = SatelliteImport::load(cache.path());
        QCOMPARE(data.source, QFileInfo(xml).absoluteFilePath());
        QCOMPARE(data.imported, now);
        QCOMPARE(int(data.items.size()), 2);
        QCOMPARE(data.params.at(0).name, QString("Astra 19.2E"));
        QCOMPARE(data.params.at(0).satId, committed.idOf("Astra 19.2E"));
        QCOMPARE(data.params.at(0).lofHigh, 10600u);
        const quint32 newId = data.params.at(1).satId;
        QCOMPARE(data.params.at(1).name, QString("Testsat 175.5W"));
        QVERIFY(newId > 127);
        QVERIFY(committed.idOf(data.params.at(1).name) == 0);
        QCOMPARE(rowsOf(data.items.at("Testsat 175.5W")), (QStringList{"11471L/9750", "12000R/10600"}));
        QCOMPARE(data.items.at("Testsat 175.5W").at(0).satId, newId);

        const QByteArray ids = fileBytes(SatelliteImport::idTablePath(cache.path()));
        QCOMPARE(ids, QByteArray::number(newId) + "\tTestsat 175.5W\n");
        QCOMPARE(SatelliteImport::run(xml, cache.path(), committed, now.addDays(1)), QString());
        QCOMPARE(fileBytes(SatelliteImport::idTablePath(cache.path())), ids);
        QCOMPARE(SatelliteImport::load(cache.path()).params.at(1).satId, newId);

        const QByteArray kept = fileBytes(SatelliteImport::dataPath(cache.path()));
        const QString refused = SatelliteImport::run(file("bad.xml", "<satellites><sat"), cache.path(),
                                                     committed, now.addDays(2));
        QVERIFY2(refused.contains("cannot be imported"), qPrintable(refused));
        QCOMPARE(fileBytes(SatelliteImport::dataPath(cache.path())), kept);
        QCOMPARE(fileBytes(SatelliteImport::idTablePath(cache.path())), ids);
    }

    // The data in use: the newer of the import and the offline cache; the
    // import's source is told.
    void newerOfImportAndCache_data()
    {
        QTest::addColumn<int>("importDays");
        QTest::addColumn<bool>("importUsed");
        QTest::newRow("import newer") << 1 << true;
        QTest::newRow("cache newer") << -1 << false;
    }
    void newerOfImportAndCache()
    {
        QFETCH(int, importDays);
        QFETCH(bool, importUsed);
        QTemporaryDir cache;
        QVERIFY(CacheFile::writeCacheFile(
            cache.path(), {{"Cached 1.0E", {TransponderItem{1, 11000, Polarisation::H, 9750, 1}}}},
            {SateliteParams{"Cached 1.0E", 1, 9750, 0}}));
        const QDateTime imported = QDateTime::currentDateTime().addDays(importDays);
        QCOMPARE(SatelliteImport::run(file("satellites.xml", astraXml), cache.path(),
                                      BuiltInSatellites::idTable(), imported),
                 QString());
        SqlHandler handler(
            TestDatabase::unreachableConnection(), cache.path(), [imported] { return imported; },
            [] { return BuiltInSatellites::Data(); });
        QVERIFY(handler.loadLocalData());
        QCOMPARE(handler.source() == SqlHandler::Source::Import, importUsed);
        QCOMPARE(handler.catalogue()->findSatelite("Astra 19.2E") != nullptr, importUsed);
        if (importUsed) {
            QCOMPARE(handler.importSource(), dir.filePath("satellites.xml"));
            QCOMPARE(handler.dataDate(), imported.date());
        }
    }

    // An import takes effect at once; one refused leaves the data in use.
    void handlerImportsAndRefuses()
    {
        QTemporaryDir cache;
        SqlHandler handler(TestDatabase::unreachableConnection(), cache.path());
        QVERIFY(handler.loadLocalData());
        QCOMPARE(handler.source(), SqlHandler::Source::BuiltIn);
        QVERIFY(!handler.importFrom(file("empty.xml", "<satellites/>")).isEmpty());
        QCOMPARE(handler.source(), SqlHandler::Source::BuiltIn);
        QVERIFY(!QFile::exists(SatelliteImport::dataPath(cache.path())));
        QCOMPARE(handler.importFrom(file("Hotbird-13B-13.0E", hotbirdTable)), QString());
        QCOMPARE(handler.source(), SqlHandler::Source::Import);
        QCOMPARE(handler.catalogue()->satelliteNames(), QStringList{"Hotbird 13.0E"});
        // Sent with the lowest id of its spacecraft, as the built-in data.
        QCOMPARE(handler.catalogue()->findSatelite("Hotbird 13.0E")->satId,
                 BuiltInSatellites::idTable().idOf("Hotbird 13B 13.0E"));
    }

    // A receiver's 36.0E is the built-in data's Eutelsat 35.9E: it takes
    // that position's id, so a switch programmed with the built-in data
    // reads back, and a plan on the built-in name finds it and says so.
    void importAtATenthEastTakesTheBuiltInId()
    {
        QTemporaryDir cache;
        const SatelliteIdTable committed = BuiltInSatellites::idTable();
        const quint32 builtInId = committed.idOf("Eutelsat 36B 35.9E");
        QCOMPARE(builtInId, 35u);
        SqlHandler handler(TestDatabase::unreachableConnection(), cache.path());
        QVERIFY(handler.loadLocalData());
        if (handler.source() == SqlHandler::Source::BuiltIn)
            QCOMPARE(handler.catalogue()->findSatelite("Eutelsat 35.9E")->satId, builtInId);
        QCOMPARE(handler.importFrom(file("satellites.xml", eutelsatXml)), QString());

        const SatelliteCatalogue &data = *handler.catalogue();
        QCOMPARE(data.satelliteNames(), QStringList{"Eutelsat 36.0E"});
        QCOMPARE(data.findSatelite("Eutelsat 36.0E")->satId, builtInId);
        // What reading a static word does: the satellite by id, the row by
        // frequency and polarisation; Express AMU1's id answers too.
        for (const quint32 id : {builtInId, committed.idOf("Express AMU1 36.1E")}) {
            const SateliteParams *found = data.findSateliteById(id);
            QVERIFY(found);
            QCOMPARE(found->name, QStringLiteral("Eutelsat 36.0E"));
        }
        QVERIFY(data.findTransponderByFrequency("Eutelsat 36.0E", 11727, false));
        QCOMPARE(SatelliteIdTable::differencesMessage(committed.differences(data)), QString());

        QString lnb1 = QStringLiteral("Eutelsat 35.9E");
        QString lnb2;
        const QString moved = OrbitalPositions::movePlan(lnb1, lnb2, data);
        QVERIFY2(moved.contains("Eutelsat 35.9E is now Eutelsat 36.0E"), qPrintable(moved));
        QCOMPARE(lnb1, QStringLiteral("Eutelsat 36.0E"));
    }

    // An id the user's table gave keeps its meaning for the user when a
    // later program's table gives it to another position; the numbering
    // note names both sides.
    void userIdsKeepTheirMeaning()
    {
        QTemporaryDir cache;
        QVERIFY(writeFile(SatelliteImport::idTablePath(cache.path()), "115\tFoo 20.0E"));
        const SatelliteIdTable committed = SatelliteIdTable::parse("9\tAstra 19.2E\n115\tBar 50.0E\n");
        const QByteArray xml = "<satellites>"
                               "<sat name=\"Foo\" position=\"200\">"
                               "<transponder frequency=\"11000000\" polarization=\"0\"/></sat>"
                               "<sat name=\"Bar\" position=\"500\">"
                               "<transponder frequency=\"12000000\" polarization=\"1\"/></sat>"
                               "</satellites>";
        const QDateTime now(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
        QCOMPARE(SatelliteImport::run(file("two.xml", xml), cache.path(), committed, now), QString());

        const SatelliteImport::Data data = SatelliteImport::load(cache.path());
        std::map<QString, quint32> ids;
        for (const SateliteParams &params : data.params)
            ids[params.name] = params.satId;
        QCOMPARE(ids.at("Foo 20.0E"), 115u);
        QCOMPARE(ids.at("Bar 50.0E"), 1u);
        QCOMPARE(fileBytes(SatelliteImport::idTablePath(cache.path())),
                 QByteArray("115\tFoo 20.0E\n1\tBar 50.0E\n"));

        const SatelliteCatalogue catalogue(data.items, data.params);
        QCOMPARE(committed.differences(catalogue),
                 (QStringList{"Bar 50.0E (id 1 here, 115 in the program's table)",
                              "Foo 20.0E (id 115, which the program's table gives to Bar 50.0E)"}));
    }

#ifdef FENZO_SCAN_TABLES
    // The whole dvb-s folder gives what the generator of the built-in data
    // makes of it: the same rule, in C++.
    void scanTableFolderGivesTheBuiltInData()
    {
        if (!QFileInfo(FENZO_SCAN_TABLES).isDir())
            QSKIP("no scan tables on this machine");
        QString reason;
        const ImportRows::Spacecraft spacecraft = SatelliteImport::readSpacecraft(FENZO_SCAN_TABLES, &reason);
        QVERIFY2(reason.isEmpty(), qPrintable(reason));
        QByteArray added;
        const SatelliteImport::Data data =
            SatelliteImport::positions(spacecraft, BuiltInSatellites::idTable(), &added);
        const BuiltInSatellites::Data builtIn = BuiltInSatellites::load();
        if (builtIn.items.empty())
            QSKIP("built without satellite data");
        QCOMPARE(data.items.size(), builtIn.items.size());
        for (const auto &entry : builtIn.items) {
            QVERIFY2(data.items.count(entry.first), qPrintable(entry.first));
            QCOMPARE(rowsOf(data.items.at(entry.first)), rowsOf(entry.second));
        }
        QCOMPARE(data.params.size(), builtIn.params.size());
        for (int i = 0; i < data.params.size(); ++i)
            QCOMPARE(data.params.at(i).satId, builtIn.params.at(i).satId);
    }
#endif
};

QTEST_GUILESS_MAIN(SatelliteImportTest)
#include "tst_satelliteimport.moc"
