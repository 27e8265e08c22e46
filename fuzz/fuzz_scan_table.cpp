// Feeds arbitrary bytes to the reader of a dvb-s scan table: rows only in
// the Ku band, each once, bounded, or a refusal with the reason.
#include "db/ScanTableReader.h"

#include <QCoreApplication>

#include <cstdlib>

namespace {
struct Harness
{
    int argc = 1;
    char name[16] = "fuzz_scan_table";
    char *argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    ImportRows rows;
    ScanTableReader::read(QByteArray(reinterpret_cast<const char *>(data), int(size)),
                          QStringLiteral("Hotbird 13B 13.0E"), rows);
    for (const auto &entry : rows.result()) {
        if (entry.second.size() > rows.bounds().rowsPerSpacecraft)
            std::abort();
        for (const TransponderItem &row : entry.second) {
            if (row.frequency < 10700 || row.frequency > 12750 || !row.polarisation.isKnown())
                std::abort();
        }
    }
    return 0;
}
