#pragma once

// The one writer of offline cache files (db.dat) outside the program: tests,
// benchmarks and fuzz harnesses build their satellite data here, in the
// program's layout, so a change of that layout is made in one place.

#include "db/SqlHandler.h"

#include <QByteArray>
#include <QDataStream>
#include <QSaveFile>
#include <QString>
#include <QVector>

#include <map>

namespace CacheFile {

using Satelites = std::map<QString, QVector<TransponderItem>>;

// The bytes of a cache file holding the given satellites and summaries;
// version 1 unless told otherwise.
inline QByteArray cacheBytes(const Satelites &satelites, const QVector<SateliteParams> &params,
                             qint32 version = 1)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_15);
    out << version << qint32(satelites.size());
    for (const auto &entry : satelites) {
        out << entry.first << qint32(entry.second.size());
        for (const TransponderItem &item : entry.second)
            out << qint32(item.frequency) << qint32(item.oscillatorFrequency) << item.horizontal()
                << qint32(item.satId) << qint32(item.transponder);
    }
    out << qint32(params.size());
    for (const SateliteParams &summary : params)
        out << qint32(summary.lofHigh) << qint32(summary.lofLow) << summary.name << qint32(summary.satId);
    return bytes;
}

// Adds a satellite with `count` transponders numbered from `firstTransponder`,
// `step` MHz apart from `firstFrequency`, horizontal and vertical by turns
// (the first vertical), each with the oscillator of its band; and its summary.
inline void addSatellite(Satelites &satelites, QVector<SateliteParams> &params, const QString &name,
                         quint32 satId, quint32 firstTransponder, int count, quint32 firstFrequency,
                         quint32 step)
{
    QVector<TransponderItem> &items = satelites[name];
    for (int i = 0; i < count; ++i) {
        const quint32 frequency = firstFrequency + step * quint32(i);
        items.append({firstTransponder + quint32(i), frequency, Polarisation::fromHorizontalBit(i % 2 == 1),
                      frequency < 11700 ? 9750u : 10600u, satId});
    }
    params.append({name, satId, 9750, 10600});
}

// Writes db.dat into cacheDirectory (the directory handed to SqlHandler).
inline bool writeCacheFile(const QString &cacheDirectory, const QByteArray &bytes)
{
    QSaveFile file(cacheDirectory + QStringLiteral("/db.dat"));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

inline bool writeCacheFile(const QString &cacheDirectory, const Satelites &satelites,
                           const QVector<SateliteParams> &params)
{
    return writeCacheFile(cacheDirectory, cacheBytes(satelites, params));
}

// The two Astra positions a window starts with: twelve transponders at
// 19.2E, ten at 28.2E.
inline bool writeTwoSatelliteCache(const QString &cacheDirectory)
{
    Satelites satelites;
    QVector<SateliteParams> params;
    addSatellite(satelites, params, QStringLiteral("Astra 19.2E"), 1, 1, 12, 10714, 19);
    addSatellite(satelites, params, QStringLiteral("Astra 28.2E"), 2, 21, 10, 11222, 19);
    return writeCacheFile(cacheDirectory, satelites, params);
}

} // namespace CacheFile
