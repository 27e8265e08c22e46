// Feeds arbitrary bytes to the reader of a dvb-s scan table: rows only in
// the Ku band, each once, bounded, or a refusal with the reason.
#include "FuzzApplication.h"
#include "db/ScanTableReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzApplication application("fuzz_scan_table");
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
