// The built-in satellite data: the generator over a small folder of scan
// files (both file forms, the id table and satellites it lacks), the reader,
// and that the built-in data are exactly what the development database serves.
#include "TestDatabase.h"
#include "db/BuiltInSatellites.h"
#include "db/ImportRows.h"
#include "db/SqlHandler.h"
#include "model/LnbBands.h"
#include "model/OrbitalPositions.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString tool = QStringLiteral(FENZO_SOURCE_DIR "/tools/satellites/satellite-data");

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the generator; its standard error (the warnings) is returned.
QByteArray generate(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("python3"), QStringList{tool} + arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning() << "satellite-data failed:" << process.readAllStandardError();
        return QByteArrayLiteral("FAILED");
    }
    return process.readAllStandardError();
}

} // namespace

class TestBuiltInSatellites : public QObject
{
    Q_OBJECT

private slots:
    void generatorKeepsIdsAndNamesTheMissing();
    void damagedDataAreRefused_data();
    void damagedDataAreRefused();
    void builtInDataAreTheDatabasesData();
    void builtInDataAgreeWithTheIdTable();
    void generatorGroupsAsTheProgramDoes_data();
    void generatorGroupsAsTheProgramDoes();
    void generatorAndImportTakeTheProgramsOscillators();
};

void TestBuiltInSatellites::generatorKeepsIdsAndNamesTheMissing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString scans = dir.filePath(QStringLiteral("dvb-s"));
    QVERIFY(QDir().mkpath(scans));
    // Blocks per channel repeat a transponder; C band and Ka band are left out.
    write(scans + QStringLiteral("/Astra-28.2E"),
          "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n\tFREQUENCY = 11307000\n"
          "\tPOLARIZATION = HORIZONTAL\n[Two]\n\tFREQUENCY = 11307000\n"
          "\tPOLARIZATION = VERTICAL\n[Three]\n\tFREQUENCY = 11307000\n"
          "\tPOLARIZATION = VERTICAL\n[C]\n\tFREQUENCY = 3900000\n"
          "\tPOLARIZATION = HORIZONTAL\n");
    write(scans + QStringLiteral("/Thor-0.8W"),
          "# one-line form\nS 12015000 H 27500000 3/4\nS1 11216000 V 24500000 7/8\n");
    write(scans + QStringLiteral("/Intelsat-34-55.5W"), "S 11800000 V 27500000 3/4\n");
    write(scans + QStringLiteral("/Ka-Only-9.0E"), "S 19700000 V 27500000 3/4\n");
    const QString ids = dir.filePath(QStringLiteral("ids.tsv"));
    write(ids, "# comment\n7\tThor 0.8W\n");
    const QString out = dir.filePath(QStringLiteral("satellites.tsv"));

    const QByteArray warning =
        generate({QStringLiteral("--ids"), ids, QStringLiteral("builtin"), scans, out});
    QVERIFY2(warning.contains("Astra 28.2E") && warning.contains("Intelsat 34 55.5W") &&
                 warning.contains("add-ids") && !warning.contains("Thor"),
             warning.constData());
    BuiltInSatellites::Data data = BuiltInSatellites::load(out);
    QVERIFY2(data.reason.isEmpty(), qPrintable(data.reason));
    QCOMPARE(data.params.size(), 3);
    QCOMPARE(data.params[0].name, QStringLiteral("Astra 28.2E"));
    QCOMPARE(data.params[0].satId, 0u); // not in the table: never sendable
    QCOMPARE(data.params[2].satId, 7u);
    QCOMPARE(data.params[2].lofLow, 9750u);
    QCOMPARE(data.params[2].lofHigh, 10600u);
    const QVector<TransponderItem> astra = data.items.at(QStringLiteral("Astra 28.2E"));
    QCOMPARE(astra.size(), 2);
    QVERIFY(astra[0].horizontal() && !astra[1].horizontal());
    QCOMPARE(astra[1].frequency, 11307u);
    QCOMPARE(astra[1].transponder, 2u);

    // The missing satellites get ids by a commit of the table: a position seen
    // from Europe the lowest free id up to 127, another one an id above 127;
    // what the table held stays as it was.
    QCOMPARE(generate({QStringLiteral("--ids"), ids, QStringLiteral("add-ids"), scans}), QByteArray());
    QCOMPARE(read(ids), QByteArray("# comment\n7\tThor 0.8W\n1\tAstra 28.2E\n128\tIntelsat 34 55.5W\n"));
    QCOMPARE(generate({QStringLiteral("--ids"), ids, QStringLiteral("builtin"), scans, out}), QByteArray());
    data = BuiltInSatellites::load(out);
    QCOMPARE(data.params[0].satId, 1u);
    QCOMPARE(data.params[1].satId, 128u);
}

void TestBuiltInSatellites::damagedDataAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QString damaged = QStringLiteral("The built-in satellite data are damaged (line %1).");
    QTest::newRow("row before its satellite")
        << QByteArray("D\t2019-09-25\nT\t1\t11307\tH\t9750\n") << damaged.arg(2);
    QTest::newRow("letters for a number")
        << QByteArray("S\t1\tA 1.0E\nT\t1\t113O7\tH\t9750\n") << damaged.arg(2);
    QTest::newRow("satellite twice") << QByteArray("S\t1\tA 1.0E\nS\t2\tA 1.0E\n") << damaged.arg(2);
    QTest::newRow("bad date") << QByteArray("D\t2019-13-45\n") << damaged.arg(1);
    QTest::newRow("no satellites") << QByteArray("# none\n")
                                   << QStringLiteral("This program was built without satellite data.");
}

void TestBuiltInSatellites::damagedDataAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("satellites.tsv"));
    write(path, bytes);
    const BuiltInSatellites::Data data = BuiltInSatellites::load(path);
    QCOMPARE(data.reason, reason);
    QVERIFY(data.items.empty() && data.params.isEmpty());
}

// The development database's real set and the program's built-in data come
// from one generator: a download of the one is the other, row for row.
void TestBuiltInSatellites::builtInDataAreTheDatabasesData()
{
    if (TestDatabase::port() <= 0)
        QSKIP("runs with the real set on a server of its own (ctest: builtin_satellites_match_database)");
    const BuiltInSatellites::Data builtIn = BuiltInSatellites::load();
    QVERIFY2(builtIn.reason.isEmpty(), qPrintable(builtIn.reason));
    QVERIFY(builtIn.date.isValid());
    const SqlHandler::Download download = SqlHandler::download(TestDatabase::fixtureConnection());
    QVERIFY2(download.complete, qPrintable(download.reason));
    QCOMPARE(builtIn.params, download.tables.params);
    QVERIFY(builtIn.items == download.tables.items);
    QVERIFY(builtIn.params.size() > 140);
}

// The program carries the id table apart from the data: both come from the
// same committed file, so the data it is built with never differ from it.
void TestBuiltInSatellites::builtInDataAgreeWithTheIdTable()
{
    const SatelliteIdTable ids = BuiltInSatellites::idTable();
    QVERIFY(ids.size() > 250);
    QCOMPARE(ids.idOf(QStringLiteral("Astra 19.2E")), 9u);
    const BuiltInSatellites::Data builtIn = BuiltInSatellites::load();
    if (!builtIn.reason.isEmpty())
        QSKIP("built without satellite data");
    std::map<QString, QVector<TransponderItem>> items = builtIn.items;
    // As the program takes them in: positions answer to their spacecraft's ids.
    const SatelliteCatalogue catalogue =
        OrbitalPositions::withTableIds(SatelliteCatalogue(std::move(items), builtIn.params), ids);
    QCOMPARE(ids.differences(catalogue), QStringList());
    QCOMPARE(catalogue.findSateliteById(10)->name, QStringLiteral("Astra 19.2E"));
    QCOMPARE(catalogue.findSateliteById(62)->name, QStringLiteral("Hotbird 13.0E"));
    // Every position a dish in Europe sees can take a static UB.
    for (const SateliteParams &satellite : catalogue.satellites()) {
        const int at = OrbitalPositions::position(satellite.name).value_or(9999);
        if (at >= -450 && at <= 700)
            QVERIFY2(satellite.satId >= 1 && satellite.satId <= 127, qPrintable(satellite.name));
    }
    QVERIFY(catalogue.transponders(QStringLiteral("Astra 19.2E")).size() > 100);
    // Ids answer at the nearest position on either side, spacecraft join the
    // position of their west-most neighbour: for every id of the table both
    // rules give one position.
    SatelliteCatalogue::Transponders noRows;
    QVector<SateliteParams> spacecraft;
    for (const auto &entry : ids.entries()) {
        noRows[entry.second] = {};
        spacecraft.append({entry.second, entry.first, 0, 0});
    }
    const SatelliteCatalogue grouped = OrbitalPositions::group(SatelliteCatalogue(noRows, spacecraft));
    for (const auto &entry : ids.entries()) {
        const SateliteParams *answering = catalogue.findSateliteById(entry.first);
        if (!answering)
            continue;
        QVERIFY2(OrbitalPositions::position(answering->name) ==
                     OrbitalPositions::position(grouped.findSateliteById(entry.first)->name),
                 qPrintable(entry.second + " answers as " + answering->name));
    }
}

void TestBuiltInSatellites::generatorGroupsAsTheProgramDoes_data()
{
    QTest::addColumn<QString>("scans");
    QTest::newRow("merges") << QString();
    if (QFileInfo(QStringLiteral("/usr/share/dvb/dvb-s")).isDir())
        QTest::newRow("real scan tables") << QStringLiteral("/usr/share/dvb/dvb-s");
}

// The generator's positions are the program's grouping of the generator's
// spacecraft, row for row: one rule in both.
void TestBuiltInSatellites::generatorGroupsAsTheProgramDoes()
{
    QFETCH(QString, scans);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (scans.isEmpty()) {
        scans = dir.filePath(QStringLiteral("dvb-s"));
        QVERIFY(QDir().mkpath(scans));
        write(scans + QStringLiteral("/Astra-19.2E"), "S 11362000 H 22000000 2/3\n");
        write(scans + QStringLiteral("/Astra-1KR-19.2E"),
              "S 11363000 H 22000000 2/3\nS 11494000 H 22000000 2/3\nS 11494000 V 22000000 2/3\n");
        write(scans + QStringLiteral("/Nilesat-201-7.0W"),
              "S 10719000 V 27500000 3/4\nS 10758000 V 27500000 3/4\n");
        write(scans + QStringLiteral("/Eutelsat-7-West-A-7.3W"), "S 12092000 H 27500000 3/4\n");
        write(scans + QStringLiteral("/Al-Yah-1-52.5E"), "S 11785000 H 27500000 3/4\n");
        write(scans + QStringLiteral("/Express-AM6-53.0E"), "S 10971000 V 27500000 3/4\n");
    }
    const QString positions = dir.filePath(QStringLiteral("positions.tsv"));
    const QString spacecraft = dir.filePath(QStringLiteral("spacecraft.tsv"));
    QVERIFY(generate({QStringLiteral("builtin"), scans, positions}) != "FAILED");
    QVERIFY(generate({QStringLiteral("spacecraft"), scans, spacecraft}) != "FAILED");
    BuiltInSatellites::Data grouped = BuiltInSatellites::load(positions);
    BuiltInSatellites::Data single = BuiltInSatellites::load(spacecraft);
    QVERIFY2(grouped.reason.isEmpty() && single.reason.isEmpty(), qPrintable(grouped.reason + single.reason));
    const SatelliteCatalogue ours =
        OrbitalPositions::group(SatelliteCatalogue(std::move(single.items), single.params));
    QCOMPARE(ours.satellites(), grouped.params);
    QVERIFY(ours.allTransponders() == grouped.items);
    QVERIFY(ours.satelliteCount() < int(single.params.size()));
}

// The generator says the program's oscillator rule again in its own words:
// both sides of the band edge and both ends of the band agree, and so do an
// import's rows and the summaries.
void TestBuiltInSatellites::generatorAndImportTakeTheProgramsOscillators()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString scans = dir.filePath(QStringLiteral("dvb-s"));
    QVERIFY(QDir().mkpath(scans));
    // 11699.6 MHz rounds to 11700 MHz, the first of the high band.
    const QList<std::pair<qint64, char>> kHz{
        {10700000, 'H'}, {11699000, 'H'}, {11699600, 'V'}, {12750000, 'H'}};
    QByteArray table;
    ImportRows imported;
    QCOMPARE(imported.begin(QStringLiteral("Edge 1.0W")), QString());
    for (const auto &each : kHz) {
        table += "S " + QByteArray::number(each.first) + ' ' + each.second + " 27500000 3/4\n";
        QCOMPARE(imported.add(each.first, Polarisation::fromText(QString(QChar(each.second)))), QString());
    }
    write(scans + QStringLiteral("/Edge-1.0W"), table);
    write(scans + QStringLiteral("/Low-2.0W"), "S 11000000 V 27500000 3/4\n");
    write(scans + QStringLiteral("/High-3.0W"), "S 12000000 V 27500000 3/4\n");
    const QString out = dir.filePath(QStringLiteral("satellites.tsv"));
    QVERIFY(generate({QStringLiteral("builtin"), scans, out}) != "FAILED");
    const BuiltInSatellites::Data data = BuiltInSatellites::load(out);
    QVERIFY2(data.reason.isEmpty(), qPrintable(data.reason));
    QCOMPARE(data.params.size(), 3);
    for (const SateliteParams &params : data.params) {
        const QVector<TransponderItem> &rows = data.items.at(params.name);
        for (const TransponderItem &row : rows)
            QCOMPARE(row.oscillatorFrequency, LnbBands::universalOscillator(row.frequency));
        QCOMPARE(params, LnbBands::withOscillators(params, rows));
    }
    const QVector<TransponderItem> edge = data.items.at(QStringLiteral("Edge 1.0W"));
    const QVector<TransponderItem> importedEdge = imported.result().at(QStringLiteral("Edge 1.0W"));
    QCOMPARE(edge.size(), importedEdge.size());
    for (int i = 0; i < edge.size(); ++i) {
        QCOMPARE(importedEdge.at(i).frequency, edge.at(i).frequency);
        QCOMPARE(importedEdge.at(i).oscillatorFrequency, edge.at(i).oscillatorFrequency);
    }
    QCOMPARE(edge.at(1).oscillatorFrequency, 9750u);
    QCOMPARE(edge.at(2).frequency, 11700u);
    QCOMPARE(edge.at(2).oscillatorFrequency, 10600u);
}

QTEST_GUILESS_MAIN(TestBuiltInSatellites)
#include "tst_builtinsatellites.moc"
