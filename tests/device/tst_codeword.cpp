// The code word of one user band: bit layout, range checks, reply parsing.

#include "device/CodeWord.h"

#include <QtTest>

#include <stdexcept>

namespace {
const std::string readError = "Error occured while reading data, please try again";

UBRecord dynamicRecord(quint32 ubNumber, quint32 line)
{
    UBRecord record;
    record.ubNumber = ubNumber;
    record.line = line;
    record.freq = slotFrequency(ubNumber);
    return record;
}

// The model's order: UB 23 first.
QList<UBRecord> dynamicPlan()
{
    QList<UBRecord> list;
    for (int ub = 23; ub >= 0; --ub)
        list << dynamicRecord(quint32(ub), quint32(ub % 4));
    return list;
}

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
};

void tst_CodeWord::dynamicWorkedExample()
{
    // UB 5, line 2, R = 7 (the generator gave 6): B = 40, K = 24.
    const CodeWord word = CodeWord::encode(dynamicRecord(5, 2), QString(), QString(), nullptr, 6);
    QCOMPARE(word.value(), 0x18280207u);
    QCOMPARE(word.toText(), QStringLiteral("405275143"));

    QString lnb1 = QStringLiteral("A");
    QString lnb2 = QStringLiteral("B");
    const UBRecord decoded =
        CodeWord::decode(CodeWord::fromText(QStringLiteral("405275143")), 5, lnb1, lnb2, nullptr);
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
    const UBRecord record = dynamicRecord(17, 3);
    const CodeWord first = CodeWord::encode(record, QString(), QString(), nullptr, 0);
    const CodeWord second = CodeWord::encode(record, QString(), QString(), nullptr, 9);
    QVERIFY(first.value() != second.value());
    QCOMPARE(first.value() & 0x00FFFF00u, second.value() & 0x00FFFF00u);
    QCOMPARE(first.randomPart(), 1u);
    QCOMPARE(second.randomPart(), 10u);
    QString lnb1, lnb2;
    const UBRecord a = CodeWord::decode(first, 17, lnb1, lnb2, nullptr);
    const UBRecord b = CodeWord::decode(second, 17, lnb1, lnb2, nullptr);
    QCOMPARE(a.line, 3u);
    QVERIFY(a == b);
    // R stays within 1..15 for any generator value.
    for (quint32 value : {0u, 14u, 15u, 0xFFFFFFFFu}) {
        const quint32 r = CodeWord::makeDynamic(0, 0, value).randomPart();
        QVERIFY(r >= 1 && r <= 15);
    }
}

void tst_CodeWord::staticRanges_data()
{
    QTest::addColumn<quint32>("satId");
    QTest::addColumn<quint32>("ubNumber");
    QTest::addColumn<qint64>("f");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("lowest values") << 0u << 0u << qint64(0) << true;
    QTest::newRow("highest values") << 127u << 31u << qint64(2047) << true;
    QTest::newRow("F below 0") << 1u << 3u << qint64(-1) << false;
    // 12750 MHz on the 10600 MHz band.
    QTest::newRow("F above 2047") << 1u << 3u << qint64(12750 - 10600 - 100) << false;
    QTest::newRow("ubNumber 32") << 1u << 32u << qint64(100) << false;
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
    QTest::newRow("ubNumber 31") << 31u << 0u << true;
    QTest::newRow("line 256") << 0u << 256u << false;
    QTest::newRow("ubNumber 32") << 32u << 0u << false;
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
        QCOMPARE(thrownMessage([&] { CodeWord::decodeConfiguration(reply, lnb1, lnb2, nullptr); }),
                 readError);
        return;
    }
    const QList<UBRecord> list = CodeWord::decodeConfiguration(reply, lnb1, lnb2, nullptr);
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
    QCOMPARE(thrownMessage([&] { CodeWord::decode(word, 0, lnb1, lnb2, nullptr); }), readError);
    QStringList words = dynamicWords(24);
    words[7] = word.toText();
    QCOMPARE(thrownMessage(
                 [&] { CodeWord::decodeConfiguration(words.join(QLatin1Char(',')), lnb1, lnb2, nullptr); }),
             readError);
}

void tst_CodeWord::configurationCommand()
{
    quint32 next = 0;
    const QString command = CodeWord::configurationCommand(dynamicPlan(), QString(), QString(), nullptr,
                                                           [&next] { return next++; });
    QVERIFY(command.startsWith(QLatin1String(":CONF:ALL ")));
    QVERIFY(!command.endsWith(QLatin1Char(',')));
    QVERIFY(!command.mid(10).contains(QLatin1Char(' ')));
    const QStringList words = command.mid(10).split(QLatin1Char(','));
    QCOMPARE(words.size(), 24);
    // UB 0 first on the line, each word with a fresh random part.
    for (int ub = 0; ub < 24; ++ub)
        QCOMPARE(words.at(ub), CodeWord::makeDynamic(quint32(ub), quint32(ub % 4), quint32(ub)).toText());
    QString lnb1, lnb2;
    QCOMPARE(CodeWord::decodeConfiguration(command.mid(10), lnb1, lnb2, nullptr), dynamicPlan());
}

void tst_CodeWord::configurationCommandRefusesBeforeBuildingLine()
{
    QList<UBRecord> list = dynamicPlan();
    list[20].line = 300;
    int drawn = 0;
    const std::string message = thrownMessage([&] {
        CodeWord::configurationCommand(list, QString(), QString(), nullptr,
                                       [&drawn] { return quint32(drawn++); });
    });
    QVERIFY2(message.find("Line 300") != std::string::npos, message.c_str());
}

void tst_CodeWord::staticWithoutDatabase()
{
    UBRecord record = dynamicRecord(3, 0);
    record.type = UBRecord::staticType;
    record.tp = 5;
    QCOMPARE(thrownMessage(
                 [&] { CodeWord::encode(record, QStringLiteral("A"), QStringLiteral("B"), nullptr, 0); }),
             std::string("Not connected"));
    QString lnb1, lnb2;
    QCOMPARE(thrownMessage([&] { CodeWord::decode(CodeWord(2166124547u), 3, lnb1, lnb2, nullptr); }),
             std::string("Not connected"));
}

QTEST_GUILESS_MAIN(tst_CodeWord)
#include "tst_codeword.moc"
