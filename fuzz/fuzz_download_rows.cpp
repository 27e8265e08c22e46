// Feeds arbitrary rows to the download's conversion, as the client library
// hands them over: each input line is a row, its fields split at tabs ("\N"
// a NULL); a line starting with '#' is a row of SHOW TABLES, the others are
// rows of the table named last. Whatever the rows, the conversion stays
// within its limits: a refused row leaves the counts where they were, and
// the data it yields hold only listed tables, each with its summary.
#include "FuzzApplication.h"
#include "db/DownloadTables.h"

#include <cstdlib>
#include <stdexcept>

namespace {
struct Harness
{
    FuzzApplication application{"fuzz_download_rows"};
    // Small limits, so that every one of them is reached.
    SqlHandler::Limits limits;
    Harness()
    {
        limits.tables = 8;
        limits.rowsPerTable = 6;
        limits.rows = 20;
        limits.bytes = 2000;
        limits.tableNameCharacters = 12;
    }
};

DownloadTables::Row fields(const QByteArray &line)
{
    DownloadTables::Row row;
    for (const QByteArray &field : line.split('\t'))
        row << (field == "\\N" ? QByteArray() : field);
    return row;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    DownloadTables tables(harness.limits);
    QString table;
    int taken = 0;
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    for (const QByteArray &line : input.split('\n')) {
        if (line.startsWith('#')) {
            if (!tables.addTable(fields(line.mid(1))).isEmpty())
                return 0; // the download ends with its reason
            table = tables.tables().constLast();
        } else if (!tables.tables().isEmpty()) {
            if (!tables.addRow(table, fields(line)).isEmpty())
                return 0;
            ++taken;
        }
    }
    if (tables.tables().size() > harness.limits.tables || taken > harness.limits.rows)
        std::abort();
    SqlHandler::Tables result;
    try {
        result = tables.result();
    } catch (const std::runtime_error &) {
        return 0; // more than two oscillator frequencies: refused as a whole
    }
    if (int(result.items.size()) != result.params.size())
        std::abort();
    int rows = 0;
    for (const auto &entry : result.items) {
        if (!tables.tables().contains(entry.first) || entry.first.size() > harness.limits.tableNameCharacters ||
            entry.second.size() > harness.limits.rowsPerTable)
            std::abort();
        rows += entry.second.size();
    }
    for (const SateliteParams &params : result.params) {
        if (params.lofHigh != 0 && params.lofHigh <= params.lofLow)
            std::abort();
    }
    if (rows != taken)
        std::abort();
    return 0;
}
