#pragma once

#include "SatelliteTables.h"
#include "model/SatelliteCatalogue.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

// The offline cache on disk: the last complete download, so that the
// program works without the server. Numbers, flags and strings in
// QDataStream form, behind the format's version; written whole or not at
// all, and read with every count checked against the bytes left.
class OfflineCacheFile
{
    Q_DECLARE_TR_FUNCTIONS(OfflineCacheFile)

public:
    OfflineCacheFile(QString path, qint32 version) : filePath(std::move(path)), version(version) {}

    const QString &path() const { return filePath; }
    // When the file was written: every download writes it anew, and where
    // the file system keeps no birth time the modification time tells the
    // same. Invalid without a file.
    QDateTime written() const;

    // Writes the data beside the old file and renames it over the old one;
    // false and why (the path named) when the old file stays.
    bool write(const SatelliteCatalogue &data, QString *reason) const;
    // Reads the whole file into `result`, or nothing. False when the file
    // holds no usable data: `reason` names the path and the system's words
    // when it could not be opened, and stays empty when it is of another
    // version or damaged.
    bool read(SatelliteTables *result, QString *reason) const;

private:
    // What the user is told when the file is there but cannot be read.
    QString unreadable(const QString &systemReason) const;

    QString filePath;
    qint32 version;
};
