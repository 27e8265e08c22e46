// Feeds arbitrary bytes to the reader of a receiver's satellites.xml. A file
// is taken with bounded names and rows, or refused with the reason; what it
// gives turns into positions without fault.
#include "FuzzApplication.h"
#include "db/SatelliteImport.h"
#include "db/SatellitesXmlReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzApplication application("fuzz_satellites_xml");
    ImportRows rows;
    const QString reason =
        SatellitesXmlReader::read(QByteArray(reinterpret_cast<const char *>(data), int(size)), rows);
    const ImportRows::Spacecraft read = rows.result();
    for (const auto &entry : read) {
        if (entry.first.size() > rows.bounds().nameCharacters ||
            entry.second.size() > rows.bounds().rowsPerSpacecraft)
            std::abort();
    }
    if (reason.isEmpty()) {
        QByteArray added;
        SatelliteImport::Data positions = SatelliteImport::positions(read, SatelliteIdTable(), &added);
        positions.imported = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
        const SatelliteImport::Data back = SatelliteImport::parse(SatelliteImport::serialise(positions));
        if (!positions.items.empty() && back.items != positions.items)
            std::abort();
    }
    return 0;
}
