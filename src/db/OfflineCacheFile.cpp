#include "OfflineCacheFile.h"

#include "io/LogCategories.h"
#include "io/WholeFile.h"

#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <stdexcept>

namespace {
// Pinned, so that a cache written by any Qt version reads the same: the file
// holds only fixed-size numbers, booleans and strings.
constexpr QDataStream::Version cacheStreamVersion = QDataStream::Qt_5_15;

// Thrown inside read() when the file is not satellite data.
struct CorruptCache : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Reads the cache format from the file's bytes as they lie in memory
// (mapped, not copied), checking every count against the bytes still
// unread, so that a damaged or hostile file can never make the reader
// allocate more than the file itself could hold. The numbers are
// QDataStream's big-endian ones, read here directly: through the stream
// each field cost a call down to the device, and the cache of a large
// satellite set holds hundreds of thousands of them.
class CacheReader
{
public:
    CacheReader(const uchar *bytes, qint64 size) : bytes(bytes), size(size) {}

    qint32 number()
    {
        need(4);
        const qint32 value = qFromBigEndian<qint32>(bytes + position);
        position += 4;
        return value;
    }

    // QDataStream's bool: one byte, anything but 0 true.
    bool flag()
    {
        need(1);
        return bytes[position++] != 0;
    }

    // A QString in QDataStream form: byte count (0xFFFFFFFF for a null
    // string), then UTF-16 big-endian code units.
    QString string()
    {
        const quint32 count = quint32(number());
        if (count == 0xFFFFFFFFu)
            return QString();
        if (count % 2 != 0 || count > quint64(left()))
            throw CorruptCache("string longer than the file");
        QString text(int(count / 2), Qt::Uninitialized);
        const uchar *units = bytes + position;
        for (int i = 0; i < text.size(); ++i)
            text[i] = QChar(qFromBigEndian<quint16>(units + 2 * i));
        position += count;
        return text;
    }

    // A count of entries of at least minBytes each; 0 or less means none.
    int count(qint64 minBytes)
    {
        const qint32 value = number();
        if (value <= 0)
            return 0;
        if (value > left() / minBytes)
            throw CorruptCache("count larger than the file can hold");
        return value;
    }

private:
    qint64 left() const { return size - position; }
    void need(qint64 count) const
    {
        if (left() < count)
            throw CorruptCache("file ends early");
    }

    const uchar *bytes;
    qint64 size;
    qint64 position = 0;
};

// Smallest sizes in the file: a satellite block (empty name, row count), a
// row, and a summary (two numbers, empty name, id).
constexpr qint64 sateliteBlockBytes = 4 + 4;
constexpr qint64 rowBytes = 4 + 4 + 1 + 4 + 4;
constexpr qint64 summaryBytes = 4 + 4 + 4 + 4;
} // namespace

QDateTime OfflineCacheFile::written() const
{
    const QFileInfo info(filePath);
    const QDateTime born = info.birthTime();
    return born.isValid() ? born : info.lastModified();
}

bool OfflineCacheFile::write(const SatelliteCatalogue &data, QString *reason) const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(cacheStreamVersion);
    out << version << qint32(data.allTransponders().size());
    for (const auto &entry : data.allTransponders()) {
        out << entry.first << qint32(entry.second.size());
        for (const TransponderItem &item : entry.second)
            out << qint32(item.frequency) << qint32(item.oscillatorFrequency) << item.horizontal()
                << qint32(item.satId) << qint32(item.transponder);
    }
    out << qint32(data.satellites().size());
    for (const SateliteParams &params : data.satellites())
        out << qint32(params.lofHigh) << qint32(params.lofLow) << params.name << qint32(params.satId);

    // Written beside the old file and renamed over it only when complete:
    // a failed write keeps the last good download, and the new file is a
    // new file whose birth time is this download.
    QString problem;
    if (out.status() != QDataStream::Ok)
        problem = WholeFile::outOfMemoryReason();
    else
        WholeFile::write(filePath, bytes, &problem);
    if (problem.isEmpty())
        return true;
    qCDebug(dbLog) << "Error while saving db file:" << problem;
    *reason = tr("The offline data could not be saved to %1 (%2).")
                  .arg(QDir::toNativeSeparators(filePath), problem);
    return false;
}

QString OfflineCacheFile::unreadable(const QString &systemReason) const
{
    qCDebug(dbLog) << "Error while loading db file:" << systemReason;
    return tr("The offline data in %1 could not be read (%2).")
        .arg(QDir::toNativeSeparators(filePath), systemReason);
}

bool OfflineCacheFile::read(SatelliteTables *result, QString *reason) const
{
    try {
        QFile file(filePath);
        if (!file.open(QIODevice::ReadOnly)) {
            *reason = unreadable(file.errorString());
            return false;
        }
        // An empty file cannot be mapped, and holds no version either. The
        // program replaces the file by renaming a new one over it, so that
        // the mapped one never shrinks under the reader.
        const qint64 size = file.size();
        if (size == 0)
            throw CorruptCache("file ends early");
        const uchar *bytes = file.map(0, size);
        if (!bytes) {
            *reason = unreadable(file.errorString());
            return false;
        }
        CacheReader reader(bytes, size);
        if (reader.number() != version)
            return false;

        // Everything is read into locals first: a file that turns out to be
        // damaged leaves nothing half-loaded.
        SatelliteTables read;
        for (int satelites = reader.count(sateliteBlockBytes); satelites > 0; --satelites) {
            const QString name = reader.string();
            QVector<TransponderItem> rows(reader.count(rowBytes));
            for (TransponderItem &item : rows) {
                item.frequency = quint32(reader.number());
                item.oscillatorFrequency = quint32(reader.number());
                item.polarisation = Polarisation::fromHorizontalBit(reader.flag());
                item.satId = quint32(reader.number());
                item.transponder = quint32(reader.number());
            }
            read.items[name] = std::move(rows);
        }
        read.params.resize(reader.count(summaryBytes));
        for (SateliteParams &summary : read.params) {
            summary.lofHigh = quint32(reader.number());
            summary.lofLow = quint32(reader.number());
            summary.name = reader.string();
            summary.satId = quint32(reader.number());
        }
        // Written by a download that brought none (an older version took
        // one): no cache, so that other data are used.
        if (!read.holdsSatellites())
            throw CorruptCache("no satellites");
        *result = std::move(read);
        return true;
    } catch (const std::exception &e) {
        qCDebug(dbLog) << "Error while loading db file:" << e.what();
    } catch (...) {
        qCDebug(dbLog) << "Error while loading db file";
    }
    return false;
}
