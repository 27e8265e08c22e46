// A send's read-back without a switch: what was sent held against replies
// such as a switch gives them, field by field.
#include "device/DeviceReplies.h"
#include "device/PlanReadBack.h"

#include <QtTest>

namespace {
const QString astra = QStringLiteral("Astra 19.2E");
const QString hotbird = QStringLiteral("Hotbird 13.0E");
// The random field of every dynamic word sent here.
constexpr quint32 sentRandom = 6;
constexpr int staticPosition = 23;

// Astra 19.2E (id 1) on LNB1, Hotbird 13.0E (id 2) on LNB2.
SatelliteCatalogue catalogue()
{
    SatelliteCatalogue::Transponders rows;
    rows[astra] = {{71, 11836, Polarisation::H, 10600, 1}, {72, 10714, Polarisation::V, 9750, 1}};
    rows[hotbird] = {{5, 10834, Polarisation::V, 9750, 2}};
    return SatelliteCatalogue(rows, {{astra, 1, 9750, 10600}, {hotbird, 2, 9750, 10600}});
}

// 11836 MHz H on Astra 19.2E, high band.
CodeWord astraWord(quint32 ubNumber)
{
    return CodeWord::makeStatic(1, ubNumber, 11836 - 10600 - 100, false, true, true);
}

// UB 0 to UB 22 dynamic on line UB % 4, UB 23 static on Astra 19.2E; the
// LTE filter and the terrestrial path on.
SentPlan sentPlan()
{
    SentPlan plan;
    plan.lteFilter = true;
    plan.standBy = false;
    plan.terrestrialPath = true;
    for (quint32 ub = 0; ub < quint32(staticPosition); ++ub)
        plan.words << CodeWord::makeDynamic(ub, ub % 4, sentRandom);
    plan.words << astraWord(staticPosition);
    plan.lnb1 = astra;
    plan.lnb2 = hotbird;
    return plan;
}

// The replies of a switch that took the plan exactly.
DeviceReplies repliesOf(const SentPlan &plan)
{
    const auto onOff = [](bool on) { return on ? QStringLiteral("ON") : QStringLiteral("OFF"); };
    DeviceReplies replies;
    replies.lteFilter = onOff(plan.lteFilter);
    replies.standBy = onOff(plan.standBy);
    replies.terrestrialPath = onOff(plan.terrestrialPath);
    QStringList words;
    for (const CodeWord word : plan.words)
        words << word.toText();
    replies.configuration = words.join(QLatin1Char(','));
    return replies;
}

QString rawLine(const QString &ub, CodeWord sent, CodeWord held)
{
    return QStringLiteral("%1: sent the word %2, the switch holds the word %3")
        .arg(ub, sent.toText(), held.toText());
}
} // namespace

class PlanReadBackTest : public QObject
{
    Q_OBJECT

private slots:
    void comparesWhatTheSwitchActsOn_data()
    {
        // The switch holds `held` at `position` (-1: every word as sent),
        // its options as sent but those named in `flipped`, and `count` words.
        QTest::addColumn<int>("position");
        QTest::addColumn<quint32>("held");
        QTest::addColumn<QStringList>("flipped");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("differences");
        QTest::addColumn<QStringList>("notes");

        const CodeWord sentStatic = astraWord(staticPosition);
        const CodeWord sentDynamic = CodeWord::makeDynamic(5, 1, sentRandom);
        const QString astraText = QStringLiteral("11836 MHz H on Astra 19.2E");

        QTest::newRow("as sent") << -1 << 0u << QStringList() << 24 << QStringList() << QStringList();
        // Bits 3-7 of a static word mean nothing to the switch.
        QTest::newRow("static, bits 3-7 set") << staticPosition << (sentStatic.value() | 0xF8u)
                                              << QStringList() << 24 << QStringList() << QStringList();
        QTest::newRow("static, bit 3 alone") << staticPosition << (sentStatic.value() | 0x08u)
                                             << QStringList() << 24 << QStringList() << QStringList();
        // The same transponder either way: its fields tell the words apart.
        const CodeWord otherLnb(sentStatic.value() ^ 0x4u);
        QTest::newRow("static, other LNB bit")
            << staticPosition << otherLnb.value() << QStringList() << 24
            << QStringList{"UB24: sent a static UB with satellite id 1, UB number 23, F 1136, LNB1, H, high "
                           "band, "
                           "the switch holds a static UB with satellite id 1, UB number 23, F 1136, LNB2, H, "
                           "high band",
                           rawLine("UB24", sentStatic, otherLnb)}
            << QStringList();
        const CodeWord otherNumber = astraWord(4);
        QTest::newRow("static, other UB number")
            << staticPosition << otherNumber.value() << QStringList() << 24
            << QStringList{"UB24: sent a static UB with satellite id 1, UB number 23, F 1136, LNB1, H, high "
                           "band, "
                           "the switch holds a static UB with satellite id 1, UB number 4, F 1136, LNB1, H, "
                           "high band",
                           rawLine("UB24", sentStatic, otherNumber)}
            << QStringList();
        // Another transponder is named by what it is.
        const CodeWord lowBand =
            CodeWord::makeStatic(1, staticPosition, 10714 - 9750 - 100, false, false, false);
        QTest::newRow("static, other transponder")
            << staticPosition << lowBand.value() << QStringList() << 24
            << QStringList{"UB24: sent " + astraText + ", the switch holds 10714 MHz V on Astra 19.2E",
                           rawLine("UB24", sentStatic, lowBand)}
            << QStringList();
        // The switch may choose a dynamic word's random field (and so its check byte).
        const CodeWord otherRandom = CodeWord::makeDynamic(5, 1, 11);
        QVERIFY(otherRandom.value() != sentDynamic.value());
        QTest::newRow("dynamic, other random field")
            << 5 << otherRandom.value() << QStringList() << 24 << QStringList() << QStringList();
        // The switch goes by the word's place: a note, not a difference.
        const CodeWord otherUb = CodeWord::makeDynamic(9, 1, sentRandom);
        QTest::newRow("dynamic, other UB number")
            << 5 << otherUb.value() << QStringList() << 24 << QStringList()
            << QStringList{
                   "UB06: the switch's word names UB10; the switch goes by the word's place on the line."};
        const CodeWord otherLine = CodeWord::makeDynamic(5, 2, sentRandom);
        QTest::newRow("dynamic, other line")
            << 5 << otherLine.value() << QStringList() << 24
            << QStringList{"UB06: sent a dynamic UB on line 2, the switch holds a dynamic UB on line 3",
                           rawLine("UB06", sentDynamic, otherLine)}
            << QStringList();
        const CodeWord dynamicThere = CodeWord::makeDynamic(staticPosition, 3, sentRandom);
        QTest::newRow("static sent, dynamic held")
            << staticPosition << dynamicThere.value() << QStringList() << 24
            << QStringList{"UB24: sent " + astraText + ", the switch holds a dynamic UB on line 4",
                           rawLine("UB24", sentStatic, dynamicThere)}
            << QStringList();
        const CodeWord staticThere = astraWord(5);
        QTest::newRow("dynamic sent, static held")
            << 5 << staticThere.value() << QStringList() << 24
            << QStringList{"UB06: sent a dynamic UB on line 2, the switch holds " + astraText,
                           rawLine("UB06", sentDynamic, staticThere)}
            << QStringList();
        QTest::newRow("LTE filter") << -1 << 0u << QStringList{"lte"} << 24
                                    << QStringList{"LTE filter: sent on, the switch holds off"}
                                    << QStringList();
        QTest::newRow("stand-by") << -1 << 0u << QStringList{"stby"} << 24
                                  << QStringList{"Stand-by: sent off, the switch holds on"} << QStringList();
        QTest::newRow("terrestrial path")
            << -1 << 0u << QStringList{"terr"} << 24
            << QStringList{"Terrestrial path: sent on, the switch holds off"} << QStringList();
        // The options first, then the UBs from UB01.
        QTest::newRow("option and word")
            << 5 << otherLine.value() << QStringList{"stby"} << 24
            << QStringList{"Stand-by: sent off, the switch holds on",
                           "UB06: sent a dynamic UB on line 2, the switch holds a dynamic UB on line 3",
                           rawLine("UB06", sentDynamic, otherLine)}
            << QStringList();
        QTest::newRow("23 words") << -1 << 0u << QStringList() << 23
                                  << QStringList{"The switch holds 23 code words instead of 24."}
                                  << QStringList();
    }

    void comparesWhatTheSwitchActsOn()
    {
        QFETCH(int, position);
        QFETCH(quint32, held);
        QFETCH(QStringList, flipped);
        QFETCH(int, count);
        QFETCH(QStringList, differences);
        QFETCH(QStringList, notes);
        const SentPlan sent = sentPlan();
        SentPlan switchHolds = sent;
        if (position >= 0)
            switchHolds.words[position] = CodeWord(held);
        switchHolds.lteFilter ^= flipped.contains(QStringLiteral("lte"));
        switchHolds.standBy ^= flipped.contains(QStringLiteral("stby"));
        switchHolds.terrestrialPath ^= flipped.contains(QStringLiteral("terr"));
        switchHolds.words.resize(count);

        const PlanReadBack readBack(sent, repliesOf(switchHolds), catalogue());
        QCOMPARE(readBack.differences(), differences);
        QCOMPARE(readBack.notes(), notes);
        QCOMPARE(readBack.matches(), differences.isEmpty());
    }
};

QTEST_GUILESS_MAIN(PlanReadBackTest)
#include "tst_planreadback.moc"
