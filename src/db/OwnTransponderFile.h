#pragma once

#include "model/OwnTransponders.h"

#include <QCoreApplication>
#include <QString>

class QFile;

// The user's own transponders on disk: a small text file beside the offline
// cache, readable by its owner only, written whole or not at all.
class OwnTransponderFile
{
    Q_DECLARE_TR_FUNCTIONS(OwnTransponderFile)

public:
    explicit OwnTransponderFile(QString path) : filePath(std::move(path)) {}

    // The file in the given data directory; empty: the per-user one.
    static QString pathIn(const QString &directory);
    const QString &path() const { return filePath; }

    // A missing file is an empty list. Anything else that cannot be read
    // gives false and the reason, the path named, and `result` untouched.
    bool read(OwnTransponders *result, QString *reason) const;
    bool write(const OwnTransponders &transponders, QString *reason) const;

private:
    QString unreadable(const QFile &file) const;

    QString filePath;
};
