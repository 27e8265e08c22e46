// Feeds arbitrary bytes as the switch's answers to a read-back: the four
// replies, one per line (options, then the configuration). Whatever they hold,
// the comparison with the plan sent ends with lines the user can read: a
// reply that is the plan sent matches, any other differs with at least one
// line, and no line is empty.
#include "FuzzApplication.h"
#include "device/PlanReadBack.h"

#include <QByteArray>
#include <QList>

#include <cstdlib>

namespace {
SatelliteCatalogue catalogue()
{
    SatelliteCatalogue::Transponders items;
    const QString name = QStringLiteral("Astra 19.2E");
    for (quint32 i = 0; i < 4; ++i) {
        TransponderItem item;
        item.transponder = i + 1;
        item.frequency = 10700 + 500 * i;
        item.polarisation = i % 2 == 0 ? Polarisation::H : Polarisation::V;
        item.oscillatorFrequency = item.frequency >= 11700 ? 10600 : 9750;
        item.satId = 1;
        items[name].append(item);
    }
    return SatelliteCatalogue(items, {{name, 1, 9750, 10600}});
}

// Two static UBs (low and high band), the rest dynamic on lines 0 to 3.
SentPlan sentPlan()
{
    SentPlan plan;
    plan.terrestrialPath = true;
    plan.lnb1 = QStringLiteral("Astra 19.2E");
    for (quint32 ub = 0; ub < 22; ++ub)
        plan.words << CodeWord::makeDynamic(ub, ub % 4, ub);
    plan.words << CodeWord::makeStatic(1, 22, 10700 - 9750 - 100, false, true, false)
               << CodeWord::makeStatic(1, 23, 12200 - 10600 - 100, false, false, true);
    return plan;
}

QString wordsText(const SentPlan &plan)
{
    QStringList texts;
    for (const CodeWord word : plan.words)
        texts << word.toText();
    return texts.join(QLatin1Char(','));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzApplication application("fuzz_plan_readback");
    static const SatelliteCatalogue satellites = catalogue();
    static const SentPlan sent = sentPlan();
    const QList<QByteArray> lines = QByteArray(reinterpret_cast<const char *>(data), int(size)).split('\n');
    DeviceReplies held;
    held.lteFilter = QString::fromUtf8(lines.value(0));
    held.standBy = QString::fromUtf8(lines.value(1));
    held.terrestrialPath = QString::fromUtf8(lines.value(2));
    held.configuration = QString::fromUtf8(lines.value(3));
    const PlanReadBack readBack(sent, held, satellites);
    for (const QString &line : readBack.differences() + readBack.notes()) {
        if (line.trimmed().isEmpty())
            std::abort();
    }
    // The configuration is the plan sent: only the options can differ.
    if (held.configuration == wordsText(sent)) {
        const bool optionsAsSent = !DeviceReplies::isOn(held.lteFilter) &&
                                   !DeviceReplies::isOn(held.standBy) &&
                                   DeviceReplies::isOn(held.terrestrialPath);
        if (readBack.matches() != optionsAsSent || !readBack.notes().isEmpty())
            std::abort();
    }
    return 0;
}
