// The program's satellite id table against data sets that number satellites
// their own way: a switch's static words name satellites by id alone.
#include "model/SatelliteIdTable.h"

#include <QtTest>

Q_DECLARE_METATYPE(QVector<SateliteParams>)

namespace {
SatelliteIdTable table()
{
    return SatelliteIdTable::parse("# id<TAB>name\n"
                                   "9\tAstra 19.2E\n"
                                   "59\tHotbird 13.0E\n"
                                   "1\tABS 3A 3.0W\n"
                                   "no id\tBroken\n"
                                   "9\tAstra again\n"
                                   "70\tAstra 19.2E\n"
                                   "\n"
                                   "  15\tAstra 28.2E  \r\n");
}

SatelliteCatalogue data(const QVector<SateliteParams> &satellites)
{
    SatelliteCatalogue::Transponders rows;
    for (const SateliteParams &satellite : satellites)
        rows[satellite.name] = {{1, 11000, Polarisation::H, 9750, satellite.satId}};
    return SatelliteCatalogue(rows, satellites);
}
} // namespace

class SatelliteIdTableTest : public QObject
{
    Q_OBJECT

private slots:
    // Comments, lines of another form and second uses of an id or a name are
    // passed over.
    void parse()
    {
        const SatelliteIdTable ids = table();
        QCOMPARE(ids.size(), 4);
        QCOMPARE(ids.idOf(QStringLiteral("Astra 19.2E")), 9u);
        QCOMPARE(ids.idOf(QStringLiteral("Astra 28.2E")), 15u);
        QCOMPARE(ids.idOf(QStringLiteral("Astra again")), 0u);
        QCOMPARE(ids.idOf(QStringLiteral("Broken")), 0u);
    }

    void differences_data()
    {
        QTest::addColumn<QVector<SateliteParams>>("satellites");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("the table's own ids")
            << QVector<SateliteParams>{{"Astra 19.2E", 9, 9750, 10600}, {"Hotbird 13.0E", 59, 9750, 10600}}
            << QStringList();
        QTest::newRow("another id for a name")
            << QVector<SateliteParams>{{"Astra 19.2E", 1, 9750, 10600}}
            << QStringList{"Astra 19.2E (id 1 here, 9 in the program's table)"};
        QTest::newRow("a table id for another name")
            << QVector<SateliteParams>{{"Eutelsat 9.0E", 9, 9750, 10600}}
            << QStringList{"Eutelsat 9.0E (id 9, which the program's table gives to Astra 19.2E)"};
        QTest::newRow("no id, or one the table does not give")
            << QVector<SateliteParams>{{"Astra 19.2E", 0, 9750, 10600}, {"New 1.0W", 120, 9750, 10600}}
            << QStringList();
    }

    void differences()
    {
        QFETCH(QVector<SateliteParams>, satellites);
        QFETCH(QStringList, found);
        QCOMPARE(table().differences(data(satellites)), found);
    }

    // A read names the satellites of its static UBs only; the message names
    // eight and counts the rest.
    void namedSatellitesAndMessage()
    {
        QVector<SateliteParams> satellites;
        for (quint32 id = 100; id < 112; ++id)
            satellites.append({QStringLiteral("Sat %1").arg(id), id, 9750, 0});
        satellites.append({QStringLiteral("Astra 19.2E"), 1, 9750, 10600});
        satellites.append({QStringLiteral("Hotbird 13.0E"), 2, 9750, 10600});
        const SatelliteCatalogue catalogue = data(satellites);
        const SatelliteIdTable ids = table();
        QCOMPARE(ids.differences(catalogue).size(), 2); // Sat 100-111 are not in the table
        QCOMPARE(ids.differences(catalogue, {QStringLiteral("Hotbird 13.0E")}),
                 QStringList{"Hotbird 13.0E (id 2 here, 59 in the program's table)"});

        QCOMPARE(SatelliteIdTable::differencesMessage({}), QString());
        QStringList many;
        for (int i = 0; i < 11; ++i)
            many << QStringLiteral("S%1").arg(i);
        const QString message = SatelliteIdTable::differencesMessage(many);
        QVERIFY2(message.endsWith(QStringLiteral(": S0; S1; S2; S3; S4; S5; S6; S7; more: 3.")),
                 qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(SatelliteIdTableTest)
#include "tst_satelliteidtable.moc"
