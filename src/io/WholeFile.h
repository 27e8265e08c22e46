#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Every file the program writes goes through here: it is written whole, or
// the file that was there before stays byte for byte as it was.
class WholeFile
{
    Q_DECLARE_TR_FUNCTIONS(WholeFile)

public:
    // Writes `bytes` to `path` beside the old file and renames it over the
    // old one only when every byte is on disk. On failure returns false and
    // sets `reason` to the system's words ("No space left on device").
    static bool write(const QString &path, const QByteArray &bytes, QString *reason);
    // The reason to give when the bytes could not even be made in memory.
    static QString outOfMemoryReason();
    // What the user is told when a file cannot be read or written: the
    // file and the system's reason.
    static QString readFailure(const QString &path, const QString &reason);
    static QString writeFailure(const QString &path, const QString &reason);
};
