// Feeds arbitrary bytes to the reader of the download process's answer, in
// pieces of the sizes a pipe hands over, and to the reader of its settings.
// Whatever the bytes, the answer holds no more than the limits allow, every
// table taken has its summary, nothing is taken after a refusal or the end,
// and settings that are taken read back the same once written again.
#include "FuzzApplication.h"
#include "db/DownloadChannel.h"

#include <QLoggingCategory>

#include <cstdlib>

namespace {
struct Harness
{
    FuzzApplication application{"fuzz_download_channel"};
    // Small limits, so that every one of them is reached.
    SqlHandler::Limits limits;
    Harness()
    {
        limits.tables = 8;
        limits.rowsPerTable = 6;
        limits.rows = 20;
        limits.bytes = 2000;
        limits.tableNameCharacters = 12;
        // The child's log lines are logged again: not for the fuzzer's output.
        QLoggingCategory::setFilterRules(QStringLiteral("fenzo.*=false"));
    }
};

void checkSettings(const QByteArray &bytes)
{
    SqlHandler::Connection read;
    if (!DownloadChannel::readSettings(bytes, &read))
        return;
    SqlHandler::Connection again;
    if (!DownloadChannel::readSettings(DownloadChannel::settings(read), &again))
        std::abort();
    if (again.hostName != read.hostName || again.password != read.password || again.port != read.port ||
        again.timeoutSeconds != read.timeoutSeconds || again.requireTls != read.requireTls ||
        again.caFile != read.caFile || again.userName != read.userName ||
        again.databaseName != read.databaseName)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    checkSettings(bytes);

    DownloadChannel channel(harness.limits);
    // The first byte sets the size of the pieces.
    const int piece = bytes.isEmpty() ? 1 : 1 + uchar(bytes.at(0)) % 64;
    bool refused = false;
    for (int at = 1; at < bytes.size(); at += piece) {
        const bool endedBefore = channel.ended();
        const QString reason = channel.feed(bytes.mid(at, piece));
        // A refusal is final and is said once; after the end only more bytes
        // are refused.
        if (refused && !reason.isEmpty())
            std::abort();
        if (endedBefore && reason.isEmpty() && !refused)
            std::abort();
        refused = refused || !reason.isEmpty();
    }
    const SqlHandler::Download download = channel.download(SqlHandler::Connection());
    if (download.complete && !channel.ended())
        std::abort();
    if (int(download.tables.items.size()) > harness.limits.tables ||
        download.tables.params.size() != int(download.tables.items.size()))
        std::abort();
    int rows = 0;
    for (const auto &table : download.tables.items) {
        if (table.second.size() > harness.limits.rowsPerTable)
            std::abort();
        rows += table.second.size();
    }
    if (rows > harness.limits.rows || (!download.complete && !download.tables.items.empty()))
        std::abort();
    return 0;
}
