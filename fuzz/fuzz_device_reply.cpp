// Feeds arbitrary bytes to the decoder of the switch's configuration reply,
// with satellite data in memory, so static words reach the look-ups.
// Whatever the bytes, the decoder returns 24 records or throws
// std::runtime_error, and leaves the satellite names alone when it throws.
#include "FuzzApplication.h"
#include "device/CodeWord.h"

#include <cstdlib>
#include <stdexcept>

namespace {
struct Harness
{
    FuzzApplication application{"fuzz_device_reply"};
    SatelliteCatalogue database;

    Harness()
    {
        // Two satellites, ids 1 and 2, each with a few transponders on both bands.
        SatelliteCatalogue::Transponders satelites;
        QVector<SateliteParams> params;
        for (quint32 satId : {1u, 2u}) {
            const QString name = QStringLiteral("Sat %1").arg(satId);
            for (quint32 tp = 0; tp < 4; ++tp)
                satelites[name].append({tp, 10700 + 500 * tp, Polarisation::fromHorizontalBit(tp % 2 == 1),
                                        tp < 2 ? 9750u : 10600u, satId});
            params.append({name, satId, 9750, 10600});
        }
        database = SatelliteCatalogue(satelites, params);
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    const QString reply = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));

    for (const CodeWord word : CodeWord::parseList(reply)) {
        if (word.value() == 0)
            std::abort();
    }
    const QString lnb1Before = QStringLiteral("L1");
    const QString lnb2Before = QStringLiteral("L2");
    QString lnb1 = lnb1Before;
    QString lnb2 = lnb2Before;
    try {
        const QList<UBRecord> list = CodeWord::decodeConfiguration(reply, lnb1, lnb2, harness.database);
        if (list.size() != 24)
            std::abort();
        for (int i = 0; i < list.size(); ++i) {
            if (list.at(i).ubNumber != quint32(23 - i) || (list.at(i).isDynamic() && list.at(i).line > 3))
                std::abort();
        }
    } catch (const std::runtime_error &) {
        if (lnb1 != lnb1Before || lnb2 != lnb2Before)
            std::abort();
    }
    return 0;
}
