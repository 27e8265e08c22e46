#include "model/LnbBands.h"
#include "model/OwnTransponders.h"

#include <QtTest>

namespace {
const QString hotbird = QStringLiteral("Hotbird 13.0E");
const QString astra = QStringLiteral("Astra 19.2E");
const QByteArray header = QByteArrayLiteral("# fenzo_setup own transponders 1\n");

SatelliteCatalogue data()
{
    SatelliteCatalogue::Transponders items;
    items[hotbird] = {{4, 10834, Polarisation::V, 9750, 3}, {9, 11900, Polarisation::H, 10600, 3}};
    items[astra] = {{1, 11494, Polarisation::H, 10600, 1}};
    return SatelliteCatalogue(items, {{hotbird, 3, 9750, 10600}, {astra, 1, 9750, 10600}});
}

OwnTransponders parsed(const QByteArray &text)
{
    OwnTransponders own;
    QString reason;
    if (!OwnTransponders::fromText(text, &own, &reason))
        qWarning("%s", qPrintable(reason));
    return own;
}
} // namespace

class OwnTranspondersTest : public QObject
{
    Q_OBJECT

private slots:
    void textRoundTrip()
    {
        OwnTransponders own;
        QVERIFY(own.add({hotbird, 11012, Polarisation::V}));
        QVERIFY(own.add({QStringLiteral("Eutelsat 16°E ä"), 12750, Polarisation::L}));
        QCOMPARE(parsed(own.toText()), own);
        QCOMPARE(own.toText(), header + "Hotbird 13.0E\t11012\tV\nEutelsat 16°E ä\t12750\tL\n");
    }

    void badFilesAreRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << "does not begin with";
        QTest::newRow("other header") << QByteArray("# something else\n") << "does not begin with";
        QTest::newRow("two fields") << header + "Hotbird 13.0E\t11012\n"
                                    << "Line 2: A satellite, a frequency and a polarisation are needed";
        QTest::newRow("frequency text") << header + "Hotbird 13.0E\t11o12\tH\n"
                                        << "Line 2: The frequency is not a number";
        QTest::newRow("below band") << header + "Hotbird 13.0E\t10699\tH\n" << "between 10700 and 12750";
        QTest::newRow("above band") << header + "\nHotbird 13.0E\t12751\tH\n" << "Line 3: The frequency must";
        QTest::newRow("word polarisation") << header + "Hotbird 13.0E\t11012\tHORIZONTAL\n" << "H, V, L or R";
        QTest::newRow("no name") << header + " \t11012\tH\n" << "name is empty";
        QTest::newRow("control in name") << header + "Hot\x1b[2Jbird\t11012\tH\n" << "control characters";
        QTest::newRow("twice") << header + "Hotbird 13.0E\t11012\tH\nHotbird 13.0E\t11013\tL\n"
                               << "Line 3: The transponder is listed twice";
        QTest::newRow("too large") << header + QByteArray(int(OwnTransponders::maxFileBytes), '\n')
                                   << "larger than";
        QByteArray many = header;
        for (int i = 0; i <= OwnTransponders::maxEntries; ++i)
            many += "Sat " + QByteArray::number(i) + "\t11000\tH\n";
        QTest::newRow("too many") << many << "more than 1000";
    }

    void badFilesAreRefusedWhole()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        OwnTransponders own;
        QVERIFY(own.add({astra, 11000, Polarisation::H}));
        const OwnTransponders before = own;
        QString said;
        QVERIFY(!OwnTransponders::fromText(text, &own, &said));
        QVERIFY2(said.contains(reason), qPrintable(said));
        QCOMPARE(own, before);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("satellite");
        QTest::addColumn<uint>("frequency");
        QTest::addColumn<QChar>("polarisation");
        QTest::addColumn<QString>("reason"); // empty: taken
        QTest::newRow("new") << hotbird << 11012u << QChar('H') << "";
        QTest::newRow("lowest") << hotbird << 10700u << QChar('R') << "";
        QTest::newRow("highest") << hotbird << 12750u << QChar('V') << "";
        QTest::newRow("other polarisation") << hotbird << 11900u << QChar('V') << "";
        QTest::newRow("same") << hotbird << 11900u << QChar('H')
                              << "Hotbird 13.0E already has a transponder at 11900 MHz H.";
        QTest::newRow("1 MHz off") << hotbird << 11901u << QChar('H') << "already has a transponder at 11900";
        QTest::newRow("received alike") << hotbird << 11899u << QChar('L') << "already has a transponder";
        QTest::newRow("2 MHz off") << hotbird << 11902u << QChar('H') << "";
        QTest::newRow("unknown satellite") << "Thor 0.8W" << 11012u << QChar('H') << "no satellite \"Thor 0.8W\"";
        QTest::newRow("below") << hotbird << 10699u << QChar('H') << "between 10700 and 12750 MHz";
    }

    void refusals()
    {
        QFETCH(QString, satellite);
        QFETCH(uint, frequency);
        QFETCH(QChar, polarisation);
        QFETCH(QString, reason);
        const OwnTransponders own;
        const QString said = own.refusal(data(), {satellite, frequency, Polarisation::fromText(QString(polarisation))});
        if (reason.isEmpty())
            QCOMPARE(said, QString());
        else
            QVERIFY2(said.contains(reason), qPrintable(said));
    }

    // Each joins its satellite with the next number, the satellite's id and
    // the oscillator of its band; one the data hold already is left out.
    void addedToTheData()
    {
        OwnTransponders own;
        QVERIFY(own.add({hotbird, 11012, Polarisation::V}));
        QVERIFY(own.add({hotbird, 12188, Polarisation::L}));
        QVERIFY(own.add({hotbird, 10834, Polarisation::V}));
        QVERIFY(own.add({QStringLiteral("Thor 0.8W"), 11216, Polarisation::H}));
        QVERIFY(!own.add({hotbird, 12189, Polarisation::H}));
        const SatelliteCatalogue merged = own.addTo(data());
        const QVector<TransponderItem> expected{{4, 10834, Polarisation::V, 9750, 3},
                                                {9, 11900, Polarisation::H, 10600, 3},
                                                {10, 11012, Polarisation::V, 9750, 3},
                                                {11, 12188, Polarisation::L, 10600, 3}};
        QCOMPARE(merged.transponders(hotbird), expected);
        QCOMPARE(merged.transponders(astra), data().transponders(astra));
        QCOMPARE(merged.satellites(), data().satellites()); // no band added
        QCOMPARE(merged.satelliteCount(), 2);
        QVERIFY(merged.findTransponderByFrequency(hotbird, 11012, false));
        QCOMPARE(merged.findTransponderByFrequency(hotbird, 11012, false)->transponder, 10u);
        QVERIFY(own.isOwn(hotbird, expected.at(3)));
        QVERIFY(!own.isOwn(hotbird, expected.at(1)));
        QCOMPARE(OwnTransponders().addTo(data()), data());
    }

    // An own transponder takes its satellite's oscillator of its band, a
    // universal LNB's where the satellite lacks that band, never a third;
    // the satellite's oscillators follow.
    void oscillatorOfItsBand_data()
    {
        QTest::addColumn<QList<quint32>>("oscillators"); // of the satellite's rows
        QTest::addColumn<quint32>("frequency");
        QTest::addColumn<quint32>("oscillator");
        QTest::addColumn<quint32>("lofLow");
        QTest::addColumn<quint32>("lofHigh");
        using L = QList<quint32>;
        QTest::newRow("low band only, high own") << L{9750} << 12100u << 10600u << 9750u << 10600u;
        QTest::newRow("low band only, low own") << L{9750} << 11000u << 9750u << 9750u << 0u;
        QTest::newRow("high band only, low own") << L{10600} << 11000u << 9750u << 9750u << 10600u;
        QTest::newRow("high band only, high own") << L{10600} << 12100u << 10600u << 10600u << 0u;
        QTest::newRow("own high oscillator") << L{10750} << 12000u << 10750u << 10750u << 0u;
        QTest::newRow("own high oscillator, low own") << L{10750} << 11000u << 9750u << 9750u << 10750u;
        QTest::newRow("two bands, no third") << L{9750, 10750} << 12000u << 10750u << 9750u << 10750u;
        QTest::newRow("below the band edge") << L{9750, 10600} << 11699u << 9750u << 9750u << 10600u;
        QTest::newRow("at the band edge") << L{9750, 10600} << 11700u << 10600u << 9750u << 10600u;
        QTest::newRow("no rows") << L{} << 12100u << 10600u << 10600u << 0u;
    }
    void oscillatorOfItsBand()
    {
        QFETCH(QList<quint32>, oscillators);
        QFETCH(quint32, frequency);
        QFETCH(quint32, oscillator);
        QFETCH(quint32, lofLow);
        QFETCH(quint32, lofHigh);
        const QString name = QStringLiteral("S 1.0W");
        SatelliteCatalogue::Transponders items;
        QVector<TransponderItem> &rows = items[name];
        for (quint32 each : oscillators)
            rows.append({quint32(rows.size() + 1), each + 1200, Polarisation::H, each, 8});
        const SateliteParams params = LnbBands::withOscillators({name, 8, 0, 0}, rows);
        OwnTransponders own;
        QVERIFY(own.add({name, frequency, Polarisation::V}));
        const SatelliteCatalogue merged = own.addTo(SatelliteCatalogue(items, {params}));
        // The next free number: one above the highest.
        const quint32 number = oscillators.isEmpty() ? 0 : quint32(oscillators.size() + 1);
        const TransponderItem added{number, frequency, Polarisation::V, oscillator, 8};
        QCOMPARE(merged.transponders(name).last(), added);
        QCOMPARE(merged.transponders(name).mid(0, oscillators.size()), rows);
        const SateliteParams expected{name, 8, lofLow, lofHigh};
        QCOMPARE(*merged.findSatelite(name), expected);
    }

    void removeNamesTheEntry()
    {
        OwnTransponders own;
        QVERIFY(own.add({hotbird, 11012, Polarisation::V}));
        QVERIFY(!own.remove({hotbird, 11012, Polarisation::H}));
        QVERIFY(!own.remove({astra, 11012, Polarisation::V}));
        QVERIFY(own.remove({hotbird, 11012, Polarisation::V}));
        QVERIFY(own.isEmpty());
    }
};

QTEST_GUILESS_MAIN(OwnTranspondersTest)
#include "tst_owntransponders.moc"
