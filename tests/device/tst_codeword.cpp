// The code word of one user band: bit layout, range checks, reply parsing.

#include "DynamicPlan.h"
#include "Throws.h"
#include "UBRecordBuilders.h"
#include "db/BuiltInSatellites.h"
#include "device/CodeWord.h"
#include "device/PlanWords.h"
#include "model/BandRules.h"
#include "model/NoSatelliteData.h"
#include "model/OwnTransponders.h"

#include <QTranslator>
#include <QtTest>

#include <memory>

#include <stdexcept>

Q_DECLARE_METATYPE(UBRecord)

namespace {
const std::string readError = "Error occured while reading data, please try again";

QStringList dynamicWords(int count)
{
    QStringList words;
    for (int ub = 0; ub < count; ++ub)
        words << CodeWord::makeDynamic(quint32(ub % 24), quint32(ub % 4), quint32(ub)).toText();
    return words;
}

template <typename F> std::string thrownMessage(F &&f)
{
    try {
        f();
    } catch (const std::runtime_error &e) {
        return e.what();
    }
    return "(nothing thrown)";
}
} // namespace

class tst_CodeWord : public QObject
{
    Q_OBJECT

private slots:
    void dynamicWorkedExample();
    void staticWorkedExample();
    void dynamicWordsDifferButDecodeAlike();
    void staticRanges_data();
    void staticRanges();
    void dynamicRanges_data();
    void dynamicRanges();
    void fromText_data();
    void fromText();
    void parseListDropsZeroFields();
    void configurationReply_data();
    void configurationReply();
    void lineFieldAboveThreeRefused();
    void configurationCommand();
    void configurationCommandRefusesBeforeBuildingLine();
    void staticWithoutDatabase();
    void refusalsInGerman_data();
    void refusalsInGerman();

    // Static words take their satellite data from the database.
    void staticWorkedExampleWithDatabase();
    void staticRoundTrip_data();
    void staticRoundTrip();
    void staticRefusedWithReason_data();
    void staticRefusedWithReason();
    void staticDecodeFailures_data();
    void staticDecodeFailures();
    void staticNamesTakenOnlyFromAWholeReply();
    // The built-in data: circular transponders beside linear ones.
    void circularReadsBackAsItself_data();
    void circularReadsBackAsItself();
    void readBackTakesTheRowOfTheWordsBand();
    void missingTransponderRefusedByWhatThePlanHolds();

    // Satellites whose data name one oscillator.
    void highOnlySatelliteCarriesTheBandBit();
    void earlierWordsOfTheHighBandStillRead();
    void ownTransponderInTheOtherBand_data();
    void ownTransponderInTheOtherBand();

    // The encoder holds itself to the reader's rules.
    void encoderRefusesUbsTheSwitchLacks();
    void encoderRefusesWordsThatReadBackOtherwise();

private:
    static SharedCatalogue database();
};

void tst_CodeWord::dynamicWorkedExample()
{
    // UB 5, line 2, R = 7 (the generator gave 6): B = 40, K = 24.
    const CodeWord word = CodeWord::encode(dynamicUB(5, 2), QString(), QString(), SatelliteCatalogue(), 6);
    QCOMPARE(word.value(), 0x18280207u);
    QCOMPARE(word.toText(), QStringLiteral("405275143"));

    QString lnb1 = QStringLiteral("A");
    QString lnb2 = QStringLiteral("B");
    const UBRecord decoded = CodeWord::decode(CodeWord::fromText(QStringLiteral("405275143")), 5, lnb1, lnb2,
                                              SatelliteCatalogue());
    QCOMPARE(decoded.ubNumber, 5u);
    QCOMPARE(decoded.line, 2u);
    QCOMPARE(decoded.freq, 1225u);
    QCOMPARE(decoded.type, UBRecord::dynamicType);
    QCOMPARE(decoded.lnb, 0u);
    QCOMPARE(decoded.tp, -1);
    QCOMPARE(decoded.localUB, 0u);
    QCOMPARE(decoded.localUBFreq, 0u);
    QCOMPARE(lnb1, QStringLiteral("A"));
    QCOMPARE(lnb2, QStringLiteral("B"));
}

void tst_CodeWord::staticWorkedExample()
{
    // satId 1, UB 3, 11836 MHz on the 10600 MHz band: F = 1136; horizontal, LNB1.
    const CodeWord word = CodeWord::makeStatic(1, 3, 11836 - 10600 - 100, false, true, true);
    QCOMPARE(word.value(), 0x811C7003u);
    QCOMPARE(word.toText(), QStringLiteral("2166124547"));

    const CodeWord read = CodeWord::fromText(QStringLiteral("2166124547"));
    QVERIFY(read.isStatic());
    QCOMPARE(read.satId(), 1u);
    QCOMPARE(read.ubNumber(), 3u);
    QCOMPARE(read.f(), 1136u);
    QVERIFY(!read.lnb2());
    QVERIFY(read.horizontal());
    QVERIFY(read.highBand());
}

void tst_CodeWord::dynamicWordsDifferButDecodeAlike()
{
    const UBRecord record = dynamicUB(17, 3);
    const CodeWord first = CodeWord::encode(record, QString(), QString(), SatelliteCatalogue(), 0);
    const CodeWord second = CodeWord::encode(record, QString(), QString(), SatelliteCatalogue(), 9);
    QVERIFY(first.value() != second.value());
    QCOMPARE(first.value() & 0x00FFFF00u, second.value() & 0x00FFFF00u);
    QCOMPARE(first.randomPart(), 1u);
    QCOMPARE(second.randomPart(), 10u);
    QString lnb1, lnb2;
    const UBRecord a = CodeWord::decode(first, 17, lnb1, lnb2, SatelliteCatalogue());
    const UBRecord b = CodeWord::decode(second, 17, lnb1, lnb2, SatelliteCatalogue());
    QCOMPARE(a.line, 3u);
    QVERIFY(a == b);
    // R stays within 1..15 for any generator value.
    for (quint32 value : {0u, 14u, 15u, 0xFFFFFFFFu}) {
        const quint32 r = CodeWord::makeDynamic(0, 0, value).randomPart();
        QVERIFY(r >= 1 && r <= 15);
    }
}

void tst_CodeWord::refusalsInGerman_data()
{
    QTest::addColumn<quint32>("satId");
    QTest::addColumn<quint32>("ubNumber");
    QTest::addColumn<qint64>("f"); // -2: a dynamic word on line `line`
    QTest::addColumn<quint32>("line");
    QTest::addColumn<QString>("german");
    QTest::newRow("UB number")
        << 1u << 24u << qint64(100) << 0u
        << u8"UB-Nummer 25 kann nicht an das Gerät gesendet werden (zulässig: 1 bis 24)";
    QTest::newRow("line") << 0u << 5u << qint64(-2) << 256u
                          << u8"Leitung 256 kann nicht an das Gerät gesendet werden (zulässig: 0 bis 255)";
    QTest::newRow("satellite id")
        << 128u << 3u << qint64(100) << 0u
        << u8"Satelliten-ID 128 kann nicht an das Gerät gesendet werden (zulässig: 0 bis 127)";
    QTest::newRow("frequency") << 1u << 3u << qint64(2050) << 0u
                               << u8"UB04 kann nicht an das Gerät gesendet werden: Sein Transponder liegt "
                                  u8"2150 MHz über dem LNB-Oszillator (zulässig: 100 bis 2147 MHz)";
}

void tst_CodeWord::refusalsInGerman()
{
    QFETCH(quint32, satId);
    QFETCH(quint32, ubNumber);
    QFETCH(qint64, f);
    QFETCH(quint32, line);
    QFETCH(QString, german);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translations/fenzo_setup_de.qm")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const std::string message = thrownMessage([&] {
        if (f == -2)
            CodeWord::makeDynamic(ubNumber, line, 0);
        else
            CodeWord::makeStatic(satId, ubNumber, f, false, false, false);
    });
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(QString::fromStdString(message), german);
}

void tst_CodeWord::staticRanges_data()
{
    QTest::addColumn<quint32>("satId");
    QTest::addColumn<quint32>("ubNumber");
    QTest::addColumn<qint64>("f");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("lowest values") << 0u << 0u << qint64(0) << true;
    QTest::newRow("highest values") << 127u << 23u << qint64(2047) << true;
    QTest::newRow("F below 0") << 1u << 3u << qint64(-1) << false;
    // 12750 MHz on the 10600 MHz band.
    QTest::newRow("F above 2047") << 1u << 3u << qint64(12750 - 10600 - 100) << false;
    QTest::newRow("ubNumber 24") << 1u << 24u << qint64(100) << false;
    QTest::newRow("satId 128") << 128u << 3u << qint64(100) << false;
}

void tst_CodeWord::staticRanges()
{
    QFETCH(quint32, satId);
    QFETCH(quint32, ubNumber);
    QFETCH(qint64, f);
    QFETCH(bool, accepted);
    if (!accepted) {
        const std::string message =
            thrownMessage([&] { CodeWord::makeStatic(satId, ubNumber, f, true, true, false); });
        QVERIFY2(message.find("cannot") != std::string::npos, message.c_str());
        return;
    }
    const CodeWord word = CodeWord::makeStatic(satId, ubNumber, f, true, false, true);
    QVERIFY(word.isStatic());
    QCOMPARE(word.satId(), satId);
    QCOMPARE(word.ubNumber(), ubNumber);
    QCOMPARE(qint64(word.f()), f);
    QVERIFY(word.lnb2());
    QVERIFY(!word.horizontal());
    QVERIFY(word.highBand());
    QCOMPARE(word.value() & 0xF8u, 0u);
}

void tst_CodeWord::dynamicRanges_data()
{
    QTest::addColumn<quint32>("ubNumber");
    QTest::addColumn<quint32>("line");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("line 255") << 23u << 255u << true;
    QTest::newRow("ubNumber 23") << 23u << 3u << true;
    QTest::newRow("line 256") << 0u << 256u << false;
    // UB 31's check byte can reach 128: the word would read back as static.
    QTest::newRow("ubNumber 31") << 31u << 0u << false;
    QTest::newRow("ubNumber 24") << 24u << 0u << false;
}

void tst_CodeWord::dynamicRanges()
{
    QFETCH(quint32, ubNumber);
    QFETCH(quint32, line);
    QFETCH(bool, accepted);
    if (!accepted) {
        const std::string message = thrownMessage([&] { CodeWord::makeDynamic(ubNumber, line, 0); });
        QVERIFY2(message.find("cannot") != std::string::npos, message.c_str());
        return;
    }
    // Sent exactly as the table says.
    const CodeWord word = CodeWord::makeDynamic(ubNumber, line, 14);
    const quint32 b = ubNumber * 8 % 256;
    QCOMPARE(word.value(), (((15 + line + b) / 2) & 0xFF) << 24 | b << 16 | line << 8 | 15u);
}

void tst_CodeWord::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("value");
    QTest::newRow("plain") << QStringLiteral("405275143") << 405275143u;
    QTest::newRow("largest") << QStringLiteral("4294967295") << 4294967295u;
    QTest::newRow("one too large") << QStringLiteral("4294967296") << 0u;
    QTest::newRow("far too large") << QStringLiteral("99999999999999999999999") << 0u;
    QTest::newRow("leading zeros") << QStringLiteral("007") << 7u;
    QTest::newRow("CR before LF") << QStringLiteral("12\r") << 12u;
    QTest::newRow("empty") << QString() << 0u;
    QTest::newRow("zero") << QStringLiteral("0") << 0u;
    QTest::newRow("negative") << QStringLiteral("-1") << 0u;
    QTest::newRow("plus sign") << QStringLiteral("+5") << 0u;
    QTest::newRow("hexadecimal") << QStringLiteral("0x10") << 0u;
    QTest::newRow("letters") << QStringLiteral("ON") << 0u;
    QTest::newRow("inner blank") << QStringLiteral("1 2") << 0u;
    QTest::newRow("other digits") << QString::fromUtf8("\xd9\xa1\xd9\xa2") << 0u; // Arabic-Indic 12
}

void tst_CodeWord::fromText()
{
    QFETCH(QString, text);
    QFETCH(quint32, value);
    QCOMPARE(CodeWord::fromText(text).value(), value);
}

void tst_CodeWord::parseListDropsZeroFields()
{
    const QVector<CodeWord> words = CodeWord::parseList(u"1,2,,0,abc,3,");
    QCOMPARE(words.size(), 3);
    QCOMPARE(words.at(0).value(), 1u);
    QCOMPARE(words.at(1).value(), 2u);
    QCOMPARE(words.at(2).value(), 3u);
    QVERIFY(CodeWord::parseList(u"").isEmpty());
    QVERIFY(CodeWord::parseList(u",,,").isEmpty());
}

void tst_CodeWord::configurationReply_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("accepted");
    const QStringList words = dynamicWords(24);
    QTest::newRow("24 words") << words.join(QLatin1Char(',')) << true;
    QTest::newRow("24 words and a comma left") << words.join(QLatin1Char(',')) + QLatin1Char(',') << true;
    QStringList withZeros = words;
    withZeros.insert(0, QStringLiteral("0"));
    withZeros.insert(10, QStringLiteral("0"));
    withZeros << QStringLiteral("0") << QString() << QStringLiteral("junk");
    QTest::newRow("24 words and extra zero fields") << withZeros.join(QLatin1Char(',')) << true;
    QTest::newRow("23 words") << dynamicWords(23).join(QLatin1Char(',')) << false;
    QTest::newRow("25 words") << dynamicWords(25).join(QLatin1Char(',')) << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blank separated") << words.join(QLatin1Char(' ')) << false;
}

void tst_CodeWord::configurationReply()
{
    QFETCH(QString, reply);
    QFETCH(bool, accepted);
    QString lnb1 = QStringLiteral("Astra 19.2E");
    QString lnb2 = QStringLiteral("Hotbird 13E");
    if (!accepted) {
        QCOMPARE(
            thrownMessage([&] { CodeWord::decodeConfiguration(reply, lnb1, lnb2, SatelliteCatalogue()); }),
            readError);
        return;
    }
    const QList<UBRecord> list = CodeWord::decodeConfiguration(reply, lnb1, lnb2, SatelliteCatalogue());
    QCOMPARE(list.size(), 24);
    // Model order: the first word on the line is UB 0 and ends up last.
    for (int i = 0; i < 24; ++i) {
        const quint32 ub = quint32(23 - i);
        QCOMPARE(list.at(i).ubNumber, ub);
        QCOMPARE(list.at(i).line, ub % 4);
        QCOMPARE(list.at(i).freq, slotFrequency(ub));
        QVERIFY(list.at(i).isDynamic());
    }
    QCOMPARE(lnb1, QStringLiteral("Astra 19.2E"));
    QCOMPARE(lnb2, QStringLiteral("Hotbird 13E"));
}

void tst_CodeWord::lineFieldAboveThreeRefused()
{
    // Line byte 2 but bit 16 set: F = 258.
    const CodeWord word(0x00010200u | 0x05u);
    QVERIFY(!word.isStatic());
    QCOMPARE(word.f(), 258u);
    QString lnb1, lnb2;
    QVERIFY(!CodeWord::isReadable(word));
    QCOMPARE(
        thrownMessage([&] { CodeWord::decode(word, 0, lnb1, lnb2, SatelliteCatalogue()); }),
        std::string(
            "UB01 cannot be read: it is a dynamic UB on line 259, but the switch only has lines 1 to 4."));
    QStringList words = dynamicWords(24);
    words[7] = word.toText();
    QCOMPARE(
        thrownMessage([&] {
            CodeWord::decodeConfiguration(words.join(QLatin1Char(',')), lnb1, lnb2, SatelliteCatalogue());
        }),
        std::string(
            "UB08 cannot be read: it is a dynamic UB on line 259, but the switch only has lines 1 to 4."));
}

void tst_CodeWord::configurationCommand()
{
    quint32 next = 0;
    const QString command = CodeWord::configurationCommand(dynamicPlan(), QString(), QString(),
                                                           SatelliteCatalogue(), [&next] { return next++; });
    QVERIFY(command.startsWith(QLatin1String(":CONF:ALL ")));
    QVERIFY(!command.endsWith(QLatin1Char(',')));
    QVERIFY(!command.mid(10).contains(QLatin1Char(' ')));
    const QStringList words = command.mid(10).split(QLatin1Char(','));
    QCOMPARE(words.size(), 24);
    // UB 0 first on the line, each word with a fresh random part.
    for (int ub = 0; ub < 24; ++ub)
        QCOMPARE(words.at(ub), CodeWord::makeDynamic(quint32(ub), quint32(ub % 4), quint32(ub)).toText());
    QString lnb1, lnb2;
    QCOMPARE(CodeWord::decodeConfiguration(command.mid(10), lnb1, lnb2, SatelliteCatalogue()), dynamicPlan());
}

void tst_CodeWord::configurationCommandRefusesBeforeBuildingLine()
{
    QList<UBRecord> list = dynamicPlan();
    list[20].line = 300;
    int drawn = 0;
    const std::string message = thrownMessage([&] {
        CodeWord::configurationCommand(list, QString(), QString(), SatelliteCatalogue(),
                                       [&drawn] { return quint32(drawn++); });
    });
    QVERIFY2(message.find("Line 300") != std::string::npos, message.c_str());
    // UB 0 to 3 drew their random parts; the refusal came before the words
    // after UB 3 were made.
    QCOMPARE(drawn, 4);
}

void tst_CodeWord::staticWithoutDatabase()
{
    UBRecord record = dynamicUB(3, 0);
    record.type = UBRecord::staticType;
    record.tp = 5;
    QVERIFY(throwsType<NoSatelliteData>([&] {
        CodeWord::encode(record, QStringLiteral("A"), QStringLiteral("B"), SatelliteCatalogue(), 0);
    }));
    QCOMPARE(
        int(StaticUbRules::refusal(record, QStringLiteral("A"), QStringLiteral("B"), SatelliteCatalogue())),
        int(CodeWord::Refusal::NoSatelliteData));
    // Without data no satellite id is known: the word cannot be read.
    QString lnb1, lnb2;
    QVERIFY(throwsType<UndecodableWord>(
        [&] { CodeWord::decode(CodeWord(2166124547u), 3, lnb1, lnb2, SatelliteCatalogue()); }));
}

SharedCatalogue tst_CodeWord::database()
{
    // Transponder number, frequency, horizontal, oscillator, satellite id.
    const SatelliteCatalogue::Transponders satelites{
        {QStringLiteral("Astra 19.2E"),
         {{1, 11836, Polarisation::H, 10600, 1},
          {2, 10744, Polarisation::V, 9750, 1},
          {3, 12750, Polarisation::H, 10600, 1},
          {4, 10700, Polarisation::H, 10600, 1},
          {5, 10650, Polarisation::H, 10600, 1}}},
        // 11034 MHz twice, vertical and horizontal, and 2 MHz above it.
        {QStringLiteral("Hotbird 13E"),
         {{7, 11034, Polarisation::V, 9750, 2},
          {8, 12597, Polarisation::V, 10600, 2},
          {9, 11034, Polarisation::H, 9750, 2},
          {10, 11036, Polarisation::V, 9750, 2}}},
        {QStringLiteral("Single band"), {{1, 11000, Polarisation::H, 9750, 127}}},
        {QStringLiteral("Wide id"),
         {{1, 11000, Polarisation::V, 9750, 128}, {2, 13000, Polarisation::V, 9750, 128}}},
        {QStringLiteral("No id yet"), {{1, 11000, Polarisation::V, 9750, 0}}},
    };
    const QVector<SateliteParams> params{{QStringLiteral("Astra 19.2E"), 1, 9750, 10600},
                                         {QStringLiteral("Hotbird 13E"), 2, 9750, 10600},
                                         {QStringLiteral("Single band"), 127, 9750, 0},
                                         {QStringLiteral("Wide id"), 128, 9750, 10600},
                                         {QStringLiteral("No id yet"), 0, 9750, 0}};
    return std::make_shared<const SatelliteCatalogue>(satelites, params);
}

void tst_CodeWord::staticWorkedExampleWithDatabase()
{
    const auto db = database();
    QVERIFY(db);
    const QString astra = QStringLiteral("Astra 19.2E");
    const CodeWord word =
        CodeWord::encode(staticUB(3, 0, 1, 11836), astra, QStringLiteral("Hotbird 13E"), *db, 0);
    QCOMPARE(word.toText(), QStringLiteral("2166124547"));

    QString lnb1 = QStringLiteral("before");
    QString lnb2 = QStringLiteral("kept");
    const UBRecord decoded = CodeWord::decode(CodeWord::fromText(u"2166124547"), 3, lnb1, lnb2, *db);
    QCOMPARE(decoded.type, UBRecord::staticType);
    QCOMPARE(decoded.ubNumber, 3u);
    QCOMPARE(decoded.freq, 11836u);
    QCOMPARE(decoded.lnb, 0u);
    QCOMPARE(decoded.tp, 1);
    QCOMPARE(decoded.line, 0u);
    QCOMPARE(lnb1, astra);
    QCOMPARE(lnb2, QStringLiteral("kept"));
}

void tst_CodeWord::staticRoundTrip_data()
{
    QTest::addColumn<UBRecord>("record");
    QTest::addColumn<quint32>("expectedWord");
    // LNB2 (bit 2), vertical, low band: F = 11034 - 9750 - 100 = 1184.
    QTest::newRow("LNB2, vertical, low band")
        << staticUB(23, 1, 7, 11034) << (0x82000000u | 23u << 19 | 1184u << 8 | 0x4u);
    QTest::newRow("LNB2, high band") << staticUB(0, 1, 8, 12597) << (0x82000000u | 1897u << 8 | 0x5u);
    // Decoded by polarisation and the nearest frequency, not the first row
    // within 4 MHz.
    QTest::newRow("same frequency, other polarisation")
        << staticUB(1, 1, 9, 11034) << (0x82000000u | 1u << 19 | 1184u << 8 | 0x6u);
    QTest::newRow("2 MHz beside a row of the same polarisation")
        << staticUB(2, 1, 10, 11036) << (0x82000000u | 2u << 19 | 1186u << 8 | 0x4u);
    QTest::newRow("lowest F") << staticUB(5, 0, 4, 10700) << (0x81000000u | 5u << 19 | 0u << 8 | 0x3u);
    // A single-band satellite never sets the band bit; satId 127 is the largest.
    QTest::newRow("single band, satId 127")
        << staticUB(9, 0, 1, 11000) << (0xFF000000u | 9u << 19 | 1150u << 8 | 0x2u);
}

void tst_CodeWord::staticRoundTrip()
{
    QFETCH(UBRecord, record);
    QFETCH(quint32, expectedWord);
    const auto db = database();
    QVERIFY(db);
    const QString lnb1 = record.ubNumber == 9 ? QStringLiteral("Single band") : QStringLiteral("Astra 19.2E");
    const CodeWord word = CodeWord::encode(record, lnb1, QStringLiteral("Hotbird 13E"), *db, 0);
    QCOMPARE(word.value(), expectedWord);
    QString readLnb1, readLnb2;
    // The record read back knows its transponder's polarisation.
    UBRecord expected = record;
    expected.polarisation =
        db->findTransponder(record.lnb ? QStringLiteral("Hotbird 13E") : lnb1, quint32(record.tp))
            ->polarisation;
    QCOMPARE(CodeWord::decode(word, record.ubNumber, readLnb1, readLnb2, *db), expected);
    QCOMPARE(record.lnb ? readLnb2 : readLnb1, record.lnb ? QStringLiteral("Hotbird 13E") : lnb1);
    QVERIFY((record.lnb ? readLnb1 : readLnb2).isEmpty());
}

void tst_CodeWord::staticRefusedWithReason_data()
{
    using R = CodeWord::Refusal;
    QTest::addColumn<QString>("satelite");
    QTest::addColumn<UBRecord>("record");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("refusal"); // what the check says without throwing
    QTest::newRow("12750 MHz on the 10600 MHz band")
        << QStringLiteral("Astra 19.2E") << staticUB(3, 0, 3, 12750) << QStringLiteral("2150 MHz")
        << int(R::FrequencyOutOfRange);
    QTest::newRow("below the oscillator's reach") << QStringLiteral("Astra 19.2E") << staticUB(3, 0, 5, 10650)
                                                  << QStringLiteral("50 MHz") << int(R::FrequencyOutOfRange);
    QTest::newRow("ubNumber 32") << QStringLiteral("Astra 19.2E") << staticUB(32, 0, 1, 11836)
                                 << QStringLiteral("UB number 33") << int(R::UbNumberOutOfRange);
    QTest::newRow("satId 128") << QStringLiteral("Wide id") << staticUB(3, 0, 1, 11000)
                               << QStringLiteral("Satelite id 128") << int(R::SatIdOutOfRange);
    QTest::newRow("satellite without an id")
        << QStringLiteral("No id yet") << staticUB(3, 0, 1, 11000)
        << QStringLiteral("UB04 cannot be sent to the device: its satellite has "
                          "no satellite id yet")
        << int(R::SatIdOutOfRange);
    QTest::newRow("satId 128 and its frequency out of reach")
        << QStringLiteral("Wide id") << staticUB(3, 0, 2, 13000) << QStringLiteral("Satelite id 128")
        << int(R::SatIdOutOfRange);
    QTest::newRow("unknown transponder")
        << QStringLiteral("Astra 19.2E") << staticUB(3, 0, 99, 11836)
        << QStringLiteral("Transponder 99 is not among those of Astra 19.2E.") << int(R::TransponderUnknown);
    // The number names another transponder than the plan's frequency and
    // polarisation: it is not sent as that one.
    QTest::newRow("another frequency")
        << QStringLiteral("Astra 19.2E") << staticUB(3, 0, 1, 11840)
        << QStringLiteral("Transponder 1 is not among those of Astra 19.2E.") << int(R::TransponderUnknown);
    QTest::newRow("another polarisation")
        << QStringLiteral("Astra 19.2E") << withPolarisation(staticUB(3, 0, 1, 11836), Polarisation::R)
        << QStringLiteral("Transponder 1 is not among those of Astra 19.2E.") << int(R::TransponderUnknown);
    QTest::newRow("unassigned transponder")
        << QStringLiteral("Astra 19.2E") << staticUB(3, 0, -1, 11836)
        << QStringLiteral("is not among those of Astra 19.2E.") << int(R::TransponderUnknown);
    QTest::newRow("unknown satelite")
        << QStringLiteral("Nowhere 0E") << staticUB(3, 0, 1, 11836)
        << QStringLiteral("Satelite not found in database") << int(R::SatelliteUnknown);
}

void tst_CodeWord::staticRefusedWithReason()
{
    QFETCH(QString, satelite);
    QFETCH(UBRecord, record);
    QFETCH(QString, message);
    QFETCH(int, refusal);
    const auto db = database();
    QVERIFY(db);
    const QString lnb2 = QStringLiteral("Hotbird 13E");
    QCOMPARE(int(StaticUbRules::refusal(record, satelite, lnb2, *db)), refusal);
    QList<UBRecord> list = dynamicPlan();
    list[23 - int(qMin(record.ubNumber, 23u))] = record;
    const std::string thrown =
        thrownMessage([&] { CodeWord::configurationCommand(list, satelite, lnb2, *db, [] { return 6u; }); });
    QVERIFY2(QString::fromStdString(thrown).contains(message), thrown.c_str());
    // A plan the check passes is sent.
    list[23 - int(qMin(record.ubNumber, 23u))] = staticUB(record.ubNumber % 24, 0, 1, 11836);
    QCOMPARE(int(StaticUbRules::refusal(list[23 - int(qMin(record.ubNumber, 23u))],
                                        QStringLiteral("Astra 19.2E"), lnb2, *db)),
             int(CodeWord::Refusal::None));
    QVERIFY(!CodeWord::configurationCommand(list, QStringLiteral("Astra 19.2E"), lnb2, *db, [] {
                 return 6u;
             }).isEmpty());
}

void tst_CodeWord::staticDecodeFailures_data()
{
    QTest::addColumn<quint32>("word");
    QTest::addColumn<QString>("message");
    QTest::newRow("satellite id not in the database")
        << (0x80000000u | 50u << 24 | 1136u << 8 | 0x3u)
        << QStringLiteral("UB01 cannot be read: the satellite id 50 is not in the satellite data.");
    // Id 0 is carried by satellites the id table does not know yet.
    QTest::newRow("satellite id 0") << (0x80000000u | 1136u << 8 | 0x1u)
                                    << QStringLiteral(
                                           "UB01 cannot be read: the satellite id 0 is not in the satellite "
                                           "data.");
    QTest::newRow("no transponder at the frequency")
        << (0x81000000u | 500u << 8 | 0x1u)
        << QStringLiteral(
               "UB01 cannot be read: Astra 19.2E has no transponder at 11200 MHz V in the satellite data.");
    QTest::newRow("only the other polarisation there")
        << (0x81000000u | 1136u << 8 | 0x1u)
        << QStringLiteral(
               "UB01 cannot be read: Astra 19.2E has no transponder at 11836 MHz V in the satellite data.");
    QTest::newRow("high band of a single-band satellite")
        << (0xFF000000u | 1150u << 8 | 0x3u)
        << QStringLiteral("UB01 cannot be read: it names the high band, which Single band does not have.");
    QTest::newRow("transponder of the other band")
        << (0x81000000u | 850u << 8 | 0x2u)
        << QStringLiteral(
               "UB01 cannot be read: transponder 4 of Astra 19.2E lies in the other band of the LNB.");
}

void tst_CodeWord::staticDecodeFailures()
{
    QFETCH(quint32, word);
    QFETCH(QString, message);
    const auto db = database();
    QVERIFY(db);
    QString lnb1, lnb2;
    QCOMPARE(
        QString::fromStdString(thrownMessage([&] { CodeWord::decode(CodeWord(word), 0, lnb1, lnb2, *db); })),
        message);
}

void tst_CodeWord::staticNamesTakenOnlyFromAWholeReply()
{
    const auto db = database();
    QVERIFY(db);
    QStringList words = dynamicWords(24);
    words[3] = QStringLiteral("2166124547");                                  // Astra, LNB1
    words[10] = QString::number(0x82000000u | 10u << 19 | 1184u << 8 | 0x4u); // Hotbird, LNB2
    QString lnb1 = QStringLiteral("L1");
    QString lnb2 = QStringLiteral("L2");
    const QList<UBRecord> list = CodeWord::decodeConfiguration(words.join(QLatin1Char(',')), lnb1, lnb2, *db);
    QCOMPARE(lnb1, QStringLiteral("Astra 19.2E"));
    QCOMPARE(lnb2, QStringLiteral("Hotbird 13E"));
    UBRecord astra = staticUB(3, 0, 1, 11836);
    astra.polarisation = Polarisation::H;
    UBRecord hotbird = staticUB(10, 1, 7, 11034);
    hotbird.polarisation = Polarisation::V;
    QCOMPARE(list.at(23 - 3), astra);
    QCOMPARE(list.at(23 - 10), hotbird);

    // A later word that fails leaves the names as they came in.
    words[20] = QString::number(0x80000000u | 50u << 24 | 1136u << 8);
    lnb1 = QStringLiteral("L1");
    lnb2 = QStringLiteral("L2");
    QCOMPARE(
        thrownMessage([&] { CodeWord::decodeConfiguration(words.join(QLatin1Char(',')), lnb1, lnb2, *db); }),
        std::string("UB21 cannot be read: the satellite id 50 is not in the satellite data."));
    QCOMPARE(lnb1, QStringLiteral("L1"));
    QCOMPARE(lnb2, QStringLiteral("L2"));
}

void tst_CodeWord::circularReadsBackAsItself_data()
{
    QTest::addColumn<QString>("polarisation");
    QTest::addColumn<bool>("horizontalBit");
    // Eutelsat 35.9E carries 11727 MHz twice: left circular and vertical.
    QTest::newRow("11727 L") << "L" << true;
    QTest::newRow("11727 V") << "V" << false;
}

void tst_CodeWord::circularReadsBackAsItself()
{
    QFETCH(QString, polarisation);
    QFETCH(bool, horizontalBit);
    BuiltInSatellites::Data data = BuiltInSatellites::load();
    QVERIFY2(data.reason.isEmpty(), qPrintable(data.reason));
    const SatelliteCatalogue catalogue(std::move(data.items), std::move(data.params));
    const QString satellite = QStringLiteral("Eutelsat 35.9E");
    const TransponderItem *row = nullptr;
    for (const TransponderItem &item : catalogue.allTransponders().at(satellite)) {
        if (item.frequency == 11727 && item.polarisation.letter() == polarisation)
            row = &item;
    }
    QVERIFY(row);
    const quint32 transponder = row->transponder;
    QCOMPARE(row->frequency, 11727u);
    QCOMPARE(row->polarisation.letter(), polarisation);

    UBRecord record;
    record.ubNumber = 6;
    record.type = UBRecord::staticType;
    record.lnb = 1;
    record.tp = qint32(transponder);
    record.freq = row->frequency;
    const CodeWord word = CodeWord::encode(record, QStringLiteral("Astra 19.2E"), satellite, catalogue, 0);
    QCOMPARE(word.horizontal(), horizontalBit);

    QString lnb1;
    QString lnb2;
    const UBRecord read = CodeWord::decode(word, 6, lnb1, lnb2, catalogue);
    QCOMPARE(lnb2, satellite);
    QCOMPARE(read.tp, qint32(transponder));
    QCOMPARE(read.freq, 11727u);
}

// Rows at one frequency that the word's polarisation bit cannot tell apart,
// one of them in the other band: the word names the row of its own band.
void tst_CodeWord::readBackTakesTheRowOfTheWordsBand()
{
    SatelliteCatalogue::Transponders items;
    items[QStringLiteral("B")] = {{1, 11000, Polarisation::L, 10600, 7},
                                  {2, 11000, Polarisation::H, 9750, 7}};
    const SatelliteCatalogue catalogue(items, {{QStringLiteral("B"), 7, 9750, 10600}});
    UBRecord record;
    record.ubNumber = 3;
    record.type = UBRecord::staticType;
    record.tp = 2;
    record.freq = 11000;
    const CodeWord word = CodeWord::encode(record, QStringLiteral("B"), QString(), catalogue, 0);
    QString lnb1;
    QString lnb2;
    const UBRecord back = CodeWord::decode(word, 3, lnb1, lnb2, catalogue);
    QCOMPARE(back.tp, 2);
    QCOMPARE(lnb1, QStringLiteral("B"));
}

// A plan on 10705 MHz H whose number 4 belongs to 10700 MHz H: the refusal
// names what the plan holds, and the plan keeps its number.
void tst_CodeWord::missingTransponderRefusedByWhatThePlanHolds()
{
    const auto db = database();
    const QString astra = QStringLiteral("Astra 19.2E");
    const QString hotbird = QStringLiteral("Hotbird 13E");
    QList<UBRecord> list = dynamicPlan();
    list[23] = withPolarisation(staticUB(0, 0, 4, 10705), Polarisation::H);
    const BandRules::Match match = BandRules::matchToCatalogue(list, astra, hotbird, *db);
    QCOMPARE(match.missing, QList<quint32>{0});
    QCOMPARE(list.at(23).tp, 4);
    // The mark is the plan's: a number that would fit does not lift it.
    list[22] = withPolarisation(staticUB(1, 1, 7, 11034), Polarisation::V);
    list[22].standing = TransponderChoice::Standing::NotInData;
    const PlanWords words = PlanWords::encode(list, astra, hotbird, *db, [] { return 0u; });
    QVERIFY(!words.sendable());
    QCOMPARE(words.refusals(), (QStringList{"UB01: Astra 19.2E has no transponder at 10705 MHz H",
                                            "UB02: Hotbird 13E has no transponder at 11034 MHz V"}));
}

namespace {
// A satellite whose data list only the high band of a universal LNB, as the
// built-in data do for Eutelsat 9.0E, and one that lists only the low band.
const QString highOnly = QStringLiteral("Eutelsat 9.0E");
const QString lowOnly = QStringLiteral("Express 11.0W");

SatelliteCatalogue singleBandSatellites()
{
    SatelliteCatalogue::Transponders items;
    items[highOnly] = {{1, 11785, Polarisation::H, 10600, 42}, {2, 12034, Polarisation::V, 10600, 42}};
    items[lowOnly] = {{1, 10960, Polarisation::V, 9750, 46}, {2, 11045, Polarisation::H, 9750, 46}};
    return SatelliteCatalogue(items, {{highOnly, 42, 10600, 0}, {lowOnly, 46, 9750, 0}});
}

UBRecord staticOn(quint32 ubNumber, const SatelliteCatalogue &catalogue, const QString &satellite,
                  quint32 transponder)
{
    const TransponderItem *row = catalogue.findTransponder(satellite, transponder);
    return withPolarisation(staticUB(ubNumber, 0, row ? qint32(transponder) : -1, row ? row->frequency : 0),
                            row ? row->polarisation : Polarisation());
}

// A word as earlier versions made it for the high band of a satellite with
// one oscillator: the band bit 0.
CodeWord withoutBandBit(CodeWord word)
{
    return CodeWord(word.value() & ~1u);
}
} // namespace

void tst_CodeWord::highOnlySatelliteCarriesTheBandBit()
{
    const SatelliteCatalogue catalogue = singleBandSatellites();
    const UBRecord record = staticOn(4, catalogue, highOnly, 2);
    const CodeWord word = CodeWord::encode(record, highOnly, QString(), catalogue, 0);
    // A switch feeding a universal LNB selects the high band for it.
    QVERIFY(word.highBand());
    QCOMPARE(word.f(), 12034u - 10600 - 100);
    QString lnb1;
    QString lnb2;
    bool earlier = true;
    QCOMPARE(CodeWord::decode(word, 4, lnb1, lnb2, catalogue, &earlier), record);
    QVERIFY(!earlier);
    QCOMPARE(lnb1, highOnly);
    // The low band's words stay as they were.
    QVERIFY(
        !CodeWord::encode(staticOn(4, catalogue, lowOnly, 2), lowOnly, QString(), catalogue, 0).highBand());
}

// A switch programmed by an earlier version holds the high band's word with
// the band bit 0: it still reads, and the read says how.
void tst_CodeWord::earlierWordsOfTheHighBandStillRead()
{
    const SatelliteCatalogue catalogue = singleBandSatellites();
    const UBRecord record = staticOn(5, catalogue, highOnly, 1);
    const CodeWord earlier = withoutBandBit(CodeWord::encode(record, highOnly, QString(), catalogue, 0));
    QStringList words = dynamicWords(24);
    words[5] = earlier.toText();
    QString lnb1;
    QString lnb2;
    QList<quint32> readInHighBand;
    const QList<UBRecord> list =
        CodeWord::decodeConfiguration(words.join(QLatin1Char(',')), lnb1, lnb2, catalogue, &readInHighBand);
    QCOMPARE(list.at(23 - 5), record);
    QCOMPARE(readInHighBand, QList<quint32>{5});
    QVERIFY2(
        CodeWord::earlierBandNote(readInHighBand).startsWith(QStringLiteral("UB06: read in the high band")),
        qPrintable(CodeWord::earlierBandNote(readInHighBand)));
    QCOMPARE(CodeWord::earlierBandNote({}), QString());

    // An own transponder gives the satellite a low band: the earlier word
    // names no row there and is still read in the high band.
    OwnTransponders own;
    QVERIFY(own.add({highOnly, 11012, Polarisation::V}));
    const SatelliteCatalogue withLowBand = own.addTo(catalogue);
    QCOMPARE(withLowBand.findSatelite(highOnly)->lofLow, 9750u);
    bool readSo = false;
    QCOMPARE(CodeWord::decode(earlier, 5, lnb1, lnb2, withLowBand, &readSo), record);
    QVERIFY(readSo);
    // A word of the low band itself is no earlier word.
    const UBRecord lowBand = staticOn(6, withLowBand, highOnly, 3);
    const CodeWord low = CodeWord::encode(lowBand, highOnly, QString(), withLowBand, 0);
    QVERIFY(!low.highBand());
    QCOMPARE(CodeWord::decode(low, 6, lnb1, lnb2, withLowBand, &readSo), lowBand);
    QVERIFY(!readSo);
}

void tst_CodeWord::ownTransponderInTheOtherBand_data()
{
    QTest::addColumn<QString>("satellite");
    QTest::addColumn<quint32>("frequency");
    QTest::addColumn<quint32>("oscillator");
    QTest::newRow("high band of a low-band satellite") << lowOnly << 12100u << 10600u;
    QTest::newRow("low band of a high-band satellite") << highOnly << 11012u << 9750u;
}

// The own transponder in the band the satellite lacked goes out and reads
// back; the words of the rows it had are the same as before.
void tst_CodeWord::ownTransponderInTheOtherBand()
{
    QFETCH(QString, satellite);
    QFETCH(quint32, frequency);
    QFETCH(quint32, oscillator);
    const SatelliteCatalogue before = singleBandSatellites();
    OwnTransponders own;
    QVERIFY(own.add({satellite, frequency, Polarisation::V}));
    const SatelliteCatalogue after = own.addTo(before);
    const UBRecord added = staticOn(7, after, satellite, 3);
    QCOMPARE(added.freq, frequency);
    QCOMPARE(after.findTransponder(satellite, 3)->oscillatorFrequency, oscillator);

    QList<UBRecord> plan = dynamicPlan();
    plan[23 - 7] = added;
    plan[23 - 8] = staticOn(8, after, satellite, 1);
    const PlanWords sent = PlanWords::encode(plan, satellite, QString(), after, [] { return 3u; });
    QVERIFY2(sent.sendable(), qPrintable(sent.message()));
    QCOMPARE(sent.words().at(7).highBand(), oscillator == 10600);
    QCOMPARE(sent.words().at(7).f(), frequency - oscillator - 100);
    QString lnb1;
    QString lnb2;
    QCOMPARE(CodeWord::decode(sent.words().at(7), 7, lnb1, lnb2, after), added);
    // Adding a band changes no word the satellite had.
    QCOMPARE(sent.words().at(8).value(),
             CodeWord::encode(staticOn(8, before, satellite, 1), satellite, QString(), before, 0).value());
}

void tst_CodeWord::encoderRefusesUbsTheSwitchLacks()
{
    QList<UBRecord> plan = dynamicPlan();
    plan[0].ubNumber = 31;
    const PlanWords words =
        PlanWords::encode(plan, QString(), QString(), SatelliteCatalogue(), [] { return 14u; });
    QVERIFY(!words.sendable());
    QVERIFY(words.words().isEmpty());
    QCOMPARE(words.refusals(), QStringList{QStringLiteral("UB32: the switch has UBs 1 to 24 only.")});
}

// Two satellites answer to one id (data that give a position's id twice):
// the word of the second would read back as the first, and is not sent.
void tst_CodeWord::encoderRefusesWordsThatReadBackOtherwise()
{
    SatelliteCatalogue::Transponders items;
    items[QStringLiteral("A")] = {{1, 11362, Polarisation::H, 9750, 5}};
    items[QStringLiteral("B")] = {{1, 11362, Polarisation::H, 9750, 5}};
    const SatelliteCatalogue catalogue(
        items, {{QStringLiteral("A"), 5, 9750, 0}, {QStringLiteral("B"), 5, 9750, 0}});
    QList<UBRecord> plan = dynamicPlan();
    plan[23 - 3] = withPolarisation(staticUB(3, 1, 1, 11362), Polarisation::H);
    const PlanWords words =
        PlanWords::encode(plan, QStringLiteral("A"), QStringLiteral("B"), catalogue, [] { return 1u; });
    QCOMPARE(words.refusals(),
             QStringList{QStringLiteral("UB04 cannot be sent to the device: its code word "
                                        "would be read back as another UB or transponder.")});
    QVERIFY(thrownMessage([&] {
                CodeWord::encode(plan[23 - 3], QStringLiteral("A"), QStringLiteral("B"), catalogue, 0);
            }).find("read back as another") != std::string::npos);
    // On the first satellite it reads back as itself.
    plan[23 - 3].lnb = 0;
    QVERIFY(PlanWords::encode(plan, QStringLiteral("A"), QStringLiteral("B"), catalogue, {}).sendable());
}

QTEST_GUILESS_MAIN(tst_CodeWord)
#include "tst_codeword.moc"
